// The drop target on a window of its own: the trampoline, the handling of
// WM_DROPFILES and the hand-over of every other message.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "intake/drop_target_object.h"
#include "shell/app_globals.h"
#include "tests/support/drop_files.h"

namespace pixmora {
namespace {

struct Received {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<Received> receivedByOwnProcedure;

LRESULT CALLBACK ownProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_APP) {
        receivedByOwnProcedure.push_back({window, message, wParam, lParam});
        return static_cast<LRESULT>(0x5A5A0000 + (message - WM_APP));
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::vector<std::wstring> droppedNames;
INT_PTR CALLBACK recordName(const void* name) {
    droppedNames.emplace_back(static_cast<const wchar_t*>(name));
    return 1;
}
std::vector<std::string> droppedAnsiNames;
INT_PTR CALLBACK recordAnsiName(const void* name) {
    droppedAnsiNames.emplace_back(static_cast<const char*>(name));
    return 1;
}

class DropTargetTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = ownProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"PixmoraDropTargetTest";
        RegisterClassW(&windowClass);
        window = CreateWindowExW(0, L"PixmoraDropTargetTest", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        receivedByOwnProcedure.clear();
        droppedNames.clear();
        droppedAnsiNames.clear();
    }
    void TearDown() override { DestroyWindow(window); }
    HWND window = nullptr;
};

TEST_F(DropTargetTest, NewObjectHasEveryFieldEmpty) {
    DropTargetObject target;
    EXPECT_EQ(target.getWindow(), nullptr);
    EXPECT_EQ(target.getWindowProcStub(), nullptr);
    EXPECT_EQ(target.getPreviousWindowProc(), nullptr);
    EXPECT_EQ(target.getDropCallback(), nullptr);
    EXPECT_EQ(target.getWideNames(), 0);
    target.unregisterWindow();  // never registered: harmless
    EXPECT_EQ(target.getWindowProcStub(), nullptr);
}

TEST_F(DropTargetTest, RegisteringInstallsTheTrampolineAndAcceptsFiles) {
    DropTargetObject target;
    ASSERT_TRUE(target.registerWindow(window, recordName, 1));
    EXPECT_EQ(target.getWindow(), window);
    EXPECT_EQ(target.getDropCallback(), recordName);
    EXPECT_EQ(target.getWideNames(), 1);
    EXPECT_EQ(target.getPreviousWindowProc(), ownProcedure);
    EXPECT_EQ(reinterpret_cast<void*>(GetWindowLongPtrW(window, GWLP_WNDPROC)), target.getWindowProcStub());
    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    // The trampoline's page is executable and never writable.
    MEMORY_BASIC_INFORMATION page{};
    ASSERT_NE(VirtualQuery(target.getWindowProcStub(), &page, sizeof page), 0u);
    EXPECT_EQ(page.Protect, static_cast<DWORD>(PAGE_EXECUTE_READ));
}

TEST_F(DropTargetTest, OtherMessagesReachThePreviousProcedureWithTheirValuesAndResult) {
    DropTargetObject target;
    ASSERT_TRUE(target.registerWindow(window, recordName, 1));
    const WPARAM wParam = static_cast<WPARAM>(0x123456789ABCDEF0ull & ~WPARAM{0});
    const LPARAM lParam = static_cast<LPARAM>(-0x1122334455667788ll);
    EXPECT_EQ(SendMessageW(window, WM_APP + 7, wParam, lParam), 0x5A5A0007);
    ASSERT_EQ(receivedByOwnProcedure.size(), 1u);
    EXPECT_EQ(receivedByOwnProcedure[0].window, window);
    EXPECT_EQ(receivedByOwnProcedure[0].message, static_cast<UINT>(WM_APP + 7));
    EXPECT_EQ(receivedByOwnProcedure[0].wParam, wParam);
    EXPECT_EQ(receivedByOwnProcedure[0].lParam, lParam);
}

TEST_F(DropTargetTest, EveryFileOfADropReachesTheCallbackInOrder) {
    DropTargetObject target;
    ASSERT_TRUE(target.registerWindow(window, recordName, 1));
    EXPECT_EQ(testing::dropFiles(window, {L"C:\\a\\one.png", L"C:\\b\\二.jpg", L"C:\\c\\ทดสอบ 🙂.bmp"}), 0);
    ASSERT_EQ(droppedNames.size(), 3u);
    EXPECT_EQ(droppedNames[0], L"C:\\a\\one.png");
    EXPECT_EQ(droppedNames[1], L"C:\\b\\二.jpg");
    EXPECT_EQ(droppedNames[2], L"C:\\c\\ทดสอบ 🙂.bmp");
    EXPECT_TRUE(receivedByOwnProcedure.empty());
}

TEST_F(DropTargetTest, AnsiNamesComeInTheSystemCodePage) {
    DropTargetObject target;
    ASSERT_TRUE(target.registerWindow(window, recordAnsiName, 0));
    testing::dropFiles(window, {L"C:\\x\\plain.png"});
    ASSERT_EQ(droppedAnsiNames.size(), 1u);
    EXPECT_EQ(droppedAnsiNames[0], "C:\\x\\plain.png");
}

TEST_F(DropTargetTest, ANameTooLongForTheBufferIsRefusedAndTheOthersStillArrive) {
    DropTargetObject target;
    ASSERT_TRUE(target.registerWindow(window, recordName, 1));
    const std::wstring longest = L"C:\\" + std::wstring(DropTargetObject::kLongestName - 3, L'a');
    const std::wstring tooLong = longest + L"b";
    testing::dropFiles(window, {tooLong, L"C:\\ok.png", longest});
    ASSERT_EQ(droppedNames.size(), 2u);
    EXPECT_EQ(droppedNames[0], L"C:\\ok.png");
    EXPECT_EQ(droppedNames[1], longest);
}

TEST_F(DropTargetTest, ADropWithoutFilesCallsNothing) {
    DropTargetObject target;
    ASSERT_TRUE(target.registerWindow(window, recordName, 1));
    EXPECT_EQ(testing::dropFiles(window, {}), 0);
    EXPECT_TRUE(droppedNames.empty());
}

TEST_F(DropTargetTest, UnregisteringPutsTheOldProcedureBackAndDropsNoLongerArrive) {
    DropTargetObject target;
    ASSERT_TRUE(target.registerWindow(window, recordName, 1));
    void* stub = target.getWindowProcStub();
    target.unregisterWindow();
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)), ownProcedure);
    EXPECT_FALSE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    EXPECT_EQ(target.getWindowProcStub(), nullptr);
    EXPECT_EQ(target.getPreviousWindowProc(), nullptr);
    EXPECT_EQ(target.getDropCallback(), nullptr);
    EXPECT_EQ(target.getWideNames(), 0);
    EXPECT_EQ(target.getWindow(), window);
    MEMORY_BASIC_INFORMATION page{};
    VirtualQuery(stub, &page, sizeof page);
    EXPECT_EQ(page.State, static_cast<DWORD>(MEM_FREE));
    HDROP drop = testing::makeDrop({L"C:\\late.png"});
    SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    GlobalFree(drop);
    EXPECT_TRUE(droppedNames.empty());
    // The window can be registered again.
    ASSERT_TRUE(target.registerWindow(window, recordName, 1));
    testing::dropFiles(window, {L"C:\\again.png"});
    EXPECT_EQ(droppedNames.size(), 1u);
}

