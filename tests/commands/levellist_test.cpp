#include "commands/levellist.h"

#include <gtest/gtest.h>

namespace vrh {
namespace {

using Change = LevelListChange;

enum class Command { Add, Remove, Previous, Next };

LevelListChange run(Command command, Levelset& levelset, EditingState& state) {
    switch (command) {
    case Command::Add:
        return addLevel(levelset, state);
    case Command::Remove:
        return removeLevel(levelset, state);
    case Command::Previous:
        return previousLevel(levelset, state);
    case Command::Next:
        return nextLevel(levelset, state);
    }
    return Change::Nothing;
}

TEST(LevelList, EachCommandAtAndAwayFromItsLimits) {
    struct Case {
        const char* what;
        int numLevels;
        int curLevel;
        Command command;
        Change change;
        int numLevelsAfter;
        int curLevelAfter;
    };
    const Case cases[] = {
        {"add to one", 1, 0, Command::Add, Change::Label, 2, 0},
        {"add keeps the shown level", 2, 0, Command::Add, Change::Label, 3, 0},
        {"add at eight", 8, 3, Command::Add, Change::Nothing, 8, 3},
        {"add to none", 0, 0, Command::Add, Change::Label, 1, 0},
        {"remove the only level", 1, 0, Command::Remove, Change::Nothing, 1, 0},
        {"remove while the last is shown", 3, 2, Command::Remove, Change::Nothing, 3, 2},
        {"remove the last, another shown", 3, 1, Command::Remove, Change::Label, 2, 1},
        {"remove from eight", 8, 0, Command::Remove, Change::Label, 7, 0},
        {"remove from none", 0, 0, Command::Remove, Change::Nothing, 0, 0},
        {"previous on the first", 3, 0, Command::Previous, Change::Nothing, 3, 0},
        {"previous", 3, 2, Command::Previous, Change::CurrentLevel, 3, 1},
        {"previous with none", 0, 0, Command::Previous, Change::Nothing, 0, 0},
        {"next", 2, 0, Command::Next, Change::CurrentLevel, 2, 1},
        {"next on the last", 2, 1, Command::Next, Change::Nothing, 2, 1},
        {"next on the only", 1, 0, Command::Next, Change::Nothing, 1, 0},
        {"next with none", 0, 0, Command::Next, Change::Nothing, 0, 0},
        {"next to the eighth", 8, 6, Command::Next, Change::CurrentLevel, 8, 7},
        {"next on the eighth", 8, 7, Command::Next, Change::Nothing, 8, 7},
        // A count above 8 only comes from a file; the shown level stays within the records.
        {"next past eight records", 200, 7, Command::Next, Change::Nothing, 200, 7},
        {"add above eight", 200, 0, Command::Add, Change::Nothing, 200, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Levelset levelset;
        levelset.numLevels = static_cast<std::uint8_t>(c.numLevels);
        EditingState state;
        state.curLevel = static_cast<std::int16_t>(c.curLevel);
        EXPECT_EQ(run(c.command, levelset, state), c.change);
        EXPECT_EQ(levelset.numLevels, c.numLevelsAfter);
        EXPECT_EQ(state.curLevel, c.curLevelAfter);
    }
}

TEST(LevelList, ARemovedLevelComesBackUnchangedByAdd) {
    Levelset levelset;
    resetLevelset(levelset);
    EditingState state;
    addLevel(levelset, state);
    LevelRecord& second = levelset.levels[1];
    second.width = 20;
    second.time = 5;
    second.startX = 9;
    second.tiles[4][17] = 168;
    const LevelRecord before = second;

    ASSERT_EQ(removeLevel(levelset, state), Change::Label);
    ASSERT_EQ(levelset.numLevels, 1);
    ASSERT_EQ(addLevel(levelset, state), Change::Label);

    EXPECT_EQ(levelset.levels[1].headerBytes(), before.headerBytes());
    EXPECT_EQ(levelset.levels[1].tiles, before.tiles);
}

} // namespace
} // namespace vrh
