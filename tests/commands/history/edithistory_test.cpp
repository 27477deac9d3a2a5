// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/history/edithistory.h"

#include "commands/levels/levellist.h"
#include "commands/levels/levelrules.h"
#include "commands/levels/mapediting.h"
#include "commands/levels/panelrules.h"
#include "levelset/levelsetfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <vector>

namespace vrh {
namespace {

class RecordingView : public HistoryView {
  public:
    std::vector<bool> moves; // levelChanged of each undo or redo shown
    void showHistoryMove(bool levelChanged) override { moves.push_back(levelChanged); }
};

// Eight levels that use every byte a file can carry and the window doesn't show: cells
// beyond each level's edge, a sixth passcode character in lower case, both reserved bytes and
// a level type of 5.
Levelset richLevelset() {
    Levelset levelset;
    resetLevelset(levelset);
    levelset.numLevels = 8;
    levelset.reserved1 = 0xA5;
    levelset.reserved2 = 0x5A;
    std::mt19937 random(7);
    for (int index = 0; index < kMaxLevels; ++index) {
        LevelRecord& level = levelset.levels[index];
        level.width = static_cast<std::uint8_t>(12 + index);
        level.height = static_cast<std::uint8_t>(8 + index);
        for (auto& row : level.tiles) {
            for (std::uint8_t& cell : row) {
                cell = static_cast<std::uint8_t>(random() % 4); // floors 0 and 1 among others
            }
        }
    }
    levelset.levels[3].levelType = 5;
    levelset.levels[2].levelType = 1;
    for (int index = 0; index < kPasscodeCount; ++index) {
        levelset.passcodes[index].assign(QByteArray("PASS") + char('0' + index) + 'x');
    }
    return levelset;
}

// The whole levelset, every byte, as the file holds it plus the cells beyond the edges.
struct Bytes {
    LevelsetImage image;
    QString fileName;
    friend bool operator==(const Bytes&, const Bytes&) = default;
};

Bytes bytesOf(const Levelset& levelset) {
    Bytes bytes{};
    captureImage(levelset, bytes.image);
    bytes.fileName = levelset.fileName;
    return bytes;
}

struct Editor {
    Levelset levelset = richLevelset();
    EditingState state;
    RecordingView view;
    EditHistory history{levelset, state, view};

