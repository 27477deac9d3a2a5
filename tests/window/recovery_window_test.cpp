// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowharness.h"

#include "app/startup.h"
#include "commands/recovery/recoveryfile.h"
#include "commands/recovery/recoveryfolder.h"
#include "levelset/levelsetfile.h"
#include "support/diskfiles.h"
#include "support/temporaryuserfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace vrh {
namespace {

using testing::ActiveWindow;
using testing::contentOf;
using testing::ScriptedFileDialogs;
using testing::ScriptedMessageBoxes;
using testing::TemporaryUserFolders;

// The recovery files in the folder, with their locks and anything else.
QStringList recoveryEntries() {
    return QDir(RecoveryFolder::standardPath()).entryList(QDir::Files, QDir::Name);
}

int recoveryFiles() {
    return static_cast<int>(recoveryEntries().filter(QRegularExpression("\\.vrh$")).size());
}

// What an editor killed with this levelset in hand leaves behind: its file, no lock held.
QString leaveBehind(const Levelset& levelset, const QDateTime& at) {
    RecoveryFolder dead(RecoveryFolder::standardPath());
    EXPECT_FALSE(dead.write(encodeRecovery(levelset, at)).has_value());
    QFile file(dead.ownFile());
    EXPECT_TRUE(file.open(QIODevice::ReadWrite));
    EXPECT_TRUE(file.setFileTime(at.toLocalTime(), QFileDevice::FileModificationTime));
    return dead.ownFile();
}

Levelset paintedLevelset(const QString& fileName, std::uint8_t code) {
    Levelset levelset;
    resetLevelset(levelset);
    levelset.fileName = fileName;
    levelset.numLevels = 2;
    levelset.levels[1].tiles[2][3] = code;
    return levelset;
}

QString question(const QString& name, const QDateTime& at, const QDateTime& changedAt = {}) {
    const auto time = [](const QDateTime& t) {
        return QLocale().toString(t.toLocalTime(), QLocale::ShortFormat);
    };
    return QStringLiteral("The editor ended without saving ") + QDir::toNativeSeparators(name) +
           QStringLiteral(". Recover the changes made until ") + time(at) + QStringLiteral("?") +
           (changedAt.isValid() ? QStringLiteral("\r\rThe file was changed by another program "
                                                 "at ") +
                                      time(changedAt) +
                                      QStringLiteral(", after these changes: the first Save "
                                                     "asks before writing over it.")
                                : QString()) +
           QStringLiteral("\r\rNo sets them aside in ") +
           QDir::toNativeSeparators(RecoveryFolder::standardPath()) +
           QStringLiteral(" for 7 days.");
}

TEST(Recovery, EachStepIsKeptUntilSaveNewOpenOrANormalEndRemovesIt) {
    using H = ActiveWindow;
    struct Case {
        const char* what;
        std::function<void(H&, const QString& folder)> act;
        int filesAfter;
    };
    const Case cases[] = {
        {"Save",
         [](H& h, const QString& folder) {
             h.dialogs.answers = {folder + "/zvrhlsav.vrh"};
             h.window.mnuFileSave_Click();
         },
         0},
        {"New",
         [](H& h, const QString&) {
             h.messages.answers = {MessageAnswer::No};
             h.window.mnuFileNew_Click();
         },
         0},
        {"Open",
         [](H& h, const QString& folder) {
             Levelset other;
             resetLevelset(other);
             ASSERT_FALSE(writeLevelsetFile(other, folder + "/zvrhlopn.vrh").has_value());
             h.messages.answers = {MessageAnswer::No};
             h.dialogs.answers = {folder + "/zvrhlopn.vrh"};
             h.window.mnuFileOpen_Click();
         },
         0},
        {"a normal end after No at the prompt",
         [](H& h, const QString&) {
             h.messages.answers = {MessageAnswer::No};
             EXPECT_TRUE(h.window.close());
         },
         0},
        {"a refused save",
         [](H& h, const QString& folder) {
             for (int x = 0; x < 11; ++x) {
                 h.level(0).tiles[0][x] = 69; // eleven alien holes: the save is refused
             }
             h.messages.answers = {MessageAnswer::Ok};
             h.dialogs.answers = {folder + "/zvrhlsav.vrh"};
             h.window.mnuFileSave_Click();
         },
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TemporaryUserFolders folders;
        QTemporaryDir folder;
        auto h = std::make_unique<ActiveWindow>();
        EXPECT_EQ(recoveryFiles(), 0);
        h->window.mnuLevelIncreaseWidth_Click();
        h->window.mnuLevelAdd_Click();
        ASSERT_EQ(recoveryFiles(), 1);
        c.act(*h, folder.path());
        EXPECT_EQ(recoveryFiles(), c.filesAfter);
        h.reset();
        // Closing the window without its normal end, as a crash would, keeps what was there.
        EXPECT_EQ(recoveryFiles(), c.filesAfter);
    }
}

// While recovery can't be written (a full disk) a warning stays beside the status text, its
// tooltip naming the folder and the reason, until a write succeeds again; the temporary of the
// failed write is gone at once.
TEST(Recovery, AWarningStaysWhileRecoveryCantBeWritten) {
    if (!QFileInfo::exists(QStringLiteral("/dev/full"))) {
        GTEST_SKIP() << "no /dev/full to stand for a full disk";
    }
    TemporaryUserFolders folders;
    ActiveWindow h;
    auto* warning = h.window.findChild<QLabel*>(QStringLiteral("lblRecoveryWarning"));
    ASSERT_NE(warning, nullptr);
    h.window.mnuLevelIncreaseWidth_Click(); // the first write makes the editor's own file
    const QStringList own = recoveryEntries().filter(QRegularExpression("\\.vrh$"));
    ASSERT_EQ(own.size(), 1);
    const QString temporary = RecoveryFolder::standardPath() + "/" + own.front() + ".new";
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), temporary));
    EXPECT_TRUE(warning->isHidden());

    h.window.mnuLevelIncreaseWidth_Click();
    EXPECT_FALSE(QFileInfo(temporary).isSymLink());
    EXPECT_FALSE(warning->isHidden());
    EXPECT_EQ(warning->toolTip(), "Unsaved changes can't be kept for recovery in " +
                                      QDir::toNativeSeparators(RecoveryFolder::standardPath()) +
                                      ": No space left on device");
    h.window.setStatusText(QStringLiteral("Filled 12 cells")); // as the next gesture does
    EXPECT_FALSE(warning->isHidden());

    h.window.mnuLevelIncreaseWidth_Click();
    EXPECT_TRUE(warning->isHidden());
}

