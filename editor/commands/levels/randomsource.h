// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

namespace vrh {

// Where the random tiles come from: uniform single-precision values in [0, 1). The window
// takes one by injection so tests can script the draws.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

// The program's generator. It always starts from the same state, so every run of the editor
// paints the same sequence of random tiles.
class FixedStartRandom : public RandomSource {
  public:
    static constexpr std::uint32_t kSeed = 5489u;

    float next() override;

  private:
    std::mt19937 engine_{kSeed};
};

} // namespace vrh