    LevelRecord& current() { return levelset.levels[state.curLevel]; }
};

// One thing a user does, as the window's handler does it.
struct Action {
    const char* step; // the name its step gets
    std::function<void(Editor&)> run;
};

void stroke(Editor& e, const QString& name, std::initializer_list<std::array<int, 3>> cells) {
    for (const auto& [x, y, code] : cells) {
        if (!e.history.stepOpen()) {
            e.history.beginStep(name);
        }
        e.current().tiles[y][x] = static_cast<std::uint8_t>(code);
    }
    e.history.endStep();
}

void popupPosition(Editor& e, const QString& name, LevelPosition which, int x, int y) {
    e.state.popupX = static_cast<std::int16_t>(x);
    e.state.popupY = static_cast<std::int16_t>(y);
    e.history.record(name, [&] { setPositionFromPopup(e.current(), e.state, which); });
}

void popupType(Editor& e, const QString& name, BlockType which, int tile) {
    e.state.popupTile = tile;
    e.history.record(name, [&] { setTypeFromPopup(e.current(), e.state, which); });
}

void setField(Editor& e, const QString& name, std::uint8_t LevelRecord::*field, int value,
              TypingBox box = TypingBox::None) {
    e.history.record(
        name, [&] { e.current().*field = static_cast<std::uint8_t>(value); }, box);
}

const std::vector<Action>& actions() {
    using namespace stepname;
    static const std::vector<Action> table = {
        {"Paint",
         [](Editor& e) {
             stroke(e, Paint, {{0, 0, 89}, {1, 0, 90}, {0, 0, 91}, {2, 1, 89}});
         }},
        {"Random Tiles",
         [](Editor& e) {
             stroke(e, RandomTiles, {{3, 3, 10}, {4, 3, 13}});
         }},
        {"Start Position",
         [](Editor& e) { popupPosition(e, StartPosition, LevelPosition::Start, 5, 6); }},
        {"Finish Position",
         [](Editor& e) { popupPosition(e, FinishPosition, LevelPosition::Finish, 9, 2); }},
        {"Block to Put Position",
         [](Editor& e) { popupPosition(e, PutPosition, LevelPosition::Put, 7, 7); }},
        {"Block to Take Position",
         [](Editor& e) { popupPosition(e, TakePosition, LevelPosition::Take, 4, 1); }},
        {"Block to Put Type", [](Editor& e) { popupType(e, PutType, BlockType::Put, 170); }},
        {"Block to Take Type", [](Editor& e) { popupType(e, TakeType, BlockType::Take, 54); }},
        {"Level Type", [](Editor& e) { setField(e, LevelType, &LevelRecord::levelType, 0); }},
        {"Alien Type", [](Editor& e) { setField(e, AlienType, &LevelRecord::alienType, 4); }},
        {"Passcode",
         [](Editor& e) {
             e.history.record(
                 stepname::Passcode, [&] { storePasscode(e.levelset, e.state.curLevel, "ab"); },
                 TypingBox::Passcode);
         }},
        {"Objectives",
         [](Editor& e) {
             setField(e, Objectives, &LevelRecord::objectives, 12, TypingBox::Objectives);
         }},
        {"Time", [](Editor& e) { setField(e, Time, &LevelRecord::time, 120, TypingBox::Time); }},
        {"Decrease Width",
         [](Editor& e) { e.history.record(DecreaseWidth, [&] { decreaseWidth(e.current()); }); }},
        {"Increase Width",
         [](Editor& e) { e.history.record(IncreaseWidth, [&] { increaseWidth(e.current()); }); }},
        {"Decrease Height",
         [](Editor& e) { e.history.record(DecreaseHeight, [&] { decreaseHeight(e.current()); }); }},
        {"Increase Height",
         [](Editor& e) { e.history.record(IncreaseHeight, [&] { increaseHeight(e.current()); }); }},
        {"Add Level",
         [](Editor& e) { e.history.record(AddLevel, [&] { addLevel(e.levelset, e.state); }); }},
        {"Remove Level",
         [](Editor& e) {
             e.history.record(RemoveLevel, [&] { removeLevel(e.levelset, e.state); });
         }},
        {"Set Floor",
         [](Editor& e) { e.history.record(SetFloor, [&] { setFloor(e.current()); }); }},
    };
    return table;
}

const Action& action(const char* step) {
    for (const Action& a : actions()) {
        if (QLatin1String(a.step) == QLatin1String(step)) {
            return a;
        }
    }
    throw std::logic_error(step);
}

// Each step made on a level whose bytes undoing must bring back in full: what each command does
// to them is tested with the command's own rules.
TEST(EditHistory, EachKindOfStepUndoesAndRedoesEveryByte) {
    struct Case {
        const char* step;
        int curLevel;
        int numLevels = 8;
        int numLevelsAfter = -1; // where the step changes the count
    };
    const Case cases[] = {
        {"Paint", 1},
        {"Random Tiles", 0},
        {"Start Position", 2},
        {"Finish Position", 0},
        {"Block to Put Position", 0},
        {"Block to Take Position", 7},
        {"Block to Put Type", 0},
        {"Block to Take Type", 0},
        {"Level Type", 3}, // a level type of 5, as a file may hold it
        {"Alien Type", 0},
        {"Passcode", 4}, // typed over a passcode with a sixth character in lower case
        {"Objectives", 0},
        {"Time", 0},
        {"Decrease Width", 5}, // the cells cut off keep their codes
        {"Increase Width", 0},
        {"Decrease Height", 6},
        {"Increase Height", 0},
        {"Add Level", 0, 5},
        {"Remove Level", 2}, // the removed level's record is kept beyond the last
        {"Set Floor", 2},    // a hatchery level: every 0 becomes 1, beyond its edge too
        // In a set with no level the shown level becomes its first, in the same step.
        {"Paint", 0, 0, 1},
        {"Time", 0, 0, 1},
        {"Add Level", 0, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        Editor e;
        e.levelset.numLevels = static_cast<std::uint8_t>(c.numLevels);
        e.state.curLevel = static_cast<std::int16_t>(c.curLevel);
        const Bytes before = bytesOf(e.levelset);
        action(c.step).run(e);
        const Bytes after = bytesOf(e.levelset);
        ASSERT_NE(after, before);
        if (c.numLevelsAfter >= 0) {
            EXPECT_EQ(e.levelset.numLevels, c.numLevelsAfter);
        }

        ASSERT_EQ(e.history.stack().count(), 1);
        EXPECT_EQ(e.history.stack().undoText(), QString::fromLatin1(c.step));
        e.history.undo();
        EXPECT_EQ(bytesOf(e.levelset), before);
        EXPECT_EQ(e.history.stack().redoText(), QString::fromLatin1(c.step));
        e.history.redo();
        EXPECT_EQ(bytesOf(e.levelset), after);
        EXPECT_EQ(e.view.moves, (std::vector<bool>{false, false}));
    }
}

// Every command whose change is none makes no step the same way, whether it is recorded whole
// or stroke by stroke.
TEST(EditHistory, ACommandThatChangesNothingMakesNoStep) {
    struct Case {
        const char* what;
        std::function<void(Editor&)> prepare;
        const char* step;
    };
    const Case cases[] = {
        {"Decrease Width at the smallest width", [](Editor& e) { e.current().width = 12; },
         "Decrease Width"},
        {"a stroke that paints what was there",
         [](Editor& e) {
             e.current().tiles[0][0] = 91;
             e.current().tiles[0][1] = 90;
             e.current().tiles[1][2] = 89;
         },
         "Paint"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Editor e;
        c.prepare(e);
        const Bytes before = bytesOf(e.levelset);
        action(c.step).run(e);
        EXPECT_EQ(bytesOf(e.levelset), before);
        EXPECT_EQ(e.history.stack().count(), 0);
        EXPECT_FALSE(e.history.stack().canUndo());
    }
}

TEST(EditHistory, UndoShowsTheLevelCurrentBeforeTheStepAndRedoTheOneAfter) {
    Editor e;
    e.state.curLevel = 5;
    action("Set Floor").run(e);
    e.state.curLevel = 1; // stepping to another level is no step
    EXPECT_EQ(e.history.stack().count(), 1);

    e.history.undo();
    EXPECT_EQ(e.state.curLevel, 5);
    e.state.curLevel = 2;
    e.history.redo();
    EXPECT_EQ(e.state.curLevel, 5);
    e.history.undo();
    EXPECT_EQ(e.state.curLevel, 5);
    EXPECT_EQ(e.view.moves, (std::vector<bool>{true, true, false}));
}

TEST(EditHistory, KeystrokesInOneBoxMakeOneStepUntilTheRunEnds) {
    using Keys = std::vector<std::pair<TypingBox, int>>; // a box and the value stored; 0 ends
    struct Case {
        const char* what;
        Keys keys;
        int steps;
        int timeAfterOneUndo;
    };
    const TypingBox time = TypingBox::Time;
    const TypingBox objectives = TypingBox::Objectives;
    const TypingBox end = TypingBox::None;
    const Case cases[] = {
        {"typing 120", {{time, 1}, {time, 12}, {time, 120}}, 1, 99},
        {"the focus left between", {{time, 1}, {time, 12}, {end, 0}, {time, 120}}, 2, 12},
        {"another box between", {{time, 1}, {objectives, 7}, {time, 12}}, 3, 1},
        {"typed back to where it began", {{time, 9}, {time, 99}}, 0, 99},
        {"typed back, then on", {{time, 9}, {time, 99}, {time, 98}}, 1, 99},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Editor e;
        for (const auto& [box, value] : c.keys) {
            if (box == end) {
                e.history.endTypingRun();
            } else if (box == time) {
                setField(e, stepname::Time, &LevelRecord::time, value, box);
            } else {
                setField(e, stepname::Objectives, &LevelRecord::objectives, value, box);
            }
        }
        EXPECT_EQ(e.history.stack().count(), c.steps);
        e.history.undo();
        EXPECT_EQ(e.levelset.levels[0].time, c.timeAfterOneUndo);
    }
}

TEST(EditHistory, TypingAfterAnUndoOrAnotherStepBeginsANewStep) {
    Editor e;
    setField(e, stepname::Time, &LevelRecord::time, 5, TypingBox::Time);
    e.history.undo();
    setField(e, stepname::Time, &LevelRecord::time, 6, TypingBox::Time);
    e.history.undo();
    EXPECT_EQ(e.levelset.levels[0].time, 99);

    setField(e, stepname::Time, &LevelRecord::time, 7, TypingBox::Time);
    action("Set Floor").run(e);
    e.history.undo();
    setField(e, stepname::Time, &LevelRecord::time, 8, TypingBox::Time);
    EXPECT_EQ(e.history.stack().count(), 2);
    e.history.undo();
    EXPECT_EQ(e.levelset.levels[0].time, 7);
}

TEST(EditHistory, AnOpenStrokeEndsBeforeAnyOtherStepUndoOrSave) {
    Editor e;
    e.history.beginStep(stepname::Paint);
    e.current().tiles[0][0] = 200;
    action("Increase Width").run(e);
    EXPECT_EQ(e.history.stack().count(), 2);
    EXPECT_EQ(e.history.stack().text(0), stepname::Paint);

    e.history.beginStep(stepname::Paint);
    e.current().tiles[0][1] = 201;
    e.history.undo(); // takes back the stroke just painted
    EXPECT_EQ(e.current().tiles[0][1], richLevelset().levels[0].tiles[0][1]);
    EXPECT_EQ(e.current().tiles[0][0], 200);

    e.history.beginStep(stepname::Paint);
    e.current().tiles[0][2] = 202;
    e.history.markSaved();
    EXPECT_TRUE(e.history.stack().isClean());
    EXPECT_EQ(e.history.stack().undoText(), stepname::Paint);
}

TEST(EditHistory, ClearLeavesNothingToUndoOrRedo) {
    Editor e;
    action("Set Floor").run(e);
    action("Add Level").run(e);
    e.history.undo();
    e.history.clear();
    EXPECT_FALSE(e.history.stack().canUndo());
    EXPECT_FALSE(e.history.stack().canRedo());
    e.history.undo();
    e.history.redo();
    EXPECT_EQ(e.view.moves.size(), 1u); // only the undo before the clear
}

// A few hundred steps of every kind on all eight levels: undoing them one by one passes back
// through every state in turn to the first, and redoing them through every state to the last.
TEST(EditHistory, AnyMixOfStepsUndoesAndRedoesThroughEveryState) {
    Editor e;
    std::mt19937 random(20261208);
    std::vector<Bytes> states{bytesOf(e.levelset)};
    std::vector<std::int16_t> levels{e.state.curLevel};
    for (int n = 0; states.size() <= 350 && n < 5000; ++n) {
        e.state.curLevel = static_cast<std::int16_t>(random() % e.levelset.numLevels);
        const Action& a = actions()[random() % actions().size()];
        if (QLatin1String(a.step) == QLatin1String("Paint")) {
            const int x = static_cast<int>(random() % 32);
            const int y = static_cast<int>(random() % 32);
            stroke(e, stepname::Paint,
                   {{x, y, static_cast<int>(random() % 256)}, {y, x, static_cast<int>(n % 256)}});
        } else {
            a.run(e);
        }
        e.history.endTypingRun();
        if (e.history.stack().count() == static_cast<int>(states.size())) {
            states.push_back(bytesOf(e.levelset));
            levels.push_back(e.state.curLevel);
        }
    }
    ASSERT_GT(states.size(), 350u);
    for (auto i = static_cast<int>(states.size()) - 1; i > 0; --i) {
        e.history.undo();
        ASSERT_EQ(bytesOf(e.levelset), states[i - 1]) << i;
    }
    EXPECT_FALSE(e.history.stack().canUndo());
    for (std::size_t i = 1; i < states.size(); ++i) {
        e.history.redo();
        ASSERT_EQ(bytesOf(e.levelset), states[i]) << i;
        ASSERT_EQ(e.state.curLevel, levels[i]) << i;
    }
    EXPECT_FALSE(e.history.stack().canRedo());
}

// Past its bound the history drops its oldest steps: what stays undoes through every state
// back to the oldest kept, and a save point among them is still found; one among the dropped
// is never reached again.
TEST(EditHistory, PastItsBoundTheOldestStepsGo) {
    for (const int savedAt : {5, 190}) {
        SCOPED_TRACE(savedAt);
        Levelset levelset = richLevelset();
        EditingState state;
        RecordingView view;
        EditHistory history(levelset, state, view, 400 * 1024);
        std::vector<Bytes> states{bytesOf(levelset)};
        for (int n = 1; n <= 200; ++n) {
            // Every cell of level 1 changes: about 4.4 KB a step.
            history.record(stepname::SetFloor, [&] {
                for (auto& row : levelset.levels[0].tiles) {
                    std::fill(std::begin(row), std::end(row), std::uint8_t(n));
                }
            });
            if (n == savedAt) {
                history.markSaved();
            }
            states.push_back(bytesOf(levelset));
        }
        const int kept = history.stack().count();
        EXPECT_LT(kept, 100);
        EXPECT_GT(kept, 60);
        EXPECT_EQ(history.stack().undoText(), stepname::SetFloor);
        for (int i = 200; i > 200 - kept; --i) {
            EXPECT_EQ(history.stack().isClean(), i == savedAt) << i;
            history.undo();
            ASSERT_EQ(bytesOf(levelset), states[i - 1]) << i;
        }
        EXPECT_FALSE(history.stack().canUndo());
        EXPECT_EQ(history.stack().isClean(), 200 - kept == savedAt);
    }
}

} // namespace
} // namespace vrh
