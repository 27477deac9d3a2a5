// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/filecommands.h"

#include "levelset/levelsetfile.h"
#include "support/diskfiles.h"
#include "support/hangguard.h"
#include "support/recordingview.h"
#include "support/scripteduserinterface.h"
#include "support/unprivileged.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace vrh {
namespace {

using testing::AskedDialog;
using testing::RecordingView;
using testing::ScriptedFileDialogs;
using testing::ScriptedMessageBoxes;

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void putHoles(LevelRecord& level, int count) {
    for (int i = 0; i < count; ++i) {
        level.tiles[i / level.width][i % level.width] = 69;
    }
}

class FileCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        commands.formLoad();
        view.shown = 0;
    }

    QString path(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }

    // The levelset as a file would hold it, to tell whether anything in it changed.
    QByteArray snapshot() const { return serializeLevelset(levelset, "ABC"); }

    // A levelset with visible edits: three levels, the third current.
    void editLevelset() {
        levelset.numLevels = 3;
        levelset.levels[2].time = 42;
        levelset.passcodes[1].assign("SECRET");
        state.curLevel = 2;
    }

    FileDialogSetup setup(const QString& title, const QString& lastName = {}) const {
        return {title, QStringLiteral("VRH Levelsets (zvrhl*.vrh)"), QStringLiteral("/start"),
                lastName};
    }

    QTemporaryDir dir;
    Levelset levelset;
    EditingState state;
    ScriptedMessageBoxes messages;
    ScriptedFileDialogs dialogs;
    RecordingView view;
    FileCommands commands{levelset, state, messages, dialogs, view, QStringLiteral("/start")};
};

TEST_F(FileCommandsTest, LoadingShowsTheFreshLevelsetOnceAndResetsTheEditingState) {
    state.curTile = 77;
    state.curLevel = 3;
    state.mouseChoice = RandomWall;
    levelset.numLevels = 4;
    view.shown = 0;
    view.labelled = 0;

    commands.formLoad();

    EXPECT_EQ(view.shown, 1); // drawn and shown once, then only the label is rewritten
    EXPECT_EQ(view.labelled, 1);
    EXPECT_EQ(state.curTile, 0);
    EXPECT_EQ(state.curLevel, 0);
    EXPECT_EQ(state.mouseChoice, SetPositions);
    EXPECT_EQ(levelset.numLevels, 1);
    EXPECT_EQ(view.title, QStringLiteral("[Untitled] - Varnhold: Levelset Editor"));
}

TEST_F(FileCommandsTest, LoadGivesFreshLevelsetAndStartState) {
    EXPECT_EQ(view.title, QStringLiteral("[Untitled] - Varnhold: Levelset Editor"));
    EXPECT_EQ(levelset.fileName, kUntitled);
    EXPECT_EQ(state.curLevel, 0);
    EXPECT_EQ(state.curTile, 0);
    EXPECT_EQ(state.mouseChoice, SetPositions);
}

TEST_F(FileCommandsTest, SaveAsWritesFreshLevelsetByteExact) {
    const QString file = path(QStringLiteral("zvrhlabc.vrh"));
    dialogs.answers = {file};

    EXPECT_TRUE(commands.fileSaveAs());

    EXPECT_EQ(readFile(file), testing::freshLevelsetAbc());
    EXPECT_EQ(readFile(file).size(), 164);
    EXPECT_EQ(levelset.fileName, file);
    EXPECT_EQ(view.title, QStringLiteral("[") + file + "] - Varnhold: Levelset Editor");
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].kind, AskedDialog::Kind::Save);
    EXPECT_EQ(dialogs.asked[0].setup, setup(QStringLiteral("Save As")));
    EXPECT_TRUE(messages.asked.empty());
}

