// SPDX-License-Identifier: GPL-3.0-or-later
#include "edithistory.h"

#include "commands/levels/levellist.h"

#include <QSignalBlocker>
#include <QUndoCommand>

#include <memory>
#include <vector>

namespace vrh {

class EditHistory::Step : public QUndoCommand {
  public:
    Step(EditHistory& history, const QString& name, LevelsetDelta delta, std::int16_t levelBefore,
         std::int16_t levelAfter, TypingBox box, std::uint32_t run)
        : QUndoCommand(name), history_(history), delta_(std::move(delta)),
          levelBefore_(levelBefore), levelAfter_(levelAfter), box_(box), run_(run) {
        count();
    }
    ~Step() override { history_.bytes_ -= counted_; }
    Step(const Step&) = delete;
    Step& operator=(const Step&) = delete;

    // The same step for another stack, not yet pushed, its changes moved rather than copied:
    // this one is left holding nothing and is only fit to be destroyed.
    Step* handOver() {
        auto* step =
            new Step(history_, text(), std::move(delta_), levelBefore_, levelAfter_, box_, run_);
        step->setObsolete(isObsolete());
        return step;
    }
    std::size_t bytes() const { return counted_; }

    int id() const override { return static_cast<int>(box_); }

    // Only keystrokes of one run in one box on one level come here (same id).
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const Step*>(other);
        if (next->run_ != run_ || next->levelBefore_ != levelAfter_) {
            return false;
        }
        delta_.append(next->delta_);
        count();
        levelAfter_ = next->levelAfter_;
        // Typed back to where the run began: the step has nothing left to undo.
        setObsolete(delta_.empty());
        return true;
    }

    void undo() override { history_.move(delta_, false, levelBefore_); }

    void redo() override {
        // Pushing redoes a step, but its change has already been made.
        if (pushing_) {
            pushing_ = false;
            return;
        }
        history_.move(delta_, true, levelAfter_);
    }

  private:
    // The command with its name and the changed bytes' share of the heap; a small delta
    // lives inside the command.
    void count() {
        constexpr std::size_t kCommandBytes = 256;
        const std::size_t bytes = kCommandBytes + sizeof(*this) +
                                  std::size_t(delta_.size()) * sizeof(LevelsetDelta::ByteChange);
        history_.bytes_ += bytes - counted_;
        counted_ = bytes;
    }

    EditHistory& history_;
    std::size_t counted_ = 0;
    LevelsetDelta delta_;
    std::int16_t levelBefore_;
    std::int16_t levelAfter_;
    TypingBox box_;
    std::uint32_t run_;
    bool pushing_ = true;
};

EditHistory::EditHistory(Levelset& levelset, EditingState& state, HistoryView& view,
                         std::size_t maxBytes)
    : levelset_(levelset), state_(state), view_(view), maxBytes_(maxBytes) {}

EditHistory::~EditHistory() = default;

void EditHistory::beginStep(const QString& name, TypingBox box) {
    endStep();
    if (moving_) {
        return; // an undo or redo is showing its result; that is no step of its own
    }
    captureImage(levelset_, before_);
    open_ = OpenStep{name, box, state_.curLevel};
}

bool EditHistory::endStep() {
    if (!open_) {
        return false;
    }
    const OpenStep step = *std::move(open_);
    open_.reset();
    LevelsetDelta found = LevelsetDelta::between(before_, levelset_);
    // Made part of the set in the same step, so that undo takes both back.
    const bool taken =
        found.changesRecord(state_.curLevel) && takeShownLevelIntoSet(levelset_, state_);
    LevelsetDelta delta = taken ? LevelsetDelta::between(before_, levelset_) : std::move(found);
    if (delta.empty()) {
        return false;
    }
    if (step.box == TypingBox::None) {
        endTypingRun();
    }
    stack_.push(new Step(*this, step.name, std::move(delta), step.levelBefore, state_.curLevel,
                         step.box, typingRun_));
    if (bytes_ > maxBytes_) {
        dropOldestSteps();
    }
    return true;
}

// QUndoStack can only drop its oldest steps by a count set while it is empty, so the steps
// kept are handed over to new ones, the stack emptied and the new ones pushed as they were:
// after a push every step on it is done, and a pushed step's first redo changes nothing. Their
// changes move, so the history never holds more than its bound while it drops. Nothing that
// listens to the stack sees it: the levelset, the newest step and the saved state stay.
void EditHistory::dropOldestSteps() {
    const std::size_t keep = maxBytes_ - maxBytes_ / 4;
    int first = 0;
    for (std::size_t held = bytes_; first + 1 < stack_.count() && held > keep; ++first) {
        held -= static_cast<const Step*>(stack_.command(first))->bytes();
    }
    std::vector<std::unique_ptr<Step>> kept;
    for (int i = first; i < stack_.count(); ++i) {
        // The stack gives its steps out as const; they are this history's own.
        kept.emplace_back(
            const_cast<Step*>(static_cast<const Step*>(stack_.command(i)))->handOver());
    }
    const int saved = stack_.cleanIndex() - first; // below 0: the saved state went
    const QSignalBlocker quiet(&stack_);
    stack_.clear();
    stack_.resetClean();
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (saved == static_cast<int>(i)) {
            stack_.setClean();
        }
        stack_.push(kept[i].release());
    }
    if (saved == static_cast<int>(kept.size())) {
        stack_.setClean();
    }
}

const QString& EditHistory::openStepName() const {
    static const QString none;
    return open_ ? open_->name : none;
}

void EditHistory::undo() {
    moveAlong(&QUndoStack::undo);
}

void EditHistory::redo() {
    moveAlong(&QUndoStack::redo);
}

void EditHistory::moveAlong(void (QUndoStack::*move)()) {
    endStep();
    endTypingRun();
    moving_ = true;
    (stack_.*move)();
    moving_ = false;
}

void EditHistory::clear() {
    open_.reset();
    endTypingRun();
    stack_.clear();
}

void EditHistory::markSaved() {
    endStep();
    stack_.setClean();
}

void EditHistory::move(const LevelsetDelta& delta, bool forward, std::int16_t level) {
    if (forward) {
        delta.applyAfter(levelset_);
    } else {
        delta.applyBefore(levelset_);
    }
    const bool levelChanged = state_.curLevel != level;
    state_.curLevel = level;
    view_.showHistoryMove(levelChanged);
}

} // namespace vrh
