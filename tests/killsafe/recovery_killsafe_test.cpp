// SPDX-License-Identifier: GPL-3.0-or-later
// Crash recovery must never leave a torn file: an editor killed at any moment while it edits
// leaves a recovery file that reads whole and holds one of the levelsets it had reached.
#include "commands/history/edithistory.h"
#include "commands/recovery/recoveryfile.h"
#include "commands/recovery/recoveryfolder.h"
#include "commands/recovery/recoverykeeper.h"
#include "levelset/levelsetfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace vrh {
namespace {

class NoView : public HistoryView {
  public:
    void showHistoryMove(bool) override {}
};

// An editor without a window: the levelset, its history and, when given a folder, the
// recovery file following it.
struct Editor {
    Levelset levelset;
    EditingState state;
    NoView view;
    EditHistory history{levelset, state, view};

    Editor() {
        resetLevelset(levelset);
        levelset.fileName = QStringLiteral("/levels/zvrhlkil.vrh");
    }

    // One random thing a designer does: paint, type a time, resize, add a level, undo, redo.
    void act(std::mt19937& random) {
        LevelRecord& level = levelset.levels[state.curLevel];
        switch (random() % 6) {
        case 0:
            history.record(stepname::Paint, [&] {
                level.tiles[random() % 8][random() % 12] = static_cast<std::uint8_t>(random());
            });
            break;
        case 1:
            history.record(stepname::Time,
                           [&] { level.time = static_cast<std::uint8_t>(random()); });
            break;
        case 2:
            history.record(stepname::IncreaseWidth,
                           [&] { level.width = static_cast<std::uint8_t>(12 + random() % 21); });
            break;
        case 3:
            history.record(stepname::AddLevel, [&] {
                levelset.numLevels = static_cast<std::uint8_t>(1 + random() % 8);
            });
            break;
        case 4:
            history.undo();
            break;
        default:
            history.redo();
            break;
        }
    }

    QByteArray bytes() const { return serializeLevelset(levelset, "KIL"); }
};

constexpr int kActions = 2000;

TEST(KillSafeRecovery, AKilledEditorLeavesAWholeLevelsetItHadReached) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::mt19937 delays(20261208);
    std::uniform_int_distribution<int> delayMicroseconds(0, 15000);
    int killedWhileRunning = 0;
    int filesLeft = 0;

    for (int round = 0; round < 200; ++round) {
        const QString folderPath = dir.filePath(QStringLiteral("round%1").arg(round));
        const unsigned seed = 1000u + static_cast<unsigned>(round);

        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            Editor editor;
            RecoveryFolder folder(folderPath);
            RecoveryKeeper keeper(editor.levelset, editor.history.stack(), folder);
            std::mt19937 random(seed);
            for (int i = 0; i < kActions; ++i) {
                editor.act(random);
            }
            _exit(0);
        }
        usleep(static_cast<useconds_t>(delayMicroseconds(delays)));
        ASSERT_EQ(kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) {
            ++killedWhileRunning;
        }

        // Every levelset the child could have reached, replayed here with the same draws.
        std::set<QByteArray> reached;
        {
            Editor replay;
            std::mt19937 random(seed);
            for (int i = 0; i < kActions; ++i) {
                replay.act(random);
                reached.insert(replay.bytes());
            }
        }
        const QStringList files =
            QDir(folderPath).entryList({QStringLiteral("*.vrh")}, QDir::Files);
        ASSERT_LE(files.size(), 1) << "round " << round;
        for (const QString& name : files) {
            QFile file(QDir(folderPath).filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const RecoveryRead read = decodeRecovery(file.readAll());
            ASSERT_TRUE(read.recovered.has_value())
                << "round " << round << ": " << read.error.toStdString();
            EXPECT_EQ(read.recovered->levelset.fileName, QStringLiteral("/levels/zvrhlkil.vrh"));
            ASSERT_TRUE(reached.count(serializeLevelset(read.recovered->levelset, "KIL")))
                << "round " << round << ": a levelset the editor never had";
            ++filesLeft;
        }
    }
    EXPECT_EQ(killedWhileRunning, 200);
    // Most kills come while there is something to recover: the check above did its work.
    EXPECT_GT(filesLeft, 100);
}

} // namespace
} // namespace vrh
