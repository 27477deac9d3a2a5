// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/modaldialogs.h"

#include <QDialog>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace vrh::testing {

// Answers the window's modal dialogs in the order scripted, without waiting: each answer sets
// the dialog up as the user would and closes it, or runs it itself. Records each dialog's
// object name; one that nobody scripted fails the test and is left rejected.
class ScriptedModalDialogs : public ModalDialogs {
  public:
    std::deque<std::function<void(QDialog&)>> answers;
    std::vector<QString> asked;

    void runModal(QDialog& dialog) override {
        asked.push_back(dialog.objectName());
        if (answers.empty()) {
            ADD_FAILURE() << "unscripted dialog: " << dialog.objectName().toStdString();
            return;
        }
        const std::function<void(QDialog&)> answer = std::move(answers.front());
        answers.pop_front();
        answer(dialog);
    }
};

// An answer for a dialog of one class; a dialog of another fails the test.
template <typename Dialog>
std::function<void(QDialog&)> answerDialog(std::function<void(Dialog&)> answer) {
    return [answer = std::move(answer)](QDialog& dialog) {
        auto* shown = dynamic_cast<Dialog*>(&dialog);
        if (shown == nullptr) {
            ADD_FAILURE() << "another dialog: " << dialog.objectName().toStdString();
            return;
        }
        answer(*shown);
    };
}

} // namespace vrh::testing
