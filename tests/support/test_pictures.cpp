#include "tests/support/test_pictures.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "imaging/guid_text.h"
#include "imaging/runtime_binding.h"
#include "imaging/text_conversion.h"
#include "tests/support/temporary_folder.h"

namespace pixmora::testing {
namespace {

#define TEST_GDIPLUS(name)                                                                 \
    inline constinit ::pixmora::BoundFunction<decltype(&::Gdiplus::DllExports::name)> name{ \
        L"gdiplus.dll", #name}
TEST_GDIPLUS(GdipCreateBitmapFromScan0);
TEST_GDIPLUS(GdipCreateBitmapFromStream);
TEST_GDIPLUS(GdipGetImageRawFormat);
TEST_GDIPLUS(GdipGetImageWidth);
TEST_GDIPLUS(GdipGetImageHeight);
TEST_GDIPLUS(GdipBitmapLockBits);
TEST_GDIPLUS(GdipBitmapUnlockBits);
TEST_GDIPLUS(GdipDisposeImage);
TEST_GDIPLUS(GdipSaveImageToStream);
TEST_GDIPLUS(GdipGetImageEncodersSize);
TEST_GDIPLUS(GdipGetImageEncoders);
#undef TEST_GDIPLUS
PIXMORA_BIND(L"ole32.dll", CreateStreamOnHGlobal);

bool encoderFor(const GUID& format, CLSID& clsid) {
    UINT count = 0, size = 0;
    if (GdipGetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
    std::vector<std::uint64_t> buffer((size + 7) / 8);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (GdipGetImageEncoders(count, size, codecs) != Gdiplus::Ok) return false;
    for (UINT i = 0; i < count; ++i)
        if (IsEqualGUID(codecs[i].FormatID, format)) {
            clsid = codecs[i].Clsid;
            return true;
        }
    return false;
}

ByteArray streamBytes(IStream* stream) {
    STATSTG status{};
    stream->Stat(&status, STATFLAG_NONAME);
    ByteArray bytes(static_cast<size_t>(status.cbSize.QuadPart));
    LARGE_INTEGER start{};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    ULONG read = 0;
    if (!bytes.empty()) stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
    bytes.resize(read);
    return bytes;
}

}  // namespace

Picture solidPicture(int width, int height, std::uint32_t argb) {
    return Picture{width, height, std::vector<std::uint32_t>(static_cast<size_t>(width) * height, argb)};
}

Picture quadrantPicture(int width, int height, std::uint32_t topLeft, std::uint32_t topRight,
                        std::uint32_t bottomLeft, std::uint32_t bottomRight) {
    Picture picture = solidPicture(width, height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2, bottom = y >= height / 2;
            picture.at(x, y) = bottom ? (right ? bottomRight : bottomLeft) : (right ? topRight : topLeft);
        }
    return picture;
}

namespace {

void putWord(ByteArray& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

// LZW data with 9-bit codes only: a clear code every 250 codes keeps the
// decoder's table from growing past 512 entries.
void putImageData(ByteArray& out, const std::vector<std::uint8_t>& indices) {
    out.push_back(8);  // minimum code size
    std::vector<std::uint8_t> packed;
    std::uint32_t buffer = 0;
    int bits = 0;
    auto emit = [&](int code) {
        buffer |= static_cast<std::uint32_t>(code) << bits;
        bits += 9;
        while (bits >= 8) {
            packed.push_back(static_cast<std::uint8_t>(buffer & 0xFF));
            buffer >>= 8;
            bits -= 8;
        }
    };
    for (size_t i = 0; i < indices.size(); ++i) {
        if (i % 250 == 0) emit(256);
        emit(indices[i]);
    }
    emit(257);
    if (bits > 0) packed.push_back(static_cast<std::uint8_t>(buffer & 0xFF));
    for (size_t at = 0; at < packed.size(); at += 255) {
        const size_t count = std::min<size_t>(255, packed.size() - at);
        out.push_back(static_cast<std::uint8_t>(count));
        out.insert(out.end(), packed.begin() + static_cast<std::ptrdiff_t>(at),
                   packed.begin() + static_cast<std::ptrdiff_t>(at + count));
    }
    out.push_back(0);
}

}  // namespace

ByteArray gifPicture(const std::vector<Picture>& frames, const std::vector<int>& delays) {
    if (frames.empty()) return {};
    std::vector<std::uint32_t> palette;
    for (const Picture& frame : frames)
        for (std::uint32_t pixel : frame.pixels)
            if (std::find(palette.begin(), palette.end(), pixel | 0xFF000000u) == palette.end())
                palette.push_back(pixel | 0xFF000000u);
    if (palette.size() > 256) return {};
    palette.resize(256, 0xFF000000u);
    ByteArray out = {'G', 'I', 'F', '8', '9', 'a'};
    putWord(out, frames[0].width);
    putWord(out, frames[0].height);
    out.push_back(0xF7);  // global colour table of 256 entries
    out.push_back(0);
    out.push_back(0);
    for (std::uint32_t colour : palette) {
        out.push_back(static_cast<std::uint8_t>(colour >> 16));
        out.push_back(static_cast<std::uint8_t>(colour >> 8));
        out.push_back(static_cast<std::uint8_t>(colour));
    }
    if (frames.size() > 1) {  // loop for ever
        const std::uint8_t loop[] = {0x21, 0xFF, 0x0B, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0',
                                     0x03, 0x01, 0x00, 0x00, 0x00};
        out.insert(out.end(), std::begin(loop), std::end(loop));
    }
    for (size_t f = 0; f < frames.size(); ++f) {
        const Picture& frame = frames[f];
        if (frames.size() > 1) {
            out.insert(out.end(), {0x21, 0xF9, 0x04, 0x00});
            putWord(out, f < delays.size() ? delays[f] : 10);
            out.insert(out.end(), {0x00, 0x00});
        }
        out.push_back(0x2C);
        putWord(out, 0);
        putWord(out, 0);
        putWord(out, frame.width);
        putWord(out, frame.height);
        out.push_back(0);
        std::vector<std::uint8_t> indices;
        indices.reserve(frame.pixels.size());
        for (std::uint32_t pixel : frame.pixels)
            indices.push_back(static_cast<std::uint8_t>(
                std::find(palette.begin(), palette.end(), pixel | 0xFF000000u) - palette.begin()));
        putImageData(out, indices);
    }
    out.push_back(0x3B);
    return out;
}

ByteArray encodePicture(const Picture& picture, std::string_view formatText) {
    if (formatText == kGifFormatText) return gifPicture({picture});
    CLSID clsid{};
    if (!encoderFor(textToGuid(formatText), clsid)) return {};
    Picture copy = picture;
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (GdipCreateBitmapFromScan0(copy.width, copy.height, copy.width * 4, PixelFormat32bppARGB,
                                  reinterpret_cast<BYTE*>(copy.pixels.data()), &bitmap) != Gdiplus::Ok)
        return {};
    IStream* stream = nullptr;
    ByteArray bytes;
    if (SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, &stream)) && stream) {
        if (GdipSaveImageToStream(bitmap, stream, &clsid, nullptr) == Gdiplus::Ok) bytes = streamBytes(stream);
        stream->Release();
    }
    GdipDisposeImage(bitmap);
    return bytes;
}

void writePicture(const std::filesystem::path& path, const Picture& picture, std::string_view formatText) {
    writeWholeFile(path, encodePicture(picture, formatText));
}

DecodedPicture decodePicture(const ByteArray& bytes) {
    DecodedPicture decoded;
    if (bytes.empty()) return decoded;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!block) return decoded;
    std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
    GlobalUnlock(block);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream)) || !stream) {
        GlobalFree(block);
        return decoded;
    }
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (GdipCreateBitmapFromStream(stream, &bitmap) == Gdiplus::Ok && bitmap) {
        GUID format{};
        GdipGetImageRawFormat(bitmap, &format);
        decoded.format = guidToText(format);
        UINT width = 0, height = 0;
        GdipGetImageWidth(bitmap, &width);
        GdipGetImageHeight(bitmap, &height);
        decoded.picture = solidPicture(static_cast<int>(width), static_cast<int>(height), 0);
        Gdiplus::Rect area(0, 0, static_cast<INT>(width), static_cast<INT>(height));
        Gdiplus::BitmapData data{};
        data.Width = width;
        data.Height = height;
        data.Stride = static_cast<INT>(width * 4);
        data.PixelFormat = PixelFormat32bppARGB;
        data.Scan0 = decoded.picture.pixels.data();
        if (GdipBitmapLockBits(bitmap, &area, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                               PixelFormat32bppARGB, &data) == Gdiplus::Ok) {
            GdipBitmapUnlockBits(bitmap, &data);
            decoded.loaded = true;
        }
        GdipDisposeImage(bitmap);
    }
    stream->Release();
    return decoded;
}

DecodedPicture decodePictureFile(const std::filesystem::path& path) { return decodePicture(readWholeFile(path)); }

int colourDistance(std::uint32_t a, std::uint32_t b) {
    int distance = 0;
    for (int shift : {0, 8, 16})
        distance = std::max(distance, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
    return distance;
}

}  // namespace pixmora::testing
