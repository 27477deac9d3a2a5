// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/desktop/usercommands.h"
#include "commands/filecommands.h"
#include "commands/history/edithistory.h"
#include "commands/levels/levellist.h"
#include "commands/levels/randomsource.h"
#include "commands/levels/shapes.h"
#include "commands/levels/shownmarkers.h"
#include "commands/regions/cellregion.h"
#include "commands/tiles/tilepictures.h"
#include "levelset/editingstate.h"
#include "levelset/levelset.h"
#include "maptool.h"

#include <QImage>
#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;
class QSettings;
class QStatusBar;
class QToolBar;

namespace vrh {

class CommandRun;
class frmCommandOutput;
class frmLevels;
class LevelView;
class MarkerFrame;
class ModalDialogs;
class OpenFileWatcher;
class RecentFiles;
class RecoveryFolder;
class RecoveryKeeper;
class SystemInformation;
class TilePalette;

// The editor's one main window. It owns the levelset and the editing state and hands them by
// reference to the commands; its handlers, named after control and event, turn an event into
// a step of the edit history (or another command) and refresh what it changed. Building the
// window loads it: the fresh levelset is drawn and shown, the window itself stays hidden until
// shown.
class frmMain : public QMainWindow, private LevelsetView, private HistoryView {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 803;
    static constexpr int kClientHeight = 572;
    static constexpr int kToolBarHeight = 28;
    static constexpr int kStatusBarHeight = 18;

    frmMain(MessageBoxes& messages, FileDialogs& dialogs, QWidget* parent = nullptr);
    // The same window with the random tiles drawn from random instead of its own generator.
    frmMain(MessageBoxes& messages, FileDialogs& dialogs, RandomSource& random,
            QWidget* parent = nullptr);
    ~frmMain() override;

    Levelset& levelset() { return levelset_; }
    EditingState& state() { return state_; }
    EditHistory& history() { return history_; }
    // The selected cells of the current level, and whether a paste floats over the map.
    const std::optional<QRect>& selection() const { return selection_; }
    bool pasteFloating() const { return paste_.floating(); }

    // Drawing and the status bar.
    void drawLevel(std::int16_t level);
    // Draws levels(curLevel) into the map's back image and refreshes the map view.
    void redrawMap();
    void updateLevelLabel();
    // The status bar's text stays until a handler of the editor writes another.
    void setStatusText(const QString& text);

    // File commands, also run by the toolbar.
    void Form_Load();
    bool Form_QueryUnload();
    void Form_Unload();
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileExit_Click();
    // Pictures of the current level and of all levels, as the map shows them (frmmain_export.cpp).
    void mnuFileExportPicture_Click();
    void mnuFileExportAll_Click();
    // The recent file in entry index (0 for "&1 ...").
    void mnuFileRecent_Click(int index);
    // Opens a levelset as File > Open does with the name its dialog gave; with the save prompt
    // first when askToSave.
    void openFile(const QString& path, bool askToSave);
    // At start-up: offers, newest first, what editors that ended without saving left behind.
    void offerRecovery();

    // The property panel.
    // Shows the level's properties in the panel and moves its six markers there.
    void loadLevel(std::int16_t level);
    void txtObjectives_Change();
    void txtTime_Change();
    void txtPasscode_Change();
    void optNormal_Click();
    void optHatchery_Click();
    void optWeak_Click();
    void optStrong_Click();

    // The map, the palette and their popup menus. Button 1 left, 2 right, 4 middle (for a
    // move the sum held); Shift the keys held, 1 Shift, 2 Ctrl, 4 Alt added together; X, Y in
    // drawing-area pixels.
    void picLevel_MouseDown(int button, int shift, double x, double y);
    void picLevel_MouseMove(int button, int shift, double x, double y);
    void picLevel_MouseUp(int button, int shift, double x, double y);
    void picTiles_MouseDown(int button, int shift, double x, double y);
    // Keys on the focused map and palette (frmmain_keys.cpp): Shift as for the mouse.
    void picLevel_KeyDown(int key, int shift, bool autoRepeat);
    void picLevel_KeyUp(int key, int shift, bool autoRepeat);
    void picTiles_KeyDown(int key, int shift, bool autoRepeat);
    void picLevel_LostFocus();
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

