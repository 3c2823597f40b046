#pragma once

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <functional>

namespace pickwell {

// The main of a benchmark program that shows windows: one application, offscreen unless a
// display is named, with the desktop's settings store kept away from the user's.
// `closeWindows` lets the windows go while the application still stands.
inline int RunWindowBenchmarks(int argc, char* argv[],
                               const std::function<void()>& closeWindows = {}) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    if (closeWindows) {
        closeWindows();
    }
    benchmark::Shutdown();
    return 0;
}

} // namespace pickwell
