#include "platform/os/WinBase.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

using namespace win;

namespace {

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
