#include <QApplication>

#include "app/Application.h"

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName("tidepost");
    tidepost::Application app(QCoreApplication::applicationDirPath());
    return app.Run();
}
