// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commands/desktop/systeminformation.h"

namespace vrh {

// There is no registry on this desktop. In its place the lookup of the program's path answers
// with the first system-information program found on the PATH, and nothing else is found.
class DesktopSystemInformation : public SystemInformation {
  public:
    std::optional<RegistryValue> queryValue(std::uint32_t keyRoot, const QString& keyName,
                                            const QString& valueName) override;
    bool fileExists(const QString& path) override;
    bool startProgram(const QString& path) override;
};

SystemInformation& desktopSystemInformation();

} // namespace vrh
