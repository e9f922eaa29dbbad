#pragma once
// The outcome of composing a joined or split picture: its encoded bytes, or
// why there are none.
#include <chrono>
#include <cstdint>
#include <functional>
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
    pictureUnreadable,   // a given picture cannot be read or decoded (only when asked to refuse them)
};

// The phases of composing and saving a picture, in the order they run.
enum class ComposePhase {
    decode,  // loading the pictures
    draw,    // creating the canvas and drawing the pictures and bars
    encode,  // encoding the canvas
    write,   // writing the file (export only)
};

// Told how long each phase took, in seconds, as soon as it ends.
using PhaseObserver = std::function<void(ComposePhase phase, double seconds)>;

// The phase's name in English: "decode", "draw", "encode", "write".
const char* composePhaseName(ComposePhase phase);

struct ComposedPicture {
    ByteArray bytes;                   // the encoded picture; empty unless problem is none
    std::string format;                // format identifier of the bytes (the source's)
    std::int32_t width = 0;            // canvas size in pixels
    std::int32_t height = 0;
    ComposeProblem problem = ComposeProblem::none;
    // With pictureUnreadable: which picture, counted from 0 (the slot, or 0
    // for the split source); -1 otherwise.
    int unreadablePicture = -1;
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

// Times the phases for an observer; does nothing without one.
class PhaseClock {
public:
    explicit PhaseClock(const PhaseObserver& observer);
    // Reports the time since the clock was made or last reported, as `phase`.
    void finished(ComposePhase phase);

private:
    const PhaseObserver& observer_;
    std::chrono::steady_clock::time_point start_;
};

// A given picture that could not be read, decoded or drawn.
ComposedPicture unreadable(int picture, std::string format = {});

// Creates the canvas (32 bits per pixel RGB) and tells why it could not be.
ComposeProblem createCanvas(BitmapObject& canvas, std::int32_t width, std::int32_t height);

// True when the bytes decode to a picture of width x height.
bool holdsPictureOfSize(const ByteArray& bytes, std::int32_t width, std::int32_t height);

// Encodes the finished canvas in `format` with the encoder's defaults. Some
// GIF encoders (Wine's among them) take a 32-bit canvas and write a file with
// a header but no pixels, so GIF bytes are read back before they count as a
// picture; a file that does not come back whole is no picture at all.
ComposedPicture encodeCanvas(BitmapObject& canvas, const std::string& format, std::int32_t width,
                             std::int32_t height);

}  // namespace composing
}  // namespace pixmora
