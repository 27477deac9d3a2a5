// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/levels/levellist.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>

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

namespace vrh {
namespace {

// Records are told apart by their time: record i of the fresh set holds time 'A' + i, so the
// order of the eight reads as a word; lower case marks those behind the last level of the set.
// A fresh level reads "?" (time 99). Passcodes belong to positions and never move.
std::string order(const Levelset& levelset) {
    std::string word;
    for (int i = 0; i < kMaxLevels; ++i) {
        const int time = levelset.levels[i].time;
        const char tag = time == 99 ? '?' : static_cast<char>(time);
        word += i < levelset.numLevels ? tag : static_cast<char>(std::tolower(tag));
    }
    return word;
}

TEST(LevelList, InsertDuplicateDeleteAndMoveKeepEveryRecordAndThePasscodes) {
    using Rule = std::function<LevelListChange(Levelset&, EditingState&)>;
    struct Case {
        const char* what;
        int numLevels;
        int curLevel;
        Rule rule;
        const char* after; // the records' order
        int curLevelAfter;
    };
    const Rule insert = insertLevel, duplicate = duplicateLevel, remove = deleteLevel,
               earlier = moveLevelEarlier, later = moveLevelLater;
    const auto dragFromTo = [](int from, int to) {
        return [from, to](Levelset& l, EditingState& s) { return moveLevel(l, s, from, to); };
    };
    const auto go = [](int index) {
        return [index](Levelset& l, EditingState& s) { return goToLevel(l, s, index); };
    };
    const Case cases[] = {
        {"insert at the current level", 3, 1, insert, "A?BCdefg", 1},
        {"insert before the first", 1, 0, insert, "?Abcdefg", 0},
        {"insert at seven: the eighth record makes way", 7, 6, insert, "ABCDEF?G", 6},
        {"insert at eight", 8, 2, insert, "ABCDEFGH", 2},
        {"duplicate", 3, 1, duplicate, "ABBCdefg", 2},
        {"duplicate the last", 2, 1, duplicate, "ABBcdefg", 2},
        {"duplicate at eight", 8, 0, duplicate, "ABCDEFGH", 0},
        {"duplicate with none", 0, 0, duplicate, "abcdefgh", 0},
        {"delete keeps the record behind the last level", 4, 1, remove, "ACDbefgh", 1},
        {"delete the last", 3, 2, remove, "ABcdefgh", 1},
        {"delete the only level", 1, 0, remove, "Abcdefgh", 0},
        {"earlier", 3, 2, earlier, "ACBdefgh", 1},
        {"earlier on the first", 3, 0, earlier, "ABCdefgh", 0},
        {"later", 3, 0, later, "BACdefgh", 1},
        {"later on the last", 3, 2, later, "ABCdefgh", 2},
        {"drag the current level later", 5, 1, dragFromTo(1, 3), "ACDBEfgh", 3},
        {"drag another level before the current one", 5, 2, dragFromTo(4, 0), "EABCDfgh", 3},
        {"drag past the last level", 3, 0, dragFromTo(0, 3), "ABCdefgh", 0},
        {"go to", 4, 0, go(3), "ABCDefgh", 3},
        {"go to a level beyond the set", 4, 0, go(4), "ABCDefgh", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Levelset levelset;
        resetLevelset(levelset);
        for (int i = 0; i < kMaxLevels; ++i) {
            levelset.levels[i].time = static_cast<std::uint8_t>('A' + i);
        }
        for (int i = 0; i < kPasscodeCount; ++i) {
            levelset.passcodes[i].assign(QByteArray(1, char('1' + i)));
        }
        const auto passcodes = levelset.passcodes;
        levelset.numLevels = static_cast<std::uint8_t>(c.numLevels);
        EditingState state;
        state.curLevel = static_cast<std::int16_t>(c.curLevel);

        const std::string before = order(levelset);
        const LevelListChange change = c.rule(levelset, state);
        EXPECT_EQ(order(levelset), c.after);
        EXPECT_EQ(state.curLevel, c.curLevelAfter);
        // A command that changes nothing says so: the window then redraws nothing.
        EXPECT_EQ(change == LevelListChange::Nothing,
                  order(levelset) == before && state.curLevel == c.curLevel);
        EXPECT_EQ(levelset.passcodes, passcodes);
    }
    // A duplicate holds its record's every byte, the cells beyond its edge too.
    Levelset levelset;
    resetLevelset(levelset);
    levelset.levels[0].tiles[31][31] = 200;
    levelset.levels[0].startX = 5;
    EditingState state;
    duplicateLevel(levelset, state);
    EXPECT_EQ(levelset.levels[1].tiles, levelset.levels[0].tiles);
    EXPECT_EQ(levelset.levels[1].headerBytes(), levelset.levels[0].headerBytes());
}

} // namespace
} // namespace vrh
