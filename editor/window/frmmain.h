#pragma once

#include "commands/filecommands.h"
#include "commands/randomsource.h"
#include "levelset/editingstate.h"
#include "levelset/levelset.h"

#include <QImage>
#include <QMainWindow>
#include <memory>

// Menus, toolbar and About box.
#include <array>
#include <functional>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;
class QStatusBar;
class QToolBar;
// Desktop.
class QDragEnterEvent;
class QDropEvent;
class QSettings;

namespace vrh {

class LevelView;
class MarkerFrame;
class PictureView;
class TilePalette;
// Menus, toolbar and About box.
class frmAbout;
class SystemInformation;
// Desktop.
class RecentFiles;

// The editor's one main window. It owns the levelset and the editing state and hands them by
// reference to the commands; its handlers, named after control and event, call a command and
// refresh what it changed. Building the window loads it: the fresh levelset is drawn and
// shown, the window itself stays hidden until shown.
class frmMain : public QMainWindow, private LevelsetView {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 803;
    static constexpr int kClientHeight = 572;
    static constexpr int kToolBarHeight = 28;
    static constexpr int kStatusBarHeight = 18;

    frmMain(MessageBoxes& messages, FileDialogs& dialogs, QWidget* parent = nullptr);
    ~frmMain() override;

    Levelset& levelset() { return levelset_; }
    EditingState& state() { return state_; }

    // Draws levels(curLevel) into the map's back image and refreshes the map view.
    void redrawMap();
    void drawLevel(std::int16_t level);
    void setStatusText(const QString& text);
    void updateLevelLabel();
    // Shows the level's properties in the panel and moves its six markers there.
    void loadLevel(std::int16_t level);

    // File commands, also run by the toolbar.
    void Form_Load();
    bool Form_QueryUnload();
    void Form_Unload();
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileExit_Click();

    // Property panel.
    void txtObjectives_Change();
    void txtTime_Change();
    void txtPasscode_Change();
    void optNormal_Click();
    void optHatchery_Click();
    void optWeak_Click();
    void optStrong_Click();

    // Menus, shortcut keys, toolbar and About box.
    void mnuViewStart_Click();
    void mnuViewFinish_Click();
    void mnuViewBlockPut_Click();
    void mnuViewBlockTake_Click();
    void mnuLevelDecreaseWidth_Click();
    void mnuLevelIncreaseWidth_Click();
    void mnuLevelDecreaseHeight_Click();
    void mnuLevelIncreaseHeight_Click();
    void mnuLevelRemove_Click();
    void mnuLevelAdd_Click();
    void mnuLevelPrevious_Click();
    void mnuLevelNext_Click();
    void mnuToolsMouseChoice_Click(int index);
    void mnuToolsSetFloor_Click();
    void mnuToolsEnemies_Click();
    void mnuToolsPickups_Click();
    void mnuToolsDoors_Click();
    void mnuHelpAbout_Click();
    // Runs the command of the button with this key, as its menu entry would.
    void tbToolBar_ButtonClick(const QString& key);
    // Where the About box looks for the system-information program (the desktop's own when
    // none is set).
    void setSystemInformation(SystemInformation& system) { systemInformation_ = &system; }
    // Shows the About box; empty, it runs the box modally. Tests put in a hook that never waits.
    std::function<void(frmAbout&)> showAbout;

    // Controls, named as their object names.
    LevelView* picLevel = nullptr;
    TilePalette* picTiles = nullptr;
    TilePalette* picTileset = nullptr;
    QLabel* lblLevelNum = nullptr;
    QGroupBox* fraLevelType = nullptr;
    QRadioButton* optNormal = nullptr;
    QRadioButton* optHatchery = nullptr;
    QGroupBox* fraAlienType = nullptr;
    QRadioButton* optWeak = nullptr;
    QRadioButton* optStrong = nullptr;
    QLabel* lblPasscode = nullptr;
    QLineEdit* txtPasscode = nullptr;
    QLabel* lblObjectives = nullptr;
    QLineEdit* txtObjectives = nullptr;
    QLabel* lblTime = nullptr;
    QLineEdit* txtTime = nullptr;
    QStatusBar* sbStatusBar = nullptr;
    QToolBar* tbToolBar = nullptr;

