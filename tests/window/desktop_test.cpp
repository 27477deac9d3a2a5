// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on the desktop: a file from the command line, the recent files in the File
// menu, dropped files and the panel's captions.
#include "windowharness.h"

#include "app/startup.h"
#include "assets/assets.h"
#include "commands/desktop/recentfiles.h"
#include "levelset/levelsetfile.h"
#include "map/levelpicture.h"
#include "support/diskfiles.h"
#include "support/temporaryuserfolders.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QUrl>

namespace vrh {
namespace {

using testing::ActiveWindow;
using testing::ScriptedFileDialogs;
using testing::ScriptedMessageBoxes;
using testing::TemporaryUserFolders;

// A two-level levelset whose second level is 20 wide, with one painted tile per file.
Levelset sampleLevelset(std::uint8_t tile) {
    Levelset set;
    resetLevelset(set);
    set.numLevels = 2;
    set.levels[0].tiles[1][2] = tile;
    set.levels[1].width = 20;
    return set;
}

class Desktop : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid() && folders.isValid()); }
    QString put(const char* name, std::uint8_t tile = 54) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        testing::writeFile(path, serializeLevelset(sampleLevelset(tile), "ABC"));
        return path;
    }

    TemporaryUserFolders folders; // before any window reads them
    QTemporaryDir dir;
};

// ---- The command line's file ----------------------------------------------------------

// Message boxes that note whether the splash was gone and the main window shown when asked.
class StartUpMessages : public ScriptedMessageBoxes {
  public:
    std::vector<bool> afterTheSplash;
    MessageAnswer showMessage(const QString& text, const QString& title, MessageButtons buttons,
                              MessageIcon icon) override {
        bool splash = false;
        bool mainShown = false;
        for (const QWidget* widget : QApplication::topLevelWidgets()) {
            splash |= widget->objectName() == QLatin1String("frmSplash");
            mainShown |= widget->objectName() == QLatin1String("frmMain") && widget->isVisible();
        }
        afterTheSplash.push_back(!splash && mainShown);
        return ScriptedMessageBoxes::showMessage(text, title, buttons, icon);
    }
};

