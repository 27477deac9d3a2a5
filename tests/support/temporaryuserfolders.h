// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QTemporaryDir>

#ifdef _WIN32
#include <QDir>
#include <QStandardPaths>
#include <QUuid>

#include <string>
#include <utility>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace vrh::testing {

// For its lifetime the editor keeps its settings (recent files, the dialogs' folder) and its
// data (recovery files) in empty folders of its own: what the user running the tests keeps is
// neither read nor changed. The folders used before come back at the end.
#ifndef _WIN32
class TemporaryUserFolders {
  public:
    TemporaryUserFolders() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
        qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
    }
    ~TemporaryUserFolders() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, previousSettings_);
        qputenv("XDG_DATA_HOME", previousData_);
    }
    TemporaryUserFolders(const TemporaryUserFolders&) = delete;
    TemporaryUserFolders& operator=(const TemporaryUserFolders&) = delete;

    bool isValid() const { return settings_.isValid() && data_.isValid(); }
    QString settingsPath() const { return settings_.path(); }

  private:
    // <folder>/<organization>/<application>.conf
    QString previousSettings_ = QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                          QStringLiteral("o"), QStringLiteral("a"))
                                    .fileName()
                                    .section(QLatin1Char('/'), 0, -3);
    QByteArray previousData_ = qgetenv("XDG_DATA_HOME");
    QTemporaryDir settings_;
    QTemporaryDir data_;
};
#else
// On Windows the settings are in the user's registry, which names the application data folder
// too, and neither has a path to set. So this process sees a fresh registry key of its own as
// the user's, in which the application data folder is an empty folder; the key goes at the end.
class TemporaryUserFolders {
  public:
    TemporaryUserFolders() {
        if (!data_.isValid() ||
            RegCreateKeyExW(HKEY_CURRENT_USER, keyName_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &hive_, nullptr) != ERROR_SUCCESS) {
            hive_ = nullptr;
            return;
        }
        const std::wstring data = QDir::toNativeSeparators(data_.path()).toStdWString();
        const auto size = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
        constexpr wchar_t kShellFolders[] =
            L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
        for (const wchar_t* folder : {L"AppData", L"Local AppData"}) {
            RegSetKeyValueW(hive_, kShellFolders, folder, REG_SZ, data.c_str(), size);
        }
        if (RegOverridePredefKey(HKEY_CURRENT_USER, hive_) != ERROR_SUCCESS) {
            return;
        }
        previous_ = std::exchange(current_, hive_);
        overridden_ = true;
    }
    ~TemporaryUserFolders() {
        if (overridden_) {
            RegOverridePredefKey(HKEY_CURRENT_USER, previous_);
            current_ = previous_;
        }
        if (hive_ != nullptr) {
            RegCloseKey(hive_);
            RegDeleteTreeW(HKEY_CURRENT_USER, keyName_.c_str());
            RegDeleteKeyW(HKEY_CURRENT_USER, kParentKey); // when no other run's key is in it
        }
    }
    TemporaryUserFolders(const TemporaryUserFolders&) = delete;
    TemporaryUserFolders& operator=(const TemporaryUserFolders&) = delete;

    // Only when the data folder really moved are the user's own files out of reach.
    bool isValid() const {
        const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        return overridden_ &&
               (appData.compare(data_.path(), Qt::CaseInsensitive) == 0 ||
                appData.startsWith(data_.path() + QLatin1Char('/'), Qt::CaseInsensitive));
    }

  private:
    static constexpr wchar_t kParentKey[] = L"Software\\VrhEdit tests";
    // The key this process sees as the user's while an instance lives; none: the real one.
    static inline HKEY current_ = nullptr;

    QTemporaryDir data_;
    std::wstring keyName_ = std::wstring(kParentKey) + L"\\" +
                            QUuid::createUuid().toString(QUuid::WithoutBraces).toStdWString();
    HKEY hive_ = nullptr;
    HKEY previous_ = nullptr;
    bool overridden_ = false;
};
#endif

} // namespace vrh::testing