    // The Edit, View, Level, Tools and Help menus and the toolbar. The Edit menu works on
    // regions of cells too: the selection (Shift drag, Select All), the clipboard's cells and
    // Fill Selection; Ctrl and Ctrl + Shift clicks on the map fill and replace. Escape cancels
    // a floating paste, else clears the selection.
    void mnuEditUndo_Click();
    void mnuEditRedo_Click();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuEditDelete_Click();
    void mnuEditSelectAll_Click();
    void mnuEditFill_Click();
    void mapEscape_Click();
    void mnuViewStart_Click();
    void mnuViewFinish_Click();
    void mnuViewBlockPut_Click();
    void mnuViewBlockTake_Click();
    // Each position marker carries its letter while checked; remembered between runs.
    void mnuViewMarkerLetters_Click();
    // The position markers the View menu shows now.
    ShownMarkers shownMarkers() const;
    void mnuLevelDecreaseWidth_Click();
    void mnuLevelIncreaseWidth_Click();
    void mnuLevelDecreaseHeight_Click();
    void mnuLevelIncreaseHeight_Click();
    void mnuLevelRemove_Click();
    void mnuLevelAdd_Click();
    void mnuLevelPrevious_Click();
    void mnuLevelNext_Click();
    void mnuLevelInsert_Click();
    void mnuLevelDuplicate_Click();
    void mnuLevelDelete_Click();
    void mnuLevelMoveEarlier_Click();
    void mnuLevelMoveLater_Click();
    void mnuLevelGoTo_Click();
    void mnuToolsMouseChoice_Click(int index);
    // The drawing tools work as one choice, remembered between runs.
    void mnuToolsTool_Click(DrawingTool tool);
    DrawingTool drawingTool() const { return tool_; }
    void mnuViewGrid_Click();
    void mnuLevelSize_Click();
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
    // What runs the About box and the Level Size, Go to Level and Commands dialogs (the window
    // system when none is set). Tests answer them without waiting.
    void setModalDialogs(ModalDialogs& dialogs) { modalDialogs_ = &dialogs; }

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
    QLabel* lblRecoveryWarning = nullptr; // shown while recovery can't be written
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

    // The popup menus of the palette and the map.
    QMenu* mnuTilePopUp = nullptr;
    QAction* mnuTilePopUpPut = nullptr;
    QAction* mnuTilePopUpTake = nullptr;
    QMenu* mnuLevelPopUp = nullptr;
    QAction* mnuLevelPopUpStart = nullptr;
    QAction* mnuLevelPopUpFinish = nullptr;
    QAction* mnuLevelPopUpPut = nullptr;
    QAction* mnuLevelPopUpTake = nullptr;

    // Menu entries whose captions, greying or check marks the handlers keep. The recent files'
    // entries are "mnuFileRecent1" to "mnuFileRecent8", shown while they hold a file, with the
    // bar after them. The right-button modes are mnuToolsMouseChoice[index],
    // "mnuToolsMouseChoice0" to "mnuToolsMouseChoice3".
    std::array<QAction*, 8> mnuFileRecent{};
    QAction* mnuFileRecentBar = nullptr;
    QAction* mnuEditUndo = nullptr;
    QAction* mnuEditRedo = nullptr;
    QAction* mnuEditCut = nullptr;
    QAction* mnuEditCopy = nullptr;
    QAction* mnuEditPaste = nullptr;
    QAction* mnuEditDelete = nullptr;
    QAction* mnuEditSelectAll = nullptr;
    QAction* mnuEditFill = nullptr;
    QAction* mnuViewStart = nullptr;
    QAction* mnuViewFinish = nullptr;
    QAction* mnuViewBlockPut = nullptr;
    QAction* mnuViewBlockTake = nullptr;
    QAction* mnuViewMarkerLetters = nullptr;
    std::array<QAction*, 4> mnuToolsMouseChoice{};
    // Pencil, Line, Rectangle and Filled Rectangle, in DrawingTool's order.
    std::array<QAction*, 4> mnuToolsTool{};
    QAction* mnuViewGrid = nullptr;
    QAction* mnuLevelSize = nullptr;

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void showEvent(QShowEvent* event) override;

    // Opens a popup menu at a global position and waits for the choice; the chosen entry has
    // been triggered when it returns, nothing chosen gives null.
    virtual QAction* popupMenu(QMenu* menu, QPoint globalPosition);

  private:
    frmMain(MessageBoxes& messages, FileDialogs& dialogs, RandomSource* random, QWidget* parent);

