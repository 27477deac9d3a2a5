// SPDX-License-Identifier: GPL-3.0-or-later
#include "levelset/filepath.h"
#include "levelset/levelsetfile.h"
#include "levelset/safesave.h"
#include "support/diskfiles.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace vrh {
namespace {

namespace fs = std::filesystem;

TEST(FilePath, BytesThatAreNoUtf8ComeBackAsTheyWere) {
    const QChar replacement(QChar::ReplacementCharacter);
    struct Case {
        const char* what;
        QByteArray bytes;
        QString text;  // as the path is carried inside the editor
        QString shown; // as people see it
    };
    const Case cases[] = {
        {"ASCII", "/home/d/zvrhlabc.vrh", "/home/d/zvrhlabc.vrh", "/home/d/zvrhlabc.vrh"},
        {"UTF-8 of two, three and four bytes", "/niv\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80",
         QString::fromUtf8("/niv\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"),
         QString::fromUtf8("/niv\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80")},
        {"Latin-1",
         "/niv\xE9"
         "aux",
         QStringLiteral("/niv") + QChar(0xDCE9) + "aux",
         QStringLiteral("/niv") + replacement + "aux"},
        {"an overlong slash", "/\xC0\xAF", QStringLiteral("/") + QChar(0xDCC0) + QChar(0xDCAF),
         QStringLiteral("/") + replacement + replacement},
        {"a surrogate written as UTF-8", "\xED\xB3\xA9",
         QString() + QChar(0xDCED) + QChar(0xDCB3) + QChar(0xDCA9), QString(3, replacement)},
        {"a sequence cut short, then ASCII", "\xE2\x82x",
         QString() + QChar(0xDCE2) + QChar(0xDC82) + "x", QString(2, replacement) + "x"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80",
         QString() + QChar(0xDCF4) + QChar(0xDC90) + QChar(0xDC80) + QChar(0xDC80),
         QString(4, replacement)},
        {"a byte-order mark at the start of a relative name", "\xEF\xBB\xBFx/zvrhlabc.vrh",
         QChar(0xFEFF) + QStringLiteral("x/zvrhlabc.vrh"),
         QChar(0xFEFF) + QStringLiteral("x/zvrhlabc.vrh")},
        {"a byte-order mark after a Latin-1 byte", "caf\xE9\xEF\xBB\xBFx",
         QStringLiteral("caf") + QChar(0xDCE9) + QChar(0xFEFF) + "x",
         QStringLiteral("caf") + replacement + QChar(0xFEFF) + "x"},
        // A pair's low half in U+DC80..U+DCFF is part of a character, not a byte
        {"U+10080", "\xF0\x90\x82\x80", QString::fromUtf8("\xF0\x90\x82\x80"),
         QString::fromUtf8("\xF0\x90\x82\x80")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(pathFromFileSystemBytes(c.bytes), c.text);
        EXPECT_EQ(fileSystemBytes(c.text), c.bytes);
        EXPECT_EQ(shownText(c.text), c.shown);
#ifndef _WIN32 // Windows names files in UTF-16, where Qt reaches every name
        EXPECT_EQ(qtReachesPath(c.text), c.text == c.shown);
#endif
    }
}

#ifndef _WIN32
// lnk is a link to far/deep: "lnk/.." is far, as the system and cat take it, not the folder
// that holds lnk.
TEST(FilePath, DotDotGoesUpFromWhereALinkBeforeItLeads) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString here = QFileInfo(dir.path()).canonicalFilePath();
    fs::create_directories(toFileSystemPath(here + "/far/deep"));
    fs::create_directory_symlink("far/deep", toFileSystemPath(here + "/lnk"));
    const std::pair<QString, QString> cases[] = {
        {"lnk/../zvrhlabc.vrh", here + "/far/zvrhlabc.vrh"},
        {here + "/lnk/../../zvrhlabc.vrh", here + "/zvrhlabc.vrh"},
        {"./lnk//zvrhlabc.vrh", here + "/lnk/zvrhlabc.vrh"}, // no "..": the link stays
        {"missing/../zvrhlabc.vrh", here + "/missing/../zvrhlabc.vrh"},
    };
    for (const auto& [path, expected] : cases) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(resolvedPath(path, here), expected);
    }
}
#endif

#ifndef _WIN32
// A levelset in a folder named in Latin-1 is read and saved there, by either way of saving,
// and nowhere else.
TEST(FilePath, ALevelsetInAFolderNamedInLatin1IsReadAndSavedThere) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const fs::path folder = fs::path(QFile::encodeName(dir.path()).toStdString()) / "niv\xE9"
                                                                                    "aux";
    const fs::path file = folder / "zvrhlabc.vrh";
    fs::create_directory(folder);
    std::ofstream(file, std::ios::binary) << "old";
    const QString path = fromFileSystemPath(file);
    const auto onDisk = [&file] {
        std::ifstream in(file, std::ios::binary);
        return QByteArray::fromStdString(
            std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    };

    EXPECT_TRUE(pathExists(path));
    EXPECT_TRUE(lastModified(path).has_value());
    EXPECT_EQ(readLevelsetBytes(path).bytes, QByteArray("old"));
    for (const WriteMethod method : {WriteMethod::NamelessFile, WriteMethod::SaveFile}) {
        const QByteArray bytes =
            testing::levelsetWithFirstTile(static_cast<std::uint8_t>(method) + 1);
        EXPECT_EQ(replaceFileSafely(path, bytes, method), std::nullopt);
        EXPECT_EQ(onDisk(), bytes);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.parent_path()), fs::directory_iterator()),
              1);
    fs::remove_all(folder); // which QTemporaryDir can't name
}
#endif

} // namespace
} // namespace vrh
