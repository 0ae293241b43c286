// The named mutex behind the single-instance guard: an advisory lock (flock) on a file named after a hash of
// the mutex name and the desktop session. The kernel releases the lock with the last descriptor, so a
// crashed or killed process never leaves a stale lock behind. The file lives in a folder that only this user
// can write: in a folder that others could write, another user could take the name first, or plant a link.
#include "platform/os/InstanceLock.h"
#include "platform/os/Bytes.h"
#include "platform/os/WinBase.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace win {

namespace os {

namespace {

// "N" or "N.S" with at most nine digits each; the screen S does not change the desktop.
bool DisplayNumber(std::string_view s, unsigned long* number) {
    const size_t dot = s.find('.');
    const std::string_view n = s.substr(0, dot), screen = dot == s.npos ? "" : s.substr(dot + 1);
    auto digits = [](std::string_view d) {
        return !d.empty() && d.size() <= 9 && d.find_first_not_of("0123456789") == d.npos;
    };
    if (!digits(n) || (dot != s.npos && !digits(screen)))
        return false;
    *number = std::strtoul(std::string(n).c_str(), nullptr, 10);
    return true;
}

// [protocol/][host]:number[.screen], as X clients read it.
std::string X11Desktop(std::string_view display) {
    const size_t colon = display.rfind(':');
    unsigned long number = 0;
    if (colon == display.npos || !DisplayNumber(display.substr(colon + 1), &number))
        return "unparsed " + std::string(display);
    std::string_view host = display.substr(0, colon), protocol;
    if (const size_t slash = host.find('/'); slash != host.npos && host.front() != '/') {
        protocol = host.substr(0, slash);
        host = host.substr(slash + 1);
    }
    const std::string n = std::to_string(number);
    const std::string p = AsciiLower(protocol), h = AsciiLower(host);
    if (p == "unix" || p == "local" || (p.empty() && (h.empty() || h == "unix")))
        return "local :" + n;
    if (!h.empty() && h.back() == ':')
        return "decnet " + h + n;
    if (h.empty() || h == "127.0.0.1" || h == "::1" || h == "[::1]")
        return "tcp localhost:" + n;
    return "tcp " + h + ":" + n;
}

std::string Trimmed(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

std::string DesktopKey(const char* wayland, const char* x11, const char* runtimeDir) {
    if (wayland && *wayland) {
        std::string socket = wayland;
        if (socket.front() != '/' && runtimeDir && *runtimeDir == '/')
            socket = Trimmed(runtimeDir) + '/' + socket;
        return "wayland " + socket;
    }
    if (x11 && *x11)
        return "x11 " + X11Desktop(x11);
    return "console";
}

int OpenPrivateFolder(const std::string& path, uid_t owner, mode_t forbidden, bool create, std::string* why) {
    auto fail = [&](const std::string& what) {
        if (why)
            *why = path + ": " + what;
        return -1;
    };
    const std::string p = Trimmed(path);
    if (p.empty() || p.front() != '/')
        return fail("not an absolute path");
    if (create && ::mkdir(p.c_str(), 0700) != 0 && errno != EEXIST)
        return fail(std::string("cannot be created (") + std::strerror(errno) + ")");
    // Opened without following a link and checked through the descriptor, so that what is checked is what
    // the lock file is made in.
    const int fd = ::open(p.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return fail(errno == ELOOP || errno == ENOTDIR
                        ? "not a folder (a symbolic link or a file)"
                        : std::string("cannot be opened (") + std::strerror(errno) + ")");
    struct stat st;
    std::string wrong;
    if (::fstat(fd, &st) != 0 || !S_ISDIR(st.st_mode))
        wrong = "not a folder";
    else if (st.st_uid != owner)
        wrong = "belongs to user " + std::to_string(st.st_uid) + ", not to user " + std::to_string(owner);
    else if (st.st_mode & forbidden) {
        char mode[8];
        std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(st.st_mode & 07777));
        wrong = std::string("others may write into it (mode ") + mode + ")";
    }
    if (!wrong.empty()) {
        ::close(fd);
        return fail(wrong);
    }
    return fd;
}

int OpenLockFolder(const char* runtimeDir, const std::string& fallback, uid_t owner, std::string* why) {
    if (runtimeDir && *runtimeDir) {
        const int runtime = OpenPrivateFolder(runtimeDir, owner, 077, false, nullptr);
        if (runtime >= 0) {
            ::close(runtime);
            return OpenPrivateFolder(Trimmed(runtimeDir) + "/taxitrainer-locks", owner, 022, true, why);
        }
    }
    return OpenPrivateFolder(fallback, owner, 022, true, why);
}

} // namespace os

namespace {

struct MutexObject : HANDLE__ {
    int fd = -1;
    ~MutexObject() override {
        if (fd >= 0)
            ::close(fd);
    }
};

std::uint64_t Fnv1a(const std::string& s) {
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : s) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

std::vector<MutexObject*>& Live() {
    static std::vector<MutexObject*> live;
    return live;
}

bool IsLive(HANDLE h) {
    for (MutexObject* m : Live())
        if (m == h)
            return true;
    return false;
}

thread_local std::string t_failure;

HANDLE Refuse(MutexObject* m, const std::string& why) {
    CloseHandle(m);
    t_failure = why;
    SetLastError(ERROR_ACCESS_DENIED);
    return nullptr;
}

} // namespace

std::string MutexFailure() {
    return t_failure;
}

HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES, BOOL, LPCSTR name) {
    t_failure.clear();
    auto m = new MutexObject;
    Live().push_back(m);
    if (!name) {
        SetLastError(ERROR_SUCCESS);
        return m;
    }
    const uid_t uid = ::getuid();
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string why;
    const int dir = os::OpenLockFolder(runtime, "/tmp/taxitrainer-locks-" + std::to_string(uid), uid, &why);
    if (dir < 0)
        return Refuse(m, why);
    const std::string key = os::DesktopKey(std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"), runtime);
    char file[32];
    std::snprintf(file, sizeof file, "%016llx.lock",
                  static_cast<unsigned long long>(Fnv1a(key + '\n' + name)));
    m->fd = ::openat(dir, file, O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    ::close(dir);
    struct stat st;
    if (m->fd < 0)
        return Refuse(m, std::string("the lock file ") + file + " cannot be opened (" + std::strerror(errno) +
                             ")");
    if (::fstat(m->fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != uid)
        return Refuse(m, std::string("the lock file ") + file + " is not a file of this user");
    if (::flock(m->fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            SetLastError(ERROR_ALREADY_EXISTS);
            return m; // as on Windows: a handle to the existing mutex
        }
        return Refuse(m, std::string("the lock file ") + file + " cannot be locked (" + std::strerror(errno) +
                             ")");
    }
    SetLastError(ERROR_SUCCESS);
    return m;
}

HANDLE CreateMutexW(LPSECURITY_ATTRIBUTES a, BOOL owner, LPCWSTR name) {
    return CreateMutexA(a, owner, name);
}

BOOL ReleaseMutex(HANDLE mutex) {
    if (!IsLive(mutex)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

BOOL CloseHandle(HANDLE handle) {
    auto& live = Live();
    for (auto it = live.begin(); it != live.end(); ++it)
        if (*it == handle) {
            delete *it;
            live.erase(it);
            return TRUE;
        }
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
}

} // namespace win
