// SPDX-License-Identifier: GPL-3.0-or-later
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
    const int count = levelset.numLevels;
    const bool room = count < kMaxLevels;
    const bool several = count > 1;
    // The level shown is never the one removed.
    const bool lastNotShown = state.curLevel + 1 < count;
    const bool previous = state.curLevel > 0;
    const bool next = state.curLevel < lastShowableIndex(levelset);
    const bool inSet = state.curLevel < count;
    return {room,          several && lastNotShown, previous,          next,
            room && inSet, several && inSet,        previous && inSet, next && inSet};
}

bool takeShownLevelIntoSet(Levelset& levelset, const EditingState& state) {
    if (levelset.numLevels != 0 || state.curLevel != 0) {
        return false;
    }
    levelset.numLevels = 1;
    return true;
}

LevelListChange insertLevel(Levelset& levelset, EditingState& state) {
    if (!possibleLevelListCommands(levelset, state).add) {
        return LevelListChange::Nothing;
    }
    // The records from the current one on move one later; the last of the eight makes way.
    auto& levels = levelset.levels;
    std::rotate(levels.begin() + state.curLevel, levels.end() - 1, levels.end());
    levels[state.curLevel] = freshLevel();
    ++levelset.numLevels;
    return LevelListChange::CurrentLevel;
}

LevelListChange duplicateLevel(Levelset& levelset, EditingState& state) {
    if (!possibleLevelListCommands(levelset, state).duplicate) {
        return LevelListChange::Nothing;
    }
    auto& levels = levelset.levels;
    const int copy = state.curLevel + 1;
    std::rotate(levels.begin() + copy, levels.end() - 1, levels.end());
    levels[copy] = levels[state.curLevel];
    ++levelset.numLevels;
    state.curLevel = static_cast<std::int16_t>(copy);
    return LevelListChange::CurrentLevel;
}

LevelListChange deleteLevel(Levelset& levelset, EditingState& state) {
    if (!possibleLevelListCommands(levelset, state).deleteLevel) {
        return LevelListChange::Nothing;
    }
    // The level taken out goes right behind the new last level.
    auto& levels = levelset.levels;
    const int count = lastShowableIndex(levelset) + 1;
    std::rotate(levels.begin() + state.curLevel, levels.begin() + state.curLevel + 1,
                levels.begin() + count);
    --levelset.numLevels;
    state.curLevel = static_cast<std::int16_t>(std::min<int>(state.curLevel, count - 2));
    return LevelListChange::CurrentLevel;
}

LevelListChange moveLevelEarlier(Levelset& levelset, EditingState& state) {
    if (!possibleLevelListCommands(levelset, state).moveEarlier) {
        return LevelListChange::Nothing;
    }
    return moveLevel(levelset, state, state.curLevel, state.curLevel - 1);
}

LevelListChange moveLevelLater(Levelset& levelset, EditingState& state) {
    if (!possibleLevelListCommands(levelset, state).moveLater) {
        return LevelListChange::Nothing;
    }
    return moveLevel(levelset, state, state.curLevel, state.curLevel + 1);
}

LevelListChange moveLevel(Levelset& levelset, EditingState& state, int from, int to) {
    const int last = lastShowableIndex(levelset);
    if (from == to || from < 0 || to < 0 || from > last || to > last) {
        return LevelListChange::Nothing;
    }
    auto& levels = levelset.levels;
    int current = state.curLevel;
    if (from < to) {
        std::rotate(levels.begin() + from, levels.begin() + from + 1, levels.begin() + to + 1);
        if (current == from) {
            current = to;
        } else if (current > from && current <= to) {
            --current;
        }
    } else {
        std::rotate(levels.begin() + to, levels.begin() + from, levels.begin() + from + 1);
        if (current == from) {
            current = to;
        } else if (current >= to && current < from) {
            ++current;
        }
    }
    state.curLevel = static_cast<std::int16_t>(current);
    return LevelListChange::CurrentLevel;
}

LevelListChange goToLevel(const Levelset& levelset, EditingState& state, int index) {
    if (index < 0 || index > lastShowableIndex(levelset) || index == state.curLevel) {
        return LevelListChange::Nothing;
    }
    state.curLevel = static_cast<std::int16_t>(index);
    return LevelListChange::CurrentLevel;
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
