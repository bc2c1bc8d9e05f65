#include "FuzzWorld.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace tidepost::fuzz {

void StartQt(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Warnings about the inputs' odd text would drown the fuzzer's own output.
    qputenv("QT_LOGGING_RULES", "*.debug=false;*.warning=false");
    // Kept for the whole run and never destroyed: Qt lets go of its font caches when the
    // application object ends, and what it drops then would be reported as leaked at exit.
    static QApplication* app = new QApplication(*argc, *argv);
    (void)app;
    QApplication::setApplicationName("tidepost");
}

void Broken(const char* what) {
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

}  // namespace tidepost::fuzz
