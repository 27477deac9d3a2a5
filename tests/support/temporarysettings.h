#pragma once

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vrh::testing {

// For its lifetime the editor keeps its settings (recent files, the dialogs' folder) in an
// empty folder of its own; the folder used before comes back at the end.
class TemporarySettings {
  public:
    TemporarySettings() {
        EXPECT_TRUE(folder_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
    }
    ~TemporarySettings() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, previous_);
    }
    TemporarySettings(const TemporarySettings&) = delete;
    TemporarySettings& operator=(const TemporarySettings&) = delete;

    QString path() const { return folder_.path(); }

  private:
    // <folder>/<organization>/<application>.conf
    QString previous_ = QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                  QStringLiteral("o"), QStringLiteral("a"))
                            .fileName()
                            .section(QLatin1Char('/'), 0, -3);
    QTemporaryDir folder_;
};

} // namespace vrh::testing
