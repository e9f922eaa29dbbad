#include <gtest/gtest.h>

#include "imaging/gdiplus_call.h"
#include "imaging/runtime_binding.h"

namespace pixmora {
namespace {

TEST(RuntimeBinding, FindsASystemFunctionOnceAndKeepsIt) {
    BoundFunction<decltype(&::GetTickCount)> tick{L"kernel32.dll", "GetTickCount"};
    ASSERT_TRUE(tick.available());
    EXPECT_EQ(tick.address(), reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetTickCount")));
    EXPECT_GT(tick(), 0u);
}

TEST(RuntimeBinding, MissingFunctionOrLibraryGivesTheFallbackInsteadOfCrashing) {
    BoundFunction<decltype(&::GetTickCount)> noFunction{L"kernel32.dll", "NoSuchFunctionAnywhere"};
    BoundFunction<decltype(&::GetTickCount)> noLibrary{L"no-such-library.dll", "GetTickCount"};
    EXPECT_FALSE(noFunction.available());
    EXPECT_FALSE(noLibrary.available());
    EXPECT_EQ(noFunction(), 0u);
    EXPECT_EQ(noLibrary.callOr(DWORD{42}), 42u);
}

TEST(RuntimeBinding, MissingGdiplusFunctionFailsLikeAGdiplusError) {
    BoundFunction<decltype(&::Gdiplus::DllExports::GdipGetImageWidth)> missing{L"gdiplus.dll", "GdipNoSuchFunction"};
    lastStatus = 0;
    UINT width = 77;
    EXPECT_FALSE(callGdiplus(missing, nullptr, &width));
    EXPECT_EQ(lastStatus, kFunctionMissingStatus);
    EXPECT_EQ(width, 77u);
}

}  // namespace
}  // namespace pixmora
