// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmmain.h"

#include "assets/assets.h"
#include "commands/desktop/commandrun.h"
#include "commands/desktop/recentfiles.h"
#include "commands/levels/celldescription.h"
#include "commands/levels/mapediting.h"
#include "commands/levels/tilenames.h"
#include "commands/recovery/recoveryfolder.h"
#include "commands/recovery/recoverykeeper.h"
#include "levelset/filepath.h"
#include "map/drawlevel.h"
#include "map/levelview.h"
#include "platform/qtuserinterface.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

namespace vrh {

namespace {

// Positions in the tables are in the client area, which begins with the toolbar.
QRect clientRect(int left, int top, int width, int height) {
    return {left, top - frmMain::kToolBarHeight, width, height};
}

template <typename Widget> Widget* place(Widget* widget, const QString& name, QRect geometry) {
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

const QColor kOrange(255, 128, 0);

} // namespace

frmMain::frmMain(MessageBoxes& messages, FileDialogs& dialogs, QWidget* parent)
    : frmMain(messages, dialogs, nullptr, parent) {}

frmMain::frmMain(MessageBoxes& messages, FileDialogs& dialogs, RandomSource& random,
                 QWidget* parent)
    : frmMain(messages, dialogs, &random, parent) {}

frmMain::frmMain(MessageBoxes& messages, FileDialogs& dialogs, RandomSource* random,
                 QWidget* parent)
    : QMainWindow(parent), messages_(messages), fileDialogs_(dialogs),
      fileCommands_(levelset_, state_, messages, dialogs, *this,
                    QCoreApplication::applicationDirPath()),
      history_(levelset_, state_, *this),
      ownRandom_(random ? nullptr : std::make_unique<FixedStartRandom>()),
      random_(random ? random : ownRandom_.get()), modalDialogs_(&windowSystemDialogs()),
      tileSheet_(prepareTileSheet(vrh::tileSheet())) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kApplicationTitle);
    createControls();
    createMenus();
    createToolBar();
    connectPanel();
    createMouseEditing();
    createRecentFiles();
    createDrawingTools();
    createZoom();
    createFileWatch();
    createUserCommands();
    createDropTarget();
    createRecovery();
    const QString tilePicturesProblem = createTilePictures();
    // The window lays the menu bar out at the height it needs for the window's width, which
    // Windows' style makes taller than its plain size hint.
    const int barForWidth = menuBar()->heightForWidth(kClientWidth);
    setFixedSize(kClientWidth,
                 kClientHeight + (barForWidth >= 0 ? barForWidth : menuBar()->sizeHint().height()));
    Form_Load();
    if (!tilePicturesProblem.isEmpty()) {
        setStatusText(tilePicturesProblem);
    }
}

// Taking the window down moves the keyboard focus out of it and empties the history's stack:
// by then the handlers that listen to the application's focus, the clipboard and the history
// must no longer hear it, nor the map that loses the focus on its way out.
frmMain::~frmMain() {
    disconnect(qApp, nullptr, this, nullptr);
    picLevel->disconnect(this);
    QGuiApplication::clipboard()->disconnect(this);
    disconnect(&history_.stack(), nullptr, this, nullptr);
}

void frmMain::createControls() {
    sbStatusBar = new QStatusBar(this);
    sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    sbStatusBar->setFixedHeight(kStatusBarHeight);
    sbStatusBar->setSizeGripEnabled(false);
    setStatusBar(sbStatusBar);

    tbToolBar = new QToolBar(this);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setFloatable(false);
    tbToolBar->setIconSize(QSize(16, 16));
    // After the icon size, which takes back any minimum size when it changes the style's own.
    tbToolBar->setFixedHeight(kToolBarHeight);
    tbToolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, tbToolBar);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("clientArea"));
    central->setFixedSize(kClientWidth, kClientHeight - kToolBarHeight - kStatusBarHeight);
    // The panel's captions are laid out for a small face: at 7 points the desktop's usual
    // sans serif keeps "Objectives:" clear of its box, as the original 8-point face did.
    QFont panelFont = central->font();
    panelFont.setPointSize(7);
    central->setFont(panelFont);
    setCentralWidget(central);

    picLevel = new LevelView(central);
    picLevel->move(clientRect(136, 32, 0, 0).topLeft());
    picTiles = new TilePalette(QStringLiteral("picTiles"), tileSheet_, central);
    picTiles->move(clientRect(664, 32, 0, 0).topLeft());
    picTileset = new TilePalette(QStringLiteral("picTileset"), tileSheet_, central);
    picTileset->hide();

    // Added in painting order: the cursors lie on top.
    shpStart = &picLevel->addMarker(QStringLiteral("shpStart"), kStartMarkerColour, true);
    shpFinish = &picLevel->addMarker(QStringLiteral("shpFinish"), kFinishMarkerColour, true);
    shpPut = &picLevel->addMarker(QStringLiteral("shpPut"), kPutMarkerColour, false);
    shpTake = &picLevel->addMarker(QStringLiteral("shpTake"), kTakeMarkerColour, false);
    levelCursor = &picLevel->addMarker(QStringLiteral("levelCursor"), kOrange, true);
    shpPutType = &picTiles->addMarker(QStringLiteral("shpPutType"), kPutMarkerColour, false);
    shpTakeType = &picTiles->addMarker(QStringLiteral("shpTakeType"), kTakeMarkerColour, false);
    tileCursor = &picTiles->addMarker(QStringLiteral("tileCursor"), kOrange, true);
    shpStart->setLetter(u'S');
    shpFinish->setLetter(u'F');
    shpPut->setLetter(u'P');
    shpTake->setLetter(u'T');

    // What a screen reader hears of the two views follows their cursors.
    picLevel->setAccessibleName(QStringLiteral("Map"));
    picLevel->setCursorMarker(*levelCursor, [this](QPoint cell) {
        return cellDescription(currentLevel(), cell.x(), cell.y(), shownMarkers());
    });
    picTiles->setAccessibleName(QStringLiteral("Tile palette"));
    picTiles->setCursorMarker(*tileCursor, [](QPoint cell) {
        return tileToolTip(
            paletteCode(static_cast<std::int16_t>(cell.x()), static_cast<std::int16_t>(cell.y())));
    });

    createPanel(central);
    createStatusFields();
}

