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
PIXMORA_GDIPLUS(GdipGetImageType);
PIXMORA_GDIPLUS(GdipGetImageHorizontalResolution);
PIXMORA_GDIPLUS(GdipGetImageVerticalResolution);
PIXMORA_GDIPLUS(GdipGetImageFlags);
PIXMORA_GDIPLUS(GdipGetImagePixelFormat);
PIXMORA_GDIPLUS(GdipGetImageThumbnail);
PIXMORA_GDIPLUS(GdipImageGetFrameCount);
PIXMORA_GDIPLUS(GdipImageGetFrameDimensionsCount);
PIXMORA_GDIPLUS(GdipImageGetFrameDimensionsList);
PIXMORA_GDIPLUS(GdipImageSelectActiveFrame);
PIXMORA_GDIPLUS(GdipGetPropertyItemSize);
PIXMORA_GDIPLUS(GdipGetPropertyItem);
PIXMORA_GDIPLUS(GdipSetPropertyItem);
PIXMORA_GDIPLUS(GdipRemovePropertyItem);
PIXMORA_GDIPLUS(GdipGetPropertyCount);
PIXMORA_GDIPLUS(GdipGetPropertyIdList);
PIXMORA_GDIPLUS(GdipImageRotateFlip);
PIXMORA_GDIPLUS(GdipGetImagePaletteSize);
PIXMORA_GDIPLUS(GdipGetImagePalette);
PIXMORA_GDIPLUS(GdipSetImagePalette);

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
PIXMORA_GDIPLUS(GdipCreateBitmapFromFile);
PIXMORA_GDIPLUS(GdipCreateBitmapFromFileICM);
PIXMORA_GDIPLUS(GdipCreateBitmapFromStream);
PIXMORA_GDIPLUS(GdipCreateBitmapFromStreamICM);
PIXMORA_GDIPLUS(GdipCreateBitmapFromScan0);
PIXMORA_GDIPLUS(GdipCreateBitmapFromGraphics);
PIXMORA_GDIPLUS(GdipCreateBitmapFromGdiDib);
PIXMORA_GDIPLUS(GdipCreateBitmapFromHBITMAP);
PIXMORA_GDIPLUS(GdipCreateBitmapFromHICON);
PIXMORA_GDIPLUS(GdipCreateBitmapFromResource);
PIXMORA_GDIPLUS(GdipCreateHBITMAPFromBitmap);
PIXMORA_GDIPLUS(GdipCreateHICONFromBitmap);
PIXMORA_GDIPLUS(GdipCloneBitmapArea);
PIXMORA_GDIPLUS(GdipCloneBitmapAreaI);
PIXMORA_GDIPLUS(GdipBitmapLockBits);
PIXMORA_GDIPLUS(GdipBitmapUnlockBits);
PIXMORA_GDIPLUS(GdipBitmapGetPixel);
PIXMORA_GDIPLUS(GdipBitmapSetPixel);
PIXMORA_GDIPLUS(GdipBitmapSetResolution);
PIXMORA_GDIPLUS(GdipBitmapApplyEffect);

