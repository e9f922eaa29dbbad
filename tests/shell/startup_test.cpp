#include <gtest/gtest.h>

#include "shell/app_globals.h"
#include "shell/startup.h"

namespace pixmora {
namespace {

TEST(StartGdiplus, StartsOnceAndKeepsItsToken) {
    // The test program's main has started GDI+ already.
    const ULONG_PTR token = gdiplusToken;
    ASSERT_NE(token, 0u);
    EXPECT_TRUE(startGdiplus());
    EXPECT_TRUE(startGdiplus());
    EXPECT_EQ(gdiplusToken, token);
}

TEST(ReadOsVersion, GivesTheVersionWindowsReports) {
    using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    auto rtlGetVersion = reinterpret_cast<RtlGetVersionFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    ASSERT_NE(rtlGetVersion, nullptr);
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_EQ(rtlGetVersion(&info), 0);
    osVersion = 0;
    readOsVersion();
    EXPECT_EQ(osVersion, static_cast<std::int32_t>((info.dwMajorVersion & 0xFF) * 256 + (info.dwMinorVersion & 0xFF)));
    EXPECT_GE(osVersion, 0x501);
}

TEST(ReleaseAtExit, ReleasesEveryHeldPathAndSkipsTheOthers) {
    slotPath1 = "C:\\a.png";
    slotPath3 = "C:\\c.png";
    splitSourcePath = "C:\\s.jpg";
    slotPath2.reset();
    releaseAtExit();
    for (auto* path : {&slotPath1, &slotPath2, &slotPath3, &slotPath4, &splitSourcePath})
        EXPECT_FALSE(path->has_value());
    releaseAtExit();
}

}  // namespace
}  // namespace pixmora
