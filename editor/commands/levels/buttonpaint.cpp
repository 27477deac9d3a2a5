#include "buttonpaint.h"

#include "commands/history/edithistory.h"
#include "commands/levels/mapediting.h"

namespace vrh {

bool buttonPaints(int button, std::int16_t mouseChoice) {
    return button == 1 || (button == 2 && isRandomMode(mouseChoice));
}

std::optional<std::uint8_t> buttonCode(int button, const EditingState& state,
                                       RandomSource& random) {
    if (button == 1) {
        return state.curTile;
    }
    return button == 2 ? randomTile(state.mouseChoice, random) : std::nullopt;
}

std::uint8_t buttonPreviewCode(int button, const EditingState& state) {
    if (button == 2) {
        return randomTile(state.mouseChoice, 0.0f).value_or(state.curTile);
    }
    return state.curTile;
}

const QString& buttonStepName(int button) {
    return button == 1 ? stepname::Paint : stepname::RandomTiles;
}

} // namespace vrh
