#include "config/Routing.h"

#include <QRegularExpression>
#include <cmath>

#include "config/Config.h"
#include "config/RoutingForm.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/ILinkWindow.h"
#include "link/Link.h"

namespace tidepost {

namespace {

// The value column stands this many characters or more after the start of an item's number.
constexpr int kValueColumn = 34;

// The number at the start of a value as the menu writes it, to the nearest whole number; 0
// without one.
int MaskValue(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)"));
    const QRegularExpressionMatch m = number.match(text.trimmed());
    if (!m.hasMatch()) return 0;
    const double value = m.captured(0).toDouble();
    return static_cast<int>(std::nearbyint(value));
}

std::optional<int> ClassMask(const QString& menu, int routeClass) {
    const qsizetype at = menu.indexOf(QString::number(routeClass) + " :", 0, Qt::CaseInsensitive);
    if (at < 0) return std::nullopt;
    // The value belongs to the item's own line: a colon on a later line is another item's.
    qsizetype lineEnd = menu.indexOf(QRegularExpression(QStringLiteral("[\r\n]")), at);
    if (lineEnd < 0) lineEnd = menu.size();
    const qsizetype colon = menu.indexOf(QLatin1Char(':'), at + kValueColumn);
    if (colon < 0 || colon >= lineEnd) return std::nullopt;
    const int mask = MaskValue(menu.mid(colon + 1, std::min<qsizetype>(3, lineEnd - colon - 1)));
    if (mask < 0 || mask > 7) return std::nullopt;
    return mask;
}

}  // namespace

std::optional<RouteMasks> ReadRoutingMenu(const QString& reply) {
    const qsizetype header = reply.indexOf(QLatin1String("Configuration"), 0, Qt::CaseSensitive);
    if (header < 0) return std::nullopt;
    const QString rest = reply.mid(header);
    const qsizetype prompt = rest.indexOf(QLatin1String("Enter filenumber >"), 0, Qt::CaseInsensitive);
    if (prompt < 0) return std::nullopt;
    const QString menu = rest.left(prompt + 1);
    RouteMasks masks;
    for (size_t i = 0; i < kRouteClasses.size(); ++i) masks[i] = ClassMask(menu, kRouteClasses[i]);
    return masks;
}

void OpenRoutingSetup(Config& c) {
    if (c.F.gSession.MesConnected()) {
        if (c.L.Windows.Window) c.L.Windows.Window->ShowWaitForm();
        // Two whole lines: the shell must read "set -z" and "ro" as two commands and nothing
        // between them, whatever line end it echoes.
        QueueCommand(c.L, "set -z\r\nro", true, false);
        return;
    }
    c.RoutingForm.get().ShowForm();
}

void HandlePrinterRoutingReply(Config& c, const QString& reply) {
    RoutingForm& form = c.RoutingForm.get();
    const int product = c.F.gSession.ProductType();
    if (product == 4 || product == 5) {
        form.LocalPrinterPC = false;
        form.LocalPrinterModem = false;
        form.LocalPrinterOFF = true;
        form.LocalPrinterOFFValue = true;
        return;
    }
    form.LocalPrinterPC = true;
    form.LocalPrinterModem = true;
    form.LocalPrinterModemValue = true;
    form.LocalPrinterOFFValue = false;
    form.LocalPrinterPCValue = false;
    if (reply.contains(QLatin1String("PRINTER=NO"), Qt::CaseInsensitive)) {
        form.LocalPrinterModemValue = false;
        form.LocalPrinterOFFValue = false;
        form.LocalPrinterPCValue = true;
    }
    if (reply.contains(QLatin1String("PRINTER=OFF"), Qt::CaseInsensitive)) {
        form.LocalPrinterModemValue = false;
        form.LocalPrinterPCValue = false;
        form.LocalPrinterOFFValue = true;
    }
}

void HandleRoutingMenuReply(Config& c, const QString& reply) {
    const std::optional<RouteMasks> masks = ReadRoutingMenu(reply);
    if (!masks) {
        // Unless the shell's own prompt ended the reply, the transceiver still waits in its menu:
        // answer it, or every later command would be taken as a menu choice.
        if (TransceiverPromptAtEnd(reply).isEmpty()) PutAnswerAtHead(c.L, "0");
        UnloadWaitForm(c.L);
        QueueMessageBox(c.F,
                        MlText(c.F, 3420, "The routing of received traffic could not be read from the transceiver."),
                        MlText(c.F, 321, "Routing"), 0);
        return;
    }
    RoutingForm& form = c.RoutingForm.get();
    for (size_t i = 0; i < kRouteClasses.size(); ++i) {
        if (!(*masks)[i]) continue;
        form.SetRoute(kRouteClasses[i], *(*masks)[i]);
    }
    PutAnswerAtHead(c.L, "0");
    UnloadWaitForm(c.L);
    form.ShowForm();
}

}  // namespace tidepost
