// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/history/edithistory.h"
#include "commands/recovery/recoveryfile.h"
#include "commands/recovery/recoveryfolder.h"
#include "commands/recovery/recoverykeeper.h"

#include "levelset/filepath.h"
#include "levelset/levelsetfile.h"
#include "support/diskfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace vrh {
namespace {

using testing::contentOf;

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

Levelset smallLevelset(const QString& fileName) {
    Levelset levelset;
    resetLevelset(levelset);
    levelset.fileName = fileName;
    levelset.levels[0].tiles[0][0] = 89;
    levelset.levels[0].time = 120;
    return levelset;
}

const QDateTime kWritten(QDate(2026, 12, 8), QTime(14, 5, 9, 250), Qt::UTC);

TEST(RecoveryFile, IsTheLevelsetFileFollowedByItsNameAndTime) {
    const Levelset levelset = smallLevelset(QStringLiteral("/home/d/levels/zvrhlabc.vrh"));
    const QByteArray bytes = encodeRecovery(levelset, kWritten);
    const QByteArray file = serializeLevelset(levelset, "ABC");
    EXPECT_EQ(bytes, file + "\nVrhEdit recovery\n/home/d/levels/zvrhlabc.vrh\n"
                            "2026-12-08T14:05:09.250Z\n");

    // File > Open reads it as the levelset it holds.
    const ReadResult opened = parseLevelset(bytes);
    ASSERT_TRUE(opened.levelset.has_value());
    EXPECT_EQ(serializeLevelset(*opened.levelset, "ABC"), file);

    // A name of any characters, line ends included, stays on its line and comes back whole;
    // one that Save As would refuse comes back as "Untitled", so Save never writes there.
    const struct {
        const char* written;
        const char* recovered;
    } names[] = {
        {"Untitled", "Untitled"},
        {"/tmp/a b/zvrhl\xc3\xa4\n%.vrh", "/tmp/a b/zvrhl\xc3\xa4\n%.vrh"},
        {"/l/ZVRHLABC.VRH", "/l/ZVRHLABC.VRH"},
        {"/tmp/niv\xe9/zvrhlabc.vrh", "/tmp/niv\xe9/zvrhlabc.vrh"}, // a folder in Latin-1
        {"/home/d/Documents/notes.txt", "Untitled"},
        {"/home/d/zvrhlabcd.vrh", "Untitled"},
        {"zvrhlabc.vrh", "Untitled"},
        {"../zvrhlabc.vrh", "Untitled"},
        {":/zvrhlabc.vrh", "Untitled"},
    };
    for (const auto& name : names) {
        SCOPED_TRACE(name.written);
        Levelset named = levelset;
        named.fileName = pathFromFileSystemBytes(name.written);
        const RecoveryRead read = decodeRecovery(encodeRecovery(named, kWritten));
        ASSERT_TRUE(read.recovered.has_value()) << read.error.toStdString();
        EXPECT_EQ(read.recovered->levelset.fileName, pathFromFileSystemBytes(name.recovered));
        EXPECT_EQ(read.recovered->writtenAt, kWritten);
        EXPECT_EQ(serializeLevelset(read.recovered->levelset, "ABC"), file);
    }
}

TEST(RecoveryFile, AnythingElseIsRefusedWithItsReason) {
    const QByteArray whole =
        encodeRecovery(smallLevelset(QStringLiteral("/l/zvrhlabc.vrh")), kWritten);
    const qsizetype levelsetBytes = whole.indexOf("\nVrhEdit recovery\n");
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* error;
    };
    const Case cases[] = {
        {"empty", QByteArray(), "The file ends in the header, at byte 0 of 52."},
        {"cut in the level", whole.left(100), "The file ends in level 1, at byte 100 of 164."},
        {"a levelset and nothing after it", whole.left(levelsetBytes),
         "The file name and time after the levelset are missing."},
        {"cut after the name", whole.left(whole.lastIndexOf("2026")),
         "The file name and time after the levelset are cut short."},
        {"without the last line end", whole.chopped(1),
         "The file name and time after the levelset are cut short."},
        {"a time that is none", whole.left(whole.lastIndexOf("2026")) + QByteArray("yesterday\n"),
         "The file name or time after the levelset is not readable."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const RecoveryRead read = decodeRecovery(c.bytes);
        EXPECT_FALSE(read.recovered.has_value());
        EXPECT_EQ(read.error, QString::fromLatin1(c.error));
    }
}

TEST(RecoveryFile, TheQuestionNamesTheFileAndTheTime) {
    const auto time = [](const QDateTime& t) {
        return QLocale::c().toString(t.toLocalTime(), QLocale::ShortFormat);
    };
    // Paths as the system writes them: backslashes on Windows.
    const QString folder = QDir::toNativeSeparators(QStringLiteral("/d/r"));
    const QString no =
        QStringLiteral("\r\rNo sets them aside in ") + folder + QStringLiteral(" for 7 days.");
    EXPECT_EQ(recoveryQuestion(QStringLiteral("/home/d/levels/zvrhlabc.vrh"), kWritten,
                               QStringLiteral("/d/r"), QLocale::c()),
              QStringLiteral("The editor ended without saving ") +
                  QDir::toNativeSeparators(QStringLiteral("/home/d/levels/zvrhlabc.vrh")) +
                  QStringLiteral(". Recover the changes made until ") + time(kWritten) +
                  QStringLiteral("?") + no);
    EXPECT_EQ(recoveryQuestion(QStringLiteral("Untitled"), kWritten, QStringLiteral("/d/r"),
                               QLocale::c(), kWritten.addSecs(3600)),
              QStringLiteral("The editor ended without saving [Untitled]. Recover the changes "
                             "made until ") +
                  time(kWritten) +
                  QStringLiteral("?\r\rThe file was changed by another program at ") +
                  time(kWritten.addSecs(3600)) +
                  QStringLiteral(", after these changes: the first Save asks before writing "
                                 "over it.") +
                  no);
    EXPECT_EQ(unreadableRecoveryMessage(QStringLiteral("/d/x.vrh.bad"), QStringLiteral("Why.")),
              QStringLiteral("A file kept to recover unsaved changes does not read as a "
                             "levelset. It is kept as /d/x.vrh.bad.\rWhy."));
}

TEST(RecoveryFolder, EachEditorWritesItsOwnFileUnderItsOwnLock) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("recovery"));
    RecoveryFolder first(folder);
    EXPECT_TRUE(first.ownFile().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(folder)); // nothing is made before there is something to keep

    ASSERT_FALSE(first.write("one").has_value());
    ASSERT_FALSE(first.write("two").has_value());
    const QString own = first.ownFile();
    EXPECT_EQ(contentOf(own), QByteArray("two"));
    const QString id = QFileInfo(own).completeBaseName();
    EXPECT_EQ(entries(folder), (QStringList{id + ".lock", id + ".vrh"}));

    // A second editor neither offers nor removes the first one's live file.
    {
        RecoveryFolder second(folder);
        ASSERT_FALSE(second.write("other").has_value());
        EXPECT_TRUE(second.takeLeftBehind().empty());
        EXPECT_TRUE(first.takeLeftBehind().empty());
        EXPECT_EQ(entries(folder).size(), 4);
    }
    // The second ended without removing its file: the first may take it now, and only it.
    std::vector<RecoveryFolder::LeftFile> left = first.takeLeftBehind();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(contentOf(left[0].path), QByteArray("other"));
    EXPECT_TRUE(RecoveryFolder(folder).takeLeftBehind().empty()); // locked while deciding

    first.removeOwn();
    EXPECT_FALSE(QFileInfo::exists(own));
    EXPECT_TRUE(QFileInfo::exists(folder + "/" + id + ".lock")); // still this editor's
}

