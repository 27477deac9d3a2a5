// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace vrh {

// VrhEdit.exe is a windowed program: Windows gives it no console, and standard output and
// error are only what the caller handed it. Its answer to --help, --version or a usage error
// goes to those when given (a pipe, a file), else to the console it was started from, else
// into a message box, an information box or, for an error, a warning.
void answerWithoutConsole(const QString& standardOutput, const QString& standardError,
                          bool isError);

} // namespace vrh
