#pragma once
// The system functions of the drop target, each bound by name at its first call.
#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <cstring>

#include "imaging/runtime_binding.h"

namespace pixmora::dropapi {

PIXMORA_BIND(L"user32.dll", ChangeWindowMessageFilter);
PIXMORA_BIND(L"user32.dll", CallWindowProcW);
#ifdef _WIN64
// A window procedure is a 64-bit address: SetWindowLongW would cut it.
PIXMORA_BIND(L"user32.dll", SetWindowLongPtrW);
#else
inline constinit ::pixmora::BoundFunction<decltype(&::SetWindowLongW)> SetWindowLongPtrW{L"user32.dll", "SetWindowLongW"};
#endif

PIXMORA_BIND(L"shell32.dll", DragAcceptFiles);
PIXMORA_BIND(L"shell32.dll", DragQueryFileW);
PIXMORA_BIND(L"shell32.dll", DragQueryFileA);
PIXMORA_BIND(L"shell32.dll", DragFinish);

PIXMORA_BIND(L"kernel32.dll", VirtualAlloc);
PIXMORA_BIND(L"kernel32.dll", VirtualFree);
PIXMORA_BIND(L"kernel32.dll", VirtualProtect);
PIXMORA_BIND(L"kernel32.dll", FlushInstructionCache);
PIXMORA_BIND(L"kernel32.dll", LocalAlloc);
PIXMORA_BIND(L"kernel32.dll", LocalFree);
PIXMORA_BIND(L"kernel32.dll", IsBadCodePtr);
#ifdef _WIN64
PIXMORA_BIND(L"kernel32.dll", RtlAddFunctionTable);
PIXMORA_BIND(L"kernel32.dll", RtlDeleteFunctionTable);
#endif

inline constinit ::pixmora::BoundFunction<void*(__cdecl*)(void*, int, size_t)> memset{L"msvcrt.dll", "memset"};

PIXMORA_BIND(L"shlwapi.dll", PathFindFileNameW);
PIXMORA_BIND(L"shlwapi.dll", PathFindExtensionW);

}  // namespace pixmora::dropapi
