#pragma once
#include <QApplication>
#include <QCoreApplication>

#include "platform/HeapTuning.h"

namespace tidepost::bench {

// The one application object of the benchmark program. The benchmarks that build windows need a
// QApplication, so whoever asks first creates one, on the offscreen platform unless the caller
// chose another; it lives until the program ends. The heap is set up as main() sets it.
inline QCoreApplication& Application() {
    if (QCoreApplication* existing = QCoreApplication::instance()) return *existing;
    static int argc = 1;
    static char name[] = "tidepost_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    KeepFreedHeapSmall();
    return *new QApplication(argc, argv);
}

// False when a benchmark that needs no windows created a bare QCoreApplication first.
inline bool CanBuildWindows() { return qobject_cast<QApplication*>(&Application()) != nullptr; }

}  // namespace tidepost::bench
