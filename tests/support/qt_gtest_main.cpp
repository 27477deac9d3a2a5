#include "temporaryuserfolders.h"

#include <QApplication>

#include <gtest/gtest.h>

// Widget tests need one QApplication for the whole run. They never need a display: without a
// platform of its own choosing (test discovery at build time sets none) the runner is offscreen.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const vrh::testing::TemporaryUserFolders folders;
    if (!folders.isValid()) {
        return 1;
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
