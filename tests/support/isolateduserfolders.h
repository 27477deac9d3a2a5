#pragma once

#include <QSettings>
#include <QTemporaryDir>

namespace vrh::testing {

// The editor's settings (recent files, the dialogs' folder) and its data (recovery files)
// live in empty folders of the run's own: what the user running the tests keeps is neither
// read nor changed. Made before the application object.
class IsolatedUserFolders {
  public:
    IsolatedUserFolders() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
        qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
    }
    bool isValid() const { return settings_.isValid() && data_.isValid(); }

  private:
    QTemporaryDir settings_;
    QTemporaryDir data_;
};

} // namespace vrh::testing
