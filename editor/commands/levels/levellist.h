// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "levelset/editingstate.h"
#include "levelset/levelset.h"

namespace vrh {

// What a level list command changed, so the window redraws exactly that.
enum class LevelListChange {
    Nothing,      // refused at a limit: silent, nothing to redraw
    Label,        // numLevels changed: rewrite the level label only
    CurrentLevel, // curLevel changed: redraw the map, rewrite the label, move levelCursor
                  // to (0, 0), loadLevel
};

// The set grows and shrinks only at its end; records are never moved, copied or cleared.
// Whatever count a file brought, curLevel never leaves 0 to 7.
LevelListChange addLevel(Levelset& levelset, const EditingState& state);
LevelListChange removeLevel(Levelset& levelset, const EditingState& state);
LevelListChange previousLevel(const Levelset& levelset, EditingState& state);
LevelListChange nextLevel(const Levelset& levelset, EditingState& state);
// Putting levels in order. A level that leaves the set is kept right behind the last one, as
// Remove keeps it, so that Add brings it back; passcodes belong to positions and never move.
// Insert puts a new level's defaults at curLevel and Duplicate a copy of the current level
// after it, both made current (nothing at eight levels); Delete takes the current level out
// (nothing with one level), the one now at its place or the new last becomes current. The
// moves swap the current level with its neighbour, and it stays current.
LevelListChange insertLevel(Levelset& levelset, EditingState& state);
LevelListChange duplicateLevel(Levelset& levelset, EditingState& state);
LevelListChange deleteLevel(Levelset& levelset, EditingState& state);
LevelListChange moveLevelEarlier(Levelset& levelset, EditingState& state);
LevelListChange moveLevelLater(Levelset& levelset, EditingState& state);
// Moves the level at from to the position to, the levels between moving one place; the level
// that was current stays current wherever it went.
LevelListChange moveLevel(Levelset& levelset, EditingState& state, int from, int to);
// Makes the level at index current, if it is one of the set.
LevelListChange goToLevel(const Levelset& levelset, EditingState& state, int index);

// A set with no level still shows level 1. The first change to it makes it the set's first
// level, so that what is drawn there is saved. Gives whether it did.
bool takeShownLevelIntoSet(Levelset& levelset, const EditingState& state);

// Which of the commands would change something: the menu and the toolbar grey the others.
// Insert goes with Add. Duplicate, Delete and the moves need the current level to be one of
// the set's, as it is but in a set with no level.
struct LevelListLimits {
    bool add;
    bool remove;
    bool previous;
    bool next;
    bool duplicate;
    bool deleteLevel;
    bool moveEarlier;
    bool moveLater;
};
LevelListLimits possibleLevelListCommands(const Levelset& levelset, const EditingState& state);

} // namespace vrh