void frmMain::createPanel(QWidget* central) {
    lblLevelNum =
        place(new QLabel(central), QStringLiteral("lblLevelNum"), clientRect(8, 40, 113, 17));
    lblLevelNum->setAlignment(Qt::AlignCenter);

    fraLevelType = place(new QGroupBox(QStringLiteral("Level Type"), central),
                         QStringLiteral("fraLevelType"), clientRect(8, 104, 121, 81));
    optNormal = place(new QRadioButton(QStringLiteral("Normal"), fraLevelType),
                      QStringLiteral("optNormal"), {8, 24, 105, 17});
    optHatchery = place(new QRadioButton(QStringLiteral("Hatchery"), fraLevelType),
                        QStringLiteral("optHatchery"), {8, 48, 105, 17});
    optNormal->setChecked(true);

    fraAlienType = place(new QGroupBox(QStringLiteral("Alien Type"), central),
                         QStringLiteral("fraAlienType"), clientRect(8, 232, 121, 81));
    optWeak = place(new QRadioButton(QStringLiteral("Normal"), fraAlienType),
                    QStringLiteral("optWeak"), {8, 24, 105, 17});
    optStrong = place(new QRadioButton(QStringLiteral("Strong"), fraAlienType),
                      QStringLiteral("optStrong"), {8, 48, 105, 17});
    optWeak->setChecked(true);

    lblPasscode = place(new QLabel(QStringLiteral("Passcode:"), central),
                        QStringLiteral("lblPasscode"), clientRect(8, 364, 57, 17));
    txtPasscode =
        place(new QLineEdit(central), QStringLiteral("txtPasscode"), clientRect(64, 360, 65, 19));
    txtPasscode->setMaxLength(5);
    lblObjectives = place(new QLabel(QStringLiteral("Objectives:"), central),
                          QStringLiteral("lblObjectives"), clientRect(8, 388, 57, 17));
    txtObjectives =
        place(new QLineEdit(central), QStringLiteral("txtObjectives"), clientRect(64, 384, 65, 19));
    txtObjectives->setMaxLength(3);
    lblTime = place(new QLabel(QStringLiteral("Time:"), central), QStringLiteral("lblTime"),
                    clientRect(8, 412, 57, 17));
    txtTime = place(new QLineEdit(central), QStringLiteral("txtTime"), clientRect(64, 408, 65, 19));
    txtTime->setMaxLength(3);
    // A box is named by its caption, without the colon.
    for (auto [label, box] :
         {std::pair{lblPasscode, txtPasscode}, std::pair{lblObjectives, txtObjectives},
          std::pair{lblTime, txtTime}}) {
        label->setBuddy(box);
        box->setAccessibleName(label->text().chopped(1));
    }

    setTabOrder(optNormal, optHatchery);
    setTabOrder(optHatchery, optWeak);
    setTabOrder(optWeak, optStrong);
    setTabOrder(optStrong, txtPasscode);
    setTabOrder(txtPasscode, txtObjectives);
    setTabOrder(txtObjectives, txtTime);
}

void frmMain::drawLevel(std::int16_t level) {
    picLevel->drawLevel(levelset_.levels[level], tileSheet_);
}

void frmMain::redrawMap() {
    drawLevel(state_.curLevel);
    keepRegionsInLevel();
    updateLimitEntries();
    showLevelsWindow();
}

void frmMain::setStatusText(const QString& text) {
    statusText_ = text;
    sbStatusBar->showMessage(text);
}

void frmMain::updateLevelLabel() {
    lblLevelNum->setText(levelLabel(state_.curLevel, levelset_.numLevels));
    updateLimitEntries();
}

void frmMain::showCurrentLevel() {
    redrawMap();
    updateLevelLabel();
    loadLevel(state_.curLevel);
}

void frmMain::setTitle(const QString& title) {
    setWindowTitle(shownText(title));
}

bool frmMain::event(QEvent* event) {
    // Passing over a menu entry sends its status tip, empty for most: the editor's own text
    // comes back instead of being wiped.
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        sbStatusBar->showMessage(tip.isEmpty() ? statusText_ : tip);
        return true;
    }
    return QMainWindow::event(event);
}

void frmMain::showEvent(QShowEvent* event) {
    if (!centred_) {
        centred_ = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            move(screen->availableGeometry().center() - rect().center());
        }
    }
    QMainWindow::showEvent(event);
}

} // namespace vrh
