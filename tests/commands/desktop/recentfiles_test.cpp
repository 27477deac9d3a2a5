// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/desktop/dialogfolder.h"
#include "commands/desktop/recentfiles.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vrh {
namespace {

QStringList paths(std::initializer_list<const char*> names) {
    QStringList list;
    for (const char* name : names) {
        list << QStringLiteral("/levels/%1").arg(QString::fromLatin1(name));
    }
    return list;
}

// A settings file of the test's own, read back through a second QSettings as the next run of
// the program would.
class RecentFilesTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString settingsFile() const { return dir.filePath(QStringLiteral("VrhEdit.conf")); }

    QTemporaryDir dir;
    QSettings settings{settingsFile(), QSettings::IniFormat};
    RecentFiles recent{settings};
};

TEST_F(RecentFilesTest, NewestFirstOnceEachAtMostEight) {
    struct Step {
        const char* what;
        bool forget;
        const char* name;
        QStringList after;
    };
    const Step steps[] = {
        {"first", false, "zvrhlaaa.vrh", paths({"zvrhlaaa.vrh"})},
        {"second on top", false, "zvrhlbbb.vrh", paths({"zvrhlbbb.vrh", "zvrhlaaa.vrh"})},
        {"again moves to the top", false, "zvrhlaaa.vrh", paths({"zvrhlaaa.vrh", "zvrhlbbb.vrh"})},
        {"forgotten", true, "zvrhlaaa.vrh", paths({"zvrhlbbb.vrh"})},
        {"forgetting one not there", true, "zvrhlzzz.vrh", paths({"zvrhlbbb.vrh"})},
    };
    int changes = 0;
    recent.changed = [&changes] { ++changes; };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        const QString path = QStringLiteral("/levels/") + QString::fromLatin1(step.name);
        if (step.forget) {
            recent.forget(path);
        } else {
            recent.remember(path);
        }
        EXPECT_EQ(recent.files(), step.after);
    }
    EXPECT_EQ(changes, 5);

    for (const char* name : {"zvrhl001.vrh", "zvrhl002.vrh", "zvrhl003.vrh", "zvrhl004.vrh",
                             "zvrhl005.vrh", "zvrhl006.vrh", "zvrhl007.vrh", "zvrhl008.vrh"}) {
        recent.remember(QStringLiteral("/levels/") + QString::fromLatin1(name));
    }
    EXPECT_EQ(recent.files(),
              paths({"zvrhl008.vrh", "zvrhl007.vrh", "zvrhl006.vrh", "zvrhl005.vrh", "zvrhl004.vrh",
                     "zvrhl003.vrh", "zvrhl002.vrh", "zvrhl001.vrh"}));
}

TEST_F(RecentFilesTest, KeptForTheNextRunWithTheLastFolder) {
    // Absolute, so the folder is as given: on Windows a path starts at a drive.
    const QString levels = QDir::rootPath() + QStringLiteral("levels");
    QStringList folders{QStringLiteral("/a")};
#ifndef _WIN32
    folders << QStringLiteral("/niv") + QChar(0xDCE9); // named in Latin-1, its byte kept
#endif
    for (const QString& folder : folders) {
        recent.remember(levels + folder + "/zvrhlaaa.vrh");
        recent.remember(levels + folder + "/b/zvrhlbbb.vrh");
        recent.forget(levels + folder + "/b/zvrhlbbb.vrh");

        QSettings nextRun(settingsFile(), QSettings::IniFormat);
        const RecentFiles again(nextRun);
        EXPECT_EQ(again.files(), QStringList{levels + folder + "/zvrhlaaa.vrh"});
        // Forgetting a file keeps the folder it was last opened or saved in.
        EXPECT_EQ(again.lastFolder(), levels + folder + "/b");
        recent.forget(levels + folder + "/zvrhlaaa.vrh");
    }
}

