// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowharness.h"

#include "commands/levels/tilenames.h"
#include "window/dialogs/frmlevels.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

namespace vrh {
namespace {

using testing::ActiveWindow;

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kYellow = qRgb(255, 255, 0);

// A sheet of one row of eight 8 x 8 tiles in one colour.
void writeSheet(const QString& path, QRgb colour) {
    QImage sheet(64, 8, QImage::Format_RGB32);
    sheet.fill(colour);
    ASSERT_TRUE(sheet.save(path, "PNG"));
}

QRgb mapPixel(ActiveWindow& h, QPoint cell) {
    return h.window.picLevel->image().pixel(cell * 16 + QPoint(8, 8));
}

// Loaded pictures draw the map, the palette, the Levels window and the export, name the tiles,
// are remembered for the next start and followed on disk; Built-in Tile Pictures goes back.
TEST(TilePicturesWindow, LoadedPicturesAreUsedEverywhereRememberedAndFollowed) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tiles.png"));
    writeSheet(path, kRed);
    QFile names(dir.filePath(QStringLiteral("tiles.names")));
    ASSERT_TRUE(names.open(QIODevice::WriteOnly));
    names.write("# mine\n3 red crate\n");
    names.close();

    ActiveWindow h;
    resetLevelset(h.window.levelset());
    h.level(0).tiles[4][5] = 3;
    h.window.redrawMap();
    const QRgb builtIn = mapPixel(h, {5, 4});
    EXPECT_FALSE(h.entry("mnuViewBuiltInTiles")->isEnabled());
    h.key(Qt::Key_F9);
    h.dialogs.answers = {path};
    h.key(Qt::CTRL | Qt::SHIFT | Qt::Key_T);
    ASSERT_EQ(h.dialogs.asked.size(), 1U);
    EXPECT_EQ(h.dialogs.asked[0].setup.title, QStringLiteral("Load Tile Pictures"));
    EXPECT_EQ(h.dialogs.asked[0].setup.filter,
              QStringLiteral("Tile pictures (*.png *.bmp *.gif *.asm *.inc *.z80 *.txt);;"
                             "All files (*)"));
    EXPECT_EQ(mapPixel(h, {5, 4}), kRed);
    EXPECT_EQ(mapPixel(h, {1, 1}), kRed);
    EXPECT_EQ(h.window.picTiles->image().pixel(3 * 16 + 8, 8), kRed);
    EXPECT_EQ(h.window.levelsWindow()->picture(0).pixel(5 * 4 + 1, 4 * 4 + 1), kRed);
    EXPECT_TRUE(h.entry("mnuViewBuiltInTiles")->isEnabled());
    QTest::mouseClick(h.window.picLevel, Qt::MiddleButton, {}, QPoint(5 * 16 + 10, 4 * 16 + 10));
    EXPECT_EQ(h.status(), QStringLiteral("Picked tile 3: red crate"));
    EXPECT_EQ(tileToolTip(20), QStringLiteral("Tile 20"));

    const QString exported = dir.filePath(QStringLiteral("template"));
    h.dialogs.answers = {exported};
    h.entry("mnuFileExportTilePictures")->trigger();
    EXPECT_EQ(h.dialogs.asked.back().setup.title, QStringLiteral("Export Tile Pictures"));
    const QImage sheet(exported + QStringLiteral(".png"));
    EXPECT_EQ(sheet.size(), QSize(128, 512));
    EXPECT_FALSE(sheet.hasAlphaChannel());
    EXPECT_EQ(sheet.pixel(7 * 16 + 15, 15), kRed);
    EXPECT_EQ(sheet.pixel(8, 16 + 8), h.window.picTiles->image().pixel(8, 16 + 8));

    // A paint program saving the file again; then a half-written one, which changes nothing.
    writeSheet(path, kGreen);
    QTRY_COMPARE(mapPixel(h, {5, 4}), kGreen);
    QFile broken(path);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\x89PNG");
    broken.close();
    QTRY_VERIFY(h.status().startsWith(
        QStringLiteral("Can't use %1 as tile pictures. ").arg(QDir::toNativeSeparators(path))));
    EXPECT_EQ(mapPixel(h, {5, 4}), kGreen);
    writeSheet(path, kRed);
    {
        ActiveWindow next;
        EXPECT_EQ(next.window.tilePicturesPath(), path);
        EXPECT_EQ(next.window.picTiles->image().pixel(8, 8), kRed);
    }

