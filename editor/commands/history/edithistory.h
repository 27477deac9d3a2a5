// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/history/levelsetdelta.h"
#include "levelset/editingstate.h"
#include "levelset/levelset.h"

#include <QString>
#include <QUndoStack>
#include <optional>

namespace vrh {

// The steps' names, as the Edit menu shows them after "Undo" and "Redo".
namespace stepname {
inline const QString Paint = QStringLiteral("Paint");
inline const QString RandomTiles = QStringLiteral("Random Tiles");
inline const QString StartPosition = QStringLiteral("Start Position");
inline const QString FinishPosition = QStringLiteral("Finish Position");
inline const QString PutPosition = QStringLiteral("Block to Put Position");
inline const QString TakePosition = QStringLiteral("Block to Take Position");
inline const QString PutType = QStringLiteral("Block to Put Type");
inline const QString TakeType = QStringLiteral("Block to Take Type");
inline const QString LevelType = QStringLiteral("Level Type");
inline const QString AlienType = QStringLiteral("Alien Type");
inline const QString Passcode = QStringLiteral("Passcode");
inline const QString Objectives = QStringLiteral("Objectives");
inline const QString Time = QStringLiteral("Time");
inline const QString DecreaseWidth = QStringLiteral("Decrease Width");
inline const QString IncreaseWidth = QStringLiteral("Increase Width");
inline const QString DecreaseHeight = QStringLiteral("Decrease Height");
inline const QString IncreaseHeight = QStringLiteral("Increase Height");
inline const QString AddLevel = QStringLiteral("Add Level");
inline const QString RemoveLevel = QStringLiteral("Remove Level");
inline const QString SetFloor = QStringLiteral("Set Floor");
inline const QString Cut = QStringLiteral("Cut");
inline const QString Paste = QStringLiteral("Paste");
inline const QString Delete = QStringLiteral("Delete");
inline const QString FillSelection = QStringLiteral("Fill Selection");
inline const QString Fill = QStringLiteral("Fill");
inline const QString Replace = QStringLiteral("Replace");
inline const QString LevelSize = QStringLiteral("Level Size");
inline const QString InsertLevel = QStringLiteral("Insert a Level");
inline const QString DuplicateLevel = QStringLiteral("Duplicate Level");
inline const QString DeleteLevel = QStringLiteral("Delete This Level");
inline const QString MoveLevelEarlier = QStringLiteral("Move Level Earlier");
inline const QString MoveLevelLater = QStringLiteral("Move Level Later");
} // namespace stepname

// Keystrokes that follow each other in one of these boxes make one step.
enum class TypingBox { None = -1, Passcode = 1, Objectives, Time };

// What the history asks of the window after an undo or a redo changed the levelset.
class HistoryView {
  public:
    virtual ~HistoryView() = default;
    // Show curLevel as it now is; levelChanged when the move made another level current.
    virtual void showHistoryMove(bool levelChanged) = 0;
};

// What the history may hold before its oldest steps go: far more than a day's work takes
// (a step of a whole level keeps about 4.4 KB, one of a painted cell a few hundred bytes).
inline constexpr std::size_t kHistoryBytes = 64 * 1024 * 1024;

// Every change to the levelset is a step on one undo stack. A step keeps the bytes its change
// changed, before and after, and the level that was current before and after it; undoing it
// makes the level before current again, redoing it the level after. When the steps hold more
// than maxBytes, the oldest go, a quarter of the bound at a time.
class EditHistory {
  public:
    EditHistory(Levelset& levelset, EditingState& state, HistoryView& view,
                std::size_t maxBytes = kHistoryBytes);
    ~EditHistory();
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    QUndoStack& stack() { return stack_; }

    // One step: whatever change changes in the levelset. A change that changes nothing makes
    // no step. Gives whether a step was made.
    template <typename Change>
    bool record(const QString& name, Change&& change, TypingBox box = TypingBox::None) {
        beginStep(name, box);
        change();
        return endStep();
    }

    // A step whose changes come over time, a stroke of the mouse: open until endStep. Another
    // step, an undo, a redo, clear or markSaved ends it first.
    void beginStep(const QString& name, TypingBox box = TypingBox::None);
    bool endStep();
    bool stepOpen() const { return open_.has_value(); }
    const QString& openStepName() const;

    // The keystrokes after this make a new step: the focus left the box, or the level changed.
    void endTypingRun() { ++typingRun_; }

    void undo();
    void redo();
    // A new levelset (New, Open): nothing to undo or redo.
    void clear();
    // The levelset now holds what its file holds.
    void markSaved();

  private:
    class Step;
    struct OpenStep {
        QString name;
        TypingBox box;
        std::int16_t levelBefore;
    };

    // An undo or redo of the stack, which records nothing of its own.
    void moveAlong(void (QUndoStack::*move)());
    // Puts one side of a step back and shows it; called by the step's undo and redo.
    void move(const LevelsetDelta& delta, bool forward, std::int16_t level);
    void dropOldestSteps();

    Levelset& levelset_;
    EditingState& state_;
    HistoryView& view_;
    const std::size_t maxBytes_;
    std::size_t bytes_ = 0; // what the steps on the stack hold, as they count it themselves
    QUndoStack stack_;
    LevelsetImage before_{}; // the levelset as the open step found it
    std::optional<OpenStep> open_;
    std::uint32_t typingRun_ = 0;
    bool moving_ = false;
};

} // namespace vrh
