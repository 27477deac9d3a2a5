// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/desktop/filechange.h"
#include "commands/userinterface.h"
#include "levelset/editingstate.h"
#include "levelset/levelset.h"

#include <QString>
#include <functional>
#include <optional>

namespace vrh {

class RecentFiles;

inline const QString kSavePrompt = QStringLiteral("Save current Levelset?");
inline const QString kInvalidFileNameMessage =
    QStringLiteral("Invalid file name! Must be of the format: zvrhl???.vrh, where ??? is the "
                   "Levelset name.");
inline const QString kHolesAndGuardsMessage =
    QStringLiteral("Either too many Alien Holes or Security Guards on Level ");
inline const QString kErrorTitle = QStringLiteral("Error!");
inline const QString kLevelsetFilter = QStringLiteral("VRH Levelsets (zvrhl*.vrh)");
inline const QString kSaveFirstMessage = QStringLiteral("Save the levelset first.");

// What the file commands ask of the window after they changed the levelset.
class LevelsetView {
  public:
    virtual ~LevelsetView() = default;
    // Redraw the map of curLevel, rewrite the level label and show the level's properties.
    virtual void showCurrentLevel() = 0;
    // Rewrite the level label only.
    virtual void showLevelLabel() = 0;
    // The window title changed.
    virtual void setTitle(const QString& title) = 0;
    // New or Open put another levelset in place: there is nothing to undo.
    virtual void levelsetReplaced() = 0;
    // The levelset was written to its file.
    virtual void levelsetSaved() = 0;
    // A levelset read from a file is shown.
    virtual void levelsetOpened() {}
};

// New, Open, Save, Save As and the close query on the window's levelset. A command that is
// cancelled or refused leaves the levelset, fileName and the title as they were.
class FileCommands {
  public:
    FileCommands(Levelset& levelset, EditingState& state, MessageBoxes& messages,
                 FileDialogs& dialogs, LevelsetView& view, QString initialFolder);

    // The window's first load: a fresh levelset and the editing state at its start.
    void formLoad();
    // Reset to a fresh levelset and show it.
    void newLevelset();

    void fileNew();
    void fileOpen();
    // Opens path as File > Open does with the name its dialog gave, after the save prompt
    // when askToSave (a drop, the recent list) and without it (the command line, where
    // there is nothing to save yet).
    void openFile(const QString& path, bool askToSave);
    // A levelset from the recent list: one that is gone is reported at once, before any
    // prompt, and leaves the list.
    void openRecentFile(const QString& path);
    // Puts a recovered levelset in place under the file name it had, as an Open would, so
    // that Save writes it where it came from. When another program changed that file since,
    // the first Save asks first, as the "File Changed" box does.
    void takeRecovered(Levelset levelset, bool fileChangedSince = false);
    // Each gives whether the levelset was written.
    bool fileSave();
    bool fileSaveAs();
    // Whether the window may close.
    bool queryUnload();
    // Before a user command runs. With saveFirst the levelset is saved as Save saves it, and
    // the command may run only if it was written; without, a command that names the
    // levelset's file can't run while the levelset has none, and says so. Whether it may run.
    bool readyForCommand(bool saveFirst, bool namesLevelsetFile);

    // Writes the levelset to file unless a level breaks the holes and guards limits; on
    // success fileName and the title name file.
    bool saveLevelset(const QString& file);

    // Export Picture and Export All Levels: the save dialog with this title and filter, which
    // asks before replacing a file, offering the proposed name in the folder exported to last,
    // else where the levelset's dialogs start; write gives the reason a write failed, shown in the
    // "Error!" box. A name typed without a suffix gets this one. The levelset, fileName and the
    // edit history stay as they are.
    void exportFile(const QString& title, const QString& filter, const QString& suffix,
                    const std::function<std::optional<QString>(const QString& path)>& write,
                    const QString& proposedName = QString());

    // From now on every levelset opened or saved is remembered there, and the dialogs start
    // in the folder of the last one. Without it they start in the initial folder given.
    void setRecentFiles(RecentFiles& recent) { recent_ = &recent; }
    // The file the levelset was read from or saved to, as read or written last.
    KnownFile& knownFile() { return knownFile_; }
    const Levelset& levelset() const { return levelset_; }
    // Where the levelset's dialogs start now.
    QString dialogFolder() const;

  private:
    // The save prompt: whether the asking command goes on. A Yes whose save did not happen
    // abandons the command, so nothing unsaved is lost.
    bool savePrompt();
    FileDialogSetup dialogSetup(const QString& title) const;
    void readChosenFile(const QString& path);
    // Shows a levelset that took the place of the one before.
    void showReplacedLevelset();
    void showFileName();

    Levelset& levelset_;
    EditingState& state_;
    MessageBoxes& messages_;
    FileDialogs& dialogs_;
    LevelsetView& view_;
    QString initialFolder_;
    QString lastName_;
    QString lastExportName_;
    RecentFiles* recent_ = nullptr;
    KnownFile knownFile_;
    bool askBeforeSavingOver_ = false;
};

// The name Export Picture proposes for a level's picture, "zvrhlabc-level3.png" for the third
// level of zvrhlabc.vrh, and Export All Levels for the set's, "zvrhlabc-levels.png" (level 0).
QString exportPictureName(const QString& levelsetFile, int levelNumber);

} // namespace vrh
