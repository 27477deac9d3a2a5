#pragma once

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vrh::testing {

// For its lifetime the editor keeps its data (recovery files) in an empty folder of its own;
// the folder used before comes back at the end.
class TemporaryDataFolder {
  public:
    TemporaryDataFolder() {
        EXPECT_TRUE(folder_.isValid());
        qputenv("XDG_DATA_HOME", folder_.path().toLocal8Bit());
    }
    ~TemporaryDataFolder() { qputenv("XDG_DATA_HOME", previous_); }
    TemporaryDataFolder(const TemporaryDataFolder&) = delete;
    TemporaryDataFolder& operator=(const TemporaryDataFolder&) = delete;

  private:
    QByteArray previous_ = qgetenv("XDG_DATA_HOME");
    QTemporaryDir folder_;
};

} // namespace vrh::testing
