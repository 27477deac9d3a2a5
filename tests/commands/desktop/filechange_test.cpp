// SPDX-License-Identifier: GPL-3.0-or-later
// Another program's changes to the open file: what the editor makes of them and what it asks.
#include "commands/desktop/filechange.h"
#include "commands/filecommands.h"

#include "levelset/levelsetfile.h"
#include "support/diskfiles.h"
#include "support/recordingview.h"
#include "support/scripteduserinterface.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vrh {
namespace {

using testing::levelsetWithFirstTile;
using testing::renameOver;
using testing::writeFile;

const QString kChanged = QStringLiteral(
    "zvrhlabc.vrh was changed by another program. Reload it and lose the changes made here?");

class FileChangeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        commands.formLoad();
    }

    // Opens a new file of that name in the test's folder, holding tile 1.
    QString open(const QString& name) {
        const QString file = dir.filePath(name);
        writeFile(file, levelsetWithFirstTile(1));
        commands.openFile(file, false);
        return file;
    }
    void report() { reportFileChange(commands.knownFile(), messages, commands); }
    std::uint8_t firstTile() const { return levelset.levels[0].tiles[0][0]; }
    // A box titled "File Changed" with the exclamation icon.
    void expectAsked(size_t index, const QString& text, MessageButtons buttons) {
        ASSERT_GT(messages.asked.size(), index);
        EXPECT_EQ(messages.asked[index].text, text);
        EXPECT_EQ(messages.asked[index].title, QStringLiteral("File Changed"));
        EXPECT_EQ(messages.asked[index].buttons, buttons);
        EXPECT_EQ(messages.asked[index].icon, MessageIcon::Exclamation);
    }

    QTemporaryDir dir;
    Levelset levelset;
    EditingState state;
    testing::ScriptedMessageBoxes messages;
    testing::ScriptedFileDialogs dialogs;
    testing::RecordingView view;
    FileCommands commands{levelset, state, messages, dialogs, view, dir.path()};
};

TEST_F(FileChangeTest, NoKeepsTheLevelsetForTheNextSaveYesReadsTheFileAgain) {
    const QString file = open(QStringLiteral("zvrhlabc.vrh"));
    levelset.levels[0].tiles[0][0] = 99;
    writeFile(file, levelsetWithFirstTile(2));
    messages.answers = {MessageAnswer::No};
    report();
    // What reading it again would change: the editor's code before the arrow.
    expectAsked(0, kChanged + "\r\rLevel 1: 1 cell changed: column 0 row 0 63 -> 02",
                MessageButtons::YesNoDefaultNo);
    EXPECT_EQ(firstTile(), 99);

    ASSERT_TRUE(commands.fileSave());
    EXPECT_EQ(testing::contentOf(file), levelsetFileBytes(levelset, file));
    report(); // neither the file answered No to nor the editor's own save is news
    EXPECT_EQ(messages.asked.size(), 1u);

    const int replaced = view.replaced;
    writeFile(file, levelsetWithFirstTile(3));
    messages.answers = {MessageAnswer::Yes};
    report();
    expectAsked(1, kChanged + "\r\rLevel 1: 1 cell changed: column 0 row 0 63 -> 03",
                MessageButtons::YesNoDefaultNo);
    EXPECT_EQ(firstTile(), 3);
    EXPECT_EQ(view.replaced, replaced + 1);
}

TEST_F(FileChangeTest, AFileThatIsGoneOrNoLongerReadsLeavesTheLevelsetInMemory) {
    const QString file = open(QStringLiteral("zvrhlabc.vrh"));
    levelset.levels[0].tiles[0][0] = 99;
    renameOver(file, file + ".moved");
    messages.answers = {MessageAnswer::Ok};
    report();
    expectAsked(0,
                QStringLiteral("zvrhlabc.vrh was deleted or moved by another program. The "
                               "levelset stays open; Save writes it again."),
                MessageButtons::Ok);
    renameOver(file + ".moved", file);
    report(); // back as the editor read it
    EXPECT_EQ(messages.asked.size(), 1u);

    writeFile(file, "VRH0");
    messages.answers = {MessageAnswer::Yes, MessageAnswer::Ok};
    report();
    expectAsked(1, kChanged, MessageButtons::YesNoDefaultNo);
    ASSERT_EQ(messages.asked.size(), 3u);
    EXPECT_EQ(messages.asked[2].text, readLevelsetFile(file).error);
    EXPECT_EQ(messages.asked[2].title, kApplicationTitle);
    EXPECT_EQ(messages.asked[2].icon, MessageIcon::Exclamation);
    EXPECT_EQ(firstTile(), 99);
    EXPECT_EQ(levelset.fileName, file);
}

TEST_F(FileChangeTest, TheBoxListsTheFirstTenChangesAndHowManyMore) {
    const QString file = open(QStringLiteral("zvrhlabc.vrh"));
    QByteArray changed = levelsetWithFirstTile(1);
    changed.replace(4, 3, "XYZ"); // the stored name is no change to the levelset
    for (int value = 2; value < 16; ++value) {
        changed[52 + value] = static_cast<char>(changed[52 + value] + 1);
    }
    changed.replace(52 + 16, 5, "\x05\x05\x05\x05\x05");
    writeFile(file, changed);
    messages.answers = {MessageAnswer::No};
    report();
    expectAsked(0,
                kChanged + "\r\rLevel 1: objectives 0 -> 1\rLevel 1: time 99 -> 100\r"
                           "Level 1: putX 1 -> 2\rLevel 1: putY 0 -> 1\rLevel 1: takeX 2 -> 3\r"
                           "Level 1: takeY 0 -> 1\rLevel 1: putType 89 -> 90\r"
                           "Level 1: takeType 0 -> 1\rLevel 1: levelType 0 -> 1\r"
                           "Level 1: alienType 3 -> 4\rand 5 more",
                MessageButtons::YesNoDefaultNo);

    // The cells of one level on one line, the first three named.
    writeFile(file, levelsetWithFirstTile(1).replace(52 + 16, 5, "\x05\x05\x05\x05\x05"));
    messages.answers = {MessageAnswer::No};
    report();
    expectAsked(1,
                kChanged + "\r\rLevel 1: 5 cells changed: column 0 row 0 01 -> 05, column 1 row 0 "
                           "00 -> 05, column 2 row 0 00 -> 05, ...",
                MessageButtons::YesNoDefaultNo);
}

} // namespace
} // namespace vrh
