// Where a save really writes and what it refuses, the same whichever way the bytes reach the
// disk: through symbolic links, over hard links, over a write-protected file, over a file
// with the longest name a folder holds, over something that is no regular file.
#include "levelset/levelsetfile.h"
#include "levelset/safesave.h"

#include "support/diskfiles.h"
#include "support/unprivileged.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <sys/stat.h>

namespace vrh {

void PrintTo(WriteMethod method, std::ostream* os) {
    *os << (method == WriteMethod::NamelessFile ? "NamelessFile" : "SaveFile");
}

namespace {

using testing::contentOf;
using testing::expectFolderHolds;
using testing::freshLevelsetAbc;
using testing::writeFile;

const QByteArray kOld = "old bytes, never a levelset";

QString linkTarget(const QString& link) {
    return QFile::decodeName(QByteArray::fromStdString(
        std::filesystem::read_symlink(QFile::encodeName(link).toStdString()).native()));
}

mode_t modeOf(const QString& path) {
    struct stat info {};
    EXPECT_EQ(stat(QFile::encodeName(path).constData(), &info), 0) << path.toStdString();
    return info.st_mode & 07777;
}

class SavingRules : public ::testing::TestWithParam<WriteMethod> {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString at(const QString& name) const { return dir.filePath(name); }
    void link(const QString& name, const QString& target) const {
        ASSERT_TRUE(QFile::link(target, at(name))) << name.toStdString();
    }
    // The reason of a refusal, or "saved".
    std::string save(const QString& path, QByteArrayView bytes) const {
        const std::optional<QString> error = replaceFileSafely(path, bytes, GetParam());
        return error ? error->toStdString() : std::string("saved");
    }

    QTemporaryDir dir;
};

TEST_P(SavingRules, ThroughLinksTheLastTargetIsWrittenAndEveryLinkStaysALink) {
    struct Link {
        QString name;
        QString target; // as stored in the link: relative to its folder, or "@/" for the test's
    };
    struct Case {
        const char* what;
        std::vector<Link> links; // the first is the one saved through
        QString finalTarget;     // the file that must end up holding the bytes
        bool targetExists;
    };
    const Case cases[] = {
        {"a link", {{"zvrhlabc.vrh", "real/target.bin"}}, "real/target.bin", true},
        // ".." after a linked folder leaves the folder the link points to, as the system has it
        {"a chain of links, absolute, relative and through a linked folder",
         {{"zvrhlabc.vrh", "@/hop1"},
          {"hop1", "viasub/hop2"},
          {"deep/sub/hop2", "../../real/target.bin"}},
         "real/target.bin",
         true},
        {"a dangling link", {{"zvrhlabc.vrh", "real/new.bin"}}, "real/new.bin", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir fresh;
        dir.swap(fresh);
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("real")));
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("deep/sub")));
        link(QStringLiteral("viasub"), QStringLiteral("deep/sub"));
        if (c.targetExists) {
            writeFile(at(c.finalTarget), kOld);
        }
        const auto stored = [this](const QString& target) {
            return target.startsWith(QStringLiteral("@/")) ? at(target.mid(2)) : target;
        };
        for (const Link& l : c.links) {
            link(l.name, stored(l.target));
        }

        ASSERT_EQ(save(at(c.links.front().name), freshLevelsetAbc()), "saved");

        EXPECT_EQ(contentOf(at(c.finalTarget)), freshLevelsetAbc());
        EXPECT_TRUE(QFileInfo(at(c.finalTarget)).isFile());
        for (const Link& l : c.links) {
            EXPECT_TRUE(QFileInfo(at(l.name)).isSymLink()) << l.name.toStdString();
            EXPECT_EQ(linkTarget(at(l.name)), stored(l.target));
        }
        expectFolderHolds(at(QStringLiteral("real")), {QFileInfo(c.finalTarget).fileName()});
    }
}

TEST_P(SavingRules, AHardLinkedFileGetsANewFileAndItsOtherNameKeepsTheOldBytes) {
    const QString saved = at(QStringLiteral("zvrhlabc.vrh"));
    const QString other = at(QStringLiteral("other-name.vrh"));
    writeFile(saved, kOld);
    ASSERT_EQ(::link(QFile::encodeName(saved).constData(), QFile::encodeName(other).constData()),
              0);

    ASSERT_EQ(save(saved, freshLevelsetAbc()), "saved");

    EXPECT_EQ(contentOf(saved), freshLevelsetAbc());
    EXPECT_EQ(contentOf(other), kOld);
    expectFolderHolds(dir.path(),
                      {QStringLiteral("other-name.vrh"), QStringLiteral("zvrhlabc.vrh")});
}

