#include "levellist.h"

#include <algorithm>

namespace vrh {

namespace {

// A file may have brought a count outside 1 to 8; only eight records can ever be shown.
int lastShowableIndex(const Levelset& levelset) {
    return std::min<int>(levelset.numLevels, kMaxLevels) - 1;
}

} // namespace

LevelListLimits possibleLevelListCommands(const Levelset& levelset, const EditingState& state) {
    // The level shown is never the one removed.
    return {levelset.numLevels<kMaxLevels, levelset.numLevels> 1 &&
                state.curLevel + 1 < levelset.numLevels,
            state.curLevel > 0, state.curLevel < lastShowableIndex(levelset)};
}

LevelListChange addLevel(Levelset& levelset, const EditingState& state) {
    if (!possibleLevelListCommands(levelset, state).add) {
        return LevelListChange::Nothing;
    }
    ++levelset.numLevels;
    return LevelListChange::Label;
}

LevelListChange removeLevel(Levelset& levelset, const EditingState& state) {
    if (!possibleLevelListCommands(levelset, state).remove) {
        return LevelListChange::Nothing;
    }
    --levelset.numLevels;
    return LevelListChange::Label;
}

LevelListChange previousLevel(const Levelset& levelset, EditingState& state) {
    if (!possibleLevelListCommands(levelset, state).previous) {
        return LevelListChange::Nothing;
    }
    --state.curLevel;
    return LevelListChange::CurrentLevel;
}

LevelListChange nextLevel(const Levelset& levelset, EditingState& state) {
    if (!possibleLevelListCommands(levelset, state).next) {
        return LevelListChange::Nothing;
    }
    ++state.curLevel;
    return LevelListChange::CurrentLevel;
}

} // namespace vrh
