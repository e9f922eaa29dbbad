#pragma once
// The GDI+ flat functions the toolkit calls, each bound by name from
// gdiplus.dll at its first call. Types and signatures come from the
// toolchain's headers; nothing here imports gdiplus.dll.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include "imaging/runtime_binding.h"

// Status given by a GDI+ call whose function cannot be found at run time: the
// lookup is a Win32 call that failed.
inline constexpr Gdiplus::GpStatus kFunctionMissingStatus = Gdiplus::Win32Error;

#define PIXMORA_GDIPLUS(name)                                                            \
    inline constinit ::pixmora::BoundFunction<decltype(&::Gdiplus::DllExports::name)> name{ \
        L"gdiplus.dll", #name}

namespace pixmora::gdiplus {

inline constinit ::pixmora::BoundFunction<decltype(&::Gdiplus::GdiplusStartup)> GdiplusStartup{
    L"gdiplus.dll", "GdiplusStartup"};

PIXMORA_GDIPLUS(GdipAlloc);
PIXMORA_GDIPLUS(GdipFree);

// Images
PIXMORA_GDIPLUS(GdipLoadImageFromFile);
PIXMORA_GDIPLUS(GdipLoadImageFromFileICM);
PIXMORA_GDIPLUS(GdipLoadImageFromStream);
PIXMORA_GDIPLUS(GdipLoadImageFromStreamICM);
PIXMORA_GDIPLUS(GdipDisposeImage);
PIXMORA_GDIPLUS(GdipCloneImage);
PIXMORA_GDIPLUS(GdipGetImageRawFormat);
PIXMORA_GDIPLUS(GdipGetImageBounds);
PIXMORA_GDIPLUS(GdipGetImageDimension);
PIXMORA_GDIPLUS(GdipGetImageWidth);
PIXMORA_GDIPLUS(GdipGetImageHeight);

// Encoders and saving
PIXMORA_GDIPLUS(GdipGetImageEncodersSize);
PIXMORA_GDIPLUS(GdipGetImageEncoders);
PIXMORA_GDIPLUS(GdipSaveImageToFile);
PIXMORA_GDIPLUS(GdipSaveImageToStream);
PIXMORA_GDIPLUS(GdipSaveAdd);
PIXMORA_GDIPLUS(GdipSaveAddImage);
PIXMORA_GDIPLUS(GdipGetEncoderParameterListSize);
PIXMORA_GDIPLUS(GdipGetEncoderParameterList);

// Bitmaps
PIXMORA_GDIPLUS(GdipCreateBitmapFromScan0);

// Graphics
PIXMORA_GDIPLUS(GdipCreateFromHDC);
PIXMORA_GDIPLUS(GdipCreateFromHDC2);
PIXMORA_GDIPLUS(GdipGetImageGraphicsContext);
PIXMORA_GDIPLUS(GdipSetInterpolationMode);
PIXMORA_GDIPLUS(GdipDeleteGraphics);
PIXMORA_GDIPLUS(GdipFillRectangle);
PIXMORA_GDIPLUS(GdipDrawImageRectRect);

// Brushes
PIXMORA_GDIPLUS(GdipCreateSolidFill);
PIXMORA_GDIPLUS(GdipDeleteBrush);

}  // namespace pixmora::gdiplus

#undef PIXMORA_GDIPLUS
