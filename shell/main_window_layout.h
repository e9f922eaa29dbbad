#pragma once
// The main window of Pixmora: its title, size and every control.
#include "host/window_description.h"

namespace pixmora {

inline constexpr int kJoinPage = 0;
inline constexpr int kSplitPage = 1;

const host::WindowDescription& mainWindowLayout();

}  // namespace pixmora
