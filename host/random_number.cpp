#include "host/random_number.h"

namespace pixmora::host {
namespace {

constexpr std::uint32_t kStartingState = 1;
std::uint32_t state = kStartingState;

// A linear congruential generator giving 15-bit outputs.
std::uint32_t nextOutput() {
    state = state * 214013u + 2531011u;
    return (state >> 16) & 0x7FFF;
}

}  // namespace

std::int32_t randomWholeNumber(std::int32_t low, std::int32_t high) {
    if (low >= high) return low;
    const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(high) - low) + 1;
    // Two outputs make 30 bits, enough for any range the program asks for.
    const std::uint64_t output = (static_cast<std::uint64_t>(nextOutput()) << 15) | nextOutput();
    return static_cast<std::int32_t>(low + static_cast<std::int64_t>(output % span));
}

void resetRandomGenerator() { state = kStartingState; }

}  // namespace pixmora::host
