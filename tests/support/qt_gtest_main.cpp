#include <QApplication>

#include <gtest/gtest.h>

// Widget tests need one QApplication for the whole run; the platform comes from
// QT_QPA_PLATFORM (offscreen under CTest).
int main(int argc, char* argv[]) {
    // Test discovery runs the runner outside CTest's environment, without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