    // Marker frames over the map and the palette.
    MarkerFrame* shpStart = nullptr;
    MarkerFrame* shpFinish = nullptr;
    MarkerFrame* shpPut = nullptr;
    MarkerFrame* shpTake = nullptr;
    MarkerFrame* levelCursor = nullptr;
    MarkerFrame* shpPutType = nullptr;
    MarkerFrame* shpTakeType = nullptr;
    MarkerFrame* tileCursor = nullptr;

    // ---- Mouse editing on the map and the palette, and the two popup menus ----
    // The same window with the random tiles drawn from random instead of its own generator.
    frmMain(MessageBoxes& messages, FileDialogs& dialogs, RandomSource& random,
            QWidget* parent = nullptr);

    // Button 1 left, 2 right, 4 middle (for a move the sum held); X, Y in drawing-area pixels.
    void picLevel_MouseDown(int button, double x, double y);
    void picLevel_MouseMove(int button, double x, double y);
    void picTiles_MouseDown(int button, double x, double y);
    // Whether the cell lies inside the current level; if not, says so in the status bar.
    bool checkInLevel(std::int16_t x, std::int16_t y);
    // Paint curTile, or the tile t, into (cursorX, cursorY) and redraw the map.
    void doLeftButton();
    void doRightButton(int t);

    void mnuTilePopUpPut_Click();
    void mnuTilePopUpTake_Click();
    void mnuLevelPopUpStart_Click();
    void mnuLevelPopUpFinish_Click();
    void mnuLevelPopUpPut_Click();
    void mnuLevelPopUpTake_Click();

    QMenu* mnuTilePopUp = nullptr;
    QAction* mnuTilePopUpPut = nullptr;
    QAction* mnuTilePopUpTake = nullptr;
    QMenu* mnuLevelPopUp = nullptr;
    QAction* mnuLevelPopUpStart = nullptr;
    QAction* mnuLevelPopUpFinish = nullptr;
    QAction* mnuLevelPopUpPut = nullptr;
    QAction* mnuLevelPopUpTake = nullptr;
    // ---- end of mouse editing ----

    // Menu entries whose check marks the handlers keep. The right-button modes are
    // mnuToolsMouseChoice[index], object names "mnuToolsMouseChoice0" to "mnuToolsMouseChoice3".
    QAction* mnuViewStart = nullptr;
    QAction* mnuViewFinish = nullptr;
    QAction* mnuViewBlockPut = nullptr;
    QAction* mnuViewBlockTake = nullptr;
    std::array<QAction*, 4> mnuToolsMouseChoice{};

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

    // Opens a popup menu at a global position and waits for the choice; the chosen entry has
    // been triggered when it returns, nothing chosen gives null.
    virtual QAction* popupMenu(QMenu* menu, QPoint globalPosition);

  private:
    // LevelsetView
    void showCurrentLevel() override;
    void showLevelLabel() override { updateLevelLabel(); }
    void setTitle(const QString& title) override;

    void createControls();
    void createPanel(QWidget* central);
    void createMenus();
    void createToolBar();
    void connectPanel();
    void numberBoxChanged(QLineEdit* box, std::uint8_t LevelRecord::*field);
    LevelRecord& currentLevel() { return levelset_.levels[state_.curLevel]; }

    Levelset levelset_;
    EditingState state_;
    MessageBoxes& messages_;
    FileCommands fileCommands_;
    QImage tileSheet_;
    bool loadingLevel_ = false;
    bool centred_ = false;

    // ---- Mouse editing ----
    void createMouseEditing();
    void createPopupMenus();
    void paintCell(std::uint8_t code);
    std::unique_ptr<RandomSource> ownRandom_ = std::make_unique<FixedStartRandom>();
    RandomSource* random_ = ownRandom_.get();

    // Menus, toolbar and About box.
    SystemInformation* systemInformation_ = nullptr;

    // ---- Desktop: opening a given file, recent files, dropped files ----
  public:
    // Opens a levelset as File > Open does with the name its dialog gave; with the save prompt
    // first when askToSave.
    void openFile(const QString& path, bool askToSave);
    // The recent file in entry index (0 for "&1 ...").
    void mnuFileRecent_Click(int index);

    // The recent files' entries, "mnuFileRecent1" to "mnuFileRecent8", shown while they hold a
    // file, and the bar after them.
    std::array<QAction*, 8> mnuFileRecent{};
    QAction* mnuFileRecentBar = nullptr;

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void createRecentFiles();
    void showRecentFiles();
    void createDropTarget();

    std::unique_ptr<QSettings> settings_;
    std::unique_ptr<RecentFiles> recentFiles_;
    // ---- end of desktop ----
};

} // namespace vrh
