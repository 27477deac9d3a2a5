// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/userinterface.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <utility>
#include <vector>

namespace vrh::testing {

struct AskedMessage {
    QString text;
    QString title;
    MessageButtons buttons;
    MessageIcon icon;
};

// Answers message boxes in the order scripted and records exactly what was asked. A box that
// nobody scripted fails the test and is answered with Cancel.
class ScriptedMessageBoxes : public MessageBoxes {
  public:
    std::deque<MessageAnswer> answers;
    std::vector<AskedMessage> asked;
    // Runs once, while the next box is open and before it is answered.
    std::function<void()> whileOpen;

    MessageAnswer showMessage(const QString& text, const QString& title, MessageButtons buttons,
                              MessageIcon icon) override {
        asked.push_back({text, title, buttons, icon});
        if (whileOpen) {
            std::exchange(whileOpen, nullptr)();
        }
        if (answers.empty()) {
            ADD_FAILURE() << "unscripted message box: " << text.toStdString();
            return MessageAnswer::Cancel;
        }
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

struct AskedDialog {
    enum class Kind { Open, Save } kind;
    FileDialogSetup setup;
};

// Answers file dialogs in order: a path, or nothing for Cancel.
class ScriptedFileDialogs : public FileDialogs {
  public:
    std::deque<std::optional<QString>> answers;
    std::vector<AskedDialog> asked;

    std::optional<QString> openFileName(const FileDialogSetup& setup) override {
        return answer(AskedDialog::Kind::Open, setup);
    }
    std::optional<QString> saveFileName(const FileDialogSetup& setup) override {
        return answer(AskedDialog::Kind::Save, setup);
    }

  private:
    std::optional<QString> answer(AskedDialog::Kind kind, const FileDialogSetup& setup) {
        asked.push_back({kind, setup});
        if (answers.empty()) {
            ADD_FAILURE() << "unscripted file dialog: " << setup.title.toStdString();
            return std::nullopt;
        }
        // No copy of the optional itself: GCC 12 takes an empty one for uninitialised at -O3.
        const bool chose = answers.front().has_value();
        const QString path = answers.front().value_or(QString());
        answers.pop_front();
        return chose ? std::optional(path) : std::nullopt;
    }
};

} // namespace vrh::testing