TEST_F(Desktop, StartUpOpensTheGivenFileWithoutAPrompt) {
    QByteArray malformed = serializeLevelset(sampleLevelset(1), "ABC");
    malformed[52 + 1] = 40; // the first level 40 wide
    const QString malformedPath = dir.filePath(QStringLiteral("zvrhlbad.vrh"));
    testing::writeFile(malformedPath, malformed);
    struct Case {
        const char* what;
        QString path;
        bool opens;
    };
    const Case cases[] = {
        {"a levelset", put("zvrhlabc.vrh", 89), true},
        {"a missing file", dir.filePath(QStringLiteral("zvrhlnot.vrh")), false},
        {"a malformed file", malformedPath, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StartUpMessages messages;
        ScriptedFileDialogs dialogs;
        if (!c.opens) {
            messages.answers = {MessageAnswer::Ok};
        }
        const std::unique_ptr<frmMain> window = startEditor(messages, dialogs);
        window->openFile(c.path, false);

        if (c.opens) {
            EXPECT_TRUE(messages.asked.empty());
            EXPECT_EQ(window->windowTitle(), windowTitle(c.path));
            EXPECT_EQ(window->levelset().numLevels, 2);
            ActiveWindow reference;
            EXPECT_EQ(window->picLevel->image(), reference.drawing(sampleLevelset(89).levels[0]));
        } else {
            ASSERT_EQ(messages.asked.size(), 1u);
            EXPECT_EQ(messages.asked[0].text, readLevelsetFile(c.path).error);
            EXPECT_EQ(messages.asked[0].title, kApplicationTitle);
            EXPECT_EQ(messages.asked[0].icon, MessageIcon::Exclamation);
            EXPECT_EQ(messages.afterTheSplash, std::vector<bool>{true});
            // The fresh levelset stays.
            EXPECT_EQ(window->windowTitle(), windowTitle(kUntitled));
            EXPECT_EQ(window->levelset().numLevels, 1);
        }
        EXPECT_TRUE(dialogs.asked.empty());
    }
}

// ---- Pictures ------------------------------------------------------------------------------

TEST_F(Desktop, ExportWritesWhatTheMapShowsAndAFailureKeepsTheFile) {
    ActiveWindow h;
    h.window.openFile(put("zvrhlabc.vrh", 89), false);
    EXPECT_EQ(h.window.sbStatusBar->currentMessage(), QStringLiteral("Level 1 of 2"));
    h.window.mnuViewStart_Click(); // hidden: the picture leaves it out
    h.window.mnuViewBlockTake_Click();
    h.key(Qt::Key_F8); // level 2
    const QImage sheet = prepareTileSheet(tileSheet());
    const ShownMarkers shown{false, true, false, true};
    const QString picture = dir.filePath(QStringLiteral("level.png"));
    const QString all = dir.filePath(QStringLiteral("all.png"));
    const QImage level2 = levelPicture(h.level(1), sheet, shown);
    ASSERT_EQ(level2.size(), QSize(320, 128));
    const auto written = [](const QString& path) {
        return QImage(path).convertToFormat(QImage::Format_RGB32);
    };

    h.dialogs.answers = {picture, dir.filePath(QStringLiteral("all"))}; // ".png" added
    h.key(QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_E));
    h.entry("mnuFileExportAll")->trigger();
    EXPECT_EQ(written(picture), level2);
    EXPECT_EQ(written(all), allLevelsPicture(h.window.levelset(), sheet, shown));
    ASSERT_EQ(h.dialogs.asked.size(), 2u);
    EXPECT_EQ(h.dialogs.asked[0].kind, testing::AskedDialog::Kind::Save);
    EXPECT_EQ(h.dialogs.asked[0].setup.title, QStringLiteral("Export Picture"));
    EXPECT_EQ(h.dialogs.asked[0].setup.filter, QStringLiteral("PNG picture (*.png)"));
    EXPECT_TRUE(h.dialogs.asked[0].setup.confirmReplace && h.dialogs.asked[1].setup.confirmReplace);
    // Each proposes a name of its own, in the folder exported to last.
    EXPECT_EQ(h.dialogs.asked[0].setup.lastName,
              QDir::toNativeSeparators(dir.filePath(QStringLiteral("zvrhlabc-level2.png"))));
    EXPECT_EQ(h.dialogs.asked[1].setup.lastName,
              QDir::toNativeSeparators(dir.filePath(QStringLiteral("zvrhlabc-levels.png"))));
    EXPECT_TRUE(h.messages.asked.empty());
    EXPECT_EQ(h.window.history().stack().count(), 0); // no step to undo

    // A level without cells, as a file may bring it: nothing to draw, the old picture stays.
    const QByteArray before = testing::contentOf(picture);
    h.setSize(0, 8);
    h.dialogs.answers = {picture};
    h.messages.answers = {MessageAnswer::Ok};
    h.entry("mnuFileExportPicture")->trigger();
    ASSERT_EQ(h.messages.asked.size(), 1u);
    EXPECT_EQ(h.messages.asked[0].text,
              "Can't save " + picture + ".\rThere is no level cell to draw.");
    EXPECT_EQ(h.messages.asked[0].title, QStringLiteral("Error!"));
    EXPECT_EQ(h.messages.asked[0].icon, MessageIcon::Critical);
    EXPECT_EQ(testing::contentOf(picture), before);

    // Never over the levelset drawn from, nor over another: the box says so, nothing written.
    const QString open = h.window.levelset().fileName;
    const QString other = put("zvrhlxyz.vrh");
    const std::pair<QString, const char*> refused[] = {
        {open, "That file is the levelset the picture is drawn from."},
        {other, "That file holds a levelset; a picture is not written over one."},
    };
    for (const auto& [target, reason] : refused) {
        const QByteArray kept = testing::contentOf(target);
        h.messages.asked.clear();
        h.dialogs.answers = {target};
        h.messages.answers = {MessageAnswer::Ok};
        h.entry("mnuFileExportAll")->trigger();
        ASSERT_EQ(h.messages.asked.size(), 1u);
        EXPECT_EQ(h.messages.asked[0].text, cantSaveMessage(target, reason));
        EXPECT_EQ(h.messages.asked[0].title, QStringLiteral("Error!"));
        EXPECT_EQ(h.messages.asked[0].icon, MessageIcon::Critical);
        EXPECT_EQ(testing::contentOf(target), kept);
    }
    testing::expectFolderHolds(dir.path(),
                               {"all.png", "level.png", "zvrhlabc.vrh", "zvrhlxyz.vrh"});
}

// ---- Recent files -------------------------------------------------------------------------

std::vector<std::string> fileMenu(frmMain& window) {
    std::vector<std::string> lines;
    for (const QAction* action : window.findChild<QMenu*>(QStringLiteral("mnuFile"))->actions()) {
        if (action->isVisible()) {
            lines.push_back(
                action->objectName().toStdString() +
                (action->isSeparator() ? "" : " \"" + action->text().toStdString() + "\""));
        }
    }
    return lines;
}

