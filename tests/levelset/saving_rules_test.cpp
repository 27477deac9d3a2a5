// SPDX-License-Identifier: GPL-3.0-or-later
// Where a save really writes and what it refuses, the same whichever way the bytes reach the
// disk: through symbolic links, over hard links, over a write-protected file or one another
// program holds, over a file with the longest name or path, over something that is no regular
// file.
#include "levelset/levelsetfile.h"
#include "levelset/safesave.h"

#include "support/diskfiles.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include "support/unprivileged.h"
#include <sys/stat.h>
#include <sys/xattr.h>
#endif

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

#ifdef Q_OS_WIN
constexpr bool kOnWindows = true;
#else
constexpr bool kOnWindows = false;
#endif

// Symbolic links as the system has them: on Windows QFile::link makes a shortcut instead.
constexpr const char* kNoSymbolicLinksOnWindows =
    "QFile::link makes a shortcut on Windows, not a symbolic link";

QString linkTarget(const QString& link) {
    return QFile::decodeName(QByteArray::fromStdString(
        std::filesystem::read_symlink(QFile::encodeName(link).toStdString()).string()));
}

bool makeHardLink(const QString& existing, const QString& name) {
#ifdef Q_OS_WIN
    return CreateHardLinkW(name.toStdWString().c_str(), existing.toStdWString().c_str(), nullptr) !=
           0;
#else
    return ::link(QFile::encodeName(existing).constData(), QFile::encodeName(name).constData()) ==
           0;
#endif
}

// What keeps a file from being written.
enum class Guard {
    // mode 0444 on Linux, the read-only attribute on Windows
    WriteProtection,
    // another program has it open and shares it with nobody (Windows' CreateFile, share mode 0)
    OpenWithoutSharing,
};

void setWriteProtected(const QString& path, bool writeProtected) {
    const QFile::Permissions readable =
        QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(
        path, writeProtected ? readable : readable | QFile::WriteOwner | QFile::WriteUser));
}

// The file still carries exactly the protection it was given.
bool isWriteProtected(const QString& path) {
#ifdef Q_OS_WIN
    return !QFileInfo(path).isWritable(); // the read-only attribute
#else
    struct stat info {};
    EXPECT_EQ(stat(QFile::encodeName(path).constData(), &info), 0) << path.toStdString();
    return (info.st_mode & 07777) == 0444;
#endif
}

// Saves while the guard keeps file from being written, as someone the guard stops: on Linux
// not root, whom no mode stops; on Windows anyone, since the read-only attribute stops
// administrators too. Nothing when the guard could not be set or the save did not finish.
std::optional<std::string> saveGuarded(Guard guard, const QString& file,
                                       const std::function<std::string()>& save) {
#ifdef Q_OS_WIN
    if (guard == Guard::OpenWithoutSharing) {
        const HANDLE held = CreateFileW(file.toStdWString().c_str(), GENERIC_READ, 0, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (held == INVALID_HANDLE_VALUE) {
            return std::nullopt;
        }
        const std::string refusal = save();
        CloseHandle(held);
        return refusal;
    }
    return save();
#else
    Q_UNUSED(guard);
    Q_UNUSED(file);
    return testing::runAsUnprivilegedUser(save);
#endif
}

// The system's own words for the guard's refusal: on Windows those of its error code, which
// differ from the C library's.
std::string refusalOf(Guard guard) {
#ifdef Q_OS_WIN
    return qt_error_string(guard == Guard::OpenWithoutSharing ? ERROR_SHARING_VIOLATION
                                                              : ERROR_ACCESS_DENIED)
        .toStdString();
#else
    Q_UNUSED(guard);
    return "Permission denied";
#endif
}

// A path of exactly length characters (as Windows counts them) that ends in name, through
// folders made for it under folder.
QString pathOfLength(const QString& folder, const QString& name, int length) {
    QString path = folder;
    qsizetype left = length - path.size() - 1 - name.size();
    while (left > 0) {
        qsizetype piece = std::min<qsizetype>(left, 101);
        if (left - piece == 1) {
            --piece;
        }
        path += QLatin1Char('/') + QString(piece - 1, QLatin1Char('d'));
        left -= piece;
    }
    EXPECT_TRUE(QDir().mkpath(path)) << path.size();
    return path + QLatin1Char('/') + name;
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
    if (kOnWindows) {
        GTEST_SKIP() << kNoSymbolicLinksOnWindows;
    }
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
    ASSERT_TRUE(makeHardLink(saved, other));

    ASSERT_EQ(save(saved, freshLevelsetAbc()), "saved");

    EXPECT_EQ(contentOf(saved), freshLevelsetAbc());
    EXPECT_EQ(contentOf(other), kOld);
    expectFolderHolds(dir.path(),
                      {QStringLiteral("other-name.vrh"), QStringLiteral("zvrhlabc.vrh")});
}

TEST_P(SavingRules, AFileThatMayNotBeWrittenIsRefusedAndLeftAsItWas) {
    const QString file = at(QStringLiteral("zvrhlabc.vrh"));
    const QString link = at(QStringLiteral("zvrhllnk.vrh"));
    QStringList names = {QStringLiteral("zvrhlabc.vrh")};
#ifndef Q_OS_WIN
    // The folder is open to everyone, so only the file's own mode can refuse the save.
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("zvrhlabc.vrh"), link));
    names << QStringLiteral("zvrhllnk.vrh");
