// Another program's changes to the open file: what the editor makes of them and what it asks.
#include "commands/filechange.h"
#include "commands/filecommands.h"

#include "levelset/levelsetfile.h"
#include "support/diskfiles.h"
#include "support/recordingview.h"
#include "support/scripteduserinterface.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace vrh {
namespace {

using testing::contentOf;
using testing::levelsetWithFirstTile;
using testing::renameOver;
using testing::writeFile;

class FileChangeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        commands.formLoad();
    }

    // Opens a new file named zvrhlabc.vrh in folder, holding tile 1.
    QString open(const QString& folder) {
        const QString file = folder + QStringLiteral("/zvrhlabc.vrh");
        EXPECT_TRUE(QDir().mkpath(folder));
        writeFile(file, levelsetWithFirstTile(1));
        commands.openFile(file, false);
        return file;
    }
    std::uint8_t firstTile() const { return levelset.levels[0].tiles[0][0]; }
    void report() { reportFileChange(commands.knownFile(), messages, commands); }
    void expectBox(size_t index, const QString& text, const QString& title,
                   MessageButtons buttons) {
        ASSERT_EQ(messages.asked.size(), index + 1);
        EXPECT_EQ(messages.asked[index].text, text);
        EXPECT_EQ(messages.asked[index].title, title);
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

TEST_F(FileChangeTest, EachNewStateAnotherProgramLeavesTheFileInIsToldOnce) {
    struct Case {
        const char* what;
        bool link; // the file opened is a symbolic link to real/zvrhlabc.vrh
        std::function<void(const QString& opened, const QString& file)> act;
        FileChange told;
    };
    const auto put = [](const QString& at, const QByteArray& bytes) {
        return [at, bytes](const QString&, const QString& file) {
            writeFile(file + at, bytes);
            renameOver(file + at, file);
        };
    };
    const auto rewrite = [](const QByteArray& bytes) {
        return [bytes](const QString&, const QString& file) { writeFile(file, bytes); };
    };
    const auto remove = [](const QString&, const QString& file) { QFile::remove(file); };
    const auto moveAway = [](const QString&, const QString& file) {
        renameOver(file, file + ".moved");
    };
    const auto fifoOver = [](const QString&, const QString& file) {
        testing::makeFifo(file + ".fifo");
        renameOver(file + ".fifo", file);
    };
    const Case cases[] = {
        {"rewritten in place", false, rewrite(levelsetWithFirstTile(2)), FileChange::Changed},
        {"renamed over", false, put(".new", levelsetWithFirstTile(2)), FileChange::Changed},
        {"deleted", false, remove, FileChange::Gone},
        {"moved away", false, moveAway, FileChange::Gone},
        {"replaced by a FIFO", false, fifoOver, FileChange::Changed},
        {"rewritten with the same bytes", false, rewrite(levelsetWithFirstTile(1)),
         FileChange::None},
        {"renamed over with the same bytes", false, put(".new", levelsetWithFirstTile(1)),
         FileChange::None},
        {"moved away and back", false,
         [](const QString&, const QString& file) {
             renameOver(file, file + ".moved");
             renameOver(file + ".moved", file);
         },
         FileChange::None},
        {"link's file rewritten", true, rewrite(levelsetWithFirstTile(2)), FileChange::Changed},
        {"link's file renamed over", true, put(".new", levelsetWithFirstTile(2)),
         FileChange::Changed},
        {"link's file deleted", true, remove, FileChange::Gone},
        {"link deleted", true, [](const QString& link, const QString&) { QFile::remove(link); },
         FileChange::Gone},
    };
    int index = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString folder = dir.filePath(QString::number(index++));
        QString opened = open(folder + (c.link ? "/real" : ""));
        const QString file = opened;
        if (c.link) {
            opened = folder + QStringLiteral("/zvrhlabc.vrh");
            ASSERT_TRUE(QFile::link(file, opened));
            commands.openFile(opened, false);
        }
        c.act(opened, file);
        EXPECT_EQ(commands.knownFile().lookAgain(), c.told);
        EXPECT_EQ(commands.knownFile().lookAgain(), FileChange::None);
    }
    EXPECT_TRUE(messages.asked.empty());
}

TEST_F(FileChangeTest, YesReadsTheFileAgainNoKeepsTheLevelsetForTheNextSave) {
    const QString file = open(dir.path());
    const QString changed = QStringLiteral(
        "zvrhlabc.vrh was changed by another program. Reload it and lose the changes made here?");
    levelset.levels[0].tiles[0][0] = 99;

    writeFile(file, levelsetWithFirstTile(2));
    messages.answers = {MessageAnswer::No};
    report();
    expectBox(0, changed, QStringLiteral("File Changed"), MessageButtons::YesNo);
    EXPECT_EQ(firstTile(), 99);
    report(); // nothing new
    EXPECT_EQ(messages.asked.size(), 1u);

    ASSERT_TRUE(commands.fileSave());
    EXPECT_EQ(contentOf(file), levelsetFileBytes(levelset, file));
    report(); // the editor's own save
    EXPECT_EQ(messages.asked.size(), 1u);

    // A later change asks again.
    const int replaced = view.replaced;
    writeFile(file, levelsetWithFirstTile(3));
    messages.answers = {MessageAnswer::Yes};
    report();
    expectBox(1, changed, QStringLiteral("File Changed"), MessageButtons::YesNo);
    EXPECT_EQ(firstTile(), 3);
    EXPECT_EQ(view.replaced, replaced + 1);
    EXPECT_EQ(levelset.fileName, file);
}

TEST_F(FileChangeTest, AFileThatNoLongerReadsOrIsGoneLeavesTheLevelsetInMemory) {
    const QString file = open(dir.path());
    levelset.levels[0].tiles[0][0] = 99;

    writeFile(file, "VRH0");
    messages.answers = {MessageAnswer::Yes, MessageAnswer::Ok};
    report();
    ASSERT_EQ(messages.asked.size(), 2u);
    EXPECT_EQ(messages.asked[1].text, readLevelsetFile(file).error);
    EXPECT_EQ(messages.asked[1].title, kApplicationTitle);
    EXPECT_EQ(messages.asked[1].icon, MessageIcon::Exclamation);
    EXPECT_EQ(firstTile(), 99);

    renameOver(file, file + ".moved");
    messages.answers = {MessageAnswer::Ok};
    report();
    expectBox(2,
              QStringLiteral("zvrhlabc.vrh was deleted or moved by another program. The levelset "
                             "stays open; Save writes it again."),
              QStringLiteral("File Changed"), MessageButtons::Ok);
    EXPECT_EQ(firstTile(), 99);
    EXPECT_EQ(levelset.fileName, file);
}

TEST_F(FileChangeTest, AFileNoLongerOpenIsNoConcern) {
    const QString first = open(dir.filePath(QStringLiteral("first")));
    commands.newLevelset();
    writeFile(first, levelsetWithFirstTile(2));
    EXPECT_EQ(commands.knownFile().lookAgain(), FileChange::None);

    commands.openFile(first, false);
    const QString second = open(dir.filePath(QStringLiteral("second")));
    writeFile(first, levelsetWithFirstTile(3));
    EXPECT_EQ(commands.knownFile().lookAgain(), FileChange::None);
    writeFile(second, levelsetWithFirstTile(3));
    EXPECT_EQ(commands.knownFile().lookAgain(), FileChange::Changed);
}

} // namespace
} // namespace vrh