    // Building the window.
    void createControls();
    void createPanel(QWidget* central);
    void connectPanel();
    void createMouseEditing();
    void createKeyboardEditing();
    // A key's gesture on the map: pressed as a button on the cell, moved, let go.
    void keyPress(int button, int shift, QPoint cell);
    void keyMove(QPoint cell);
    void keyRelease();
    void createPopupMenus();
    void createMenus();
    void createRecovery();
    void createRecentFiles();
    void showRecentFiles();
    void createDropTarget();
    void createEditMenu(QMenu* edit);
    void createRegionEntries(QMenu* edit);
    void createToolBar();
    // The drawing tools, the grid and the Level Size entry, as the settings left them.
    void createDrawingTools();
    // Greys the resize and level list commands that would do nothing now.
    void updateLimitEntries();
    // Another program's changes to the open file: watched, and reported in a box when the
    // window can show one.
    void createFileWatch();

    // LevelsetView: what the file commands ask of the window.
    void showCurrentLevel() override;
    void showLevelLabel() override { updateLevelLabel(); }
    void setTitle(const QString& title) override;
    void levelsetReplaced() override;
    void levelsetSaved() override;
    void levelsetOpened() override;

    // HistoryView: an undo or redo moved the levelset.
    void showHistoryMove(bool levelChanged) override;

    // Redraws what a command of the level list changed.
    void showLevelListChange(LevelListChange change);
    // Runs a command that reorders the levels as one step.
    void reorderLevels(const QString& stepName,
                       LevelListChange (*command)(Levelset&, EditingState&));
    void numberBoxChanged(QLineEdit* box, std::uint8_t LevelRecord::*field, const QString& stepName,
                          TypingBox typingBox);
    void chooseOption(const QString& stepName, std::uint8_t LevelRecord::*field,
                      std::uint8_t value);
    // Writes code into the cell as part of the stroke stepName; the caller redraws.
    void paintCell(QPoint cell, std::uint8_t code, const QString& stepName);

    // The map's tools (maptool.h), driven by the mouse and the keyboard alike: a press on a
    // cell chooses the tool that the moves and the release after it go to.
    friend class MapTool;
    friend class PencilTool;
    friend class ShapeTool;
    friend class SelectTool;
    friend class FillTool;
    friend class PickTool;
    friend class PasteTool;
    void mapPress(int button, int shift, QPoint cell);
    void mapRelease(int button);
    void cancelShape();
    MapTool& toolFor(int button, int shift, QPoint cell);
    MapTool& activeTool();
    // The status text of a move that paints nothing.
    void showCellStatus(int buttons, QPoint cell);
    // Where the level popup opens for a press on cell: at the pointer, or at the keyboard's cell.
    QPoint popupPosition(QPoint cell) const;
    // The pointer over the map: a cross while a shape tool is chosen and it is over the level.
    void showPointerShape(bool overLevel);
    // The status bar's fields of the chosen tool and of changes not yet saved.
    void createStatusFields();
    void showToolField();

    void updateEditEntries();

    // Regions (frmmain_region.cpp, frmmain_clipboard.cpp).
    void setSelection(const std::optional<QRect>& cells);
    void keepRegionsInLevel();
    void fillSelection(const QString& stepName, std::uint8_t code);
    void copySelection();
    // Follows the clipboard from the first time the window needs it, and greys Paste now.
    void followClipboard();
    void watchClipboard();
    void updatePasteEntry();

    LevelRecord& currentLevel() { return levelset_.levels[state_.curLevel]; }

    // The settings' key of View > Marker Letters.
    static inline const QString kMarkerLettersKey = QStringLiteral("showMarkerLetters");

    Levelset levelset_;
    EditingState state_;
    MessageBoxes& messages_;
    FileDialogs& fileDialogs_;
    FileCommands fileCommands_;
    EditHistory history_;
    std::unique_ptr<RandomSource> ownRandom_;
    RandomSource* random_;
    SystemInformation* systemInformation_ = nullptr;
    ModalDialogs* modalDialogs_;
    QImage tileSheet_;
    QString statusText_;
    std::unique_ptr<QSettings> settings_;
    std::unique_ptr<RecentFiles> recentFiles_;
    std::unique_ptr<RecoveryFolder> recoveryFolder_;
    std::unique_ptr<RecoveryKeeper> recoveryKeeper_;
    OpenFileWatcher* fileWatcher_ = nullptr;
    // The selected cells, the map's tools and the one a press began, until its release.
    std::optional<QRect> selection_;
    PencilTool pencil_{*this};
    ShapeTool shapeTool_{*this};
    SelectTool select_{*this};
    FillTool fill_{*this};
    PickTool pick_{*this};
    PasteTool paste_{*this};
    MapTool* gesture_ = nullptr;
    // The button a key holds down on the map: 1 for Space, 0 while no key gesture goes on.
    int keyButton_ = 0;
    std::optional<QPoint> popupAt_;
    DrawingTool tool_ = DrawingTool::Pencil;
    QLabel* toolField_ = nullptr;
    QLabel* modifiedField_ = nullptr;
    // The entries greyed at their limits, menu and toolbar, in updateLimitEntries' order.
    std::vector<std::pair<QAction*, QAction*>> limitEntries_;
    bool clipboardWatched_ = false;
    bool loadingLevel_ = false;
    bool centred_ = false;

