#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vrh {

// What the editor's command line asks for: VrhEdit [FILE], --help, --version. Options that
// Qt itself reads (-platform, -style, ...) pass through to the application object.
struct CommandLine {
    // Set when the program answers and ends without opening a window: 0 for --help and
    // --version, 2 for a usage error.
    std::optional<int> exitCode;
    QString standardOutput;
    QString standardError;
    // The levelset to open after start-up, as an absolute path; empty for none.
    QString file;
};

inline constexpr int kUsageErrorExitCode = 2;

// arguments as the program got them, the program's own path first; a relative FILE is taken
// from currentFolder.
CommandLine parseCommandLine(const QStringList& arguments, const QString& currentFolder);

} // namespace vrh