TEST_F(RecentFilesTest, WhatASettingsFileHoldsIsTidiedOnReading) {
    EXPECT_EQ(recent.files(), QStringList());
    EXPECT_EQ(recent.lastFolder(), QString());
    {
        QFile file(settingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[General]\nrecentFiles=/a.vrh, , /b.vrh, /a.vrh, /c.vrh, /d.vrh, /e.vrh, "
                   "/f.vrh, /g.vrh, /h.vrh, /i.vrh\n");
    }
    QSettings edited(settingsFile(), QSettings::IniFormat);
    EXPECT_EQ(RecentFiles(edited).files(), (QStringList{"/a.vrh", "/b.vrh", "/c.vrh", "/d.vrh",
                                                        "/e.vrh", "/f.vrh", "/g.vrh", "/h.vrh"}));
}

// The number as access key and the file's name, with as much of its folder as tells it from
// another of the same name.
TEST(RecentFileCaption, NumberAccessKeyTheFileNameAndWhereNeededItsFolder) {
    const QStringList files = {"/home/d/levels/zvrhlabc.vrh",
                               "/x/ZVRHLAbc.VRH",
                               "/x/R&D.vrh",
                               "/home/d/old/zvrhlabc.vrh",
                               "/a/set/zvrhlnew.vrh",
                               "/b/set/zvrhlnew.vrh",
                               "/zvrhlabc.vrh"};
    const auto folder = [](const char* path) { return QDir::toNativeSeparators(path); };
    EXPECT_EQ(recentFileCaptions(files),
              (QStringList{"&1 zvrhlabc.vrh (levels)", "&2 ZVRHLAbc.VRH", "&3 R&&D.vrh",
                           "&4 zvrhlabc.vrh (old)", "&5 zvrhlnew.vrh (" + folder("a/set") + ")",
                           "&6 zvrhlnew.vrh (" + folder("b/set") + ")",
                           "&7 zvrhlabc.vrh (" + folder("/") + ")"}));
}

TEST(DialogStartFolder, LastFolderWhileItExistsThenAWritableProgramFolderThenTheUsersFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString last = dir.filePath(QStringLiteral("levels"));
    const QString program = dir.filePath(QStringLiteral("bin"));
    const QString gone = dir.filePath(QStringLiteral("gone"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("levels")));
    const QString documents = QStringLiteral("/home/designer/Documents");
    struct Case {
        const char* what;
        QString lastFolder;
        bool programWritable;
        QString expected;
    };
    const Case cases[] = {
        {"last folder", last, false, last},
        {"none yet, program folder writable", {}, true, program},
        {"none yet, installed program", {}, false, documents},
        {"last folder gone", gone, true, program},
        {"last folder gone, installed program", gone, false, documents},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QStringList asked;
        const auto canWrite = [&](const QString& folder) {
            asked << folder;
            return c.programWritable;
        };
        EXPECT_EQ(dialogStartFolder(c.lastFolder, program, documents, canWrite), c.expected);
        // Only the program's folder is ever tested for writing.
        EXPECT_TRUE(asked.isEmpty() || asked == QStringList{program});
    }
}

#ifndef _WIN32
// The user's folder is the documents folder, the home folder where that is missing.
TEST(DialogStartFolder, TheUsersFolderIsTheDocumentsFolderWhereThereIsOne) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QByteArray previousHome = qgetenv("HOME");
    const QByteArray previousConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_CONFIG_HOME"); // no user-dirs.dirs under the new home: "Documents"
    EXPECT_EQ(userDocumentsFolder(), home.path());
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Documents")));
    EXPECT_EQ(userDocumentsFolder(), home.filePath(QStringLiteral("Documents")));
    qputenv("HOME", previousHome);
    if (!previousConfig.isEmpty()) {
        qputenv("XDG_CONFIG_HOME", previousConfig);
    }
}
#endif

TEST(DialogStartFolder, WritableFolderIsAnExistingFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("zvrhlabc.vrh"));
    QFile(file).open(QIODevice::WriteOnly);
    EXPECT_TRUE(isWritableFolder(dir.path()));
    EXPECT_FALSE(isWritableFolder(file));
    EXPECT_FALSE(isWritableFolder(dir.filePath(QStringLiteral("missing"))));
}

} // namespace
} // namespace vrh
