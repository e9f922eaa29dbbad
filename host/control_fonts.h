#pragma once
// The fonts of the controls: the host's default and the bold caption font.
#include <windows.h>

namespace pixmora::host {

// The system's message font (the face the desktop uses for dialogs).
HFONT defaultControlFont();
// Bold, 16 pixels high, GB2312 character set, the system's default face.
HFONT boldCaptionFont();
// The font's description, for tests.
LOGFONTW fontDescription(HFONT font);

}  // namespace pixmora::host
