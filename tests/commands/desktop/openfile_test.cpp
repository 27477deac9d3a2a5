// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a given file (the command line, a drop, the recent list) and what the file
// commands remember of the files opened and saved.
#include "commands/desktop/recentfiles.h"
#include "commands/filecommands.h"

#include "levelset/levelsetfile.h"
#include "support/diskfiles.h"
#include "support/recordingview.h"
#include "support/scripteduserinterface.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vrh {
namespace {

using testing::ScriptedFileDialogs;
using testing::ScriptedMessageBoxes;

class OpenFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("levels")));
        commands.setRecentFiles(recent);
        commands.formLoad();
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // A levelset of two levels, the second 20 wide, saved at name.
    QString putLevelset(const QString& name) {
        Levelset set;
        resetLevelset(set);
        set.numLevels = 2;
        set.levels[1].width = 20;
        testing::writeFile(path(name), serializeLevelset(set, "ABC"));
        return path(name);
    }

    void expectExclamation(size_t index, const QString& text) {
        ASSERT_GT(messages.asked.size(), index);
        EXPECT_EQ(messages.asked[index].text, text);
        EXPECT_EQ(messages.asked[index].title, kApplicationTitle);
        EXPECT_EQ(messages.asked[index].buttons, MessageButtons::Ok);
        EXPECT_EQ(messages.asked[index].icon, MessageIcon::Exclamation);
    }

    QTemporaryDir dir;
    QSettings settings{dir.filePath(QStringLiteral("VrhEdit.conf")), QSettings::IniFormat};
    RecentFiles recent{settings};
    Levelset levelset;
    EditingState state;
    ScriptedMessageBoxes messages;
    ScriptedFileDialogs dialogs;
    testing::RecordingView view;
    FileCommands commands{levelset, state, messages, dialogs, view, dir.filePath("program")};
};

TEST_F(OpenFileTest, GivenFileOpensAsFileOpenWouldWithOrWithoutThePrompt) {
    const QString file = putLevelset(QStringLiteral("levels/zvrhlabc.vrh"));

    commands.openFile(file, false);

    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(levelset.numLevels, 2);
    EXPECT_EQ(levelset.levels[1].width, 20);
    EXPECT_EQ(view.title, QStringLiteral("[") + file + "] - Varnhold: Levelset Editor");
    EXPECT_EQ(recent.files(), QStringList{file});

    // With the prompt: Cancel keeps everything, No opens.
    levelset.levels[1].width = 5;
    messages.answers = {MessageAnswer::Cancel};
    commands.openFile(file, true);
    EXPECT_EQ(levelset.levels[1].width, 5);
    messages.answers = {MessageAnswer::No};
    commands.openFile(file, true);
    EXPECT_EQ(levelset.levels[1].width, 20);
    ASSERT_EQ(messages.asked.size(), 2u);
    EXPECT_EQ(messages.asked[1].text, kSavePrompt);
    EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(OpenFileTest, RecentFileThatIsGoneIsReportedBeforeAnyPromptAndLeavesTheList) {
    const QString kept = putLevelset(QStringLiteral("zvrhlkep.vrh"));
    const QString gone = putLevelset(QStringLiteral("zvrhlgon.vrh"));
    commands.openFile(kept, false);
    commands.openFile(gone, false);
    ASSERT_TRUE(QFile::remove(gone));
    const QString reason = readLevelsetFile(gone).error;
    messages.answers = {MessageAnswer::Ok};

    commands.openRecentFile(gone);

    ASSERT_EQ(messages.asked.size(), 1u); // no save prompt
    expectExclamation(0, reason);
    EXPECT_EQ(recent.files(), QStringList{kept});
    EXPECT_EQ(view.title, windowTitle(gone)); // the levelset shown before stays

    // One that is there: the prompt, then it opens and goes to the top.
    const QString other = putLevelset(QStringLiteral("zvrhloth.vrh"));
    commands.openFile(other, false);
    messages.answers = {MessageAnswer::No};
    commands.openRecentFile(kept);
    EXPECT_EQ(messages.asked.back().text, kSavePrompt);
    EXPECT_EQ(view.title, windowTitle(kept));
    EXPECT_EQ(recent.files(), (QStringList{kept, other}));
}

TEST_F(OpenFileTest, DialogsStartWhereTheLastLevelsetWasOpenedOrSaved) {
    const QString program = path(QStringLiteral("program"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("program")));
    const QString levels = path(QStringLiteral("levels"));
    const QString opened = putLevelset(QStringLiteral("levels/zvrhlabc.vrh"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("saved")));
    const QString saved = path(QStringLiteral("saved/zvrhlnew.vrh"));

    // The step, then what the next Save As dialog is set up with.
    struct Step {
        const char* what;
        std::function<void()> run;
        QString folder;
        QString offered;
    };
    const Step steps[] = {
        {"nothing yet: the program's folder, writable here", [] {}, program, {}},
        {"opened by the dialog",
         [&] {
             messages.answers = {MessageAnswer::No};
             dialogs.answers = {opened};
             commands.fileOpen();
         },
         levels, opened},
        {"saved by the dialog, name lower-cased",
         [&] {
             dialogs.answers = {path(QStringLiteral("saved/ZVRHLNew.vrh"))};
             commands.fileSaveAs();
         },
         path(QStringLiteral("saved")), path(QStringLiteral("saved/ZVRHLNew.vrh"))},
        {"opened from outside the dialog", [&] { commands.openFile(opened, false); }, levels,
         opened},
        {"folder gone: the program's folder",
         [&] { ASSERT_TRUE(QDir(levels).removeRecursively()); }, program, opened},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.run();
        dialogs.asked.clear();
        dialogs.answers = {std::nullopt};
        commands.fileSaveAs();
        ASSERT_EQ(dialogs.asked.size(), 1u);
        EXPECT_EQ(dialogs.asked[0].setup.initialFolder, step.folder);
        EXPECT_EQ(dialogs.asked[0].setup.lastName, step.offered);
    }
    EXPECT_EQ(recent.files(), (QStringList{opened, saved}));
}

} // namespace
} // namespace vrh
