#pragma once
// The Windows system functions the toolkit calls, each bound by name at its
// first call: global memory and text conversion from kernel32.dll, streams
// and GUID texts from ole32.dll, device contexts, drawing and transfers from
// gdi32.dll, blending transfers from msimg32.dll.
#include <windows.h>
#include <objbase.h>

#include "imaging/runtime_binding.h"

namespace pixmora::sys {

PIXMORA_BIND(L"kernel32.dll", GlobalAlloc);
PIXMORA_BIND(L"kernel32.dll", GlobalFree);
PIXMORA_BIND(L"kernel32.dll", GlobalLock);
PIXMORA_BIND(L"kernel32.dll", GlobalUnlock);
PIXMORA_BIND(L"kernel32.dll", GlobalSize);
PIXMORA_BIND(L"kernel32.dll", MultiByteToWideChar);
PIXMORA_BIND(L"kernel32.dll", WideCharToMultiByte);
PIXMORA_BIND(L"kernel32.dll", lstrlenW);

PIXMORA_BIND(L"ole32.dll", CreateStreamOnHGlobal);
PIXMORA_BIND(L"ole32.dll", GetHGlobalFromStream);
PIXMORA_BIND(L"ole32.dll", StringFromGUID2);
PIXMORA_BIND(L"ole32.dll", CLSIDFromString);

PIXMORA_BIND(L"gdi32.dll", SelectObject);
PIXMORA_BIND(L"gdi32.dll", DeleteObject);
PIXMORA_BIND(L"gdi32.dll", DeleteDC);
PIXMORA_BIND(L"gdi32.dll", CreateCompatibleDC);
PIXMORA_BIND(L"gdi32.dll", CreateDIBSection);
PIXMORA_BIND(L"gdi32.dll", SetBkMode);
PIXMORA_BIND(L"gdi32.dll", BitBlt);
PIXMORA_BIND(L"gdi32.dll", StretchBlt);
PIXMORA_BIND(L"gdi32.dll", GdiTransparentBlt);
PIXMORA_BIND(L"gdi32.dll", GetPixel);
PIXMORA_BIND(L"gdi32.dll", CreatePen);
PIXMORA_BIND(L"gdi32.dll", GetStockObject);
PIXMORA_BIND(L"gdi32.dll", Rectangle);

PIXMORA_BIND(L"msimg32.dll", AlphaBlend);
PIXMORA_BIND(L"msimg32.dll", TransparentBlt);

}  // namespace pixmora::sys