#endif
    struct Case {
        const char* what;
        QString savedThrough;
        Guard guard;
        const char* notOnWindows; // why the case cannot hold there; null: it holds everywhere
        bool onlyOnWindows;
    };
    const Case cases[] = {
        {"the file itself", file, Guard::WriteProtection, nullptr, false},
        {"a link to it", link, Guard::WriteProtection, kNoSymbolicLinksOnWindows, false},
        // Linux has no such hold: a save replaces a file that others have open.
        {"held open without sharing", file, Guard::OpenWithoutSharing, nullptr, true},
    };
    for (const Case& c : cases) {
        if (kOnWindows ? c.notOnWindows != nullptr : c.onlyOnWindows) {
            continue;
        }
        SCOPED_TRACE(c.what);
        if (QFileInfo::exists(file)) {
            setWriteProtected(file, false);
        }
        writeFile(file, kOld);
        setWriteProtected(file, c.guard == Guard::WriteProtection);

        const std::optional<std::string> refusal =
            saveGuarded(c.guard, file, [&] { return save(c.savedThrough, "new"); });

        ASSERT_TRUE(refusal) << "the file could not be guarded, or the save did not finish";
        EXPECT_EQ(*refusal, refusalOf(c.guard));
        EXPECT_EQ(contentOf(file), kOld);
        EXPECT_EQ(isWriteProtected(file), c.guard == Guard::WriteProtection);
        if (!kOnWindows) {
            EXPECT_TRUE(QFileInfo(link).isSymLink());
        }
        expectFolderHolds(dir.path(), names);
    }
}

// A folder no new file may be made in: a file the user may write is written in place, one
// the user may not write is refused as anywhere else.
TEST_P(SavingRules, InAFolderThatTakesNoNewFileAWritableFileIsWrittenInPlace) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "A folder's modes are POSIX's";
#else
    const QString file = at(QStringLiteral("zvrhlabc.vrh"));
    for (const mode_t mode : {0666, 0444}) {
        SCOPED_TRACE(mode);
        ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
        QFile::remove(file);
        writeFile(file, kOld + kOld);
        ASSERT_EQ(chmod(QFile::encodeName(file).constData(), mode), 0);
        ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);

        const std::optional<std::string> saved =
            testing::runAsUnprivilegedUser([&] { return save(file, freshLevelsetAbc()); });

        ASSERT_TRUE(saved) << "the save as another user did not finish";
        EXPECT_EQ(*saved, mode == 0666 ? "saved" : "Permission denied");
        EXPECT_EQ(contentOf(file), mode == 0666 ? freshLevelsetAbc() : kOld + kOld);
        expectFolderHolds(dir.path(), {QStringLiteral("zvrhlabc.vrh")});
    }
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
#endif
}

