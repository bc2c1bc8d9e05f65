#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/QtPrinter.h"

using namespace tidepost;

namespace {

// The pages of a PDF file Qt wrote: one "/Type /Page" object each.
int PdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return static_cast<int>(text.count(QRegularExpression("/Type\\s*/Page\\b")));
}

}  // namespace

// No job of these tests reaches a printer: they print into a PDF file or name no printer.
TEST(QtPrinter, WithoutADefaultPrinterTheJobFailsWithPrinterError) {
    QtPrinter printer;
    printer.DefaultPrinterName = [] { return QString(); };
    const PrinterError e = printer.PrintLines({"", "text"});
    EXPECT_EQ(e.number, 482);
    EXPECT_EQ(e.description, "Printer error");
}

TEST(QtPrinter, EveryLineGoesOnAsManyPagesAsNeeded) {
    QTemporaryDir dir;
    QtPrinter printer;
    printer.OutputFile = dir.path() + "/one.pdf";
    EXPECT_FALSE(printer.PrintLines({"", "A short text"}));
    EXPECT_EQ(PdfPages(printer.OutputFile), 1);

    QStringList lines;
    for (int i = 0; i < 200; ++i) lines << QString("Line %1").arg(i);
    printer.OutputFile = dir.path() + "/many.pdf";
    EXPECT_FALSE(printer.PrintLines(lines));
    const int pages = PdfPages(printer.OutputFile);
    EXPECT_GE(pages, 3) << "200 lines of 10 points do not fit on two pages";
    EXPECT_LE(pages, 5);
}
