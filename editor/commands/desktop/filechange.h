// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/userinterface.h"
#include "levelset/levelset.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace vrh {

class FileCommands;

inline const QString kFileChangedTitle = QStringLiteral("File Changed");

// The texts name the file without its folders: "zvrhlabc.vrh was changed by ...".
QString fileChangedMessage(const QString& path);
QString fileGoneMessage(const QString& path);

// What reading the file's bytes again would change in the levelset in the editor, as --diff
// words it (a few cells a line), the first kShownChanges lines and then "and N more". Empty
// when the bytes don't read as a levelset, or hold it as it is.
inline constexpr int kShownChanges = 10;
inline constexpr int kShownCellsPerChange = 3;
QStringList changesOnDisk(const Levelset& levelset, QByteArrayView onDisk);

// The question of the "File Changed" box, then those changes after a blank line.
QString fileChangedMessage(const QString& path, const QStringList& changes);

// What a look at the open file found since the last look.
enum class FileChange { None, Changed, Gone };

// The file the open levelset was read from or last saved to, as the editor knows it. The
// editor's own save replaces the file just as another program's rename over it does, so the
// two are told apart by the bytes alone.
class KnownFile {
  public:
    // The editor read or wrote bytes at path.
    void remember(const QString& path, const QByteArray& bytes);
    // The editor took path as it now stands, without reading it (a recovered levelset).
    void rememberAsFound(const QString& path);
    // The levelset has no file any more (New).
    void forget();
    // Empty while the levelset has no file.
    const QString& path() const { return path_; }
    // The bytes found at the last look; empty when none could be read.
    QByteArray bytesFound() const { return reported_.bytes; }

    // Looks at the file again. Changed or Gone once for each new state another program left
    // it in; None while it holds what the editor read or wrote, or what was last reported.
    FileChange lookAgain();

    // Called after each remember and forget: the file at path() may be another one now.
    std::function<void()> changed;

  private:
    // What stands at the path, as far as telling a change goes.
    struct State {
        enum class Kind { Missing, Unreadable, Bytes } kind = Kind::Missing;
        QByteArray bytes;
        friend bool operator==(const State&, const State&) = default;
    };
    static State stateAt(const QString& path);

    QString path_;
    State written_;  // as the editor read or wrote it
    State reported_; // as it was when last looked at
};

// Tells the user what another program did to the open file. A change asks whether to read it
// again: Yes opens it as File > Open would, so a file that no longer reads is reported and the
// levelset in memory stays; No keeps the levelset for the next Save to write over the file.
// A deletion or move is reported; the levelset stays open.
// The box lists what reading the file again would change.
void reportFileChange(KnownFile& file, MessageBoxes& messages, FileCommands& commands);

} // namespace vrh