TEST_F(FileCommandsTest, SaveAsLowerCasesTheFileNameAndTakesTheLevelsetNameFromIt) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Levels")));
    dialogs.answers = {path(QStringLiteral("Levels/ZVRHLAbc.VRH"))};

    EXPECT_TRUE(commands.fileSaveAs());

    const QString written = path(QStringLiteral("Levels/zvrhlabc.vrh"));
    EXPECT_EQ(readFile(written).mid(0, 7), QByteArray("VRH0ABC"));
    EXPECT_EQ(levelset.fileName, written);
    EXPECT_EQ(view.title, QStringLiteral("[") + written + "] - Varnhold: Levelset Editor");
}

TEST_F(FileCommandsTest, SaveAsRefusesNamesOutsideThePatternAndAsksAgain) {
    for (const char* name : {"zvrhlabc", "zvrhlabcd.vrh", "levels.vrh", "zvrhlab.vrh"}) {
        SCOPED_TRACE(name);
        messages.asked.clear();
        dialogs.asked.clear();
        const QString refused = path(QString::fromLatin1(name));
        dialogs.answers = {refused, std::nullopt};
        messages.answers = {MessageAnswer::Ok};

        EXPECT_FALSE(commands.fileSaveAs());

        ASSERT_EQ(messages.asked.size(), 1u);
        EXPECT_EQ(messages.asked[0].text,
                  QStringLiteral("Invalid file name! Must be of the format: zvrhl???.vrh, where "
                                 "??? is the Levelset name."));
        EXPECT_EQ(messages.asked[0].title, kApplicationTitle);
        EXPECT_EQ(messages.asked[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(messages.asked[0].icon, MessageIcon::Exclamation);
        ASSERT_EQ(dialogs.asked.size(), 2u);
        EXPECT_EQ(dialogs.asked[1].setup, setup(QStringLiteral("Save As"), refused));
        EXPECT_EQ(levelset.fileName, kUntitled);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }
}

TEST_F(FileCommandsTest, SaveRefusedByHolesAndGuardsWritesNothing) {
    levelset.numLevels = 2;
    putHoles(levelset.levels[1], 11);
    const QString file = path(QStringLiteral("zvrhlabc.vrh"));
    dialogs.answers = {file};
    messages.answers = {MessageAnswer::Ok};

    EXPECT_FALSE(commands.fileSaveAs());

    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0].text,
              QStringLiteral("Either too many Alien Holes or Security Guards on Level 2"));
    EXPECT_EQ(messages.asked[0].title, QStringLiteral("Error!"));
    EXPECT_EQ(messages.asked[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(messages.asked[0].icon, MessageIcon::Critical);
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(levelset.fileName, kUntitled);
    EXPECT_EQ(view.title, QStringLiteral("[Untitled] - Varnhold: Levelset Editor"));
}

TEST_F(FileCommandsTest, SaveThatCannotBeWrittenNamesFileAndKeepsOldName) {
    const QString old = path(QStringLiteral("zvrhlold.vrh"));
    levelset.fileName = old;
    view.title = windowTitle(old);
    const QString file = path(QStringLiteral("missing/zvrhlabc.vrh"));
    dialogs.answers = {file};
    messages.answers = {MessageAnswer::Ok};

    EXPECT_FALSE(commands.fileSaveAs());

    ASSERT_EQ(messages.asked.size(), 1u);
    // The file and the reason, on two lines.
    EXPECT_TRUE(messages.asked[0].text.startsWith(QStringLiteral("Can't save ") + file +
                                                  QStringLiteral(".\r")))
        << messages.asked[0].text.toStdString();
    EXPECT_GT(messages.asked[0].text.size(), (QStringLiteral("Can't save .\r") + file).size());
    EXPECT_EQ(messages.asked[0].title, QStringLiteral("Error!"));
    EXPECT_EQ(messages.asked[0].icon, MessageIcon::Critical);
    EXPECT_EQ(levelset.fileName, old);
    EXPECT_EQ(view.title, windowTitle(old));
}

TEST_F(FileCommandsTest, SaveOverAWriteProtectedFileSaysWhyAndLeavesIt) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has neither POSIX modes nor another user to fork into";
#else
    // As nobody when the tests run as root, whom no file mode stops; the folder is open to all.
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    const QString file = path(QStringLiteral("zvrhlabc.vrh"));
    writeFile(file, "old");
    ASSERT_EQ(chmod(QFile::encodeName(file).constData(), 0444), 0);
    levelset.fileName = file;

    const std::optional<std::string> shown = testing::runAsUnprivilegedUser([this] {
        messages.answers = {MessageAnswer::Ok};
        const bool saved = commands.fileSave();
        if (saved || messages.asked.size() != 1) {
            return std::string("not refused once");
        }
        const auto& box = messages.asked[0];
        const bool critical =
            box.icon == MessageIcon::Critical && box.buttons == MessageButtons::Ok;
        return (box.title + QLatin1Char('|') + box.text).toStdString() +
               (critical ? "|critical" : "|other icon");
    });

    ASSERT_TRUE(shown) << "the save did not finish in a child process";
    EXPECT_EQ(*shown, "Error!|Can't save " + file.toStdString() + ".\rPermission denied|critical");
    EXPECT_EQ(readFile(file), QByteArray("old"));
#endif
}

TEST_F(FileCommandsTest, SaveOfANamedLevelsetWritesItsLowerCasedNameWithoutDialog) {
    const QString opened = path(QStringLiteral("ZVRHLAbc.VRH"));
    levelset.fileName = opened;

    EXPECT_TRUE(commands.fileSave());

    const QString written = path(QStringLiteral("zvrhlabc.vrh"));
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_EQ(readFile(written), testing::freshLevelsetAbc());
    EXPECT_EQ(levelset.fileName, written);
    EXPECT_EQ(view.title, windowTitle(written));
}

// What the save prompt leads to, for New, Open and the close query alike.
struct PromptCase {
    const char* what;
    MessageAnswer answer;
    std::optional<const char*> saveAsName; // chosen in the Save As dialog, if it is shown
    bool holesRefuse;
    bool goesOn;
    bool written;
};

const PromptCase kPromptCases[] = {
    {"Cancel", MessageAnswer::Cancel, std::nullopt, false, false, false},
    {"No", MessageAnswer::No, std::nullopt, false, true, false},
    {"Yes, saved", MessageAnswer::Yes, "zvrhlabc.vrh", false, true, true},
    {"Yes, Save As cancelled", MessageAnswer::Yes, nullptr, false, false, false},
    {"Yes, refused by holes", MessageAnswer::Yes, "zvrhlabc.vrh", true, false, false},
};

class SavePromptTest : public FileCommandsTest {
  protected:
    // Scripts the prompt and the save it may run; returns the file Save As would write.
    QString script(const PromptCase& c) {
        editLevelset();
        if (c.holesRefuse) {
            putHoles(levelset.levels[0], 11);
        }
        messages.answers = {c.answer};
        QString file;
        if (c.answer == MessageAnswer::Yes) {
            file = c.saveAsName.value() ? path(QString::fromLatin1(*c.saveAsName)) : QString();
            dialogs.answers.push_back(file.isEmpty() ? std::nullopt : std::optional(file));
            if (c.holesRefuse) {
                messages.answers.push_back(MessageAnswer::Ok);
            }
        }
        return file;
    }

    void checkPrompt() {
        ASSERT_FALSE(messages.asked.empty());
        EXPECT_EQ(messages.asked[0].text, QStringLiteral("Save current Levelset?"));
        EXPECT_EQ(messages.asked[0].title, kApplicationTitle);
        EXPECT_EQ(messages.asked[0].buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(messages.asked[0].icon, MessageIcon::None);
    }
};

TEST_F(SavePromptTest, NewGoesOnOnlyWhenNothingUnsavedIsLost) {
    for (const PromptCase& c : kPromptCases) {
        SCOPED_TRACE(c.what);
        messages.asked.clear();
        commands.newLevelset();
        const QString file = script(c);
        const QByteArray before = snapshot();

        commands.fileNew();

        checkPrompt();
        EXPECT_EQ(c.written, !file.isEmpty() && QFile::exists(file));
        if (c.goesOn) {
            EXPECT_EQ(levelset.numLevels, 1);
            EXPECT_EQ(state.curLevel, 0);
            EXPECT_EQ(levelset.fileName, kUntitled);
            EXPECT_EQ(view.title, windowTitle(kUntitled));
        } else {
            EXPECT_EQ(snapshot(), before);
            EXPECT_EQ(state.curLevel, 2);
        }
        QFile::remove(file);
    }
}

TEST_F(SavePromptTest, CloseIsAllowedOnlyWhenNothingUnsavedIsLost) {
    for (const PromptCase& c : kPromptCases) {
        SCOPED_TRACE(c.what);
        messages.asked.clear();
        commands.newLevelset();
        const QString file = script(c);

        EXPECT_EQ(commands.queryUnload(), c.goesOn);

        checkPrompt();
        EXPECT_EQ(c.written, !file.isEmpty() && QFile::exists(file));
        QFile::remove(file);
    }
}

TEST_F(SavePromptTest, OpenShowsItsDialogOnlyWhenNothingUnsavedIsLost) {
    for (const PromptCase& c : kPromptCases) {
        SCOPED_TRACE(c.what);
        messages.asked.clear();
        dialogs.asked.clear();
        commands.newLevelset();
        script(c);
        dialogs.answers.push_back(std::nullopt); // the open dialog, cancelled
        const QByteArray before = snapshot();

        commands.fileOpen();

        checkPrompt();
        const bool opened =
            !dialogs.asked.empty() && dialogs.asked.back().kind == AskedDialog::Kind::Open;
        EXPECT_EQ(opened, c.goesOn);
        if (!c.goesOn) {
            dialogs.answers.clear();
        }
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(state.curLevel, 2);
    }
}

TEST_F(FileCommandsTest, OpenReplacesTheLevelsetAndShowsThePathAsChosen) {
    Levelset saved;
    resetLevelset(saved);
    saved.numLevels = 2;
    saved.reserved1 = 7;
    saved.levels[1].width = 20;
    saved.levels[1].height = 10;
    saved.levels[1].tiles[9][19] = 177;
    saved.passcodes[0].assign("abcdef");
    const QString file = path(QStringLiteral("ZVRHLXyz.VRH"));
    writeFile(file, serializeLevelset(saved, "XYZ"));
    editLevelset();
    messages.answers = {MessageAnswer::No};
    dialogs.answers = {file};

    commands.fileOpen();

    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].kind, AskedDialog::Kind::Open);
    EXPECT_EQ(dialogs.asked[0].setup, setup(QStringLiteral("Open")));
    EXPECT_EQ(serializeLevelset(levelset, "XYZ"), serializeLevelset(saved, "XYZ"));
    EXPECT_EQ(levelset.passcodes[0].text(), QByteArray("abcdef"));
    EXPECT_EQ(levelset.fileName, file);
    EXPECT_EQ(view.title, windowTitle(file));
    EXPECT_EQ(state.curLevel, 0);
    EXPECT_GE(view.shown, 1);

    // The dialog offers the last chosen name again.
    messages.answers = {MessageAnswer::No};
    dialogs.answers = {std::nullopt};
    commands.fileOpen();
    EXPECT_EQ(dialogs.asked.back().setup, setup(QStringLiteral("Open"), file));
}

