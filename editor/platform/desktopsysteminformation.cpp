// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopsysteminformation.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace vrh {

std::optional<RegistryValue> DesktopSystemInformation::queryValue(std::uint32_t keyRoot,
                                                                  const QString& keyName,
                                                                  const QString& valueName) {
    if (keyRoot != kLocalMachineRoot || keyName != kMsinfoKey || valueName != kMsinfoPathValue) {
        return std::nullopt;
    }
    static const char* const programs[] = {"hardinfo", "kinfocenter", "gnome-system-monitor",
                                           "xfce4-taskmanager"};
    for (const char* program : programs) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(program));
        if (!path.isEmpty()) {
            return RegistryValue{kStringValueType, path.toLocal8Bit() + '\0'};
        }
    }
    return std::nullopt;
}

bool DesktopSystemInformation::fileExists(const QString& path) {
    return QFileInfo(path).isFile();
}

bool DesktopSystemInformation::startProgram(const QString& path) {
    // Started by its path alone, never through a shell.
    return !path.isEmpty() && QProcess::startDetached(path, {});
}

SystemInformation& desktopSystemInformation() {
    static DesktopSystemInformation system;
    return system;
}

} // namespace vrh
