// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

namespace vrh {

// Where the Open and Save As dialogs start: the folder of the levelset opened or saved last
// while it exists; otherwise the program's folder when the user can write there (a program
// run from its build or unpacked folder), else the user's folder (an installed program's
// folder is no place to save into).
QString dialogStartFolder(const QString& lastFolder, const QString& programFolder,
                          const QString& userFolder,
                          const std::function<bool(const QString&)>& canWrite);

// The user's documents folder, or the home folder where there is none.
QString userDocumentsFolder();

// Whether folder exists and this user may create files in it.
bool isWritableFolder(const QString& folder);

} // namespace vrh
