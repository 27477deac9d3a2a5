// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "levelset/levelset.h"
#include "levelset/levelsetfile.h"

#include <QStringList>

namespace vrh {

// What the command line's --check finds in a levelset, one line a finding, level by level
// (numbered from 1): too many alien holes or security guards, as saving refuses them, and the
// start, finish and block positions that lie outside their level, which the game can't use.
// Columns and rows count from 0, as the file stores them. Empty when nothing is wrong.
//   "Level 3: 11 alien holes, more than the 10 allowed"
//   "Level 3: 6 security guards, more than the 5 allowed"
//   "Level 2: the start position, column 14 row 3, lies outside the level's 12 columns by 8 rows"
QStringList checkLevelset(const Levelset& levelset);

// --check on a file that was read: first what the next save would leave out of it, then
// checkLevelset's findings.
//   "The file's level count is 9; 8 levels are read"
//   "12 bytes after the last level are not part of the levelset"
QStringList checkLevelsetFile(const ReadResult& read);

} // namespace vrh
