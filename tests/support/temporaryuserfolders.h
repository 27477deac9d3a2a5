#pragma once

#include <QSettings>
#include <QTemporaryDir>

namespace vrh::testing {

// For its lifetime the editor keeps its settings (recent files, the dialogs' folder) and its
// data (recovery files) in empty folders of its own: what the user running the tests keeps is
// neither read nor changed. The folders used before come back at the end.
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

} // namespace vrh::testing
