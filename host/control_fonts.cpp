#include "host/control_fonts.h"

namespace pixmora::host {

HFONT defaultControlFont() {
    static HFONT font = [] {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
            if (HFONT created = CreateFontIndirectW(&metrics.lfMessageFont)) return created;
        return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }();
    return font;
}

HFONT boldCaptionFont() {
    static HFONT font = [] {
        LOGFONTW description{};
        description.lfHeight = -16;  // characters 16 pixels high
        description.lfWeight = FW_BOLD;
        description.lfCharSet = GB2312_CHARSET;
        description.lfOutPrecision = OUT_DEFAULT_PRECIS;
        description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        description.lfQuality = DEFAULT_QUALITY;
        description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
        // No face name: the system picks its default face for the character set.
        return CreateFontIndirectW(&description);
    }();
    return font;
}

LOGFONTW fontDescription(HFONT font) {
    LOGFONTW description{};
    if (font) GetObjectW(font, sizeof description, &description);
    return description;
}

}  // namespace pixmora::host