// Graphics: creation, state, transforms
PIXMORA_GDIPLUS(GdipCreateFromHDC);
PIXMORA_GDIPLUS(GdipCreateFromHDC2);
PIXMORA_GDIPLUS(GdipCreateFromHWND);
PIXMORA_GDIPLUS(GdipCreateFromHWNDICM);
PIXMORA_GDIPLUS(GdipGetImageGraphicsContext);
PIXMORA_GDIPLUS(GdipDeleteGraphics);
PIXMORA_GDIPLUS(GdipFlush);
PIXMORA_GDIPLUS(GdipGetDC);
PIXMORA_GDIPLUS(GdipReleaseDC);
PIXMORA_GDIPLUS(GdipGetCompositingMode);
PIXMORA_GDIPLUS(GdipSetCompositingMode);
PIXMORA_GDIPLUS(GdipGetRenderingOrigin);
PIXMORA_GDIPLUS(GdipSetRenderingOrigin);
PIXMORA_GDIPLUS(GdipGetCompositingQuality);
PIXMORA_GDIPLUS(GdipSetCompositingQuality);
PIXMORA_GDIPLUS(GdipSetSmoothingMode);
PIXMORA_GDIPLUS(GdipGetSmoothingMode);
PIXMORA_GDIPLUS(GdipSetTextRenderingHint);
PIXMORA_GDIPLUS(GdipGetTextRenderingHint);
PIXMORA_GDIPLUS(GdipSetInterpolationMode);
PIXMORA_GDIPLUS(GdipGetInterpolationMode);
PIXMORA_GDIPLUS(GdipSetPixelOffsetMode);
PIXMORA_GDIPLUS(GdipGetPixelOffsetMode);
PIXMORA_GDIPLUS(GdipSetWorldTransform);
PIXMORA_GDIPLUS(GdipGetWorldTransform);
PIXMORA_GDIPLUS(GdipResetWorldTransform);
PIXMORA_GDIPLUS(GdipMultiplyWorldTransform);
PIXMORA_GDIPLUS(GdipTranslateWorldTransform);
PIXMORA_GDIPLUS(GdipScaleWorldTransform);
PIXMORA_GDIPLUS(GdipRotateWorldTransform);
PIXMORA_GDIPLUS(GdipSetPageUnit);
PIXMORA_GDIPLUS(GdipGetPageUnit);
PIXMORA_GDIPLUS(GdipSetPageScale);
PIXMORA_GDIPLUS(GdipGetPageScale);
PIXMORA_GDIPLUS(GdipGetDpiX);
PIXMORA_GDIPLUS(GdipGetDpiY);
PIXMORA_GDIPLUS(GdipTransformPoints);
PIXMORA_GDIPLUS(GdipTransformPointsI);
PIXMORA_GDIPLUS(GdipGetNearestColor);

// Graphics: drawing and filling
PIXMORA_GDIPLUS(GdipDrawLine);
PIXMORA_GDIPLUS(GdipDrawLineI);
PIXMORA_GDIPLUS(GdipDrawLines);
PIXMORA_GDIPLUS(GdipDrawLinesI);
PIXMORA_GDIPLUS(GdipDrawArc);
PIXMORA_GDIPLUS(GdipDrawArcI);
PIXMORA_GDIPLUS(GdipDrawBezier);
PIXMORA_GDIPLUS(GdipDrawBezierI);
PIXMORA_GDIPLUS(GdipDrawBeziers);
PIXMORA_GDIPLUS(GdipDrawBeziersI);
PIXMORA_GDIPLUS(GdipDrawRectangle);
PIXMORA_GDIPLUS(GdipDrawRectangleI);
PIXMORA_GDIPLUS(GdipDrawRectangles);
PIXMORA_GDIPLUS(GdipDrawRectanglesI);
PIXMORA_GDIPLUS(GdipDrawEllipse);
PIXMORA_GDIPLUS(GdipDrawEllipseI);
PIXMORA_GDIPLUS(GdipDrawPie);
PIXMORA_GDIPLUS(GdipDrawPieI);
PIXMORA_GDIPLUS(GdipDrawPolygon);
PIXMORA_GDIPLUS(GdipDrawPolygonI);
PIXMORA_GDIPLUS(GdipDrawPath);
PIXMORA_GDIPLUS(GdipDrawCurve);
PIXMORA_GDIPLUS(GdipDrawCurveI);
PIXMORA_GDIPLUS(GdipDrawCurve2);
PIXMORA_GDIPLUS(GdipDrawCurve2I);
PIXMORA_GDIPLUS(GdipDrawCurve3);
PIXMORA_GDIPLUS(GdipDrawCurve3I);
PIXMORA_GDIPLUS(GdipDrawClosedCurve);
PIXMORA_GDIPLUS(GdipDrawClosedCurveI);
PIXMORA_GDIPLUS(GdipDrawClosedCurve2);
PIXMORA_GDIPLUS(GdipDrawClosedCurve2I);
PIXMORA_GDIPLUS(GdipFillRectangle);
PIXMORA_GDIPLUS(GdipFillRectangleI);
PIXMORA_GDIPLUS(GdipFillRectangles);
PIXMORA_GDIPLUS(GdipFillRectanglesI);
PIXMORA_GDIPLUS(GdipFillPolygon);
PIXMORA_GDIPLUS(GdipFillPolygonI);
PIXMORA_GDIPLUS(GdipFillEllipse);
PIXMORA_GDIPLUS(GdipFillEllipseI);
PIXMORA_GDIPLUS(GdipFillPie);
PIXMORA_GDIPLUS(GdipFillPieI);
PIXMORA_GDIPLUS(GdipFillPath);
PIXMORA_GDIPLUS(GdipFillClosedCurve);
PIXMORA_GDIPLUS(GdipFillClosedCurve2);
PIXMORA_GDIPLUS(GdipFillClosedCurveI);
PIXMORA_GDIPLUS(GdipFillClosedCurve2I);
PIXMORA_GDIPLUS(GdipFillRegion);

