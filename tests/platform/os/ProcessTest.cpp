#include "platform/os/WinBase.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace win;

TEST(Process, PerformanceCounterIsMonotonicAtTenMegahertz) {
    LARGE_INTEGER f, a, b;
    ASSERT_TRUE(QueryPerformanceFrequency(&f));
    EXPECT_EQ(f.QuadPart, 10000000);
    ASSERT_TRUE(QueryPerformanceCounter(&a));
    Sleep(2);
    ASSERT_TRUE(QueryPerformanceCounter(&b));
    EXPECT_GE(b.QuadPart - a.QuadPart, 20000); // at least 2 ms
    EXPECT_FALSE(QueryPerformanceCounter(nullptr));
}

TEST(Process, AnInstalledCounterSourceIsReadUntilRemoved) {
    SetPerformanceCounterSource([]() -> LONGLONG { return 1234567; });
    LARGE_INTEGER a{}, b{};
    ASSERT_TRUE(QueryPerformanceCounter(&a));
    ASSERT_TRUE(QueryPerformanceCounter(&b));
    SetPerformanceCounterSource(nullptr);
    EXPECT_EQ(a.QuadPart, 1234567);
    EXPECT_EQ(b.QuadPart, 1234567) << "a virtual clock stands still until it is moved";
    LARGE_INTEGER c{};
    ASSERT_TRUE(QueryPerformanceCounter(&c));
    EXPECT_NE(c.QuadPart, 1234567) << "the system's clock is back";
}

TEST(Process, ExecutableFolderIsTheFolderOfTheRunningProgram) {
    std::string folder = ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    char path[4096];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    ASSERT_GT(n, 0u);
    EXPECT_EQ(std::string(path).rfind(folder, 0), 0u);
    EXPECT_NE(std::string(path).find("platform_os_tests"), std::string::npos);
    char small[4];
    EXPECT_EQ(GetModuleFileNameA(nullptr, small, sizeof small), 4u);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(std::strlen(small), 3u);
}

TEST(Process, MulDivRoundsAndReportsOverflow) {
    EXPECT_EQ(MulDiv(10, 3, 4), 8); // 7.5 rounds away from zero
    EXPECT_EQ(MulDiv(-10, 3, 4), -8);
    EXPECT_EQ(MulDiv(200, 9999, 9999), 200);
    EXPECT_EQ(MulDiv(1 << 30, 1 << 30, 1 << 30), 1 << 30); // the product does not overflow
    EXPECT_EQ(MulDiv(5, 3, 0), -1);
    EXPECT_EQ(MulDiv(1 << 30, 8, 1), -1);
}
