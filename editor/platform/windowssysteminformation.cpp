// SPDX-License-Identifier: GPL-3.0-or-later
// The About box's system-information lookup on Windows: the real registry, the real file
// test, and the program started in a window of its own.
#include "desktopsysteminformation.h"

#include <QDir>
#include <QFileInfo>

#include <qt_windows.h>

#include <array>
#include <string>

namespace vrh {

namespace {

// Read, write and create-link rights: what the key has always been opened with. A user
// without administrator rights may not write under HKEY_LOCAL_MACHINE, and is refused those
// rights; reading is all the lookup does, so the key is then opened to read.
constexpr REGSAM kKeyAccess = 0x2003F;
constexpr REGSAM kReadAccess = KEY_READ;

// A predefined root such as HKEY_LOCAL_MACHINE (0x80000002) as the handle the registry
// functions take: the 32-bit value sign-extended, as <winreg.h> defines the roots.
HKEY rootKey(std::uint32_t keyRoot) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(keyRoot)));
}

class WindowsSystemInformation : public SystemInformation {
  public:
    std::optional<RegistryValue> queryValue(std::uint32_t keyRoot, const QString& keyName,
                                            const QString& valueName) override {
        HKEY key = nullptr;
        const QByteArray name = keyName.toLocal8Bit();
        LSTATUS opened = RegOpenKeyExA(rootKey(keyRoot), name.constData(), 0, kKeyAccess, &key);
        if (opened == ERROR_ACCESS_DENIED) {
            opened = RegOpenKeyExA(rootKey(keyRoot), name.constData(), 0, kReadAccess, &key);
        }
        if (opened != ERROR_SUCCESS) {
            return std::nullopt;
        }
        std::array<BYTE, kKeyValueBufferSize> buffer{};
        DWORD type = 0;
        DWORD size = buffer.size();
        const LSTATUS read = RegQueryValueExA(key, valueName.toLocal8Bit().constData(), nullptr,
                                              &type, buffer.data(), &size);
        RegCloseKey(key);
        if (read != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return RegistryValue{type, QByteArray(reinterpret_cast<const char*>(buffer.data()),
                                              static_cast<qsizetype>(size))};
    }

    bool fileExists(const QString& path) override { return QFileInfo(path).isFile(); }

    bool startProgram(const QString& path) override {
        if (path.isEmpty()) {
            return false;
        }
        // The program by its path alone, in a normal window that takes the focus; nobody waits.
        const std::wstring application = QDir::toNativeSeparators(path).toStdWString();
        std::wstring commandLine = L"\"" + application + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, nullptr, &startup, &process)) {
            return false;
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return true;
    }
};

} // namespace

SystemInformation& desktopSystemInformation() {
    static WindowsSystemInformation system;
    return system;
}

} // namespace vrh
