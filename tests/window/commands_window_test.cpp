// SPDX-License-Identifier: GPL-3.0-or-later
// The user's commands in the window: the Commands dialog and the Tools menu it fills, and a
// run with its output, its end, Stop and the close while one runs.
#include "windowharness.h"

#include "commands/desktop/usercommands.h"
#include "support/diskfiles.h"
#include "window/dialogs/commandsdialog.h"
#include "window/dialogs/frmcommandoutput.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

namespace vrh {

void PrintTo(const UserCommand& command, std::ostream* out) {
    *out << '{' << command.name.toStdString() << " | " << command.commandLine.toStdString() << " | "
         << command.folder.toStdString() << " | " << command.saveFirst << '}';
}

namespace {

using testing::ActiveWindow;

constexpr int kPatience = 20000; // ms: a busy machine starts programs slowly

QSettings userSettings() {
    return {QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VrhEdit"),
            QStringLiteral("VrhEdit")};
}

TEST(UserCommandsWindow, TheCommandsDialogEditsTheListTheToolsMenuShows) {
    ActiveWindow h;
    h.modal.answers = {testing::answerDialog<CommandsDialog>([](CommandsDialog& dialog) {
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Commands"));
        EXPECT_TRUE(dialog.isModal());
        EXPECT_FALSE(dialog.txtName->isEnabled()); // no command to show yet
        QTest::mouseClick(dialog.cmdAdd, Qt::LeftButton);
        EXPECT_EQ(dialog.txtName->text(), QStringLiteral("New Command"));
        EXPECT_TRUE(dialog.chkSaveFirst->isChecked());
        QTest::keyClicks(dialog.txtName, QStringLiteral("Split")); // over the selected name
        QTest::keyClicks(dialog.txtCommandLine, QStringLiteral("levelsplit %name"));
        QTest::mouseClick(dialog.cmdAdd, Qt::LeftButton);
        QTest::keyClicks(dialog.txtName, QStringLiteral("Play & Test"));
        QTest::keyClicks(dialog.txtCommandLine, QStringLiteral("emu %file"));
        QTest::keyClicks(dialog.txtFolder, QStringLiteral("%folder/build"));
        QTest::keyClick(dialog.chkSaveFirst, Qt::Key_Space);
        EXPECT_FALSE(dialog.cmdMoveDown->isEnabled());
        QTest::mouseClick(dialog.cmdMoveUp, Qt::LeftButton);
        EXPECT_FALSE(dialog.cmdMoveUp->isEnabled());
        EXPECT_EQ(dialog.lstCommands->currentItem()->text(), QStringLiteral("Play & Test"));
        QTest::mouseClick(dialog.cmdAdd, Qt::LeftButton);
        QTest::mouseClick(dialog.cmdRemove, Qt::LeftButton);
        EXPECT_EQ(dialog.lstCommands->count(), 2);
        QTest::mouseClick(dialog.buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    })};
    h.entry("mnuToolsCommands")->trigger();
    const QList<UserCommand> kept = {{"Play & Test", "emu %file", "%folder/build", false},
                                     {"Split", "levelsplit %name", "", true}};
    EXPECT_EQ(h.window.userCommands(), kept);
    QSettings settings = userSettings();
    EXPECT_EQ(readUserCommands(settings), kept);
    EXPECT_EQ(h.entry("mnuToolsCommand1")->text(), QStringLiteral("Play && Test"));
    EXPECT_EQ(h.entry("mnuToolsCommand1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_1));
    EXPECT_EQ(h.entry("mnuToolsCommand2")->text(), QStringLiteral("Split"));
    EXPECT_EQ(h.entry("mnuToolsCommand2")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_2));

    // Cancel forgets what was changed in the dialog.
    h.modal.answers = {testing::answerDialog<CommandsDialog>([](CommandsDialog& dialog) {
        dialog.show();
        QTest::mouseClick(dialog.cmdRemove, Qt::LeftButton);
        QTest::mouseClick(dialog.buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
    })};
    h.entry("mnuToolsCommands")->trigger();
    EXPECT_EQ(h.window.userCommands(), kept);
    EXPECT_EQ(h.window.findChildren<QAction*>(QStringLiteral("mnuToolsCommand2")).size(), 1);
}

TEST(UserCommandsWindow, ARunShowsItsOutputAndHowItEndedAndStopEndsIt) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString child = QStringLiteral(COMMAND_CHILD_PATH);
    {
        QSettings settings = userSettings();
        writeUserCommands(settings, {{"Words", child + " 3 %name 'level %level'", "", false},
                                     {"Stubborn", child + " 0 --stubborn", "", false},
                                     {"Missing", "no-such-program-vrhedit %file", "", false}});
    }
    ActiveWindow h;
    const QString file = dir.filePath(QStringLiteral("zvrhlabc.vrh"));
    testing::writeFile(file, testing::freshLevelsetAbc());
    h.window.openFile(file, false);
    const auto output = [&h] { return h.window.commandOutput()->text(); };
    const auto endsWith = [&](const QString& last) {
        return QTest::qWaitFor([&] { return output().endsWith(last); }, kPatience);
    };

    h.key(Qt::CTRL | Qt::Key_1);
    ASSERT_NE(h.window.commandOutput(), nullptr);
    EXPECT_TRUE(h.window.commandOutput()->isVisible());
    EXPECT_EQ(h.window.commandOutput()->windowTitle(), QStringLiteral("Command Output"));
    EXPECT_FALSE(h.entry("mnuToolsCommand2")->isEnabled()); // one command at a time
    ASSERT_TRUE(endsWith(QStringLiteral("Finished with exit code 3."))) << output().toStdString();
    EXPECT_EQ(output(), child +
                            " 3 abc 'level 1'\nfolder: " + QDir::toNativeSeparators(dir.path()) +
                            "\nabc\nlevel 1\nFinished with exit code 3.");
    EXPECT_TRUE(h.entry("mnuToolsCommand2")->isEnabled());

    // Closing while one runs asks first; No keeps both. Stop ends even a program that ignores
    // the request to end.
    h.key(Qt::CTRL | Qt::Key_2);
    ASSERT_TRUE(endsWith(QStringLiteral("waiting\n")));
    h.messages.answers = {MessageAnswer::No};
    EXPECT_FALSE(h.window.close());
    ASSERT_EQ(h.messages.asked.size(), 1u);
    EXPECT_EQ(h.messages.asked[0].text,
              QStringLiteral("A command is still running. Stop it and exit?"));
    EXPECT_EQ(h.messages.asked[0].title, kApplicationTitle);
    EXPECT_EQ(h.messages.asked[0].buttons, MessageButtons::YesNoDefaultNo);
    EXPECT_TRUE(h.window.commandRunning());
    QTest::mouseClick(h.window.commandOutput()->cmdStop, Qt::LeftButton);
    ASSERT_TRUE(endsWith(QStringLiteral("waiting\nStopped.")));
    EXPECT_FALSE(h.window.commandOutput()->cmdStop->isEnabled());

    QProcess probe;
    probe.start(QStringLiteral("no-such-program-vrhedit"));
    probe.waitForStarted();
    h.key(Qt::CTRL | Qt::Key_3);
    ASSERT_TRUE(endsWith(probe.errorString()));
    EXPECT_EQ(output(), joinCommandWords({"no-such-program-vrhedit", file}) +
                            "\nCould not start no-such-program-vrhedit.\n" + probe.errorString());

    // Yes stops it, and the editor closes after its save prompt.
    h.key(Qt::CTRL | Qt::Key_2);
    ASSERT_TRUE(endsWith(QStringLiteral("waiting\n")));
    h.messages.answers = {MessageAnswer::Yes, MessageAnswer::No};
    EXPECT_TRUE(h.window.close());
    EXPECT_FALSE(h.window.commandRunning());
}

} // namespace
} // namespace vrh