TEST_F(Desktop, RecentFilesStandBetweenSaveAsAndExitNewestFirst) {
    ActiveWindow h;
    std::vector<std::string> menu = fileMenu(h.window);
    // New, Open, bar, Save, Save As, bar, Export Picture, Export All Levels, Export Tile
    // Pictures, bar, Exit
    EXPECT_EQ(menu.size(), 11u);

    const QString a = put("zvrhlaaa.vrh");
    const QString b = put("zvrhlb&b.vrh");
    h.window.openFile(a, false);
    h.window.openFile(b, false);
    h.messages.answers = {MessageAnswer::No};
    h.dialogs.answers = {dir.filePath(QStringLiteral("ZVRHLSav.vrh"))};
    h.window.mnuFileSaveAs_Click();

    const std::vector<std::string> expected = {
        "mnuFileNew \"&New\"",
        "mnuFileOpen \"&Open...\"",
        "mnuFileBar0",
        "mnuFileSave \"&Save\"",
        "mnuFileSaveAs \"Save &As...\"",
        "mnuFileBar2",
        "mnuFileExportPicture \"&Export Picture...\"",
        "mnuFileExportAll \"Export All Le&vels...\"",
        "mnuFileExportTilePictures \"Export Tile Pictu&res...\"",
        "mnuFileBar1",
        "mnuFileRecent1 \"&1 zvrhlsav.vrh\"",
        "mnuFileRecent2 \"&2 zvrhlb&&b.vrh\"",
        "mnuFileRecent3 \"&3 zvrhlaaa.vrh\"",
        "mnuFileRecentBar",
        "mnuFileExit \"E&xit\"",
    };
    EXPECT_EQ(fileMenu(h.window), expected);

    // Pointing at an entry in the open menu shows the file's full path in the status bar.
    QMenuBar* bar = h.window.menuBar();
    QMenu* file = h.window.findChild<QMenu*>(QStringLiteral("mnuFile"));
    const QPoint title = bar->actionGeometry(file->menuAction()).center();
    testing::movePointer(bar, title);
    QTest::mouseClick(bar, Qt::LeftButton, {}, title);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    testing::movePointer(file, file->actionGeometry(h.window.mnuFileRecent[1]).center());
    EXPECT_EQ(h.window.sbStatusBar->currentMessage(), b);
    file->close();
}

TEST_F(Desktop, ChoosingARecentFileOpensItAfterThePromptAndMovesItUp) {
    ActiveWindow h;
    const QString older = put("zvrhlold.vrh", 60);
    const QString newer = put("zvrhlnew.vrh", 61);
    h.window.openFile(older, false);
    h.window.openFile(newer, false);
    ASSERT_EQ(h.window.mnuFileRecent[1]->statusTip(), older);

    h.messages.answers = {MessageAnswer::No};
    h.window.mnuFileRecent[1]->trigger();

    ASSERT_EQ(h.messages.asked.size(), 1u);
    EXPECT_EQ(h.messages.asked[0].text, kSavePrompt);
    EXPECT_EQ(h.window.windowTitle(), windowTitle(older));
    EXPECT_TRUE(h.mapShows(sampleLevelset(60).levels[0]));
    EXPECT_EQ(h.window.mnuFileRecent[0]->statusTip(), older);
    EXPECT_EQ(h.window.mnuFileRecent[1]->statusTip(), newer);
}

TEST_F(Desktop, RecentFilesAndTheDialogFolderOutliveTheWindow) {
    const QString file = put("zvrhlabc.vrh");
    {
        ActiveWindow first;
        first.window.openFile(file, false);
    }
    ActiveWindow second;
    EXPECT_EQ(second.window.mnuFileRecent[0]->text(), QStringLiteral("&1 zvrhlabc.vrh"));
    EXPECT_EQ(second.window.mnuFileRecent[0]->statusTip(), file);
    EXPECT_FALSE(second.window.mnuFileRecent[1]->isVisible());
    second.messages.answers = {MessageAnswer::No};
    second.dialogs.answers = {std::nullopt};
    second.window.mnuFileOpen_Click();
    ASSERT_EQ(second.dialogs.asked.size(), 1u);
    EXPECT_EQ(second.dialogs.asked[0].setup.initialFolder, dir.path());
    // Kept in the settings folder of the run, nowhere else.
#ifdef _WIN32
    // Windows keeps them in the registry, here the run's own key that stands for the user's.
    EXPECT_TRUE(QSettings(QStringLiteral("VrhEdit"), QStringLiteral("VrhEdit"))
                    .contains(QStringLiteral("recentFiles")));
#else
    EXPECT_TRUE(QFile::exists(folders.settingsPath() + QStringLiteral("/VrhEdit/VrhEdit.conf")));
#endif
}