TEST_F(FileCommandsTest, OpenThatFailsSaysWhyAndKeepsEverything) {
    QByteArray tooWide = testing::freshLevelsetAbc();
    tooWide[53] = 33; // width of the first level
    struct Case {
        const char* what;
        QByteArray bytes; // empty: no file at all
        bool fifo = false;
    };
    const Case cases[] = {
        {"missing", {}},
        {"ends early", testing::freshLevelsetAbc().left(100)},
        {"wider than 32", tooWide},
#ifndef _WIN32 // Windows has no FIFOs
        // refused at once, where opening it would wait for a writer
        {"a FIFO", {}, true},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const testing::HangGuard guard("opening a FIFO");
        const QString file = path(QStringLiteral("zvrhlbad.vrh"));
        QFile::remove(file);
        if (!c.bytes.isEmpty()) {
            writeFile(file, c.bytes);
        }
#ifndef _WIN32
        if (c.fifo) {
            testing::makeFifo(file);
        }
#endif
        const QString reason = readLevelsetFile(file).error;
        ASSERT_FALSE(reason.isEmpty());
        editLevelset();
        const QString old = path(QStringLiteral("zvrhlold.vrh"));
        levelset.fileName = old;
        view.title = windowTitle(old);
        const QByteArray before = snapshot();
        messages.asked.clear();
        messages.answers = {MessageAnswer::No, MessageAnswer::Ok};
        dialogs.answers = {file};

        commands.fileOpen();

        ASSERT_EQ(messages.asked.size(), 2u);
        EXPECT_EQ(messages.asked[1].text, reason);
        EXPECT_TRUE(reason.startsWith(QStringLiteral("Can't open ") + file + QStringLiteral(".\r")))
            << reason.toStdString();
        EXPECT_EQ(messages.asked[1].title, kApplicationTitle);
        EXPECT_EQ(messages.asked[1].buttons, MessageButtons::Ok);
        EXPECT_EQ(messages.asked[1].icon, MessageIcon::Exclamation);
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(levelset.fileName, old);
        EXPECT_EQ(view.title, windowTitle(old));
        EXPECT_EQ(state.curLevel, 2);
    }
}

} // namespace
} // namespace vrh

