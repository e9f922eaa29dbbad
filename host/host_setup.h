#pragma once
// The host's own start: common controls and the window classes of its controls.
namespace pixmora::host {

// Safe to call more than once.
void initialiseHost();

}  // namespace pixmora::host