TEST_P(SavingRules, AWriteProtectedFileIsRefusedAndLeftAsItWas) {
    // Run as nobody when the tests run as root, whom no file mode stops. The folder is open to
    // everyone, so only the file's own mode can refuse the save.
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    struct Case {
        const char* what;
        QString savedThrough;
    };
    const QString file = at(QStringLiteral("zvrhlabc.vrh"));
    const QString link = at(QStringLiteral("zvrhllnk.vrh"));
    writeFile(file, kOld);
    ASSERT_EQ(chmod(QFile::encodeName(file).constData(), 0444), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("zvrhlabc.vrh"), link));
    const Case cases[] = {{"the file itself", file}, {"a link to it", link}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<std::string> refusal =
            testing::runAsUnprivilegedUser([&] { return save(c.savedThrough, "new"); });
        ASSERT_TRUE(refusal) << "the save did not finish in a child process";
        EXPECT_EQ(*refusal, "Permission denied");
        EXPECT_EQ(contentOf(file), kOld);
        EXPECT_EQ(modeOf(file), 0444u);
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        expectFolderHolds(dir.path(),
                          {QStringLiteral("zvrhlabc.vrh"), QStringLiteral("zvrhllnk.vrh")});
    }
}

TEST_P(SavingRules, WhatIsNoRegularFileIsNeverSavedOver) {
    const QString fifo = at(QStringLiteral("zvrhlfif.vrh"));
    testing::makeFifo(fifo);
    const QString socket = at(QStringLiteral("zvrhlsoc.vrh"));
    testing::makeSocketFile(socket);
    link(QStringLiteral("zvrhldev.vrh"), QStringLiteral("/dev/null"));
    link(QStringLiteral("zvrhlone.vrh"), QStringLiteral("zvrhltwo.vrh"));
    link(QStringLiteral("zvrhltwo.vrh"), QStringLiteral("zvrhlone.vrh"));
    struct Case {
        QString path;
        QString reason;
    };
    const Case cases[] = {
        {fifo, "Is a FIFO, not a regular file"},
        {socket, "Is a socket, not a regular file"},
        {at(QStringLiteral("zvrhldev.vrh")), "Is a device, not a regular file"},
        {at(QStringLiteral("zvrhlone.vrh")), "Too many levels of symbolic links"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        EXPECT_EQ(save(c.path, freshLevelsetAbc()), c.reason.toStdString());
    }
    EXPECT_FALSE(QFileInfo(fifo).isFile());
    EXPECT_TRUE(QFileInfo(fifo).exists());
    EXPECT_TRUE(QFileInfo(at(QStringLiteral("zvrhldev.vrh"))).isSymLink());
    expectFolderHolds(dir.path(), {QStringLiteral("zvrhldev.vrh"), QStringLiteral("zvrhlfif.vrh"),
                                   QStringLiteral("zvrhlone.vrh"), QStringLiteral("zvrhlsoc.vrh"),
                                   QStringLiteral("zvrhltwo.vrh")});
}

INSTANTIATE_TEST_SUITE_P(LevelsetFileOnDisk, SavingRules,
                         ::testing::Values(WriteMethod::NamelessFile, WriteMethod::SaveFile),
                         [](const auto& info) {
                             return info.param == WriteMethod::NamelessFile ? "NamelessFile"
                                                                            : "SaveFile";
                         });

TEST(LevelsetFileOnDisk, AFileWithTheLongestNameCanBeSavedOver) {
    struct Case {
        const char* what;
        QString name; // 255 bytes, the most a folder entry holds
    };
    const Case cases[] = {
        {"ASCII", QStringLiteral("zvrhl") + QString(246, QLatin1Char('a')) + ".vrh"},
        // two bytes a character, where the hidden name's cut falls inside the run of them
        {"two-byte characters",
         QStringLiteral("zvrhlx") + QString(122, QChar(0xE9)) + QStringLiteral("x.vrh")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(QFile::encodeName(c.name).size(), 255);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath(c.name);
        writeFile(path, kOld);

        ASSERT_EQ(replaceFileSafely(path, freshLevelsetAbc()), std::nullopt);

        EXPECT_EQ(contentOf(path), freshLevelsetAbc());
        expectFolderHolds(dir.path(), {c.name});
    }
}

TEST(LevelsetFileOnDisk, SavingThroughALinkNamesTheLevelsetAfterTheLink) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString target = dir.filePath(QStringLiteral("elsewhere.bin"));
    writeFile(target, kOld);
    const QString link = dir.filePath(QStringLiteral("zvrhlabc.vrh"));
    ASSERT_TRUE(QFile::link(QStringLiteral("elsewhere.bin"), link));
    Levelset fresh;
    resetLevelset(fresh);

    ASSERT_EQ(writeLevelsetFile(fresh, link), std::nullopt);

    EXPECT_EQ(contentOf(target), freshLevelsetAbc());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
}

} // namespace
} // namespace vrh
