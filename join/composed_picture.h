#pragma once
// The outcome of composing a joined or split picture: its encoded bytes, or
// why there are none.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "imaging/bitmap_object.h"
#include "imaging/toolkit_types.h"

namespace pixmora {

enum class ComposeProblem {
    none,
    noFirstSlotPicture,  // join: slot 1 has no path, or the file cannot be read or decoded
    noSplitSource,       // split: no source, or it cannot be read or decoded
    noEncoder,           // the source's format cannot be written (an icon, a metafile)
    emptyCanvas,         // nothing to draw on: no filled slot, or a picture without pixels
    canvasFailed,        // the canvas could not be created (too large for memory)
    encodingFailed,      // the encoder gave no bytes
};

struct ComposedPicture {
    ByteArray bytes;                   // the encoded picture; empty unless problem is none
    std::string format;                // format identifier of the bytes (the source's)
    std::int32_t width = 0;            // canvas size in pixels
    std::int32_t height = 0;
    ComposeProblem problem = ComposeProblem::none;
};

// Why there is no picture, in words for the user; "" for none.
std::string composeProblemText(ComposeProblem problem);

// Shared steps of the composers.
namespace composing {

// Loads a picture with the plain load; without a path the image stays empty.
bool loadPicture(ImageObject& image, const std::optional<std::string>& path);

// Whole pixels of a picture's float dimension, truncated toward zero.
std::int32_t wholePixels(float size);

// A picture that did not come about, for the given reason.
ComposedPicture failed(ComposeProblem problem, std::string format = {});

// Creates the canvas (32 bits per pixel RGB) and tells why it could not be.
ComposeProblem createCanvas(BitmapObject& canvas, std::int32_t width, std::int32_t height);

// Encodes the finished canvas in `format` with the encoder's defaults.
ComposedPicture encodeCanvas(BitmapObject& canvas, const std::string& format, std::int32_t width,
                             std::int32_t height);

}  // namespace composing
}  // namespace pixmora
