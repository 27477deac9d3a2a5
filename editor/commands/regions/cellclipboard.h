// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/regions/cellregion.h"

#include <QByteArray>
#include <QString>
#include <memory>

class QMimeData;

namespace vrh {

// The clipboard's own form of cells: one byte width, one byte height, then the codes row by
// row. Beside it Copy puts the cells as text and as a picture.
inline const QString kCellsMimeType = QStringLiteral("application/x-vrhedit-cells");

// Why Paste refuses what the clipboard holds. Lines are counted from 1 at the text's start.
namespace refusal {
inline const QString AboveByte = QStringLiteral("Line %1: %2 is above 255.");
inline const QString UnevenRows =
    QStringLiteral("Line %1 holds %2, but line %3 holds %4: every row must hold as many.");
inline const QString TooManyNumbers =
    QStringLiteral("Line %1 holds more than %2 numbers: a row holds at most 32.");
inline const QString TooManyRows =
    QStringLiteral("Line %1 would be row 33: a block has at most 32 rows.");
inline const QString BlankBetweenRows =
    QStringLiteral("Line %1 is blank: the rows must follow each other.");
inline const QString TwoCommas =
    QStringLiteral("Line %1: two commas without a number between them.");
inline const QString CellsTooShort =
    QStringLiteral("The cells on the clipboard are too short to hold a size: %1 of 2 bytes.");
inline const QString CellsBadSize =
    QStringLiteral("The cells on the clipboard are %1 x %2: a block is 1 to 32 cells each way.");
inline const QString CellsBadLength =
    QStringLiteral("The cells on the clipboard hold %1, but %2 x %3 cells need %4.");
} // namespace refusal

QByteArray cellsToBytes(const CellBlock& block);
// One line per row, the codes in decimal separated by ", ", each row ended by a line feed.
QString cellsToText(const CellBlock& block);

// What the clipboard offers Paste: cells, a refusal saying why not, or nothing to paste.
struct ClipboardCells {
    enum class Kind { Nothing, Cells, Refused };
    Kind kind = Kind::Nothing;
    CellBlock cells;
    QString refusal;
};

ClipboardCells cellsFromBytes(const QByteArray& bytes);
// Numbers separated by commas and/or blanks, a row a line; blank lines at the start and end
// are ignored. Read up to the first line that settles it: a character other than digits,
// commas, spaces, tabs and line ends before that makes it nothing to paste, as does text
// without a number.
ClipboardCells cellsFromText(QStringView text);

// The cells type first, else cell text; anything else is nothing to paste. Each asks the
// clipboard for its text once.
ClipboardCells cellsFromClipboard(const QMimeData* data);
bool canPaste(const QMimeData* data);

// The cells type and the text of a block; the window adds the picture.
std::unique_ptr<QMimeData> cellsMimeData(const CellBlock& block);

} // namespace vrh
