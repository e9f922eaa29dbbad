#pragma once
// The joined picture: up to four pictures in a row or a column, each stretched
// to one common cell size, with divider bars between them and, on request,
// bars along the bottom and right edges. Settings in, encoded bytes out; the
// window reads its controls into JoinSettings, a command line can fill it too.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include <string_view>

#include "join/composed_picture.h"
#include "join/picture_saving.h"

namespace pixmora {

struct JoinSettings {
    // The pictures of slots 1 to 4; a slot without a path was never filled
    // and counts as a picture of 0 x 0 that draws nothing.
    std::array<std::optional<std::string>, 4> slotPaths;
    // How many slots count as filled, 0 to 4: the number of cells.
    int count = 0;
    bool stacked = false;              // one column instead of one row
    double thickness = 1;              // bar thickness in pixels
    std::uint32_t barColour = 0xFFFFFF; // Windows colour 0x00BBGGRR
    bool border = true;                // bars along the bottom and right edges
    // The format (GUID text) to encode in instead of slot 1's; none: slot 1's.
    std::optional<std::string> outputFormat;
    // True: a slot with a path whose picture cannot be read, decoded or drawn
    // makes the whole composition fail with pictureUnreadable, naming the slot,
    // instead of leaving its cell blank as the window does.
    bool refuseUnreadablePictures = false;
    // Told the time of each phase; none by default.
    PhaseObserver phaseObserver;
};

// Composes the joined picture, encoded in the format of slot 1's picture
// (a PNG in slot 1 gives PNG bytes whatever the other slots hold) unless the
// settings name another. The cell
// is as wide as the widest picture and as high as the highest, taken apart.
ComposedPicture composeJoin(const JoinSettings& settings);

// Composes as composeJoin and writes those very bytes to `path`
// (saveComposedPicture); the picture is handed back for the preview either way.
ExportResult exportJoin(const JoinSettings& settings, std::string_view path);

}  // namespace pixmora