TEST(RecoveryFolder, LeftFilesAreOfferedNewestFirstAndEachAnswerDoesItsPart) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("recovery"));
    QStringList written;
    for (const char* bytes : {"oldest", "middle", "newest"}) {
        RecoveryFolder dead(folder);
        ASSERT_FALSE(dead.write(bytes).has_value());
        written << dead.ownFile();
        QFile file(dead.ownFile());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(written.size()),
                                     QFileDevice::FileModificationTime));
    }
    // A write killed half-way left its temporary beside the newest.
    testing::writeFile(written[2] + ".new", "half");

    RecoveryFolder editor(folder);
    std::vector<RecoveryFolder::LeftFile> left = editor.takeLeftBehind();
    ASSERT_EQ(left.size(), 3u);
    EXPECT_EQ(left[0].path, written[2]);
    EXPECT_EQ(left[1].path, written[1]);
    EXPECT_EQ(left[2].path, written[0]);
    EXPECT_FALSE(QFileInfo::exists(written[2] + ".new"));

    const QString declined = editor.decline(std::move(left[0]));
    EXPECT_EQ(declined, written[2] + ".declined");
    EXPECT_EQ(contentOf(declined), QByteArray("newest"));
    EXPECT_LE(QFileInfo(declined).lastModified().secsTo(QDateTime::currentDateTime()), 60);
    const QString bad = editor.setAside(std::move(left[1]));
    EXPECT_EQ(bad, written[1] + ".bad");
    EXPECT_EQ(contentOf(bad), QByteArray("middle"));
    editor.adopt(std::move(left[2]));
    EXPECT_EQ(editor.ownFile(), written[0]);
    ASSERT_FALSE(editor.write("adopted").has_value());
    EXPECT_EQ(contentOf(written[0]), QByteArray("adopted"));

    // What is left: the adopted file under this editor's lock, the bad and the declined one,
    // neither offered again.
    EXPECT_TRUE(RecoveryFolder(folder).takeLeftBehind().empty());
    const QString id = QFileInfo(written[0]).completeBaseName();
    QStringList expected{QFileInfo(bad).fileName(), QFileInfo(declined).fileName(), id + ".lock",
                         id + ".vrh"};
    expected.sort();
    EXPECT_EQ(entries(folder), expected);

    // A declined file goes once it is a week old, and only then; bad ones stay.
    const auto age = [](const QString& path, int days) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addDays(-days),
                                     QFileDevice::FileModificationTime));
    };
    age(declined, 6);
    age(bad, 30);
    EXPECT_TRUE(RecoveryFolder(folder).takeLeftBehind().empty());
    EXPECT_EQ(entries(folder), expected);
    age(declined, 8);
    EXPECT_TRUE(RecoveryFolder(folder).takeLeftBehind().empty());
    expected.removeOne(QFileInfo(declined).fileName());
    EXPECT_EQ(entries(folder), expected);
}

