// SPDX-License-Identifier: GPL-3.0-or-later
#include "levelset/levelsetfile.h"

#include "support/diskfiles.h"
#include "support/hangguard.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace vrh {
namespace {

using testing::contentOf;
using testing::expectFolderHolds;
using testing::writeFile;

Levelset levelsetOf(int numLevels) {
    Levelset levelset;
    resetLevelset(levelset);
    levelset.numLevels = static_cast<std::uint8_t>(numLevels);
    levelset.reserved1 = 42;
    levelset.passcodes[0].assign("SECOND");
    for (int index = 0; index < kMaxLevels; ++index) {
        levelset.levels[index].width = static_cast<std::uint8_t>(12 + index * 2);
        levelset.levels[index].tiles[3][5] = static_cast<std::uint8_t>(60 + index);
    }
    return levelset;
}

TEST(LevelsetFileOnDisk, WriteThenReadGivesTheSameBytesAndNamesTheFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("zvrhlq7x.vrh"));
    const Levelset levelset = levelsetOf(8);

    ASSERT_EQ(writeLevelsetFile(levelset, path), std::nullopt);
    const QByteArray written = contentOf(path);
    EXPECT_EQ(written, serializeLevelset(levelset, "Q7X"));
    expectFolderHolds(dir.path(), {QStringLiteral("zvrhlq7x.vrh")});

    const ReadResult read = readLevelsetFile(path);
    ASSERT_TRUE(read.levelset) << read.error.toStdString();
    EXPECT_EQ(read.levelset->fileName, path);
    EXPECT_EQ(serializeLevelset(*read.levelset, "Q7X"), written);
}

TEST(LevelsetFileOnDisk, HeaderNameComesFromTheFilesOwnName) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("zvrhlSets")));
    const QString path = dir.filePath(QStringLiteral("zvrhlSets/zvrhlabc.vrh"));

    ASSERT_EQ(writeLevelsetFile(levelsetOf(1), path), std::nullopt);
    EXPECT_EQ(contentOf(path).left(7), QByteArray("VRH0ABC"));
}

TEST(LevelsetFileOnDisk, SavingOverALongerFileLeavesExactlyTheNewLength) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("zvrhlabc.vrh"));
    writeFile(path, serializeLevelset(levelsetOf(8), "OLD"));

    const Levelset shorter = levelsetOf(1);
    ASSERT_EQ(writeLevelsetFile(shorter, path), std::nullopt);
    EXPECT_EQ(contentOf(path), serializeLevelset(shorter, "ABC"));
}

#ifndef _WIN32
// Lowers the largest file this process may write, so writing runs out of room as on a full
// disk (root ignores permissions, not this limit).
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};
#endif

TEST(LevelsetFileOnDisk, AWriteThatRunsOutOfRoomLeavesTheOldFileUntouched) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no limit on the size of a process's files to stand in for a "
                    "full disk";
#else
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("zvrhlabc.vrh"));
    const QByteArray old = serializeLevelset(levelsetOf(1), "ABC");
    writeFile(path, old);

    std::optional<QString> error;
    {
        const FileSizeLimit limit(200);
        error = writeLevelsetFile(levelsetOf(8), path);
    }
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, QStringLiteral("Can't save ") + path + QStringLiteral(".\rFile too large"));
    EXPECT_EQ(contentOf(path), old);
    expectFolderHolds(dir.path(), {QStringLiteral("zvrhlabc.vrh")});
#endif
}

TEST(LevelsetFileOnDisk, AWriteThatCannotStartSaysWhyAndWritesNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeFile(dir.filePath(QStringLiteral("plain")), "not a folder");
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("zvrhlold.vrh/inside")));

    struct Case {
        QString path;
        QString reason; // empty where the system may word it in more than one way
    };
    const Case cases[] = {
        {dir.filePath(QStringLiteral("missing/zvrhlabc.vrh")), "No such file or directory"},
#ifdef _WIN32
        // Windows finds no such path, in its own words, where Linux finds a file in the way.
        {dir.filePath(QStringLiteral("plain/zvrhlabc.vrh")), {}},
#else
        {dir.filePath(QStringLiteral("plain/zvrhlabc.vrh")), "Not a directory"},
#endif
        // a folder stands where the file goes
        {dir.filePath(QStringLiteral("zvrhlold.vrh")), "Is a directory"},
        {QStringLiteral("/proc/zvrhlabc.vrh"), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const std::optional<QString> error = writeLevelsetFile(levelsetOf(2), c.path);
        ASSERT_TRUE(error);
        const QString start = QStringLiteral("Can't save ") + c.path + QStringLiteral(".\r");
        if (c.reason.isEmpty()) {
            EXPECT_TRUE(error->startsWith(start)) << error->toStdString();
            EXPECT_GT(error->size(), start.size());
        } else {
            EXPECT_EQ(*error, start + c.reason);
        }
    }
    expectFolderHolds(dir.path(), {QStringLiteral("plain"), QStringLiteral("zvrhlold.vrh")});
    expectFolderHolds(dir.filePath(QStringLiteral("zvrhlold.vrh")), {QStringLiteral("inside")});
    EXPECT_EQ(contentOf(dir.filePath(QStringLiteral("plain"))), QByteArray("not a folder"));
}

TEST(LevelsetFileOnDisk, ReadingRefusesWithTheFileNameAndTheReason) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString cut = dir.filePath(QStringLiteral("zvrhlcut.vrh"));
    writeFile(cut, serializeLevelset(levelsetOf(3), "CUT").left(100));
    const QString missing = dir.filePath(QStringLiteral("zvrhlnon.vrh"));
#ifndef _WIN32 // Windows has no FIFOs, socket files, devices in folders nor symbolic links
    const QString fifo = dir.filePath(QStringLiteral("zvrhlfif.vrh"));
    testing::makeFifo(fifo);
    const QString socket = dir.filePath(QStringLiteral("zvrhlsoc.vrh"));
    testing::makeSocketFile(socket);
    const QString device = dir.filePath(QStringLiteral("zvrhldev.vrh"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), device));
    const QString dangling = dir.filePath(QStringLiteral("zvrhldan.vrh"));
    ASSERT_TRUE(QFile::link(QStringLiteral("nowhere.vrh"), dangling));
#endif

    struct Case {
        QString path;
        QString reason;
    };
    const Case cases[] = {
        {cut, "The file ends in level 1, at byte 100 of 164."},
        {missing, "No such file or directory"},
        {dir.path(), "Is a directory"},
#ifndef _WIN32
        {dangling, "No such file or directory"},
        // Refused at once: opening a FIFO waits for a writer, and reading a device never ends;
        // a link is followed to what it points to.
        {fifo, "Is a FIFO, not a regular file"},
        {socket, "Is a socket, not a regular file"},
        {device, "Is a device, not a regular file"},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const testing::HangGuard guard("reading a file that is no regular file");
        const ReadResult read = readLevelsetFile(c.path);
        EXPECT_FALSE(read.levelset);
        EXPECT_EQ(read.error.toStdString(),
                  ("Can't open " + c.path + ".\r" + c.reason).toStdString());
    }
}

} // namespace
} // namespace vrh
