// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace vrh {

// The modal parts of the window system, behind small interfaces so that the commands can be
// driven by scripted answers in tests. Texts are handed over exactly as the program words
// them; lines are joined by a single carriage return.

// YesNoDefaultNo asks the same with No as the answer Enter gives: for a question whose Yes
// throws work away and that may come up while the user is typing.
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo, YesNoCancel };
enum class MessageIcon { None, Information, Exclamation, Critical };
enum class MessageAnswer { Ok, Yes, No, Cancel };

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer showMessage(const QString& text, const QString& title,
                                      MessageButtons buttons, MessageIcon icon) = 0;
};

// What a file dialog is set up with before it is shown.
struct FileDialogSetup {
    QString title;
    QString filter;
    QString initialFolder;
    QString lastName; // the name chosen last time, offered again
    // A save dialog asks before a chosen file that exists is replaced. Save As asks in its
    // own words and leaves it off.
    bool confirmReplace = false;

    friend bool operator==(const FileDialogSetup&, const FileDialogSetup&) = default;
};

// Each returns the chosen path, or nothing when the user cancelled.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    virtual std::optional<QString> openFileName(const FileDialogSetup& setup) = 0;
    virtual std::optional<QString> saveFileName(const FileDialogSetup& setup) = 0;
};

} // namespace vrh
