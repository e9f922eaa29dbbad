#include "shell/thickness_spinner.h"

#include <cmath>

#include "host/control_text.h"
#include "host/number_text.h"

namespace pixmora {

void stepDividerThickness(int direction) {
    constexpr const char* kBox = "调节器";
    const double value = host::textToNumber(host::readText(kBox));
    double next;
    if (direction > 0) {
        next = value + 1;
    } else {
        if (std::fabs(value) <= 0.0000001) return;
        next = value - 1;
    }
    host::writeText(kBox, host::numberToText(next));
}

}  // namespace pixmora
