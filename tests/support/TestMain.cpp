#include <QApplication>
#include <gtest/gtest.h>

// One QApplication for every test program, on the offscreen platform so widgets need no display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("tidepost");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
