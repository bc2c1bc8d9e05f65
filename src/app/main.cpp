#include <QApplication>

#include "app/Application.h"
#include "platform/HeapTuning.h"

int main(int argc, char* argv[]) {
    tidepost::KeepFreedHeapSmall();
    QApplication qt(argc, argv);
    QApplication::setApplicationName("tidepost");
    tidepost::Application app(QCoreApplication::applicationDirPath());
    return app.Run();
}
