#include "intake/drop_target_object.h"

#include <cstring>

#include "intake/drop_api.h"
#include "intake/window_proc_stub_code.h"
#include "shell/app_globals.h"

namespace pixmora {
namespace {

constexpr SIZE_T kStubPageSize = 4096;
constexpr UINT kDropFilesMessage = 0x233;  // WM_DROPFILES
constexpr UINT kCopyDataMessage = 0x4A;    // WM_COPYDATA
constexpr UINT kCopyGlobalDataMessage = 0x49;
constexpr std::int32_t kWindowsVista = 0x600;

#ifdef _WIN64
// Where the unwind description of the x86-64 trampoline lies in its page.
constexpr size_t kFunctionEntryOffset = 64;
constexpr size_t kUnwindInfoOffset = 80;
#endif

}  // namespace

DropTargetObject::~DropTargetObject() { DropTargetObject::unregisterWindow(); }

bool DropTargetObject::registerWindow(HWND newWindow, DropCallback callback, std::int32_t names) {
    if (windowProcStub) unregisterWindow();
    window = newWindow;
    dropCallback = callback;
    wideNames = names;
    if (osVersion >= kWindowsVista) {
        // Let drops from processes of lower integrity reach the window.
        dropapi::ChangeWindowMessageFilter(kDropFilesMessage, MSGFLT_ADD);
        dropapi::ChangeWindowMessageFilter(kCopyDataMessage, MSGFLT_ADD);
        dropapi::ChangeWindowMessageFilter(kCopyGlobalDataMessage, MSGFLT_ADD);
    }
    void* stub = makeWindowProcStub(this, &DropTargetObject::windowProcEntry);
    if (!stub) {
        dropCallback = nullptr;
        wideNames = 0;
        return false;
    }
    dropapi::DragAcceptFiles(window, TRUE);
    windowProcStub = stub;
    previousWindowProc = reinterpret_cast<WNDPROC>(
        dropapi::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(stub)));
    if (!previousWindowProc) {
        // Not a window of this process: undo everything.
        dropapi::DragAcceptFiles(window, FALSE);
        freeWindowProcStub(windowProcStub);
        windowProcStub = nullptr;
        dropCallback = nullptr;
        wideNames = 0;
        return false;
    }
    return true;
}

void DropTargetObject::unregisterWindow() {
    dropapi::DragAcceptFiles(window, FALSE);
    if (previousWindowProc) {
        dropapi::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousWindowProc));
        previousWindowProc = nullptr;
    }
    if (windowProcStub) {
        freeWindowProcStub(windowProcStub);
        windowProcStub = nullptr;
    }
    dropCallback = nullptr;
    wideNames = 0;
}

LRESULT DropTargetObject::dropWindowProc(HWND target, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kDropFilesMessage) {
        if (!previousWindowProc) return DefWindowProcW(target, message, wParam, lParam);
        return dropapi::CallWindowProcW(previousWindowProc, target, message, wParam, lParam);
    }
    auto drop = reinterpret_cast<HDROP>(wParam);
    const UINT count = dropapi::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    if (count > 0) {
        if (void* buffer = dropapi::LocalAlloc(LMEM_ZEROINIT, kNameBufferSize)) {
            for (UINT i = 0; i < count; ++i) {
                dropapi::memset(buffer, 0, kNameBufferSize);
                // A name the buffer cannot hold whole is refused rather than
                // cut into the path of another file.
                const UINT length = wideNames ? dropapi::DragQueryFileW(drop, i, nullptr, 0)
                                              : dropapi::DragQueryFileA(drop, i, nullptr, 0);
                if (length == 0 || length > kLongestName) continue;
                if (wideNames)
                    dropapi::DragQueryFileW(drop, i, static_cast<LPWSTR>(buffer), 1024);
                else
                    dropapi::DragQueryFileA(drop, i, static_cast<LPSTR>(buffer), 1024);
                invokeDropCallback(dropCallback, buffer);
            }
            dropapi::LocalFree(buffer);
        }
    }
    dropapi::DragFinish(drop);
    return 0;
}

void* DropTargetObject::makeWindowProcStub(DropTargetObject* object, StubRoutine routine) {
    auto* page = static_cast<std::uint8_t*>(
        dropapi::VirtualAlloc(nullptr, kStubPageSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!page) return nullptr;
#ifdef _WIN64
    const auto code = x64WindowProcStubCode(reinterpret_cast<std::uintptr_t>(object),
                                            reinterpret_cast<std::uintptr_t>(routine));
    std::memcpy(page, code.data(), code.size());
    const auto unwindInfo = x64WindowProcStubUnwindInfo();
    std::memcpy(page + kUnwindInfoOffset, unwindInfo.data(), unwindInfo.size());
    RUNTIME_FUNCTION entry{};
    entry.BeginAddress = 0;
    entry.EndAddress = static_cast<DWORD>(code.size());
    entry.UnwindData = static_cast<DWORD>(kUnwindInfoOffset);
    std::memcpy(page + kFunctionEntryOffset, &entry, sizeof entry);
#else
    const auto code = x86WindowProcStubCode(reinterpret_cast<std::uintptr_t>(object),
                                            reinterpret_cast<std::uintptr_t>(routine));
    std::memcpy(page, code.data(), code.size());
#endif
    DWORD previousProtection = 0;
    if (!dropapi::VirtualProtect(page, kStubPageSize, PAGE_EXECUTE_READ, &previousProtection)) {
        dropapi::VirtualFree(page, 0, MEM_RELEASE);
        return nullptr;
    }
    dropapi::FlushInstructionCache(GetCurrentProcess(), page, kStubPageSize);
#ifdef _WIN64
    dropapi::RtlAddFunctionTable(reinterpret_cast<PRUNTIME_FUNCTION>(page + kFunctionEntryOffset), 1,
                                 reinterpret_cast<DWORD64>(page));
#endif
    return page;
}

bool DropTargetObject::freeWindowProcStub(void* stub) {
    if (!stub) return false;
#ifdef _WIN64
    dropapi::RtlDeleteFunctionTable(
        reinterpret_cast<PRUNTIME_FUNCTION>(static_cast<std::uint8_t*>(stub) + kFunctionEntryOffset));
#endif
    return dropapi::VirtualFree(stub, 0, MEM_RELEASE) != FALSE;
}

INT_PTR DropTargetObject::invokeDropCallback(DropCallback routine, const void* nameBuffer) {
    if (!routine) return 0;
    if (dropapi::IsBadCodePtr.callOr(FALSE, reinterpret_cast<FARPROC>(routine))) return 0;
    return routine(nameBuffer);
}

LRESULT CALLBACK DropTargetObject::windowProcEntry(DropTargetObject* object, HWND window, UINT message, WPARAM wParam,
                                                   LPARAM lParam) {
    return object->dropWindowProc(window, message, wParam, lParam);
}

}  // namespace pixmora
