// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeminformation.h"

#include "levelset/levelset.h"

namespace vrh {

bool GetKeyValue(SystemInformation& system, std::uint32_t KeyRoot, const QString& KeyName,
                 const QString& SubKeyRef, QString& KeyVal) {
    KeyVal.clear();
    const std::optional<RegistryValue> value = system.queryValue(KeyRoot, KeyName, SubKeyRef);
    // A value that does not fit the buffer cannot be read at all.
    if (!value || value->data.size() > kKeyValueBufferSize) {
        return false;
    }
    QByteArray text = value->data;
    if (const qsizetype end = text.indexOf('\0'); end >= 0) {
        text.truncate(end);
    }
    if (value->type == kStringValueType) {
        KeyVal = QString::fromLocal8Bit(text);
    }
    return true;
}

void StartSysInfo(SystemInformation& system, MessageBoxes& messages) {
    QString path;
    bool found = GetKeyValue(system, kLocalMachineRoot, kMsinfoKey, kMsinfoPathValue, path);
    if (!found) {
        // Only the folder from the second place is checked for the program file.
        QString folder;
        if (GetKeyValue(system, kLocalMachineRoot, kSharedToolsKey, kSharedToolsValue, folder) &&
            system.fileExists(folder + kMsinfoProgram)) {
            path = folder + kMsinfoProgram;
            found = true;
        }
    }
    if (found && system.startProgram(path)) {
        return;
    }
    messages.showMessage(kSysInfoUnavailableMessage, kApplicationTitle, MessageButtons::Ok,
                         MessageIcon::None);
}

} // namespace vrh