// What a killed editor "dead" left, as its files and their bytes.
using Files = std::vector<std::pair<QString, QByteArray>>;

TEST(RecoveryFolder, WhatADeadEditorLeftIsOfferedWholeAndItsLeftoversGo) {
    const QByteArray older = encodeRecovery(smallLevelset("/l/zvrhlold.vrh"), kWritten);
    const QByteArray newer = encodeRecovery(smallLevelset("/l/zvrhlnew.vrh"), kWritten);
    struct Case {
        const char* what;
        Files left;
        std::optional<QByteArray> offered;
    };
    const std::vector<Case> cases = {
        {"killed between the first write and its rename", {{"dead.vrh.new", newer}}, newer},
        {"killed between a later write and its rename",
         {{"dead.vrh", older}, {"dead.vrh.new", newer}},
         newer},
        {"killed during a later write",
         {{"dead.vrh", older}, {"dead.vrh.new", newer.left(60)}},
         older},
        {"killed during the first write", {{"dead.vrh.new", newer.left(60)}}, std::nullopt},
        {"killed as it made its lock", {{"dead.vrh", older}, {"dead.lock", ""}}, older},
#ifndef _WIN32
        // Locks as the kernel holds them; Windows' lock files name their process instead.
        {"killed after its last undo", {{"dead.lock", ""}}, std::nullopt},
        // In a container the next editor may run under the dead one's process id: that the
        // id is alive, even under the same program's name, says nothing.
        {"killed where its process id lives on",
         {{"dead.vrh", older},
          {"dead.lock", QByteArray::number(QCoreApplication::applicationPid()) + "\n" +
                            QFileInfo("/proc/self/exe").canonicalFilePath().toUtf8() + "\n" +
                            QSysInfo::machineHostName().toUtf8() + "\n"}},
         older},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        for (const auto& [name, bytes] : c.left) {
            testing::writeFile(dir.filePath(name), bytes);
        }
        {
            std::vector<RecoveryFolder::LeftFile> left =
                RecoveryFolder(dir.path()).takeLeftBehind();
            ASSERT_EQ(left.size(), c.offered ? 1u : 0u);
            if (c.offered) {
                EXPECT_EQ(left[0].path, dir.filePath("dead.vrh"));
                EXPECT_EQ(contentOf(left[0].path), *c.offered);
            }
        }
        // Once it is let go only the file is left, to be offered again.
        EXPECT_EQ(entries(dir.path()), c.offered ? QStringList{"dead.vrh"} : QStringList{});
    }
}

