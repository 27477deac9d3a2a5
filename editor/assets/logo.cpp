// SPDX-License-Identifier: GPL-3.0-or-later
#include "logo.h"

#include "tilesheet.h"

#include <QHash>
#include <QVector>

#include <array>

namespace vrh::art {
namespace {

// Letters and tiles are read from the sheet one picture pixel (2 x 2 sheet pixels) at a time.
bool isBlack(const QImage& sheet, int code, int x, int y) {
    const int left = kCellPixels * sheetColumn(code);
    const int top = kCellPixels * sheetRow(code);
    return qGray(sheet.pixel(left + 2 * x, top + 2 * y)) < 128;
}

void fillRect(QImage& image, int left, int top, int width, int height, QRgb colour) {
    for (int y = qMax(0, top); y < qMin(image.height(), top + height); ++y) {
        for (int x = qMax(0, left); x < qMin(image.width(), left + width); ++x) {
            image.setPixel(x, y, colour);
        }
    }
}

// Draws the black pixels of a tile picture as scale x scale blocks; colourOf(row) picks the
// colour of each picture row, so that letters can carry a gradient.
template <typename ColourOfRow>
void drawPicture(QImage& image, const QImage& sheet, int code, int left, int top, int scale,
                 ColourOfRow colourOf) {
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            if (isBlack(sheet, code, x, y)) {
                fillRect(image, left + scale * x, top + scale * y, scale, scale, colourOf(y));
            }
        }
    }
}

int letterCode(char letter) {
    return 14 + (letter - 'A');
}

void drawBackground(QImage& image) {
    for (int y = 0; y < kLogoHeight; ++y) {
        const int step = y * 16 / kLogoHeight;
        fillRect(image, 0, y, kLogoWidth, 1, qRgb(12 + 3 * step, 16 + step, 40 + 2 * step));
    }
}

void drawTitle(QImage& image, const QImage& sheet) {
    const char* title = "VARNHOLD";
    const int scale = 3;
    const int left = 5;
    const int top = 5;
    for (int i = 0; title[i] != '\0'; ++i) {
        const int x = left + i * 8 * scale - scale; // glyphs stand one picture pixel in
        drawPicture(image, sheet, letterCode(title[i]), x + 2, top + 2, scale,
                    [](int) { return qRgb(4, 4, 12); });
        drawPicture(image, sheet, letterCode(title[i]), x, top, scale,
                    [](int row) { return qRgb(255, 236 - 14 * row, 128 - 16 * row); });
    }
}

// A TI-style calculator: dark body, bezel, a 96 x 64 screen of 12 x 8 tiles, the top keys.
void drawCalculator(QImage& image, const QImage& sheet) {
    const QRgb body = qRgb(58, 62, 76);
    const QRgb rim = qRgb(96, 100, 118);
    const QRgb bezel = qRgb(30, 32, 38);
    const QRgb lcdOff = qRgb(160, 176, 140);
    const QRgb lcdOn = qRgb(34, 42, 34);
    const int left = 44;
    const int top = 38;
    fillRect(image, left, top, 112, kLogoHeight - top, body);
    fillRect(image, left, top, 112, 2, rim);
    fillRect(image, left, top, 2, kLogoHeight - top, rim);
    image.setPixel(left, top, image.pixel(left - 1, top)); // rounded corners
    image.setPixel(left + 111, top, image.pixel(left + 112, top));
    fillRect(image, left + 4, top + 4, 104, 72, bezel);
    fillRect(image, left + 8, top + 8, 96, 64, lcdOff);

    // codes of the little level on the screen, 12 across and 8 down
    static constexpr std::array<std::array<int, 12>, 8> screen = {{
        {81, 77, 77, 77, 77, 77, 77, 77, 77, 77, 77, 82},
        {79, 0, 0, 55, 0, 89, 0, 0, 73, 0, 0, 80},
        {79, 0, 92, 92, 0, 89, 0, 0, 0, 0, 61, 80},
        {79, 0, 0, 0, 0, 168, 0, 0, 71, 0, 0, 80},
        {79, 0, 69, 0, 0, 89, 90, 169, 91, 0, 0, 80},
        {79, 0, 0, 0, 0, 89, 0, 0, 0, 0, 59, 80},
        {79, 21, 0, 0, 75, 89, 0, 0, 0, 0, 0, 80},
        {83, 78, 78, 78, 78, 78, 78, 78, 78, 78, 78, 84},
    }};
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 12; ++column) {
            drawPicture(image, sheet, screen[row][column], left + 8 + 8 * column, top + 8 + 8 * row,
                        1, [&](int) { return lcdOn; });
        }
    }

    const QRgb keyDark = qRgb(22, 22, 28);
    const QRgb keyBlue = qRgb(70, 110, 200);
    const QRgb keyYellow = qRgb(230, 200, 60);
    for (int column = 0; column < 5; ++column) {
        const int x = left + 10 + 19 * column;
        fillRect(image, x, top + 81, 14, 5, column == 0 ? keyYellow : keyDark);
        fillRect(image, x, top + 90, 14, 5, column == 4 ? keyBlue : keyDark);
    }
}

// Sheet tiles on either side of the calculator, as little lit screens of their own.
void drawSideTiles(QImage& image, const QImage& sheet) {
    struct Placed {
        int code;
        int left;
        int top;
    };
    const Placed tiles[] = {{73, 12, 48},  {72, 12, 80},  {75, 12, 110},
                            {57, 172, 48}, {63, 172, 80}, {174, 172, 110}};
    for (const Placed& tile : tiles) {
        fillRect(image, tile.left - 2, tile.top - 2, 20, 20, qRgb(30, 32, 38));
        fillRect(image, tile.left, tile.top, 16, 16, qRgb(160, 176, 140));
        drawPicture(image, sheet, tile.code, tile.left, tile.top, 2,
                    [](int) { return qRgb(34, 42, 34); });
    }
}

// The picture uses far fewer than 256 colours, so the palette is exact: no dithering.
QImage toIndexed(const QImage& image) {
    QVector<QRgb> table;
    QHash<QRgb, uint> indexOf;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y);
            if (!indexOf.contains(colour)) {
                indexOf.insert(colour, static_cast<uint>(table.size()));
                table.append(colour);
            }
        }
    }
    Q_ASSERT(table.size() <= 256);
    QImage indexed(image.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            indexed.setPixel(x, y, indexOf.value(image.pixel(x, y)));
        }
    }
    return indexed;
}

} // namespace

QImage drawLogo(const QImage& tileSheet) {
    QImage image(kLogoWidth, kLogoHeight, QImage::Format_RGB32);
    drawBackground(image);
    drawCalculator(image, tileSheet);
    drawSideTiles(image, tileSheet);
    drawTitle(image, tileSheet);
    return toIndexed(image);
}

} // namespace vrh::art
