// SPDX-License-Identifier: GPL-3.0-or-later
// The recent files in the File menu, and opening a levelset named from outside the dialog.
#include "frmmain.h"

#include "commands/desktop/recentfiles.h"
#include "levelset/filepath.h"

#include <QAction>
#include <QSettings>

namespace vrh {

namespace {

// ~/.config/VrhEdit/VrhEdit.conf on Linux.
const QString kSettingsName = QStringLiteral("VrhEdit");

} // namespace

void frmMain::createRecentFiles() {
    settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            kSettingsName, kSettingsName);
    recentFiles_ = std::make_unique<RecentFiles>(*settings_);

    recentFiles_->changed = [this] { showRecentFiles(); };
    fileCommands_.setRecentFiles(*recentFiles_);
    showRecentFiles();
}

void frmMain::showRecentFiles() {
    const QStringList files = recentFiles_->files();
    const QStringList captions = recentFileCaptions(files);
    for (int index = 0; index < static_cast<int>(mnuFileRecent.size()); ++index) {
        QAction* entry = mnuFileRecent[index];
        const QString path = files.value(index);
        entry->setText(shownText(captions.value(index)));
        entry->setStatusTip(shownText(path));
        entry->setData(path);
        entry->setVisible(!path.isEmpty());
    }
    mnuFileRecentBar->setVisible(!files.isEmpty());
}

void frmMain::mnuFileRecent_Click(int index) {
    fileCommands_.openRecentFile(mnuFileRecent[index]->data().toString());
}

void frmMain::openFile(const QString& path, bool askToSave) {
    fileCommands_.openFile(path, askToSave);
}

} // namespace vrh
