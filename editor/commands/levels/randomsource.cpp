// SPDX-License-Identifier: GPL-3.0-or-later
#include "randomsource.h"

namespace vrh {

float FixedStartRandom::next() {
    // The top 24 bits fill a float's mantissa exactly: the largest result is the largest float
    // below 1, never 1 itself.
    constexpr float kScale = 1.0f / 16777216.0f; // 2^-24
    return static_cast<float>(engine_() >> 8) * kScale;
}

} // namespace vrh