TEST(Recovery, AKilledEditorsFileHoldsItsLevelsetNameAndTime) {
    TemporaryUserFolders folders;
    ActiveWindow h;
    h.window.levelset().fileName = QStringLiteral("/levels/zvrhlabc.vrh");
    h.showLevel(2, 1);
    h.window.state().curTile = 54;
    h.window.mnuLevelIncreaseHeight_Click();
    h.window.txtTime->setText(QStringLiteral("7"));
    const QStringList files = recoveryEntries().filter(QRegularExpression("\\.vrh$"));
    ASSERT_EQ(files.size(), 1);
    const RecoveryRead read =
        decodeRecovery(contentOf(RecoveryFolder::standardPath() + "/" + files[0]));
    ASSERT_TRUE(read.recovered.has_value()) << read.error.toStdString();
    EXPECT_EQ(read.recovered->levelset.fileName, QStringLiteral("/levels/zvrhlabc.vrh"));
    EXPECT_EQ(serializeLevelset(read.recovered->levelset, "ABC"),
              serializeLevelset(h.window.levelset(), "ABC"));
    EXPECT_EQ(read.recovered->levelset.levels[1].time, 7);
    EXPECT_LE(read.recovered->writtenAt.secsTo(QDateTime::currentDateTimeUtc()), 60);
}

struct StartUp {
    ScriptedMessageBoxes messages;
    ScriptedFileDialogs dialogs;
    std::unique_ptr<frmMain> window;

    void start() { window = startEditor(messages, dialogs); }
};