TEST_F(DropTargetTest, DestroyingTheObjectUnregistersTheWindow) {
    {
        DropTargetObject target;
        ASSERT_TRUE(target.registerWindow(window, recordName, 1));
    }
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)), ownProcedure);
}

TEST_F(DropTargetTest, RegisteringWithAnInvalidWindowLeavesNothingBehind) {
    DropTargetObject target;
    EXPECT_FALSE(target.registerWindow(reinterpret_cast<HWND>(static_cast<UINT_PTR>(0xDEAD0)), recordName, 1));
    EXPECT_EQ(target.getWindowProcStub(), nullptr);
    EXPECT_EQ(target.getPreviousWindowProc(), nullptr);
}

TEST(InvokeDropCallback, CallsTheRoutineWithTheBufferOrNothingForANullRoutine) {
    droppedNames.clear();
    const wchar_t name[] = L"C:\\n.png";
    EXPECT_EQ(DropTargetObject::invokeDropCallback(recordName, name), 1);
    ASSERT_EQ(droppedNames.size(), 1u);
    EXPECT_EQ(droppedNames[0], name);
    EXPECT_EQ(DropTargetObject::invokeDropCallback(nullptr, name), 0);
}

struct StubCall {
    DropTargetObject* object;
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    void* returnAddress;
};
StubCall lastStubCall;

LRESULT CALLBACK recordStubCall(DropTargetObject* object, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    lastStubCall = {object, window, message, wParam, lParam, __builtin_return_address(0)};
    return static_cast<LRESULT>(wParam ^ static_cast<WPARAM>(lParam));
}

TEST(WindowProcStub, InsertsTheObjectBeforeTheFourValuesAndReturnsTheRoutinesResult) {
    auto* object = reinterpret_cast<DropTargetObject*>(static_cast<std::uintptr_t>(0x7F00ABCD1230ull & UINTPTR_MAX));
    void* stub = DropTargetObject::makeWindowProcStub(object, recordStubCall);
    ASSERT_NE(stub, nullptr);
    auto procedure = reinterpret_cast<WNDPROC>(stub);
    const auto window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x10203040));
    const WPARAM wParam = static_cast<WPARAM>(0xFEDCBA9876543210ull & UINTPTR_MAX);
    const LPARAM lParam = static_cast<LPARAM>(0x0F0E0D0C0B0A0908ll & INTPTR_MAX);
    for (int round = 0; round < 2; ++round) {
        const LRESULT result = procedure(window, 0xC0DE, wParam, lParam);
        EXPECT_EQ(result, static_cast<LRESULT>(wParam ^ static_cast<WPARAM>(lParam)));
        EXPECT_EQ(lastStubCall.object, object);
        EXPECT_EQ(lastStubCall.window, window);
        EXPECT_EQ(lastStubCall.message, 0xC0DEu);
        EXPECT_EQ(lastStubCall.wParam, wParam);
        EXPECT_EQ(lastStubCall.lParam, lParam);
        // The routine returns into the trampoline, which returns to us.
        const auto returnAddress = reinterpret_cast<std::uintptr_t>(lastStubCall.returnAddress);
        const auto start = reinterpret_cast<std::uintptr_t>(stub);
        EXPECT_GT(returnAddress, start);
        EXPECT_LT(returnAddress, start + 64);
    }
#ifdef _WIN64
    // Stack walks find the trampoline's frame description.
    DWORD64 imageBase = 0;
    const auto* entry = RtlLookupFunctionEntry(reinterpret_cast<DWORD64>(stub) + 10, &imageBase, nullptr);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(imageBase, reinterpret_cast<DWORD64>(stub));
    EXPECT_EQ(entry->BeginAddress, 0u);
#endif
    EXPECT_TRUE(DropTargetObject::freeWindowProcStub(stub));
#ifdef _WIN64
    DWORD64 base = 0;
    EXPECT_EQ(RtlLookupFunctionEntry(reinterpret_cast<DWORD64>(stub) + 10, &base, nullptr), nullptr);
#endif
}

}  // namespace
}  // namespace pixmora
