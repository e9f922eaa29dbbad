#pragma once
// Makes one window accept files dragged from the Windows shell.
//
// Registering subclasses the window: a small trampoline, built in its own
// page of memory, becomes the window's procedure and calls dropWindowProc of
// this object. WM_DROPFILES is handled there, one DropCallback call per
// dropped file in the drop's own order; every other message goes on to the
// window's previous procedure.
#include <windows.h>

#include <cstdint>

namespace pixmora {

// Called with the address of one zero-terminated file name: UTF-16 when the
// target was registered with wideNames nonzero, else ANSI text in the
// system's code page. The name is valid only during the call; the result is
// ignored.
using DropCallback = INT_PTR(CALLBACK*)(const void* name);

class DropTargetObject {
public:
    // The routine a trampoline calls: the object, then the four values of a
    // window procedure.
    using StubRoutine = LRESULT(CALLBACK*)(DropTargetObject* object, HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam);

    // Size of the name buffer in bytes: 1024 UTF-16 characters and a zero.
    static constexpr std::size_t kNameBufferSize = 2050;
    // Longest name, in characters, that the buffer holds whole with its zero.
    static constexpr UINT kLongestName = 1023;

    DropTargetObject() = default;
    DropTargetObject(const DropTargetObject&) = delete;
    DropTargetObject& operator=(const DropTargetObject&) = delete;
    // Runs unregisterWindow.
    virtual ~DropTargetObject();

    // Subclasses the window and makes it accept dropped files. False, with the
    // window left as it was, when the trampoline's page cannot be had or the
    // window's procedure cannot be replaced.
    virtual bool registerWindow(HWND window, DropCallback callback, std::int32_t wideNames);
    // Gives the window its previous procedure back, stops it accepting files
    // and releases the trampoline. Harmless when nothing is registered. Must
    // not run inside this object's own callback.
    virtual void unregisterWindow();
    // The window procedure reached through the trampoline.
    virtual LRESULT dropWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // A trampoline calling routine(object, ...) when entered as a window
    // procedure, in a page of its own that is written while writable and then
    // made executable and read-only; nullptr when the page cannot be had.
    static void* makeWindowProcStub(DropTargetObject* object, StubRoutine routine);
    // Releases a trampoline's page; true when it was released.
    static bool freeWindowProcStub(void* stub);
    // Calls the routine with the buffer's address and gives its result; 0
    // without calling when the routine's address is not code.
    static INT_PTR invokeDropCallback(DropCallback routine, const void* nameBuffer);
    // The routine the program's trampolines call: dropWindowProc of the object.
    static LRESULT CALLBACK windowProcEntry(DropTargetObject* object, HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);

    HWND getWindow() const { return window; }
    void* getWindowProcStub() const { return windowProcStub; }
    WNDPROC getPreviousWindowProc() const { return previousWindowProc; }
    DropCallback getDropCallback() const { return dropCallback; }
    std::int32_t getWideNames() const { return wideNames; }

protected:
    HWND window = nullptr;               // kept after unregisterWindow
    void* windowProcStub = nullptr;
    WNDPROC previousWindowProc = nullptr;
    DropCallback dropCallback = nullptr;
    std::int32_t wideNames = 0;
};

}  // namespace pixmora