TEST(Recovery, YesAtStartUpPutsTheLevelsetBackUnderItsNameUntilItIsSaved) {
    TemporaryUserFolders folders;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("zvrhlabc.vrh"));
    const QDateTime at = QDateTime::currentDateTimeUtc().addSecs(-90);
    const Levelset left = paintedLevelset(path, 89);
    const QString file = leaveBehind(left, at);

    StartUp s;
    s.messages.answers = {MessageAnswer::Yes};
    s.start();
    ASSERT_EQ(s.messages.asked.size(), 1u);
    EXPECT_EQ(s.messages.asked[0].text, question(path, at));
    EXPECT_EQ(s.messages.asked[0].title, QStringLiteral("Recover Levelset"));
    EXPECT_EQ(s.messages.asked[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(s.messages.asked[0].icon, MessageIcon::None);

    frmMain& w = *s.window;
    EXPECT_EQ(serializeLevelset(w.levelset(), "ABC"), serializeLevelset(left, "ABC"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("[") + path + "] - Varnhold: Levelset Editor");
    EXPECT_EQ(w.lblLevelNum->text(), QStringLiteral("Level: 1 / 2"));
    EXPECT_FALSE(w.history().stack().canUndo());
    // The file is this editor's own now: it stays, and the next step writes it.
    EXPECT_EQ(recoveryFiles(), 1);
    w.mnuLevelNext_Click();
    w.mnuLevelIncreaseWidth_Click();
    const RecoveryRead read = decodeRecovery(contentOf(file));
    ASSERT_TRUE(read.recovered.has_value());
    EXPECT_EQ(read.recovered->levelset.levels[1].width, 13);
    // Undoing that step still leaves changes the file on disk doesn't have.
    w.mnuEditUndo_Click();
    EXPECT_EQ(recoveryFiles(), 1);

    // Save writes where it came from, without a dialog, and the recovery file goes.
    w.mnuFileSave_Click();
    EXPECT_TRUE(s.dialogs.asked.empty());
    EXPECT_EQ(contentOf(path), serializeLevelset(left, "ABC"));
    EXPECT_EQ(recoveryFiles(), 0);
}

// Another program wrote the file after the editor was killed: the offer says so, and the first
// Save asks as the "File Changed" box does; No there writes the recovered levelset over it.
TEST(Recovery, AFileChangedSinceIsToldAndTheFirstSaveAsks) {
    TemporaryUserFolders folders;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("zvrhlabc.vrh"));
    const QDateTime at = QDateTime::currentDateTimeUtc().addSecs(-90);
    const Levelset left = paintedLevelset(path, 89);
    leaveBehind(left, at);
    testing::writeFile(path, "the newer bytes of another program");

    StartUp s;
    s.messages.answers = {MessageAnswer::Yes, MessageAnswer::No};
    s.start();
    ASSERT_EQ(s.messages.asked.size(), 1u);
    EXPECT_EQ(s.messages.asked[0].text, question(path, at, QFileInfo(path).lastModified()));
    s.window->mnuFileSave_Click();
    ASSERT_EQ(s.messages.asked.size(), 2u);
    EXPECT_EQ(s.messages.asked[1].text,
              QStringLiteral("zvrhlabc.vrh was changed by another program. Reload it and lose "
                             "the changes made here?"));
    EXPECT_EQ(s.messages.asked[1].title, QStringLiteral("File Changed"));
    EXPECT_EQ(s.messages.asked[1].buttons, MessageButtons::YesNoDefaultNo);
    EXPECT_EQ(contentOf(path), serializeLevelset(left, "ABC"));
    s.window->mnuLevelIncreaseWidth_Click();
    s.window->mnuFileSave_Click(); // the next Save writes without asking
    EXPECT_EQ(s.messages.asked.size(), 2u);
    EXPECT_EQ(readLevelsetFile(path).levelset->levels[0].width, left.levels[0].width + 1);
}

TEST(Recovery, NoAtStartUpSetsTheFileAsideAndKeepsTheFreshLevelset) {
    TemporaryUserFolders folders;
    const QString file = leaveBehind(paintedLevelset(kUntitled, 89), QDateTime::currentDateTime());
    StartUp s;
    s.messages.answers = {MessageAnswer::No};
    s.start();
    ASSERT_EQ(s.messages.asked.size(), 1u);
    EXPECT_TRUE(s.messages.asked[0].text.startsWith(
        QStringLiteral("The editor ended without saving [Untitled]. Recover")));
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_EQ(s.window->levelset().numLevels, 1);
    EXPECT_EQ(s.window->windowTitle(), QStringLiteral("[Untitled] - Varnhold: Levelset Editor"));
    EXPECT_EQ(recoveryEntries(), QStringList{QFileInfo(file).fileName() + ".declined"});
}

TEST(Recovery, SeveralLeftAreOfferedNewestFirstUpToTheFirstYes) {
    TemporaryUserFolders folders;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QString oldest = leaveBehind(paintedLevelset("/l/zvrhlold.vrh", 1), now.addSecs(-300));
    const QString middle = leaveBehind(paintedLevelset("/l/zvrhlmid.vrh", 2), now.addSecs(-200));
    const QString newest = leaveBehind(paintedLevelset("/l/zvrhlnew.vrh", 3), now.addSecs(-100));

    StartUp s;
    s.messages.answers = {MessageAnswer::No, MessageAnswer::Yes};
    s.start();
    ASSERT_EQ(s.messages.asked.size(), 2u);
    EXPECT_EQ(s.messages.asked[0].text, question("/l/zvrhlnew.vrh", now.addSecs(-100)));
    EXPECT_EQ(s.messages.asked[1].text, question("/l/zvrhlmid.vrh", now.addSecs(-200)));
    EXPECT_EQ(s.window->levelset().levels[1].tiles[2][3], 2);
    EXPECT_TRUE(QFileInfo::exists(newest + ".declined"));
    EXPECT_TRUE(QFileInfo::exists(middle)); // this editor's own now
    s.window.reset();

    // The oldest is offered again at the next start, and so is the middle one, whose editor
    // ended without its normal end.
    StartUp next;
    next.messages.answers = {MessageAnswer::No, MessageAnswer::No};
    next.start();
    ASSERT_EQ(next.messages.asked.size(), 2u);
    EXPECT_EQ(next.messages.asked[0].text, question("/l/zvrhlmid.vrh", now.addSecs(-200)));
    EXPECT_EQ(next.messages.asked[1].text, question("/l/zvrhlold.vrh", now.addSecs(-300)));
    EXPECT_TRUE(QFileInfo::exists(oldest + ".declined"));
    EXPECT_EQ(recoveryFiles(), 0);
}

TEST(Recovery, AFileThatDoesNotReadIsSetAsideAndReported) {
    TemporaryUserFolders folders;
    const QString good = leaveBehind(paintedLevelset("/l/zvrhlgud.vrh", 5),
                                     QDateTime::currentDateTimeUtc().addSecs(-100));
    const QString bad = leaveBehind(Levelset{}, QDateTime::currentDateTimeUtc());
    {
        QFile cut(bad);
        ASSERT_TRUE(cut.open(QIODevice::ReadWrite));
        ASSERT_TRUE(cut.resize(60));
    }
    StartUp s;
    s.messages.answers = {MessageAnswer::Ok, MessageAnswer::No};
    s.start();
    ASSERT_EQ(s.messages.asked.size(), 2u);
    EXPECT_EQ(s.messages.asked[0].text,
              QStringLiteral("A file kept to recover unsaved changes does not read as a levelset. "
                             "It is kept as ") +
                  QFileInfo(bad).absoluteFilePath() +
                  QStringLiteral(".bad.\rThe file ends in level 1, at byte 60 of 68."));
    EXPECT_EQ(s.messages.asked[0].title, QStringLiteral("Varnhold: Levelset Editor"));
    EXPECT_EQ(s.messages.asked[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(s.messages.asked[1].title, QStringLiteral("Recover Levelset"));
    EXPECT_TRUE(QFileInfo::exists(bad + ".bad"));
    EXPECT_FALSE(QFileInfo::exists(good));
}

TEST(Recovery, ARunningEditorsFileIsNeverOffered) {
    TemporaryUserFolders folders;
    ActiveWindow running;
    running.window.mnuLevelAdd_Click();
    ASSERT_EQ(recoveryFiles(), 1);
    StartUp s;
    s.start();
    EXPECT_TRUE(s.messages.asked.empty());
    EXPECT_EQ(recoveryFiles(), 1);
}

} // namespace
} // namespace vrh