// Graphics: text
PIXMORA_GDIPLUS(GdipDrawString);
PIXMORA_GDIPLUS(GdipMeasureString);
PIXMORA_GDIPLUS(GdipMeasureCharacterRanges);
PIXMORA_GDIPLUS(GdipDrawDriverString);
PIXMORA_GDIPLUS(GdipSetTextContrast);
PIXMORA_GDIPLUS(GdipGetTextContrast);

// Graphics: images and metafiles
PIXMORA_GDIPLUS(GdipDrawImageRect);
PIXMORA_GDIPLUS(GdipDrawImageRectI);
PIXMORA_GDIPLUS(GdipDrawImage);
PIXMORA_GDIPLUS(GdipDrawImageI);
PIXMORA_GDIPLUS(GdipDrawCachedBitmap);
PIXMORA_GDIPLUS(GdipDrawImageRectRect);
PIXMORA_GDIPLUS(GdipDrawImageRectRectI);
PIXMORA_GDIPLUS(GdipDrawImagePoints);
PIXMORA_GDIPLUS(GdipDrawImagePointsI);
PIXMORA_GDIPLUS(GdipDrawImagePointRect);
PIXMORA_GDIPLUS(GdipDrawImagePointRectI);
PIXMORA_GDIPLUS(GdipDrawImagePointsRect);
PIXMORA_GDIPLUS(GdipDrawImagePointsRectI);
PIXMORA_GDIPLUS(GdipEnumerateMetafileDestPoint);
PIXMORA_GDIPLUS(GdipEnumerateMetafileDestPointI);
PIXMORA_GDIPLUS(GdipEnumerateMetafileDestPoints);
PIXMORA_GDIPLUS(GdipEnumerateMetafileDestPointsI);
PIXMORA_GDIPLUS(GdipEnumerateMetafileDestRect);
PIXMORA_GDIPLUS(GdipEnumerateMetafileDestRectI);
PIXMORA_GDIPLUS(GdipEnumerateMetafileSrcRectDestPoint);
PIXMORA_GDIPLUS(GdipEnumerateMetafileSrcRectDestPointI);
PIXMORA_GDIPLUS(GdipEnumerateMetafileSrcRectDestPoints);
PIXMORA_GDIPLUS(GdipEnumerateMetafileSrcRectDestPointsI);
PIXMORA_GDIPLUS(GdipEnumerateMetafileSrcRectDestRect);
PIXMORA_GDIPLUS(GdipEnumerateMetafileSrcRectDestRectI);

