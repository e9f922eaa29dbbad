#pragma once
// The tick state of radio buttons, check boxes and toggles.
#include <string_view>

namespace pixmora::host {

// 1 when the named control is ticked, else 0.
int readTickState(std::string_view controlName);
// Ticks or clears the control as a click would, without raising its click
// handler; ticking a radio button clears the others of its group.
void writeTickState(std::string_view controlName, bool ticked);

}  // namespace pixmora::host