    // The Levels window (frmmain_levels.cpp), made the first time View > Levels shows it.
  public:
    void mnuViewLevels_Click();
    QAction* mnuViewLevels = nullptr;
    // Null until first shown.
    frmLevels* levelsWindow() const { return levelsWindow_; }

  private:
    void createLevelsWindow();
    QPoint besideThisWindow(QSize size) const;
    // Brings the shown pictures up to the levelset: called after every step and redraw.
    void showLevelsWindow();
    void levelsWindow_LevelClick(int position);
    void levelsWindow_LevelDrop(int from, int to);
    frmLevels* levelsWindow_ = nullptr;

    // The map's zoom (frmmain_zoom.cpp), 1 to 4 times, remembered between runs.
  public:
    void mnuViewZoomIn_Click();
    void mnuViewZoomOut_Click();
    void mnuViewActualSize_Click();
    // Ctrl + wheel: steps zoom steps, keeping the map's point under the pointer in place.
    void picLevel_ZoomWheel(int steps, QPointF at);
    // Puts levelCursor on the cell (column x, row y) and scrolls the map to show it whole.
    void moveLevelCursor(QPoint cell);
    QAction* mnuViewZoomIn = nullptr;
    QAction* mnuViewZoomOut = nullptr;
    QAction* mnuViewActualSize = nullptr;

  private:
    void createZoom();
    // Shows the map at zoom (held to 1..4), keeping the cursor's cell in place, or the point
    // at when given.
    void showZoom(int zoom, std::optional<QPointF> at = std::nullopt);

    // The user's own commands (frmmain_commands.cpp): the Tools menu's entries after
    // Commands..., one at a time running on the levelset, their output in the Command Output
    // window, made the first time a command runs.
  public:
    void mnuToolsCommands_Click();
    // The command at index in the list, as its entry "mnuToolsCommand1"... runs it.
    void mnuToolsCommand_Click(int index);
    QAction* mnuToolsCommands = nullptr;
    const QList<UserCommand>& userCommands() const { return userCommands_; }
    bool commandRunning() const;
    // Null until a command first runs.
    frmCommandOutput* commandOutput() const { return commandOutput_; }

  private:
    void createUserCommands();
    void showUserCommands();
    void commandOutput_Stop();
    void commandEnded(const QString& lastLines);
    // At the close: whether a command still running may be stopped; none running may.
    bool queryStopCommand();
    QList<UserCommand> userCommands_;
    std::vector<QAction*> commandEntries_;
    std::unique_ptr<CommandRun> commandRun_;
    frmCommandOutput* commandOutput_ = nullptr;

    // The tile pictures everything draws tiles with (frmmain_tilepictures.cpp): the built-in
    // ones or a file's, remembered between runs and followed on disk while in use.
  public:
    void mnuViewTilePictures_Click();
    void mnuViewBuiltInTiles_Click();
    void mnuViewTileUses_Click();
    void mnuFileExportTilePictures_Click();
    QAction* mnuViewBuiltInTiles = nullptr;
    QAction* mnuViewTileUses = nullptr;
    // The file the pictures in use came from; empty for the built-in ones.
    const QString& tilePicturesPath() const { return tilePicturesPath_; }

  private:
    // Reads the remembered pictures; what went wrong, for the status bar, if anything did.
    QString createTilePictures();
    // Draws everything with these pictures' sheet (tileSheet_) and names them by their names.
    void useTilePictures(const TilePictures& pictures, const QString& path);
    void tilePicturesFile_Change();
    // After curTile changed: the uses' frames follow it, and the status bar gives its text,
    // the palette's own (statusText) unless the uses are shown.
    void showChosenTile(const QString& statusText);
    void followChosenTile();
    QString tilePicturesPath_;
    QString lastTilePicturesFolder_;
    OpenFileWatcher* tilePicturesWatcher_ = nullptr;
};

} // namespace vrh
