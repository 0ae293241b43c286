#include "bank/jet/JetFile.h"

#include "bank/jet/JetError.h"
#include "bank/jet/Messages.h"
#include "bank/jet/Rc4.h"
#include "platform/os/Bytes.h"
#include "platform/os/CodePage.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bank::jet {

namespace {

constexpr std::uint8_t kHeaderMaskKey[] = {0xC7, 0xDA, 0x39, 0x6B};
constexpr char kSignature[] = "Standard Jet DB";
constexpr std::uint64_t kMaxFileSize = 2ull << 30; // the format's own limit

} // namespace

void JetFile::Fail(const std::string& what) const {
    throw JetError(Say(Msg::InFile, what, path_));
}

JetFile::JetFile(const std::string& path, Mode mode) : path_(path), mode_(mode) {
    fd_ = ::open(path.c_str(), (mode == Mode::ReadWrite ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    if (fd_ < 0) {
        int err = errno;
        if (err == ENOENT)
            throw JetError(Say(Msg::FileMissing, path_));
        throw JetError(Say(Msg::FileCannotOpen, path_, SystemErrorText(err)));
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        throw JetError(Say(Msg::FileNotRegular, path_));
    }
    try {
        if (static_cast<std::uint64_t>(st.st_size) > kMaxFileSize)
            throw JetError(Say(Msg::FileTooLarge, path_));
        bytes_.resize(static_cast<size_t>(st.st_size));
        size_t done = 0;
        while (done < bytes_.size()) {
            ssize_t n = ::pread(fd_, bytes_.data() + done, bytes_.size() - done, static_cast<off_t>(done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                throw JetError(
                    Say(Msg::FileCannotRead, path_, n < 0 ? SystemErrorText(errno) : Say(Msg::FileShrank)));
            done += static_cast<size_t>(n);
        }
        if (bytes_.size() < 0x100 || win::ReadLe32(bytes_.data()) != 0x100 ||
            std::memcmp(bytes_.data() + 4, kSignature, sizeof kSignature) != 0)
            throw JetError(Say(Msg::NotJetFile, path_));
        std::uint8_t version = bytes_[0x14];
        if (version == 0)
            format_ = &kJet3Format;
        else if (version == 1)
            format_ = &kJet4Format;
        else
            throw JetError(Say(Msg::UnsupportedVersion, path_, version));
        const std::uint32_t pageSize = format_->pageSize;
        if (bytes_.size() % pageSize != 0)
            throw JetError(Say(Msg::TruncatedSize, path_, bytes_.size(), pageSize));
        pageCount_ = static_cast<std::uint32_t>(bytes_.size() / pageSize);
        if (pageCount_ < 3)
            throw JetError(Say(Msg::TruncatedNoCatalog, path_));

        Rc4 mask(kHeaderMaskKey);
        mask.Apply(std::span(bytes_.data() + 0x18, format_->maskedHeaderLength));
        codePage_ = win::ReadLe16(bytes_.data() + 0x3C);
        databaseKey_ = win::ReadLe32(bytes_.data() + 0x3E);
        if (codePage_ != 0 && win::IsCodePageSupported(codePage_))
            textCodePage_ = codePage_;
        if (databaseKey_ != 0) {
            std::vector<std::uint8_t> ks(pageSize);
            for (std::uint32_t p = 1; p < pageCount_; ++p) {
                Keystream(p, ks);
                std::uint8_t* page = bytes_.data() + static_cast<size_t>(p) * pageSize;
                for (std::uint32_t k = 0; k < pageSize; ++k)
                    page[k] ^= ks[k];
            }
        }
    } catch (...) {
        ::close(fd_);
        fd_ = -1;
        throw;
    }
}

JetFile::~JetFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

void JetFile::Keystream(std::uint32_t page, std::span<std::uint8_t> out) const {
    std::uint32_t k = databaseKey_ ^ page;
    std::uint8_t key[4] = {static_cast<std::uint8_t>(k), static_cast<std::uint8_t>(k >> 8),
                           static_cast<std::uint8_t>(k >> 16), static_cast<std::uint8_t>(k >> 24)};
    std::fill(out.begin(), out.end(), 0);
    Rc4 rc4(key);
    rc4.Apply(out);
}

std::span<const std::uint8_t> JetFile::Page(std::uint32_t page) const {
    if (page >= pageCount_)
        Fail(Say(Msg::PagePastEnd, page, pageCount_));
    return {bytes_.data() + static_cast<size_t>(page) * format_->pageSize, format_->pageSize};
}

void JetFile::Write(const std::vector<Patch>& patches) {
    if (!Writable())
        Fail(Say(Msg::ReadOnly));
    for (const auto& p : patches)
        if (p.page == 0 || p.page >= pageCount_ || p.offset > format_->pageSize ||
            p.bytes.size() > format_->pageSize - p.offset)
            Fail(Say(Msg::WriteOutsidePage, p.page));
    std::vector<std::uint8_t> ks(format_->pageSize);
    for (const auto& p : patches) {
        std::vector<std::uint8_t> stored = p.bytes;
        if (databaseKey_ != 0) {
            Keystream(p.page, ks);
            for (size_t k = 0; k < stored.size(); ++k)
                stored[k] ^= ks[p.offset + k];
        }
        off_t at = static_cast<off_t>(p.page) * format_->pageSize + p.offset;
        size_t done = 0;
        while (done < stored.size()) {
            ssize_t n =
                ::pwrite(fd_, stored.data() + done, stored.size() - done, at + static_cast<off_t>(done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                Fail(Say(Msg::WriteFailed, p.page, SystemErrorText(n < 0 ? errno : ENOSPC)));
            done += static_cast<size_t>(n);
        }
        std::memcpy(bytes_.data() + static_cast<size_t>(p.page) * format_->pageSize + p.offset,
                    p.bytes.data(), p.bytes.size());
    }
    if (::fsync(fd_) != 0)
        Fail(Say(Msg::FlushFailed, SystemErrorText(errno)));
}

} // namespace bank::jet
