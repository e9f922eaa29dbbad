#pragma once
// The split picture: the source at its own size with the cut lines of a grid
// of bands drawn over it. Settings in, encoded bytes out; the window reads its
// controls into SplitSettings, a command line can fill it too.
#include <cstdint>
#include <optional>
#include <string>

#include <string_view>

#include "join/composed_picture.h"
#include "join/picture_saving.h"

namespace pixmora {

struct SplitSettings {
    std::optional<std::string> sourcePath;  // none until a picture was given
    double rows = 1;                        // horizontal bands
    double columns = 1;                     // vertical bands
    double thickness = 1;                   // line thickness in pixels
    std::uint32_t lineColour = 0xFFFFFF;    // Windows colour 0x00BBGGRR
    bool border = true;                     // lines along the bottom and right edges too
    // The format (GUID text) to encode in instead of the source's; none: the source's.
    std::optional<std::string> outputFormat;
    // True: a source that was given but cannot be read, decoded or drawn fails
    // with pictureUnreadable rather than noSplitSource.
    bool refuseUnreadablePictures = false;
    // Told the time of each phase; none by default.
    PhaseObserver phaseObserver;
};

// Composes the split picture, encoded in the source's own format unless the
// settings name another.
ComposedPicture composeSplit(const SplitSettings& settings);

// Composes as composeSplit and writes those very bytes to `path`
// (saveComposedPicture); the picture is handed back for the preview either way.
ExportResult exportSplit(const SplitSettings& settings, std::string_view path);

}  // namespace pixmora
