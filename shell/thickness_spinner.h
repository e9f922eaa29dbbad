#pragma once
// The spinner of the divider thickness box 调节器.
namespace pixmora {

// direction +1 (increase arrow): the box's number plus one. Otherwise: minus
// one, except at zero, where nothing changes. There is no upper bound and a
// negative number keeps decreasing. Written with "%.13g".
void stepDividerThickness(int direction);

}  // namespace pixmora
