#include "edithistory.h"

#include <QUndoCommand>

namespace vrh {

class EditHistory::Step : public QUndoCommand {
  public:
    Step(EditHistory& history, const QString& name, LevelsetDelta delta, std::int16_t levelBefore,
         std::int16_t levelAfter, TypingBox box, std::uint32_t run)
        : QUndoCommand(name), history_(history), delta_(std::move(delta)),
          levelBefore_(levelBefore), levelAfter_(levelAfter), box_(box), run_(run) {}

    int id() const override { return static_cast<int>(box_); }

    // Only keystrokes of one run in one box on one level come here (same id).
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const Step*>(other);
        if (next->run_ != run_ || next->levelBefore_ != levelAfter_) {
            return false;
        }
        delta_.append(next->delta_);
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
    EditHistory& history_;
    LevelsetDelta delta_;
    std::int16_t levelBefore_;
    std::int16_t levelAfter_;
    TypingBox box_;
    std::uint32_t run_;
    bool pushing_ = true;
};

EditHistory::EditHistory(Levelset& levelset, EditingState& state, HistoryView& view)
    : levelset_(levelset), state_(state), view_(view) {}

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
    LevelsetDelta delta = LevelsetDelta::between(before_, levelset_);
    if (delta.empty()) {
        return false;
    }
    if (step.box == TypingBox::None) {
        endTypingRun();
    }
    stack_.push(new Step(*this, step.name, std::move(delta), step.levelBefore, state_.curLevel,
                         step.box, typingRun_));
    return true;
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
