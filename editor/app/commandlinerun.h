// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/desktop/commandline.h"

#include <QString>

namespace vrh {

// What the program says and how it ends when it answers without a window.
struct ConsoleAnswer {
    int exitCode = 0;
    QString standardOutput;
    QString standardError;
};

// --export-picture and --check: reads the levelset, then writes the picture or reports what
// the check found. A file that can't be read or written is told on standard error as the
// editor's box tells it. Needs a QGuiApplication (the picture's text), never a window.
ConsoleAnswer runWithoutWindow(const CommandLine& commandLine);

// --print and --diff: the levelset as text, or what differs between two (exit 3 when anything
// does). A file that can't be read is told as runWithoutWindow tells it. They need no
// application object at all.
bool isTextTask(CommandLineTask task);
ConsoleAnswer runTextTask(const CommandLine& commandLine);

// The platform for the application object of runWithoutWindow: one that needs no display.
const char* platformWithoutDisplay();

} // namespace vrh
