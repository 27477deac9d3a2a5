// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "levelsetfile.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace vrh {

// Every byte of the levelset file at path, the tail after its last level included, with the
// levelset the reader makes of them. Refuses what readLevelsetFile refuses, worded the same.
ReadResult readWholeLevelsetFile(const QString& path);

// The text of a levelset file, one value or row a line, each line naming where it is, so that
// a line-by-line comparison of two texts says what changed and where. The format is kept from
// version to version:
//   Magic: "VRH0"
//   Name: "ABC"
//   Levels: 2                      the count byte as the file holds it
//   Reserved 1: 0
//   Reserved 2: 0
//   Passcode 2: "ABCDEF"           seven of them, for levels 2 to 8
//   Level 1 height: 8              the sixteen values in file order, then the rows
//   Level 1 row 0: 00 3B 00 ...    a row's codes in two-digit hexadecimal, columns from 0
//   Trailing bytes: 3              only when the file goes on after its last level,
//   Trailing 0: 01 02 03           then those bytes, 16 a line, numbered by their first
// Texts are quoted; a byte outside ' ' to '~', a quote and a backslash are written \xHH, \"
// and \\. Every line ends with a line feed. Empty for bytes that parseLevelset refuses.
QString levelsetText(QByteArrayView bytes);

// What differs between two levelset files, first to second, one finding a line: the header's
// values ("Levels: 1 -> 2", "Passcode 3: \"ABCDEF\" -> \"ABCXYZ\""), then level by level each
// changed value ("Level 2: time 99 -> 60"), its changed cells ("Level 2: 2 cells changed:
// column 4 row 2 3B -> 00, column 5 row 2 3B -> 00", columns and rows from 0, within the size
// both have) and a level added or removed, then the tail after the last level. At most
// cellsShown cells are named in a line, the rest left as ", ...". Empty when the bytes are the
// same, and for bytes that parseLevelset refuses.
inline constexpr int kAllCells = -1;
QStringList levelsetDifferences(QByteArrayView first, QByteArrayView second,
                                int cellsShown = kAllCells);

} // namespace vrh
