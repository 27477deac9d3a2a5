// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/userinterface.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace vrh {

// The About box finds the system-information program through a registry-like lookup; where
// the platform has no registry the lookup simply finds nothing.
inline constexpr std::uint32_t kLocalMachineRoot = 0x80000002;
inline constexpr std::uint32_t kStringValueType = 1;
inline constexpr int kKeyValueBufferSize = 1024;

inline const QString kMsinfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
inline const QString kMsinfoPathValue = QStringLiteral("PATH");
inline const QString kSharedToolsKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
inline const QString kSharedToolsValue = QStringLiteral("MSINFO");
inline const QString kMsinfoProgram = QStringLiteral("\\MSINFO32.EXE");
inline const QString kSysInfoUnavailableMessage =
    QStringLiteral("System Information Is Unavailable At This Time");

// A value as the registry holds it: its type and its raw bytes.
struct RegistryValue {
    std::uint32_t type = kStringValueType;
    QByteArray data;
};

// The operating system's part: look a value up, test for a file, start a program.
class SystemInformation {
  public:
    virtual ~SystemInformation() = default;
    // Opens the key under the root and reads the named value; nothing when either fails.
    virtual std::optional<RegistryValue> queryValue(std::uint32_t keyRoot, const QString& keyName,
                                                    const QString& valueName) = 0;
    virtual bool fileExists(const QString& path) = 0;
    // Starts the program at path without waiting for it; false when it could not be started.
    virtual bool startProgram(const QString& path) = 0;
};

// True with the value's text (cut at its first zero byte; empty for a value that is not a
// string), or false with KeyVal emptied when the key or the value cannot be read.
bool GetKeyValue(SystemInformation& system, std::uint32_t KeyRoot, const QString& KeyName,
                 const QString& SubKeyRef, QString& KeyVal);

// Starts the system-information program, or says that it cannot.
void StartSysInfo(SystemInformation& system, MessageBoxes& messages);

} // namespace vrh
