// SPDX-License-Identifier: GPL-3.0-or-later
// The open file watched on disk: another program's changes reach the user in a box as soon as
// the window can show one, and only those.
#include "windowharness.h"

#include "commands/desktop/filechange.h"
#include "support/diskfiles.h"

#include <QDialog>
#include <QFileSystemWatcher>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace vrh {
namespace {

using testing::levelsetWithFirstTile;
using testing::renameOver;
using testing::writeFile;

constexpr int kPatience = 10000; // ms: file-system notifications can be slow on a busy machine

class FileWatch : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // Opens a new file of that name in the test's folder, holding tile 1.
    QString open(const QString& name) {
        const QString file = dir.filePath(name);
        writeFile(file, levelsetWithFirstTile(1));
        h.window.openFile(file, false);
        return file;
    }
    bool boxesShown(size_t count) {
        return QTest::qWaitFor([&] { return h.messages.asked.size() >= count; }, kPatience) &&
               h.messages.asked.size() == count;
    }
    // Whether the watcher has told of the change on disk.
    bool noticed(const std::function<void()>& change) {
        auto* watcher = h.window.findChild<QFileSystemWatcher*>();
        QSignalSpy files(watcher, &QFileSystemWatcher::fileChanged);
        QSignalSpy folders(watcher, &QFileSystemWatcher::directoryChanged);
        change();
        return QTest::qWaitFor([&] { return files.count() + folders.count() > 0; }, kPatience);
    }

    QTemporaryDir dir;
    testing::ActiveWindow h;
};

TEST_F(FileWatch, AnotherProgramsChangeOrDeletionIsToldAtOnce) {
    const auto putOver = [](const QByteArray& bytes) {
        return [bytes](const QString&, const QString& file) {
            writeFile(file + ".new", bytes);
            renameOver(file + ".new", file);
        };
    };
    const auto rewrite = [](const QString&, const QString& file) {
        writeFile(file, levelsetWithFirstTile(2));
    };
    const auto moveAway = [](const QString&, const QString& file) {
        renameOver(file, file + ".moved");
    };
    const struct {
        const char* what;
        bool link; // the file opened is a symbolic link to the file changed
        std::function<void(const QString& opened, const QString& file)> act;
        FileChange told;
    } cases[] = {
        {"rewritten in place", false, rewrite, FileChange::Changed},
        {"renamed over", false, putOver(levelsetWithFirstTile(2)), FileChange::Changed},
        {"renamed over with the same bytes", false, putOver(levelsetWithFirstTile(1)),
         FileChange::None},
#ifndef _WIN32 // Windows has no FIFOs, and QFile::link makes a shortcut there, no symbolic link
        {"replaced by a FIFO", false,
         [](const QString&, const QString& file) {
             testing::makeFifo(file + ".fifo");
             renameOver(file + ".fifo", file);
         },
         FileChange::Changed},
#endif
        {"deleted", false, [](const QString&, const QString& file) { QFile::remove(file); },
         FileChange::Gone},
        {"moved away", false, moveAway, FileChange::Gone},
#ifndef _WIN32
        {"the link's file rewritten", true, rewrite, FileChange::Changed},
        {"the link's file moved away", true, moveAway, FileChange::Gone},
        {"the link deleted", true, [](const QString& link, const QString&) { QFile::remove(link); },
         FileChange::Gone},
#endif
    };
    int index = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        h.messages.asked.clear();
        const QString name = QStringLiteral("zvrhl%1.vrh").arg(index++, 3, 10, QChar('0'));
        const QString file = open(name);
        const QString opened = c.link ? dir.filePath(QStringLiteral("link-") + name) : file;
        if (c.link) {
            ASSERT_TRUE(QFile::link(file, opened));
            h.window.openFile(opened, false);
        }
        const bool gone = c.told == FileChange::Gone;
        h.messages.answers = {gone ? MessageAnswer::Ok : MessageAnswer::No};
        ASSERT_TRUE(noticed([&] { c.act(opened, file); }));
        if (c.told == FileChange::None) {
            EXPECT_TRUE(h.messages.asked.empty());
            continue;
        }
        ASSERT_TRUE(boxesShown(1));
        // The question first; the changes after it are the rule's (filechange_test).
        const QString text = h.messages.asked[0].text;
        EXPECT_TRUE(gone ? text == fileGoneMessage(opened)
                         : text.startsWith(fileChangedMessage(opened)))
            << text.toStdString();
        EXPECT_EQ(h.messages.asked[0].title, kFileChangedTitle);
        EXPECT_EQ(h.messages.asked[0].buttons,
                  gone ? MessageButtons::Ok : MessageButtons::YesNoDefaultNo);
        EXPECT_EQ(h.window.windowTitle(), windowTitle(opened));
    }
}

