#include "host/picture_box.h"

#include <memory>

#include "host/control_class.h"
#include "host/control_registry.h"
#include "host/picture_fit.h"
#include "imaging/graphics_object.h"
#include "imaging/image_object.h"

namespace pixmora::host {
namespace {

struct PictureBoxState {
    ImageObject picture;  // keeps the decoded picture and its bytes while shown
    int width = 0;
    int height = 0;
};

PictureBoxState* stateOf(HWND box) { return reinterpret_cast<PictureBoxState*>(GetWindowLongPtrW(box, GWLP_USERDATA)); }

void paint(HWND box) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(box, &paint);
    RECT client;
    GetClientRect(box, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    if (auto drawn = pictureBoxDrawnRectangle(box)) {
        GraphicsObject graphics;
        if (graphics.createFromHDC(dc)) {
            graphics.setInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
            graphics.drawImageRectRect(stateOf(box)->picture, static_cast<float>(drawn->x), static_cast<float>(drawn->y),
                                       static_cast<float>(drawn->width), static_cast<float>(drawn->height));
        }
    }
    // The single-line border, drawn over the picture's outermost pixels so the
    // whole box is the picture's area.
    FrameRect(dc, &client, GetSysColorBrush(COLOR_WINDOWFRAME));
    EndPaint(box, &paint);
}

LRESULT CALLBACK pictureBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paint(box);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_NCDESTROY:
        delete stateOf(box);
        SetWindowLongPtrW(box, GWLP_USERDATA, 0);
        break;
    }
    return DefWindowProcW(box, message, wParam, lParam);
}

}  // namespace

void registerPictureBoxClass() { registerControlClass(kPictureBoxClass, pictureBoxProcedure, IDC_ARROW); }

HWND createPictureBox(HWND parent, int id, const RECT& place) {
    return createChildControl(kPictureBoxClass, WS_VISIBLE, parent, id, place);
}

void setPictureBoxPicture(HWND box, const ByteArray& bytes) {
    if (!box) return;
    delete stateOf(box);
    SetWindowLongPtrW(box, GWLP_USERDATA, 0);
    if (!bytes.empty()) {
        auto state = std::make_unique<PictureBoxState>();
        if (state->picture.loadImageFromStream(bytes)) {
            state->width = static_cast<int>(state->picture.getImageWidth());
            state->height = static_cast<int>(state->picture.getImageHeight());
            if (state->width > 0 && state->height > 0)
                SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state.release()));
        }
    }
    InvalidateRect(box, nullptr, FALSE);
    UpdateWindow(box);
}

void writePicture(std::string_view name, const ByteArray& bytes) { setPictureBoxPicture(controlHandle(name), bytes); }

std::optional<RectI> pictureBoxDrawnRectangle(HWND box) {
    const PictureBoxState* state = box ? stateOf(box) : nullptr;
    if (!state) return std::nullopt;
    RECT client;
    GetClientRect(box, &client);
    return fitPictureInBox(client.right, client.bottom, state->width, state->height);
}

std::optional<RectI> pictureDrawnRectangle(std::string_view name) { return pictureBoxDrawnRectangle(controlHandle(name)); }

}  // namespace pixmora::host
