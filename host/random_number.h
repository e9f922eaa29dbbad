#pragma once
// The host's random whole numbers.
#include <cstdint>

namespace pixmora::host {

// A whole number from low to high, both included: low plus the generator's
// next non-negative output modulo the range's size. The generator is never
// seeded, so every run draws the same sequence. low > high gives low.
std::int32_t randomWholeNumber(std::int32_t low, std::int32_t high);

// Puts the generator back to its starting state.
void resetRandomGenerator();

}  // namespace pixmora::host
