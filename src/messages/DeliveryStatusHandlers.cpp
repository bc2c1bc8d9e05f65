#include "messages/DeliveryStatusHandlers.h"

#include <QChar>

#include "foundation/AppSettings.h"
#include "foundation/ErrorHandling.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/RuntimeError.h"
#include "foundation/UsefullRoutines.h"
#include "link/CommandQueue.h"
#include "link/Link.h"
#include "messages/DeliveryStatus.h"
#include "messages/IMessagesWindow.h"
#include "messages/Messages.h"
#include "messages/PrintFetchedFile.h"
#include "messages/cOutBox.h"

namespace tidepost {

namespace {

constexpr int kReferenceField = 7;
constexpr int kStatusField = 8;
constexpr int kConfirmationField = 9;

// A piece the report must hold is missing: the handler stops as at an invalid argument.
[[noreturn]] void Missing(const char* piece) {
    throw RuntimeError(RuntimeError::kInvalidArgument, "CInfo",
                       QStringLiteral("Invalid procedure call or argument (no %1 in the report)").arg(QLatin1String(piece)));
}

// The transceiver's own file name: the seven characters after "File " (any case); "" without it.
QString TransceiverFile(const QString& entry) {
    const qsizetype at = entry.indexOf(QLatin1String("File "), 0, Qt::CaseInsensitive);
    return at < 0 ? QString() : entry.mid(at + 5, 7);
}

// The LES's reference: after "Reference number" and one separator, up to the end of that line.
// A reference never holds a line break, so the line ends at CR or LF, whatever the shell's line end.
QString LesReference(const QString& entry) {
    const qsizetype at = entry.indexOf(QLatin1String("Reference number"));
    if (at < 0) Missing("\"Reference number\"");
    const qsizetype from = at + 17;
    qsizetype end = from;
    while (end < entry.size() && entry[end] != QChar('\r') && entry[end] != QChar('\n')) ++end;
    return entry.mid(from, end - from);
}

// The LES number: after "LES " up to the next blank (or line break).
QString LesNumber(const QString& entry) {
    const qsizetype at = entry.indexOf(QLatin1String("LES "));
    if (at < 0) Missing("\"LES \"");
    const qsizetype from = at + 4;
    for (qsizetype end = from; end < entry.size(); ++end)
        if (entry[end] == QChar(' ') || entry[end] == QChar('\r') || entry[end] == QChar('\n'))
            return entry.mid(from, end - from);
    Missing("blank after the LES number");
}

// The handlers of the transmission reports keep their failures to themselves: a box for the
// operator, and the walk of the status list goes on with the next entry.
template <typename Body>
bool Trapped(Messages& m, const char* procedure, const Body& body) {
    int number = 0;
    QString description;
    try {
        return body();
    } catch (const RuntimeError& e) {
        number = e.Number;
        description = e.Description;
    } catch (const std::exception& e) {
        number = RuntimeError::kInvalidArgument;
        description = QString::fromUtf8(e.what());
    }
    const QString text = ComposeErrorText(QString::fromLatin1(procedure), number, description);
    QueueMessageBox(m.F, WithFileErrorText(m.F, text, number), ErrorTitle(number));
    return false;
}

bool Waiting(const OutboxFields& x) {
    return x[kReferenceField] == kNoReference && x[kStatusField] == DeliveryStatus::Initiated;
}

bool ConfirmationRequested(const OutboxFields& x) { return x[kConfirmationField].trimmed() == QLatin1String("1"); }

// Marks lines delivered, each by its own confirmation flag: "ConfReq" where a confirmation was
// asked for, "Delivered" elsewhere. With `all` false only the first line that `match` takes is
// changed. The number of lines changed.
int MarkDelivered(Messages& m, const cOutBox::LineMatch& match, const QString& reference, bool all) {
    cOutBox& outbox = GetOutBox(m);
    auto pass = [&](bool confirmation, const QString& status) {
        bool first = true;
        return outbox.UpdateOutBoxWhere(
            [&](const OutboxFields& x) {
                if (!match(x)) return false;
                const bool isFirst = first;
                first = false;
                return (all || isFirst) && ConfirmationRequested(x) == confirmation;
            },
            reference, status, all);
    };
    const int requested = pass(true, DeliveryStatus::ConfReq);
    if (requested > 0 && !all) return requested;  // the first line is done; the next is not its turn
    return requested + pass(false, DeliveryStatus::Delivered);
}

// The distress alert's steps after its line in the log was handled (status 1 sending,
// 2 confirmed, 3 failed).
void RecordDistressAlert(Messages& m, quint8 status) {
    CSession& session = m.F.gSession;
    session.SetDistressAlertStatus(status);
    if (session.MesConnected()) {
        // The line is added once the distress generator's settings have been read again.
        session.SetAddDistressAlertToOutbox(true);
        if (session.SolasType() != 1) {
            QueueCommand(m.L, "se -g", true, false);
            if (session.ProductType() == 4 || session.ProductType() == 5)
                QueueCommand(m.L, "se -m ALL_OCEANS", true, false);
        }
        return;
    }
    session.SetAddDistressAlertToOutbox(false);
    GetOutBox(m).AddDistressAlert(status);
    if (m.Window) m.Window->OutboxButton_Click();
}

// INFO 20 and 21: the distress lines still being sent take the new status; when none did, the
// alert is recorded as a new line.
bool DistressAlertEnded(Messages& m, const QString& newStatus, bool all, quint8 status) {
    if (GetOutBox(m).UpdateOutBox({}, kDistressReference, DeliveryStatus::Sending, {}, newStatus, all) > 0) {
        if (m.Window) m.Window->OutboxButton_Click();
        return true;
    }
    RecordDistressAlert(m, status);
    return true;
}

}  // namespace

bool HandleInfo20(Messages& m, const QString&) { return DistressAlertEnded(m, DeliveryStatus::Failed, false, 3); }

bool HandleInfo21(Messages& m, const QString&) { return DistressAlertEnded(m, DeliveryStatus::ConfOkAlert, true, 2); }

bool HandleInfo22(Messages& m, const QString&) {
    RecordDistressAlert(m, 1);
    return true;
}

bool HandleInfo82(Messages& m, const QString& entry) {
    return Trapped(m, "CInfo.HandleInfo82", [&] {
        const qsizetype at = entry.indexOf(QLatin1String("OUT."), 0, Qt::CaseInsensitive);
        if (at < 0) Missing("\"OUT.\"");
        const QString file = entry.mid(at, 7);
        GetOutBox(m).UpdateOutBox({}, kNoReference, DeliveryStatus::Initiated, file, DeliveryStatus::Sending, false);
        return true;
    });
}

bool HandleInfo81(Messages& m, const QString& entry) {
    return Trapped(m, "CInfo.HandleInfo81", [&] {
        const QString reference = LesReference(entry);
        const QString file = TransceiverFile(entry);
        const auto sending = [&file](const OutboxFields& x) {
            return x[kReferenceField] == file && x[kStatusField] == DeliveryStatus::Sending;
        };
        if (MarkDelivered(m, sending, reference, true) == 0) MarkDelivered(m, Waiting, reference, false);
        return true;
    });
}

bool HandleInfo80(Messages& m, const QString& entry) {
    return Trapped(m, "CInfo.HandleInfo80", [&] {
        const qsizetype etx = entry.indexOf(QChar(3));
        if (etx < 0) return false;  // the report is not complete
        const QString file = TransceiverFile(entry.left(etx));
        cOutBox& outbox = GetOutBox(m);
        if (outbox.UpdateOutBox({}, file, DeliveryStatus::Sending, file, DeliveryStatus::Failed, true) == 0)
            outbox.UpdateOutBox({}, kNoReference, DeliveryStatus::Initiated, file, DeliveryStatus::Failed, false);
        return true;
    });
}

bool HandleInfo130_131(Messages& m) {
    const QString file = GetIniValue(m.F, QStringLiteral("ConfReq"));
    if (file.isEmpty()) return true;
    GetOutBox(m).UpdateOutBoxFile(file, {}, DeliveryStatus::ConfOk, false);
    SetIniValue(m.F, QStringLiteral("ConfReq"), {}, true);
    return true;
}

bool HandleInfo140_141(Messages& m, const QString& entry, bool confirmed) {
    return Trapped(m, "CInfo.HandleInfo140_141", [&] {
        QString newStatus = confirmed ? DeliveryStatus::ConfOK : DeliveryStatus::Failed;
        QString text = entry;
        text.remove(QChar(';'));
        const CSession& session = m.F.gSession;
        if ((session.ProductType() == 4 || session.ProductType() == 5) &&
            LeadingNumber(GetAppSetting(m.F, m.F.gProductName, "Settings", "PrintMsgConf", "0")) == 1) {
            // The printer gets a copy of its own: the pieces below are read from the whole report.
            QString printed = text;
            Print_Fetched_File(m, printed, PrintedText::Body);
        }
        const QString reference = LesReference(text);
        const QString file = TransceiverFile(text);
        const QString les = LesNumber(text);
        const qsizetype failure = text.indexOf(QLatin1String("failure code:"), 0, Qt::CaseInsensitive);
        if (failure >= 0)
            newStatus += QStringLiteral(". Error code: '") + text.mid(failure + 13).trimmed() + QStringLiteral("'");
        cOutBox& outbox = GetOutBox(m);
        if (outbox.UpdateOutBox(les, reference, {}, reference, newStatus, true) == 0 &&
            outbox.UpdateOutBox(les, file, {}, reference, newStatus, true) == 0)
            outbox.UpdateOutBox(les, kNoReference, DeliveryStatus::Initiated, reference, newStatus, false);
        return true;
    });
}

void RegisterDeliveryStatusHandlers(Messages& m) {
    DeliveryStatusReactions& d = m.L.Notifications.DeliveryStatus;
    d.HandleInfo20 = [&m](const QString& entry) { return HandleInfo20(m, entry); };
    d.HandleInfo21 = [&m](const QString& entry) { return HandleInfo21(m, entry); };
    d.HandleInfo22 = [&m](const QString& entry) { return HandleInfo22(m, entry); };
    d.HandleInfo80 = [&m](const QString& entry) { return HandleInfo80(m, entry); };
    d.HandleInfo81 = [&m](const QString& entry) { return HandleInfo81(m, entry); };
    d.HandleInfo82 = [&m](const QString& entry) { return HandleInfo82(m, entry); };
    d.HandleInfo130 = [&m] { return HandleInfo130_131(m); };
    d.HandleInfo131 = [&m] { return HandleInfo130_131(m); };
    d.HandleInfo140_141 = [&m](const QString& entry, bool confirmed) { return HandleInfo140_141(m, entry, confirmed); };
}

}  // namespace tidepost
