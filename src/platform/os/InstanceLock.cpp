// The named mutex behind the single-instance guard: an advisory lock (flock) on a file named after a hash of
// the mutex name and the desktop session. The kernel releases the lock with the last descriptor, so a
// crashed or killed process never leaves a stale lock behind.
#include "platform/os/WinBase.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace win {

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

// A private folder for the lock files of this user; the session (display) is part of each lock's name.
std::string LockFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string dir;
    struct stat st;
    if (runtime && *runtime == '/' && ::stat(runtime, &st) == 0 && S_ISDIR(st.st_mode) &&
        st.st_uid == ::getuid())
        dir = std::string(runtime) + "/taxitrainer-locks";
    else
        dir = "/tmp/taxitrainer-locks-" + std::to_string(::getuid());
    if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST)
        return {};
    if (::lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
        return {}; // someone else's folder (or a link planted in /tmp): refuse it
    return dir;
}

std::string SessionName() {
    for (const char* var : {"WAYLAND_DISPLAY", "DISPLAY"})
        if (const char* v = std::getenv(var); v && *v)
            return v;
    return "console";
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

} // namespace

HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES, BOOL, LPCSTR name) {
    auto m = new MutexObject;
    Live().push_back(m);
    if (!name) {
        SetLastError(ERROR_SUCCESS);
        return m;
    }
    std::string dir = LockFolder();
    if (dir.empty()) {
        CloseHandle(m);
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx",
                  static_cast<unsigned long long>(Fnv1a(SessionName() + '\n' + name)));
    std::string path = dir + "/" + hex + ".lock";
    m->fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m->fd < 0) {
        CloseHandle(m);
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    if (::flock(m->fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            SetLastError(ERROR_ALREADY_EXISTS);
            return m; // as on Windows: a handle to the existing mutex
        }
        CloseHandle(m);
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
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
