// SPDX-License-Identifier: GPL-3.0-or-later
#include "freshsettings.h"
#include "temporaryuserfolders.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>

// Widget tests need one QApplication for the whole run. They never need a display: without a
// platform of its own choosing (test discovery at build time sets none) the runner is offscreen,
// on Windows minimal with the system's fonts (what the static Qt carries; wine passes no QT_
// variable on to a runner, so this is where the platform is chosen there).
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
#ifdef _WIN32
        qputenv("QT_QPA_PLATFORM", "minimal:enable_fonts");
#else
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    }
    const vrh::testing::TemporaryUserFolders folders;
    if (!folders.isValid()) {
        std::fputs("The run's own settings and data folders could not be set up; the user's own "
                   "are left alone and no test runs.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new vrh::testing::FreshSettingsEachTest);
    return RUN_ALL_TESTS();
}