    h.entry("mnuViewBuiltInTiles")->trigger();
    EXPECT_EQ(mapPixel(h, {5, 4}), builtIn);
    EXPECT_FALSE(h.entry("mnuViewBuiltInTiles")->isEnabled());
    EXPECT_EQ(h.window.tilePicturesPath(), QString());
    EXPECT_EQ(tileName(3), QString());
    h.dialogs.answers = {std::nullopt};
    h.entry("mnuViewTilePictures")->trigger();
    EXPECT_EQ(h.dialogs.asked.back().setup.title, QStringLiteral("Load Tile Pictures"));
    EXPECT_EQ(h.dialogs.asked.back().setup.initialFolder, dir.path());
}

// A refused file changes nothing and says why; a remembered one that is gone at start-up brings
// the built-in pictures, says so once, and stays remembered.
TEST(TilePicturesWindow, ARefusedFileChangesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("odd.png"));
    QImage odd(100, 40, QImage::Format_RGB32);
    odd.fill(kRed);
    ASSERT_TRUE(odd.save(path, "PNG"));
    {
        ActiveWindow h;
        const QImage before = h.window.picLevel->image();
        h.dialogs.answers = {path};
        h.messages.answers = {MessageAnswer::Ok};
        h.window.mnuViewTilePictures_Click();
        ASSERT_EQ(h.messages.asked.size(), 1U);
        EXPECT_EQ(h.messages.asked[0].text,
                  QStringLiteral("Can't use %1 as tile pictures.\rThe picture is 100 x 40 pixels; "
                                 "tile pictures are 128 or 64 pixels wide and a whole number of "
                                 "tile rows high.")
                      .arg(QDir::toNativeSeparators(path)));
        EXPECT_EQ(h.messages.asked[0].title, kApplicationTitle);
        EXPECT_EQ(h.messages.asked[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(h.window.picLevel->image(), before);
        EXPECT_FALSE(h.entry("mnuViewBuiltInTiles")->isEnabled());
    }
    const QString gone = dir.filePath(QStringLiteral("gone.png"));
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VrhEdit"),
                       QStringLiteral("VrhEdit"));
    settings.setValue(QStringLiteral("tilePictures"), gone);
    settings.sync();
    ActiveWindow h;
    EXPECT_TRUE(h.status().startsWith(
        QStringLiteral("Can't use %1 as tile pictures. ").arg(QDir::toNativeSeparators(gone))));
    EXPECT_TRUE(h.status().endsWith(QStringLiteral(" The built-in tile pictures are shown.")));
    EXPECT_EQ(h.window.tilePicturesPath(), QString());
    EXPECT_EQ(QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VrhEdit"),
                        QStringLiteral("VrhEdit"))
                  .value(QStringLiteral("tilePictures")),
              gone);
}

// Show Uses frames every cell of the chosen tile inside the level and counts them; the grid
// lies on the palette too.
TEST(TilePicturesWindow, ShowUsesFramesTheChosenTilesCellsAndCountsThem) {
    ActiveWindow h;
    resetLevelset(h.window.levelset());
    h.window.levelset().numLevels = 2;
    h.level(0).tiles[1][2] = 58;
    h.level(0).tiles[3][4] = 58;
    h.level(1).tiles[2][6] = 58;
    h.window.redrawMap();
    h.key(Qt::CTRL | Qt::Key_U);
    EXPECT_TRUE(h.entry("mnuViewTileUses")->isChecked());
    h.window.picTiles_MouseDown(1, 0, 2 * 16 + 8, 7 * 16 + 8);
    ASSERT_EQ(h.window.state().curTile, 58);
    EXPECT_EQ(h.status(), QStringLiteral("Tile 58: 2 cells in this level, 3 in the levelset"));
    const struct {
        QPoint at;
        QRgb colour;
    } cases[] = {
        {{2 * 16, 1 * 16}, kYellow},
        {{2 * 16 + 15, 1 * 16 + 8}, kYellow},
        {{4 * 16 + 8, 3 * 16 + 14}, kYellow},
        {{4 * 16 + 8, 3 * 16 + 8}, mapPixel(h, {4, 3})},
        {{6 * 16 + 1, 5 * 16 + 1}, h.window.picLevel->image().pixel(6 * 16 + 1, 5 * 16 + 1)},
    };
    const QImage shown = h.window.picLevel->composedImage();
    for (const auto& c : cases) {
        EXPECT_EQ(shown.pixel(c.at), c.colour) << c.at.x() << "," << c.at.y();
    }
    h.window.mnuLevelNext_Click();
    EXPECT_EQ(h.window.picLevel->composedImage().pixel(6 * 16 + 1, 2 * 16 + 1), kYellow);
    h.key(Qt::CTRL | Qt::Key_U);
    EXPECT_NE(h.window.picLevel->composedImage().pixel(6 * 16 + 1, 2 * 16 + 1), kYellow);

    h.key(Qt::CTRL | Qt::Key_G);
    const QImage palette = h.window.picTiles->composedImage();
    EXPECT_EQ(palette.pixel(16, 40), qRgb(128, 128, 128));
    EXPECT_EQ(palette.pixel(40, 32), qRgb(128, 128, 128));
}

} // namespace
} // namespace vrh