// A file of a group shared by its users, saved by another member: the replacement keeps the
// group, the mode and the extended attributes, the access control list among them. Saved by
// someone outside the group, whom the mode lets write it, it is written in place instead,
// which keeps them too.
TEST_P(SavingRules, InASharedFolderTheFileKeepsItsGroupModeAndAttributes) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Groups, modes and extended attributes are POSIX's";
#else
    if (!testing::runningAsRoot()) {
        GTEST_SKIP() << "Only root can give a file to another group for the test";
    }
    constexpr gid_t kShared = 2000;
    // user::rw- user:nobody:rw- group::rw- mask::rw- other::r--, as the kernel stores it
    const auto entry = [](std::uint16_t tag, std::uint16_t permissions, std::uint32_t id) {
        return QByteArray(reinterpret_cast<const char*>(&tag), 2) +
               QByteArray(reinterpret_cast<const char*>(&permissions), 2) +
               QByteArray(reinterpret_cast<const char*>(&id), 4);
    };
    const QByteArray acl = QByteArray("\x02\0\0\0", 4) + entry(0x01, 6, ~0u) +
                           entry(0x02, 6, testing::kNobody) + entry(0x04, 6, ~0u) +
                           entry(0x10, 6, ~0u) + entry(0x20, 4, ~0u);
    const QString file = at(QStringLiteral("zvrhlabc.vrh"));
    const QByteArray path = QFile::encodeName(file);
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    for (const bool member : {true, false}) {
        SCOPED_TRACE(member ? "a member of the group" : "no member of the group");
        QFile::remove(file);
        writeFile(file, kOld);
        ASSERT_EQ(chown(path.constData(), 0, kShared), 0);
        ASSERT_EQ(chmod(path.constData(), 0664), 0);
        ASSERT_EQ(setxattr(path.constData(), "user.note", "kept", 4, 0), 0);
        ASSERT_EQ(setxattr(path.constData(), "system.posix_acl_access", acl.constData(),
                           std::size_t(acl.size()), 0),
                  0);
        struct stat before {};
        ASSERT_EQ(stat(path.constData(), &before), 0);

        const std::optional<std::string> saved = testing::runAsUnprivilegedUser(
            [&] { return save(file, freshLevelsetAbc()); },
            member ? std::vector<gid_t>{kShared} : std::vector<gid_t>{});

        ASSERT_TRUE(saved) << "the save as another user did not finish";
        EXPECT_EQ(*saved, "saved");
        EXPECT_EQ(contentOf(file), freshLevelsetAbc());
        struct stat after {};
        ASSERT_EQ(stat(path.constData(), &after), 0);
        EXPECT_EQ(after.st_ino != before.st_ino, member); // replaced, or written in place
        EXPECT_EQ(after.st_gid, kShared);
        EXPECT_EQ(after.st_mode & 07777, 0664u);
        char note[8] = {};
        EXPECT_EQ(getxattr(path.constData(), "user.note", note, sizeof note), 4);
        EXPECT_STREQ(note, "kept");
        QByteArray aclAfter(acl.size(), '\0');
        EXPECT_EQ(getxattr(path.constData(), "system.posix_acl_access", aclAfter.data(),
                           std::size_t(aclAfter.size())),
                  acl.size());
        EXPECT_EQ(aclAfter, acl);
        expectFolderHolds(dir.path(), {QStringLiteral("zvrhlabc.vrh")});
    }
#endif
}

TEST_P(SavingRules, WhatIsNoRegularFileIsNeverSavedOver) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "A Windows folder holds no FIFOs, sockets or devices, and "
                 << kNoSymbolicLinksOnWindows;
#else
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
#endif
}

INSTANTIATE_TEST_SUITE_P(LevelsetFileOnDisk, SavingRules,
                         ::testing::Values(WriteMethod::NamelessFile, WriteMethod::SaveFile),
                         [](const auto& info) {
                             return info.param == WriteMethod::NamelessFile ? "NamelessFile"
                                                                            : "SaveFile";
                         });

TEST(LevelsetFileOnDisk, AFileWithTheLongestNameOrPathCanBeSavedOver) {
    // QSaveFile's temporary file is named after the file, 7 characters longer: beyond the 255
    // that a name may have on Windows too.
    constexpr const char* kNameTooLongForTheTemporary =
        "no temporary name beside a file with the longest name";
    struct Case {
        const char* what;
        QString name;
        int pathLength;           // the whole path's, in characters; 0: as the folder makes it
        const char* notOnWindows; // why the case cannot hold there; null: it holds everywhere
    };
    const Case cases[] = {
        // 255 bytes, the most a folder entry holds
        {"ASCII", QStringLiteral("zvrhl") + QString(246, QLatin1Char('a')) + ".vrh", 0,
         kNameTooLongForTheTemporary},
        // two bytes a character, where the hidden name's cut falls inside the run of them
        {"two-byte characters",
         QStringLiteral("zvrhlx") + QString(122, QChar(0xE9)) + QStringLiteral("x.vrh"), 0,
         kNameTooLongForTheTemporary},
        // Windows' MAX_PATH: 260 characters, the closing zero included
        {"a path of 250 characters", QStringLiteral("zvrhlabc.vrh"), 250, nullptr},
        {"a path longer than MAX_PATH", QStringLiteral("zvrhlabc.vrh"), 300, nullptr},
    };
    for (const Case& c : cases) {
        if (kOnWindows && c.notOnWindows) {
            continue;
        }
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString path =
            c.pathLength ? pathOfLength(dir.path(), c.name, c.pathLength) : dir.filePath(c.name);
        if (c.pathLength) {
            ASSERT_EQ(path.size(), c.pathLength);
        } else {
            ASSERT_EQ(QFile::encodeName(c.name).size(), 255);
        }
        writeFile(path, kOld);

        ASSERT_EQ(replaceFileSafely(path, freshLevelsetAbc()), std::nullopt);

        EXPECT_EQ(contentOf(path), freshLevelsetAbc());
        expectFolderHolds(QFileInfo(path).path(), {c.name});
    }
}

TEST(LevelsetFileOnDisk, SavingThroughALinkNamesTheLevelsetAfterTheLink) {
    if (kOnWindows) {
        GTEST_SKIP() << kNoSymbolicLinksOnWindows;
    }
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
