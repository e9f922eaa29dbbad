#pragma once
// Labels whose background is whatever lies beneath them.
#include <windows.h>

namespace pixmora::host {

// Answers WM_CTLCOLORSTATIC for a transparent label: paints into the label's
// device context what lies beneath it (the tab control it sits on, or the
// parent's background) and gives a hollow brush, so only the text is drawn
// over it.
HBRUSH paintTransparentLabelBackground(HWND label, HDC deviceContext);

}  // namespace pixmora::host
