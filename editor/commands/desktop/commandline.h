// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vrh {

// What the editor does for its command line: open a window, or answer without one.
enum class CommandLineTask {
    OpenEditor,
    // --export-picture OUT [--level N] [--tiles PICTURES] FILE: Export Picture of level N, else
    // Export All Levels.
    ExportPicture,
    // --check FILE: the holes and guards check and the positions outside their level.
    Check,
    // --print FILE: everything the file holds as text.
    Print,
    // --diff FILE SECOND: what differs between two levelsets.
    Diff,
};

// What the editor's command line asks for: VrhEdit [FILE], --export-picture, --check, --print,
// --diff, --help, --version. Options that Qt itself reads (-platform, -style, ...) pass through to
// the application object.
struct CommandLine {
    // Set when the program answers and ends without opening a window: 0 for --help and
    // --version, 2 for a usage error.
    std::optional<int> exitCode;
    QString standardOutput;
    QString standardError;
    // The levelset to open after start-up or to read, as an absolute path; empty for none.
    QString file;
    CommandLineTask task = CommandLineTask::OpenEditor;
    // The picture to write, as an absolute path, and the level to draw, 1 to 8; none draws
    // them all.
    QString pictureFile;
    std::optional<int> level;
    // The tile pictures to draw with, as an absolute path; empty for the built-in ones.
    QString tilesFile;
    // --diff's second levelset, as an absolute path.
    QString secondFile;
};

// A file that can't be read or written; a bad command line; --check found something, or
// --diff a difference.
inline constexpr int kFileErrorExitCode = 1;
inline constexpr int kUsageErrorExitCode = 2;
inline constexpr int kCheckFoundExitCode = 3;

// arguments as the program got them, the program's own path first; a relative FILE is taken
// from currentFolder.
CommandLine parseCommandLine(const QStringList& arguments, const QString& currentFolder);

} // namespace vrh
