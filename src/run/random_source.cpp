#include "platform/system.h"
#include "run/rotation.h"

#include <cstdint>

namespace {

uint64_t randomState = 0;

// SplitMix64: every seed gives a full-period sequence of well-mixed 64-bit values.
uint64_t NextRandom()
{
    uint64_t z = (randomState += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

}  // namespace

void SeedRandom()
{
    randomState = MillisecondsOfDay();
}

int32_t RandomBelow(int32_t n)
{
    // Draws in the top part of the range that is not a whole multiple of n would favour small
    // values, so they are drawn again.
    const uint64_t range = static_cast<uint64_t>(n);
    const uint64_t limit = UINT64_MAX - UINT64_MAX % range;
    uint64_t draw;
    do {
        draw = NextRandom();
    } while (draw >= limit);
    return static_cast<int32_t>(draw % range);
}
