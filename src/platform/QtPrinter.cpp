#include "platform/QtPrinter.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <algorithm>

namespace tidepost {

namespace {

const PrinterError kPrinterFailed{kErrPrinter, QStringLiteral("Printer error")};

QFont PrintFont() {
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (QFontInfo(font).fixedPitch()) return font;
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(10);
    return fixed;
}

QString SystemDefaultPrinter() { return QPrinterInfo::defaultPrinter().printerName(); }

// A line cut into pieces of at most `width` characters; an empty line stays one empty piece.
QStringList Pieces(const QString& line, qsizetype width) {
    if (line.size() <= width) return {line};
    QStringList pieces;
    for (qsizetype at = 0; at < line.size(); at += width) pieces.append(line.mid(at, width));
    return pieces;
}

}  // namespace

PrinterError QtPrinter::PrintLines(const QStringList& lines) { return PrintLinesWith(PrintSetup{}, lines); }

PrinterError QtPrinter::PrintLinesWith(const PrintSetup& setup, const QStringList& lines) {
    QPrinter printer(QPrinter::HighResolution);
    if (OutputFile.isEmpty()) {
        QString name = setup.PrinterName;
        if (name.isEmpty()) name = DefaultPrinterName ? DefaultPrinterName() : SystemDefaultPrinter();
        if (name.isEmpty()) return kPrinterFailed;
        printer.setPrinterName(name);
        if (!printer.isValid()) return kPrinterFailed;
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(OutputFile);
    }
    // A printer that cannot take one of these settings prints with its own.
    printer.setCopyCount(std::max(1, setup.Copies));
    printer.setPageOrientation(setup.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setDuplex(setup.Duplex == 1   ? QPrinter::DuplexLongSide
                      : setup.Duplex == 2 ? QPrinter::DuplexShortSide
                                          : QPrinter::DuplexNone);
    return Print(printer, lines);
}

QStringList QtPrinter::PrinterNames() {
    if (!OutputFile.isEmpty()) return {QStringLiteral("PDF")};
    if (DefaultPrinterName) {
        const QString name = DefaultPrinterName();
        return name.isEmpty() ? QStringList() : QStringList{name};
    }
    return QPrinterInfo::availablePrinterNames();
}

bool QtPrinter::ShowPrintDialog(QWidget* owner, int flags, PrintSetup& setup) {
    QPrinter printer(QPrinter::HighResolution);
    if (!setup.PrinterName.isEmpty()) printer.setPrinterName(setup.PrinterName);
    printer.setCopyCount(std::max(1, setup.Copies));
    printer.setPageOrientation(setup.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, owner);
    (void)flags;  // every caller asks for the usual dialog
    if (dialog.exec() != QDialog::Accepted) return false;
    setup.PrinterName = printer.printerName();
    setup.Copies = printer.copyCount();
    setup.Landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    setup.Duplex = printer.duplex() == QPrinter::DuplexLongSide    ? 1
                   : printer.duplex() == QPrinter::DuplexShortSide ? 2
                                                                   : 0;
    return true;
}

PrinterError QtPrinter::Print(QPrinter& printer, const QStringList& lines) {
    printer.setDocName(QStringLiteral("Tidepost"));
    printer.setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);

    QPainter painter;
    if (!painter.begin(&printer)) return kPrinterFailed;
    painter.setFont(PrintFont());
    const QFontMetricsF metrics(painter.font(), &printer);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const qreal lineHeight = metrics.lineSpacing();
    const qsizetype width =
        std::max<qsizetype>(1, static_cast<qsizetype>(page.width() / metrics.horizontalAdvance(QLatin1Char('M'))));

    qreal y = 0;
    for (const QString& line : lines) {
        for (const QString& piece : Pieces(line, width)) {
            if (y > 0 && y + lineHeight > page.height()) {
                if (!printer.newPage()) {
                    painter.end();
                    return kPrinterFailed;
                }
                y = 0;
            }
            painter.drawText(QPointF(0, y + metrics.ascent()), piece);
            y += lineHeight;
        }
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) return kPrinterFailed;
    return {};
}

}  // namespace tidepost