// ---- Dropped files ------------------------------------------------------------------------

struct Offer {
    QList<QUrl> urls;
    QString text;
    Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
};

// Enters and drops the offer at a point of the window; gives whether both were accepted, and
// the drop action agreed on.
std::pair<bool, Qt::DropAction> drop(frmMain& window, const Offer& offer, QPoint at) {
    QMimeData data;
    data.setUrls(offer.urls);
    if (!offer.text.isEmpty()) {
        data.setText(offer.text);
    }
    QDragEnterEvent enter(at, offer.actions, &data, Qt::LeftButton, Qt::NoModifier);
    enter.setDropAction(Qt::MoveAction); // as a file manager proposes with Shift held
    QApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted()) {
        return {false, Qt::IgnoreAction};
    }
    QDropEvent dropped(at, offer.actions, &data, Qt::LeftButton, Qt::NoModifier);
    dropped.setDropAction(Qt::MoveAction);
    QApplication::sendEvent(&window, &dropped);
    QCoreApplication::processEvents();
    return {dropped.isAccepted(), dropped.dropAction()};
}

TEST_F(Desktop, ADroppedLevelsetOpensAfterThePromptAsACopy) {
    ActiveWindow h;
    const QString file = put("ZVRHLAbc.VRH", 62);
    h.messages.answers = {MessageAnswer::No};

    const auto [accepted, action] =
        drop(h.window, {{QUrl::fromLocalFile(file)}, file}, h.window.txtTime->geometry().center());

    EXPECT_TRUE(accepted);
    EXPECT_EQ(action, Qt::CopyAction); // never a move: the file stays where it is
    ASSERT_EQ(h.messages.asked.size(), 1u);
    EXPECT_EQ(h.messages.asked[0].text, kSavePrompt);
    // Named as the system writes paths: backslashes on Windows.
    const QString opened = QDir::toNativeSeparators(file);
    EXPECT_EQ(h.window.windowTitle(), windowTitle(opened));
    EXPECT_TRUE(h.mapShows(sampleLevelset(62).levels[0]));
    EXPECT_EQ(h.window.mnuFileRecent[0]->statusTip(), opened);
    EXPECT_TRUE(QFile::exists(file));
}

TEST_F(Desktop, AnythingElseDroppedIsRefusedAndChangesNothing) {
    const QString levelset = put("zvrhlabc.vrh");
    const QString other = put("notes.txt");
    // What is no levelset by the rules of DroppedLevelset, and a levelset offered only to move.
    const Offer offers[] = {
        {{QUrl::fromLocalFile(other)}, other},
        {{QUrl::fromLocalFile(levelset)}, {}, Qt::MoveAction},
    };
    ActiveWindow h;
    for (const Offer& offer : offers) {
        SCOPED_TRACE(offer.text.toStdString() + " " +
                     QUrl::toStringList(offer.urls).join(' ').toStdString());
        EXPECT_FALSE(drop(h.window, offer, {300, 300}).first);
        EXPECT_TRUE(h.messages.asked.empty());
        EXPECT_EQ(h.window.windowTitle(), windowTitle(kUntitled));
    }
}

// ---- The panel's captions ---------------------------------------------------------------

TEST(PanelCaptions, FitTheirPlacesAndKeepClearOfTheirBoxes) {
    ActiveWindow h;
    struct Caption {
        const QLabel* label;
        const QLineEdit* box;
    };
    for (const Caption& c : {Caption{h.window.lblPasscode, h.window.txtPasscode},
                             Caption{h.window.lblObjectives, h.window.txtObjectives},
                             Caption{h.window.lblTime, h.window.txtTime}}) {
        SCOPED_TRACE(c.label->text().toStdString());
        const int textRight =
            c.label->x() + c.label->fontMetrics().horizontalAdvance(c.label->text());
        EXPECT_LE(textRight, c.label->geometry().right());
        EXPECT_LE(textRight + 2, c.box->x()); // at least a pixel between text and box
    }
    for (const QRadioButton* option :
         {h.window.optNormal, h.window.optHatchery, h.window.optWeak, h.window.optStrong}) {
        EXPECT_LE(option->sizeHint().width(), option->width())
            << option->objectName().toStdString();
    }
    for (const QGroupBox* frame : {h.window.fraLevelType, h.window.fraAlienType}) {
        EXPECT_LE(frame->minimumSizeHint().width(), frame->width())
            << frame->objectName().toStdString();
    }
}

} // namespace
} // namespace vrh
