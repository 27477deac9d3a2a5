// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttonpaint.h"

#include "commands/history/edithistory.h"
#include "commands/levels/mapediting.h"

namespace vrh {

bool buttonPaints(int button, std::int16_t mouseChoice) {
    return button == mouse::kLeft || (button == mouse::kRight && isRandomMode(mouseChoice));
}

std::optional<std::uint8_t> buttonCode(int button, const EditingState& state,
                                       RandomSource& random) {
    if (button == mouse::kLeft) {
        return state.curTile;
    }
    return button == mouse::kRight ? randomTile(state.mouseChoice, random) : std::nullopt;
}

std::uint8_t buttonPreviewCode(int button, const EditingState& state) {
    if (button == mouse::kRight) {
        return randomTile(state.mouseChoice, 0.0f).value_or(state.curTile);
    }
    return state.curTile;
}

const QString& buttonStepName(int button) {
    return button == mouse::kLeft ? stepname::Paint : stepname::RandomTiles;
}

} // namespace vrh
