#include "platform/os/InstanceLock.h"
#include "platform/os/WinBase.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace win;

namespace {

// A private scratch folder (mode 0700, as mkdtemp makes it), removed with everything in it.
struct TempFolder {
    std::string path;
    TempFolder() {
        char pattern[] = "/tmp/instance-lock-test-XXXXXX";
        path = mkdtemp(pattern) ? pattern : "";
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string Folder(const char* name, mode_t mode) const {
        std::string p = path + "/" + name;
        mkdir(p.c_str(), 0700);
        chmod(p.c_str(), mode);
        return p;
    }
};

// Sets an environment variable for one scope and puts the old value back.
struct ScopedEnv {
    std::string name;
    std::optional<std::string> old;
    ScopedEnv(const char* n, const char* value) : name(n) {
        if (const char* v = getenv(n))
            old = v;
        value ? setenv(n, value, 1) : unsetenv(n);
    }
    ~ScopedEnv() { old ? setenv(name.c_str(), old->c_str(), 1) : unsetenv(name.c_str()); }
};

std::string X11Key(const char* display) {
    return os::DesktopKey(nullptr, display, nullptr);
}

// The inode of a folder given as a descriptor or a path, to tell which folder was chosen.
ino_t InodeOf(int fd) {
    struct stat st {};
    fstat(fd, &st);
    return st.st_ino;
}
ino_t InodeOf(const std::string& path) {
    struct stat st {};
    stat(path.c_str(), &st);
    return st.st_ino;
}

// A name no other test run uses, so parallel runs cannot disturb each other.
std::string UniqueName(const char* tag) {
    return std::string("出租车驾驶员从业资格证考试题练习系统-") + tag + "-" + std::to_string(getpid());
}

// Runs `body` in a child process and returns its exit status.
template <typename F> int InChild(F body) {
    pid_t pid = fork();
    if (pid == 0)
        _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(InstanceLock, SecondHolderInTheSameSessionGets183) {
    std::string name = UniqueName("same");
    HANDLE first = CreateMutexA(nullptr, FALSE, name.c_str());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    // Another process of the same session.
    int code = InChild([&] {
        HANDLE h = CreateMutexA(nullptr, FALSE, name.c_str());
        return h && GetLastError() == ERROR_ALREADY_EXISTS ? 0 : 1;
    });
    EXPECT_EQ(code, 0);
    // The same process asking again also learns that the name exists.
    HANDLE again = CreateMutexA(nullptr, FALSE, name.c_str());
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    CloseHandle(again);
    CloseHandle(first);
    code = InChild([&] {
        HANDLE h = CreateMutexA(nullptr, FALSE, name.c_str());
        return h && GetLastError() == ERROR_SUCCESS ? 0 : 1;
    });
    EXPECT_EQ(code, 0) << "closing the handle frees the name";
}

TEST(InstanceLock, AKilledHolderReleasesTheName) {
    std::string name = UniqueName("killed");
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t holder = fork();
    if (holder == 0) {
        HANDLE h = CreateMutexA(nullptr, FALSE, name.c_str());
        char c = h && GetLastError() == ERROR_SUCCESS ? 'y' : 'n';
        (void)!write(ready[1], &c, 1);
        for (;;)
            pause();
    }
    char c = 0;
    ASSERT_EQ(read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, 'y');
    HANDLE second = CreateMutexA(nullptr, FALSE, name.c_str());
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    CloseHandle(second);
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    HANDLE third = CreateMutexA(nullptr, FALSE, name.c_str());
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    CloseHandle(third);
    close(ready[0]);
    close(ready[1]);
}

TEST(InstanceLock, OtherSessionsAndNamesAreIndependent) {
    std::string name = UniqueName("session");
    HANDLE mine = CreateMutexA(nullptr, FALSE, name.c_str());
    ASSERT_NE(mine, nullptr);
    int code = InChild([&] {
        setenv("DISPLAY", ":4711", 1);
        unsetenv("WAYLAND_DISPLAY");
        HANDLE h = CreateMutexA(nullptr, FALSE, name.c_str());
        return h && GetLastError() == ERROR_SUCCESS ? 0 : 1;
    });
    EXPECT_EQ(code, 0) << "another desktop session has its own instance";
    // Names that would be paths elsewhere are just names here.
    HANDLE odd = CreateMutexA(nullptr, FALSE, "../../etc/passwd\\x");
    EXPECT_NE(odd, nullptr);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    CloseHandle(odd);
    HANDLE unnamed = CreateMutexA(nullptr, TRUE, nullptr);
    EXPECT_NE(unnamed, nullptr);
    EXPECT_TRUE(ReleaseMutex(unnamed));
    EXPECT_TRUE(CloseHandle(unnamed));
    EXPECT_FALSE(CloseHandle(unnamed));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    CloseHandle(mine);
}

TEST(InstanceLock, EverySpellingOfOneDisplayIsOneDesktop) {
    const std::string local = X11Key(":93");
    for (const char* spelling : {":93.0", ":93.1", "unix/:93", "unix:93", "UNIX/:93.0", "local/:93", ":093"})
        EXPECT_EQ(X11Key(spelling), local) << spelling;
    for (const char* other : {":94", ":9", "otherhost:93", "localhost:93", "tcp/:93", "otherhost::93"})
        EXPECT_NE(X11Key(other), local) << other;
    EXPECT_EQ(X11Key("OtherHost:93.0"), X11Key("otherhost:93"));
    EXPECT_EQ(X11Key("localhost:10.0"), X11Key("127.0.0.1:10"));
    EXPECT_NE(X11Key("otherhost:93"), X11Key("thirdhost:93"));

    // Wayland's socket names the session when it is there; a relative name lies in the runtime folder.
    EXPECT_EQ(os::DesktopKey("wayland-0", ":93", "/run/user/7/"),
              os::DesktopKey("/run/user/7/wayland-0", nullptr, nullptr));
    EXPECT_NE(os::DesktopKey("wayland-0", ":93", "/run/user/7"), local);
    EXPECT_EQ(os::DesktopKey("", "", nullptr), os::DesktopKey(nullptr, nullptr, nullptr));

    // Nonsense is a key of its own, never a crash and never the local display's.
    const std::string longest(100000, ':');
    for (const char* bad :
         {":", "93", ":x", ":93.", ":93.x", ":1234567890", "::", "/:93", "unix/", longest.c_str()})
        EXPECT_NE(X11Key(bad), local) << bad;
}

TEST(InstanceLock, OnlyARealFolderOfThisUserThatNoOneElseWritesIsUsed) {
    TempFolder tmp;
    ASSERT_FALSE(tmp.path.empty());
    const uid_t me = getuid();
    std::string why;
    const std::string good = tmp.Folder("good", 0700);
    int fd = os::OpenPrivateFolder(good, me, 022, false, &why);
    EXPECT_GE(fd, 0) << why;
    close(fd);

    const mode_t umaskWas = umask(0);
    fd = os::OpenPrivateFolder(tmp.path + "/made/", me, 022, true, &why);
    umask(umaskWas);
    ASSERT_GE(fd, 0) << why;
    struct stat st {};
    fstat(fd, &st);
    EXPECT_EQ(st.st_mode & 0777, 0700u) << "made private whatever the umask";
    close(fd);

    const std::string link = tmp.path + "/link";
    ASSERT_EQ(symlink(good.c_str(), link.c_str()), 0);
    const std::string file = tmp.path + "/file";
    close(open(file.c_str(), O_CREAT | O_WRONLY, 0600));
    struct Refused {
        std::string path;
        uid_t owner;
        bool create;
        const char* reason;
    };
    for (const Refused& r : std::initializer_list<Refused>{
             {tmp.Folder("group", 0770), me, true, "0770"},
             {tmp.Folder("other", 0703), me, true, "0703"},
             {link, me, true, "symbolic link"},
             {link + "/", me, false, "symbolic link"},
             {file, me, true, "not a folder"},
             {good, me + 1, false, "belongs to user"},
             {tmp.path + "/missing", me, false, "cannot be opened"},
             {"relative/folder", me, true, "absolute"},
             {"", me, true, "absolute"},
         }) {
        why.clear();
        EXPECT_EQ(os::OpenPrivateFolder(r.path, r.owner, 022, r.create, &why), -1) << r.path;
        EXPECT_NE(why.find(r.reason), std::string::npos) << r.path << ": " << why;
    }
}

TEST(InstanceLock, TheRuntimeFolderIsUsedOnlyWhenItIsPrivate) {
    TempFolder tmp;
    ASSERT_FALSE(tmp.path.empty());
    const uid_t me = getuid();
    const std::string fallback = tmp.path + "/fallback";
    std::string why;
    const std::string runtime = tmp.Folder("runtime", 0700);
    int fd = os::OpenLockFolder(runtime.c_str(), fallback, me, &why);
    ASSERT_GE(fd, 0) << why;
    EXPECT_EQ(InodeOf(fd), InodeOf(runtime + "/taxitrainer-locks"));
    close(fd);

    const std::string shared = tmp.Folder("shared", 0755);
    const std::string link = tmp.path + "/runtime-link";
    ASSERT_EQ(symlink(runtime.c_str(), link.c_str()), 0);
    for (const char* unusable :
         {shared.c_str(), link.c_str(), "relative", "", static_cast<const char*>(nullptr)}) {
        fd = os::OpenLockFolder(unusable, fallback, me, &why);
        ASSERT_GE(fd, 0) << why;
        EXPECT_EQ(InodeOf(fd), InodeOf(fallback)) << (unusable ? unusable : "(unset)");
        close(fd);
    }

    // A fallback that someone else made first, or left open to others, is never used.
    const std::string planted = tmp.path + "/planted";
    ASSERT_EQ(symlink(shared.c_str(), planted.c_str()), 0);
    EXPECT_EQ(os::OpenLockFolder(nullptr, planted, me, &why), -1);
    EXPECT_EQ(os::OpenLockFolder(nullptr, tmp.Folder("open", 0775), me, &why), -1);
    EXPECT_EQ(os::OpenLockFolder(nullptr, fallback, me + 1, &why), -1);
    EXPECT_NE(why.find("belongs to user"), std::string::npos) << why;
}

TEST(InstanceLock, AnUntrustworthyLockFolderFailsTheMutexWithAReason) {
    TempFolder tmp;
    ASSERT_FALSE(tmp.path.empty());
    const std::string runtime = tmp.Folder("runtime", 0700);
    const std::string elsewhere = tmp.Folder("elsewhere", 0700);
    const std::string locks = runtime + "/taxitrainer-locks";
    ASSERT_EQ(symlink(elsewhere.c_str(), locks.c_str()), 0);
    ScopedEnv env("XDG_RUNTIME_DIR", runtime.c_str());
    HANDLE h = CreateMutexA(nullptr, FALSE, UniqueName("refused").c_str());
    EXPECT_EQ(h, nullptr);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_NE(MutexFailure().find(locks), std::string::npos) << MutexFailure();
    EXPECT_TRUE(std::filesystem::is_empty(elsewhere)) << "nothing is made through the link";

    unlink(locks.c_str());
    h = CreateMutexA(nullptr, FALSE, UniqueName("refused").c_str());
    EXPECT_NE(h, nullptr);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    EXPECT_EQ(MutexFailure(), "");
    CloseHandle(h);
}

TEST(InstanceLock, AnotherProcessOnTheSameDesktopSpelledDifferentlyGets183) {
    TempFolder tmp;
    ASSERT_FALSE(tmp.path.empty());
    ScopedEnv runtime("XDG_RUNTIME_DIR", tmp.path.c_str());
    ScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
    ScopedEnv display("DISPLAY", "unix/:93");
    const std::string name = UniqueName("spelling");
    HANDLE first = CreateMutexA(nullptr, FALSE, name.c_str());
    ASSERT_NE(first, nullptr) << MutexFailure();
    auto errorIn = [&](const char* spelling) {
        return InChild([&] {
            setenv("DISPLAY", spelling, 1);
            HANDLE h = CreateMutexA(nullptr, FALSE, name.c_str());
            return h ? static_cast<int>(GetLastError() == ERROR_ALREADY_EXISTS) : 2;
        });
    };
    for (const char* spelling : {":93", ":93.0", ":93.1", "unix/:93"})
        EXPECT_EQ(errorIn(spelling), 1) << spelling;
    EXPECT_EQ(errorIn("otherhost:93"), 0) << "a desktop on another host has its own instance";
    CloseHandle(first);
}