TEST_F(FileWatch, OwnSavesUnchangedBytesAndFilesNoLongerOpenAreNoConcern) {
    const QString first = open(QStringLiteral("zvrhlone.vrh"));
    h.window.mnuFileSave_Click();
    // Told after anything the save itself may have stirred.
    ASSERT_TRUE(noticed([&] { writeFile(first, testing::contentOf(first)); }));
    EXPECT_TRUE(h.messages.asked.empty());

    h.messages.answers = {MessageAnswer::No}; // the save prompt of New
    h.window.mnuFileNew_Click();
    writeFile(first, levelsetWithFirstTile(2));
    // In the same folder as the file open now.
    const QString second = open(QStringLiteral("zvrhltwo.vrh"));
    ASSERT_TRUE(noticed([&] {
        writeFile(first + ".new", levelsetWithFirstTile(3));
        renameOver(first + ".new", first);
    }));
    EXPECT_EQ(h.messages.asked.size(), 1u);

    // Told in order, so a box for the changes to the first file would have come first.
    h.messages.answers = {MessageAnswer::No};
    writeFile(second, levelsetWithFirstTile(3));
    ASSERT_TRUE(boxesShown(2));
    EXPECT_TRUE(h.messages.asked[1].text.startsWith(fileChangedMessage(second)));
}

TEST_F(FileWatch, TheBoxWaitsUntilTheWindowCanShowIt) {
    const QString file = open(QStringLiteral("zvrhlabc.vrh"));
    std::unique_ptr<QWidget> other;
    QWindow* handle = h.window.windowHandle();
    const QPoint onTheMap = h.window.picLevel->mapTo(&h.window, QPoint(10, 10));
    // Activates the main window again as the other goes, as the window manager would. Asked
    // before the other goes: the minimal platform of the Windows runs hands the activation over
    // only when a window shows or hides.
    const auto backToTheWindow = [&] {
        h.window.activateWindow();
        other.reset();
        QApplication::setActiveWindow(&h.window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&h.window));
    };
    const struct {
        const char* what;
        std::function<void()> hold, release;
    } cases[] = {
        {"another window active",
         [&] {
             other = std::make_unique<QWidget>();
             other->show();
             QApplication::setActiveWindow(other.get());
             ASSERT_TRUE(QTest::qWaitForWindowActive(other.get()));
         },
         backToTheWindow},
        {"a dialog open",
         [&] {
             other = std::make_unique<QDialog>(&h.window);
             static_cast<QDialog*>(other.get())->open();
             ASSERT_TRUE(QTest::qWaitForWindowExposed(other.get()));
         },
         backToTheWindow},
        {"a menu open",
         [&] {
             auto menu = std::make_unique<QMenu>(&h.window);
             menu->addAction(QStringLiteral("Entry"));
             menu->popup(h.window.geometry().center());
             other = std::move(menu);
             ASSERT_TRUE(QTest::qWaitForWindowExposed(other.get()));
         },
         [&] {
             h.window.activateWindow();
             other->hide();
         }},
        {"a mouse button held", [&] { QTest::mousePress(handle, Qt::LeftButton, {}, onTheMap); },
         [&] { QTest::mouseRelease(handle, Qt::LeftButton, {}, onTheMap); }},
    };
    std::uint8_t tile = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        h.messages.asked.clear();
        c.hold();
        ASSERT_TRUE(noticed([&] { writeFile(file, levelsetWithFirstTile(++tile)); }));
        QCoreApplication::processEvents();
        EXPECT_TRUE(h.messages.asked.empty());
        h.messages.answers = {MessageAnswer::No};
        c.release();
        ASSERT_TRUE(boxesShown(1));
    }

    // A change while the box is open asks again once it is answered; Yes reads the file again
    // and leaves nothing to undo.
    ASSERT_TRUE(h.window.history().stack().canUndo()); // the mouse painted
    h.messages.asked.clear();
    h.messages.answers = {MessageAnswer::No, MessageAnswer::Yes};
    h.messages.whileOpen = [&] {
        EXPECT_TRUE(noticed([&] { writeFile(file, levelsetWithFirstTile(42)); }));
        EXPECT_EQ(h.messages.asked.size(), 1u);
    };
    writeFile(file, levelsetWithFirstTile(41));
    ASSERT_TRUE(boxesShown(2));
    EXPECT_EQ(h.level(0).tiles[0][0], 42);
    EXPECT_EQ(h.window.history().stack().count(), 0);
    EXPECT_TRUE(h.mapShows(h.level(0)));
}

} // namespace
} // namespace vrh
