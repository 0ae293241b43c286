#include "platform/os/AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace win {

namespace {

constexpr int kNameAttempts = 64;
// Leaves room for the dot, the separator and the random part within NAME_MAX.
constexpr std::size_t kMaxStemBytes = 200;

std::string ErrnoText(int error) {
    return std::generic_category().message(error);
}

bool RandomSuffix(std::string& suffix) {
    static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    unsigned char raw[12];
    std::size_t got = 0;
    while (got < sizeof raw) {
        const ssize_t n = ::getrandom(raw + got, sizeof raw - got, 0);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        got += static_cast<std::size_t>(n);
    }
    suffix.clear();
    for (unsigned char c : raw)
        suffix += kAlphabet[c % (sizeof kAlphabet - 1)];
    return true;
}

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { Close(); }
    int Get() const { return m_fd; }
    void Reset(int fd) {
        Close();
        m_fd = fd;
    }
    int Close() {
        const int result = m_fd >= 0 ? ::close(m_fd) : 0;
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

} // namespace

bool WriteFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                         std::string& error) {
    const std::string name = path.filename().string();
    if (name.empty() || name == "." || name == "..") {
        error = "not a file name";
        return false;
    }
    const std::filesystem::path parent = path.parent_path();
    FileDescriptor dir(::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() < 0) {
        error = "the folder cannot be opened: " + ErrnoText(errno);
        return false;
    }

    std::string temp;
    FileDescriptor file;
    for (int attempt = 0; attempt < kNameAttempts && file.Get() < 0; ++attempt) {
        std::string suffix;
        if (!RandomSuffix(suffix)) {
            error = "no random name for the temporary file: " + ErrnoText(errno);
            return false;
        }
        temp.assign(1, '.');
        temp.append(name, 0, kMaxStemBytes);
        temp += '.';
        temp += suffix;
        const int fd =
            ::openat(dir.Get(), temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0)
            file.Reset(fd);
        else if (errno != EEXIST) {
            error = "the temporary file cannot be created: " + ErrnoText(errno);
            return false;
        }
    }
    if (file.Get() < 0) {
        error = "no free name for the temporary file";
        return false;
    }

    const auto fail = [&](const char* what, int code) {
        ::unlinkat(dir.Get(), temp.c_str(), 0);
        error = std::string(what) + ": " + ErrnoText(code);
        return false;
    };
    if (!WriteAll(file.Get(), bytes.data(), bytes.size()))
        return fail("cannot be written", errno);
    if (::fsync(file.Get()) != 0)
        return fail("cannot be flushed to disk", errno);
    if (file.Close() != 0)
        return fail("cannot be written", errno);
    if (::renameat(dir.Get(), temp.c_str(), dir.Get(), name.c_str()) != 0)
        return fail("cannot replace the file", errno);
    // The new name is only durable once the folder itself is flushed; the data already is.
    ::fsync(dir.Get());
    return true;
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, std::string& error) {
    return WriteFileAtomically(
        path,
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
        error);
}

} // namespace win
