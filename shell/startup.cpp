#include "shell/startup.h"

#include <winternl.h>

#include <cstddef>
#include <vector>

#include "imaging/gdiplus_api.h"
#include "imaging/runtime_binding.h"
#include "intake/drop_target_object.h"
#include "shell/app_globals.h"

namespace pixmora {
namespace {

PIXMORA_BIND(L"ntdll.dll", NtQueryInformationProcess);

// Where the operating system's version lies in the process environment block.
#ifdef _WIN64
constexpr std::size_t kPebMajorVersion = 0x118;
constexpr std::size_t kPebMinorVersion = 0x11C;
constexpr std::size_t kPebBuildNumber = 0x120;
#else
constexpr std::size_t kPebMajorVersion = 0xA4;
constexpr std::size_t kPebMinorVersion = 0xA8;
constexpr std::size_t kPebBuildNumber = 0xAC;
#endif

}  // namespace

bool startGdiplus() {
    if (gdiplusToken != 0) return true;
    Gdiplus::GdiplusStartupInput input;
    input.GdiplusVersion = 1;
    input.DebugEventCallback = nullptr;
    input.SuppressBackgroundThread = FALSE;
    input.SuppressExternalCodecs = FALSE;
    ULONG_PTR token = 0;
    // Only the token tells whether GDI+ started.
    gdiplus::GdiplusStartup(&token, &input, nullptr);
    gdiplusToken = token;
    return gdiplusToken != 0;
}

void readOsVersion() {
    PROCESS_BASIC_INFORMATION information{};
    ULONG major = 0;
    ULONG minor = 0;
    const NTSTATUS status = NtQueryInformationProcess.callOr(
        static_cast<NTSTATUS>(-1), GetCurrentProcess(), ProcessBasicInformation, &information,
        static_cast<ULONG>(sizeof information), nullptr);
    if (status == 0 && information.PebBaseAddress) {
        const auto* peb = reinterpret_cast<const unsigned char*>(information.PebBaseAddress);
        major = *reinterpret_cast<const ULONG*>(peb + kPebMajorVersion);
        minor = *reinterpret_cast<const ULONG*>(peb + kPebMinorVersion);
        [[maybe_unused]] const auto build = *reinterpret_cast<const USHORT*>(peb + kPebBuildNumber);
    }
    osVersion = static_cast<std::int32_t>(((major * 256) % 65536) + (minor % 256));
}

void releaseAtExit() {
    for (auto* path : {&slotPath1, &slotPath2, &slotPath3, &slotPath4, &splitSourcePath})
        if (path->has_value()) path->reset();
    // Its destructor gives the main window its own procedure back.
    dropTarget.reset();
}

}  // namespace pixmora