// Graphics: clipping, states, containers
PIXMORA_GDIPLUS(GdipSetClipGraphics);
PIXMORA_GDIPLUS(GdipSetClipPath);
PIXMORA_GDIPLUS(GdipSetClipRect);
PIXMORA_GDIPLUS(GdipSetClipRectI);
PIXMORA_GDIPLUS(GdipSetClipRegion);
PIXMORA_GDIPLUS(GdipSetClipHrgn);
PIXMORA_GDIPLUS(GdipResetClip);
PIXMORA_GDIPLUS(GdipTranslateClip);
PIXMORA_GDIPLUS(GdipTranslateClipI);
PIXMORA_GDIPLUS(GdipGetClip);
PIXMORA_GDIPLUS(GdipGetClipBounds);
PIXMORA_GDIPLUS(GdipGetClipBoundsI);
PIXMORA_GDIPLUS(GdipGetVisibleClipBounds);
PIXMORA_GDIPLUS(GdipGetVisibleClipBoundsI);
PIXMORA_GDIPLUS(GdipIsClipEmpty);
PIXMORA_GDIPLUS(GdipIsVisibleClipEmpty);
PIXMORA_GDIPLUS(GdipIsVisiblePoint);
PIXMORA_GDIPLUS(GdipIsVisiblePointI);
PIXMORA_GDIPLUS(GdipIsVisibleRect);
PIXMORA_GDIPLUS(GdipIsVisibleRectI);
PIXMORA_GDIPLUS(GdipSaveGraphics);
PIXMORA_GDIPLUS(GdipRestoreGraphics);
PIXMORA_GDIPLUS(GdipBeginContainer);
PIXMORA_GDIPLUS(GdipBeginContainerI);
PIXMORA_GDIPLUS(GdipBeginContainer2);
PIXMORA_GDIPLUS(GdipEndContainer);
PIXMORA_GDIPLUS(GdipComment);

// Matrices
PIXMORA_GDIPLUS(GdipCreateMatrix);
PIXMORA_GDIPLUS(GdipDeleteMatrix);
PIXMORA_GDIPLUS(GdipTranslateMatrix);
PIXMORA_GDIPLUS(GdipRotateMatrix);

// Brushes
PIXMORA_GDIPLUS(GdipCreateSolidFill);
PIXMORA_GDIPLUS(GdipDeleteBrush);
PIXMORA_GDIPLUS(GdipCloneBrush);
PIXMORA_GDIPLUS(GdipGetBrushType);
PIXMORA_GDIPLUS(GdipSetSolidFillColor);
PIXMORA_GDIPLUS(GdipGetSolidFillColor);

// Regions
PIXMORA_GDIPLUS(GdipCreateRegion);
PIXMORA_GDIPLUS(GdipCreateRegionRect);
PIXMORA_GDIPLUS(GdipCreateRegionRectI);
PIXMORA_GDIPLUS(GdipCreateRegionPath);
PIXMORA_GDIPLUS(GdipCreateRegionHrgn);
PIXMORA_GDIPLUS(GdipCreateRegionRgnData);
PIXMORA_GDIPLUS(GdipDeleteRegion);
PIXMORA_GDIPLUS(GdipCloneRegion);
PIXMORA_GDIPLUS(GdipSetInfinite);
PIXMORA_GDIPLUS(GdipSetEmpty);
PIXMORA_GDIPLUS(GdipCombineRegionRect);
PIXMORA_GDIPLUS(GdipCombineRegionRectI);
PIXMORA_GDIPLUS(GdipCombineRegionRegion);
PIXMORA_GDIPLUS(GdipCombineRegionPath);
PIXMORA_GDIPLUS(GdipTranslateRegion);
PIXMORA_GDIPLUS(GdipTranslateRegionI);
PIXMORA_GDIPLUS(GdipTransformRegion);
PIXMORA_GDIPLUS(GdipGetRegionBounds);
PIXMORA_GDIPLUS(GdipGetRegionBoundsI);
PIXMORA_GDIPLUS(GdipGetRegionDataSize);
PIXMORA_GDIPLUS(GdipGetRegionData);
PIXMORA_GDIPLUS(GdipGetRegionHRgn);
PIXMORA_GDIPLUS(GdipIsEmptyRegion);
PIXMORA_GDIPLUS(GdipIsInfiniteRegion);
PIXMORA_GDIPLUS(GdipIsEqualRegion);
PIXMORA_GDIPLUS(GdipIsVisibleRegionPoint);
PIXMORA_GDIPLUS(GdipIsVisibleRegionPointI);
PIXMORA_GDIPLUS(GdipIsVisibleRegionRect);
PIXMORA_GDIPLUS(GdipIsVisibleRegionRectI);
PIXMORA_GDIPLUS(GdipGetRegionScansCount);
PIXMORA_GDIPLUS(GdipGetRegionScans);
PIXMORA_GDIPLUS(GdipGetRegionScansI);

}  // namespace pixmora::gdiplus

#undef PIXMORA_GDIPLUS
