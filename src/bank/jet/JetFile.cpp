#include "bank/jet/JetFile.h"

#include "bank/jet/JetError.h"
#include "bank/jet/MessageTable.h"
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
    throw JetError(Say(Msg::InFile, what, m_path));
}

JetFile::JetFile(const std::string& path, Mode mode) : m_path(path), m_mode(mode) {
    m_fd = ::open(path.c_str(), (mode == Mode::ReadWrite ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    if (m_fd < 0) {
        int err = errno;
        if (err == ENOENT)
            throw JetError(Say(Msg::FileMissing, m_path));
        throw JetError(Say(Msg::FileCannotOpen, m_path, SystemErrorText(err)));
    }
    struct stat st {};
    if (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(m_fd);
        m_fd = -1;
        throw JetError(Say(Msg::FileNotRegular, m_path));
    }
    try {
        if (static_cast<std::uint64_t>(st.st_size) > kMaxFileSize)
            throw JetError(Say(Msg::FileTooLarge, m_path));
        m_bytes.resize(static_cast<size_t>(st.st_size));
        size_t done = 0;
        while (done < m_bytes.size()) {
            ssize_t n = ::pread(m_fd, m_bytes.data() + done, m_bytes.size() - done, static_cast<off_t>(done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                throw JetError(
                    Say(Msg::FileCannotRead, m_path, n < 0 ? SystemErrorText(errno) : Say(Msg::FileShrank)));
            done += static_cast<size_t>(n);
        }
        if (m_bytes.size() < 0x100 || win::ReadLe32(m_bytes.data()) != 0x100 ||
            std::memcmp(m_bytes.data() + 4, kSignature, sizeof kSignature) != 0)
            throw JetError(Say(Msg::NotJetFile, m_path));
        std::uint8_t version = m_bytes[0x14];
        if (version == 0)
            m_format = &kJet3Format;
        else if (version == 1)
            m_format = &kJet4Format;
        else
            throw JetError(Say(Msg::UnsupportedVersion, m_path, version));
        const std::uint32_t pageSize = m_format->pageSize;
        if (m_bytes.size() % pageSize != 0)
            throw JetError(Say(Msg::TruncatedSize, m_path, m_bytes.size(), pageSize));
        m_pageCount = static_cast<std::uint32_t>(m_bytes.size() / pageSize);
        if (m_pageCount < 3)
            throw JetError(Say(Msg::TruncatedNoCatalog, m_path));

        Rc4 mask(kHeaderMaskKey);
        mask.Apply(std::span(m_bytes.data() + 0x18, m_format->maskedHeaderLength));
        m_codePage = win::ReadLe16(m_bytes.data() + 0x3C);
        m_databaseKey = win::ReadLe32(m_bytes.data() + 0x3E);
        if (m_codePage != 0 && win::IsCodePageSupported(m_codePage))
            m_textCodePage = m_codePage;
        if (m_databaseKey != 0) {
            std::vector<std::uint8_t> ks(pageSize);
            for (std::uint32_t p = 1; p < m_pageCount; ++p) {
                Keystream(p, ks);
                std::uint8_t* page = m_bytes.data() + static_cast<size_t>(p) * pageSize;
                for (std::uint32_t k = 0; k < pageSize; ++k)
                    page[k] ^= ks[k];
            }
        }
    } catch (...) {
        ::close(m_fd);
        m_fd = -1;
        throw;
    }
}

JetFile::~JetFile() {
    if (m_fd >= 0)
        ::close(m_fd);
}

void JetFile::Keystream(std::uint32_t page, std::span<std::uint8_t> out) const {
    std::uint32_t k = m_databaseKey ^ page;
    std::uint8_t key[4] = {static_cast<std::uint8_t>(k), static_cast<std::uint8_t>(k >> 8),
                           static_cast<std::uint8_t>(k >> 16), static_cast<std::uint8_t>(k >> 24)};
    std::fill(out.begin(), out.end(), 0);
    Rc4 rc4(key);
    rc4.Apply(out);
}

std::span<const std::uint8_t> JetFile::Page(std::uint32_t page) const {
    if (page >= m_pageCount)
        Fail(Say(Msg::PagePastEnd, page, m_pageCount));
    return {m_bytes.data() + static_cast<size_t>(page) * m_format->pageSize, m_format->pageSize};
}

void JetFile::Write(const std::vector<Patch>& patches) {
    if (!Writable())
        Fail(Say(Msg::ReadOnly));
    for (const auto& p : patches)
        if (p.page == 0 || p.page >= m_pageCount || p.offset > m_format->pageSize ||
            p.bytes.size() > m_format->pageSize - p.offset)
            Fail(Say(Msg::WriteOutsidePage, p.page));
    std::vector<std::uint8_t> ks(m_format->pageSize);
    for (const auto& p : patches) {
        std::vector<std::uint8_t> stored = p.bytes;
        if (m_databaseKey != 0) {
            Keystream(p.page, ks);
            for (size_t k = 0; k < stored.size(); ++k)
                stored[k] ^= ks[p.offset + k];
        }
        off_t at = static_cast<off_t>(p.page) * m_format->pageSize + p.offset;
        size_t done = 0;
        while (done < stored.size()) {
            ssize_t n =
                ::pwrite(m_fd, stored.data() + done, stored.size() - done, at + static_cast<off_t>(done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                Fail(Say(Msg::WriteFailed, p.page, SystemErrorText(n < 0 ? errno : ENOSPC)));
            done += static_cast<size_t>(n);
        }
        std::memcpy(m_bytes.data() + static_cast<size_t>(p.page) * m_format->pageSize + p.offset,
                    p.bytes.data(), p.bytes.size());
    }
    if (::fsync(m_fd) != 0)
        Fail(Say(Msg::FlushFailed, SystemErrorText(errno)));
}

} // namespace bank::jet