namespace vrh {
namespace {

// Before a user command: "Save first" saves as Save does and runs nothing when no save
// happened; without it, only a command that names the levelset's file needs one.
TEST_F(FileCommandsTest, UserCommandsRunOnASavedLevelsetWhenTheyNeedOne) {
    const QString file = path(QStringLiteral("zvrhlabc.vrh"));
    const struct {
        const char* what;
        bool named, saveFirst, namesFile;
        std::optional<QString> dialog; // Save As's answer, when it asks
        bool runs;
        bool warned = false;
    } cases[] = {
        {"saved first through Save As", false, true, false, file, true},
        {"Save As cancelled", false, true, true, std::nullopt, false},
        {"saved first over its file", true, true, true, {}, true},
        {"a file named, none to name", false, false, true, {}, false, true},
        {"no file named, none needed", false, false, false, {}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        commands.newLevelset();
        QFile::remove(file);
        messages.asked.clear();
        dialogs.asked.clear();
        if (c.named) {
            levelset.fileName = file;
        }
        const bool asks = c.saveFirst && !c.named;
        dialogs.answers.clear();
        if (asks) {
            dialogs.answers = {c.dialog};
        }
        messages.answers = {MessageAnswer::Ok};
        EXPECT_EQ(commands.readyForCommand(c.saveFirst, c.namesFile), c.runs);
        EXPECT_EQ(QFile::exists(file), c.saveFirst && c.runs);
        EXPECT_EQ(dialogs.asked.size(), asks ? 1u : 0u);
        ASSERT_EQ(messages.asked.size(), c.warned ? 1u : 0u);
        if (c.warned) {
            EXPECT_EQ(messages.asked[0].text, QStringLiteral("Save the levelset first."));
            EXPECT_EQ(messages.asked[0].title, kApplicationTitle);
            EXPECT_EQ(messages.asked[0].icon, MessageIcon::Exclamation);
        }
    }
}

} // namespace
} // namespace vrh
