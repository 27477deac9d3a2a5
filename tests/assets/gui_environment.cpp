// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

// QPixmap needs a QGuiApplication. It is made when the tests start, not when they are only
// listed, so listing needs no display.
namespace {

class GuiEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
#ifdef _WIN32
            qputenv("QT_QPA_PLATFORM", "minimal"); // what the static Qt for Windows carries
#else
            qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        }
        app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    void TearDown() override {
        app_.reset();
    }

  private:
    int argc_ = 1;
    char name_[12] = "assets_test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const registered =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

} // namespace
