#include "host/whole_number_text.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "host/number_text.h"

namespace pixmora::host {

std::string wholeNumberBoxText(std::string_view text) {
    const std::int64_t value = std::clamp<std::int64_t>(textToWholeNumber(text),
                                                        std::numeric_limits<std::int32_t>::min(),
                                                        std::numeric_limits<std::int32_t>::max());
    return value == 0 ? std::string() : std::to_string(value);
}

}  // namespace pixmora::host
