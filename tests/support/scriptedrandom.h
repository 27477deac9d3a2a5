// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/levels/randomsource.h"

#include <gtest/gtest.h>

#include <deque>

namespace vrh::testing {

// Hands out the scripted draws in order; a draw nobody scripted fails the test.
class ScriptedRandom : public RandomSource {
  public:
    std::deque<float> draws;

    float next() override {
        if (draws.empty()) {
            ADD_FAILURE() << "unscripted random draw";
            return 0.0f;
        }
        const float r = draws.front();
        draws.pop_front();
        return r;
    }
};

} // namespace vrh::testing
