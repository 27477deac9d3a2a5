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
// Which of the four would change something: the menu and the toolbar grey the others.
struct LevelListLimits {
    bool add;
    bool remove;
    bool previous;
    bool next;
};
LevelListLimits possibleLevelListCommands(const Levelset& levelset, const EditingState& state);

} // namespace vrh