class NoView : public HistoryView {
  public:
    void showHistoryMove(bool) override {}
};

// The recovery file follows the history: after a step, an undo and a redo it holds the
// levelset as it then is; it goes when the levelset is what was opened or saved.
TEST(RecoveryKeeper, TheFileFollowsEveryMoveOfTheHistory) {
    QTemporaryDir dir;
    Levelset levelset = smallLevelset(QStringLiteral("/l/zvrhlabc.vrh"));
    EditingState state;
    NoView view;
    EditHistory history(levelset, state, view);
    RecoveryFolder folder(dir.filePath(QStringLiteral("recovery")));
    RecoveryKeeper keeper(levelset, history.stack(), folder);

    const auto kept = [&]() -> std::optional<QByteArray> {
        if (folder.ownFile().isEmpty() || !QFileInfo::exists(folder.ownFile())) {
            return std::nullopt;
        }
        const RecoveryRead read = decodeRecovery(contentOf(folder.ownFile()));
        EXPECT_TRUE(read.recovered.has_value()) << read.error.toStdString();
        EXPECT_EQ(read.recovered->levelset.fileName, QStringLiteral("/l/zvrhlabc.vrh"));
        EXPECT_LE(read.recovered->writtenAt.secsTo(QDateTime::currentDateTimeUtc()), 60);
        return serializeLevelset(read.recovered->levelset, "ABC");
    };
    const auto now = [&] { return serializeLevelset(levelset, "ABC"); };
    const auto step = [&](int time) {
        history.record(stepname::Time, [&] { levelset.levels[0].time = std::uint8_t(time); });
    };

    struct Move {
        const char* what;
        std::function<void()> run;
        bool kept;
    };
    const Move moves[] = {
        {"a step", [&] { step(1); }, true},
        {"a second step", [&] { step(2); }, true},
        {"an undo", [&] { history.undo(); }, true},
        {"an undo back to the file", [&] { history.undo(); }, false},
        {"a redo", [&] { history.redo(); }, true},
        {"a save", [&] { history.markSaved(); }, false},
        {"an undo past the save", [&] { history.undo(); }, true},
        {"a redo back to the save", [&] { history.redo(); }, false},
        {"a stroke while it is drawn",
         [&] {
             history.beginStep(stepname::Paint);
             levelset.levels[0].tiles[3][3] = 200;
         },
         false},
        {"the stroke's end", [&] { history.endStep(); }, true},
        {"keystrokes that merge", [&] { step(7); }, true},
        {"New or Open", [&] { history.clear(); }, false},
    };
    for (const Move& move : moves) {
        SCOPED_TRACE(move.what);
        move.run();
        const std::optional<QByteArray> file = kept();
        EXPECT_EQ(file.has_value(), move.kept);
        if (file) {
            EXPECT_EQ(*file, now());
        }
    }
}

// A recovery folder that can't be made (here a file stands where it would go) is told once,
// with the folder and the reason, and editing goes on.
TEST(RecoveryKeeper, AFileThatCantBeWrittenIsToldOnce) {
    QTemporaryDir dir;
    testing::writeFile(dir.filePath("data"), "not a folder");
    Levelset levelset = smallLevelset(QStringLiteral("/l/zvrhlabc.vrh"));
    EditingState state;
    NoView view;
    EditHistory history(levelset, state, view);
    RecoveryFolder folder(dir.filePath(QStringLiteral("data/recovery")));
    RecoveryKeeper keeper(levelset, history.stack(), folder);
    QStringList told;
    keeper.setFailureReport([&](const QString& text) { told << text; });
    history.record(stepname::Time, [&] { levelset.levels[0].time = 3; });
    history.undo();
    history.redo();
    EXPECT_EQ(levelset.levels[0].time, 3);
    EXPECT_EQ(told, QStringList{"Unsaved changes can't be kept for recovery in " +
                                QDir::toNativeSeparators(folder.path()) + ": Not a directory"});
}

} // namespace
} // namespace vrh
