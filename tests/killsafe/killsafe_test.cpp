// SPDX-License-Identifier: GPL-3.0-or-later
// Saving must never leave a half-written levelset: a save killed at any moment leaves the file
// on disk byte for byte the old one or the new one, and no temporary file the user would see.
#include "levelset/levelsetfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace vrh {
namespace {

Levelset levelsetOfSize(int numLevels, std::uint8_t fill) {
    Levelset levelset;
    levelset.numLevels = static_cast<std::uint8_t>(numLevels);
    for (LevelRecord& level : levelset.levels) {
        level.width = 32;
        level.height = 32;
        for (auto& row : level.tiles) {
            row.fill(fill);
        }
    }
    return levelset;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

TEST(KillSafeSaving, AKilledSaveLeavesTheOldFileOrTheNewOneAndNoLeftover) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("zvrhlabc.vrh"));

    // A short and a long levelset, so a torn write would show as a wrong length too.
    const Levelset shortSet = levelsetOfSize(1, 7);
    const Levelset longSet = levelsetOfSize(8, 9);
    const QByteArray shortBytes = serializeLevelset(shortSet, "ABC");
    const QByteArray longBytes = serializeLevelset(longSet, "ABC");

    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> delayMicroseconds(0, 3000);
    int killedWhileRunning = 0;

    for (int round = 0; round < 200; ++round) {
        ASSERT_FALSE(writeLevelsetFile(shortSet, path).has_value());

        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            // Save over the file again and again, alternating contents, until killed.
            for (int i = 0;; ++i) {
                if (writeLevelsetFile(i % 2 == 0 ? longSet : shortSet, path)) {
                    _exit(1);
                }
            }
        }
        usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        ASSERT_EQ(kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) {
            ++killedWhileRunning;
        }

        const QByteArray onDisk = readAll(path);
        ASSERT_TRUE(onDisk == shortBytes || onDisk == longBytes)
            << "round " << round << ": " << onDisk.size() << " bytes on disk";
        // Nothing the user would see; a kill between naming the finished file and renaming
        // it may leave a hidden, whole copy, which nothing reads.
        const QDir folder(dir.path());
        ASSERT_EQ(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                  QStringList{QStringLiteral("zvrhlabc.vrh")})
            << "round " << round;
        const QStringList hidden =
            folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System);
        for (const QString& name : hidden) {
            if (name == QStringLiteral("zvrhlabc.vrh")) {
                continue;
            }
            ASSERT_TRUE(name.startsWith(QStringLiteral(".zvrhlabc.vrh.saving-")))
                << name.toStdString();
            const QByteArray copy = readAll(folder.filePath(name));
            ASSERT_TRUE(copy == shortBytes || copy == longBytes) << name.toStdString();
        }
    }
    EXPECT_EQ(killedWhileRunning, 200);
}

} // namespace
} // namespace vrh
