// SPDX-License-Identifier: GPL-3.0-or-later
// The runner of the window benchmarks: one QApplication, offscreen unless a platform is set.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The windows' recovery files and settings go to folders of the run's own, not the user's.
    const QTemporaryDir data;
    const QTemporaryDir settings;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
