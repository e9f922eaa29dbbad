#pragma once
// Pictures made and read back for the tests. Encoding and decoding go straight
// to GDI+, not through the toolkit under test.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "imaging/toolkit_types.h"

namespace pixmora::testing {

// 32-bit ARGB pixels, row by row.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    std::uint32_t& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
};

Picture solidPicture(int width, int height, std::uint32_t argb);
// Four quadrants of different colours, so that stretching and placement show.
Picture quadrantPicture(int width, int height, std::uint32_t topLeft, std::uint32_t topRight,
                        std::uint32_t bottomLeft, std::uint32_t bottomRight);

// The picture encoded in a format named by its GUID text (the kXxxFormatText
// constants); empty when GDI+ has no encoder for it. GIF is written by hand.
ByteArray encodePicture(const Picture& picture, std::string_view formatText);
// A GIF written by hand (the GIF encoders of some GDI+ versions write broken
// files): one frame per picture, at most 256 colours in all, each frame shown
// for its delay in hundredths of a second when there are several.
ByteArray gifPicture(const std::vector<Picture>& frames, const std::vector<int>& delays = {});

// Encodes and writes the picture to a file; the path is UTF-8.
void writePicture(const std::filesystem::path& path, const Picture& picture, std::string_view formatText);

struct DecodedPicture {
    bool loaded = false;
    std::string format;  // raw format GUID text
    Picture picture;     // converted to 32-bit ARGB
};
DecodedPicture decodePicture(const ByteArray& bytes);
DecodedPicture decodePictureFile(const std::filesystem::path& path);

// Colour distance for lossy formats: the largest difference of the R, G, B channels.
int colourDistance(std::uint32_t a, std::uint32_t b);

}  // namespace pixmora::testing
