#include "link/CInfo.h"

#include <QDateTime>
#include <algorithm>
#include <exception>
#include <initializer_list>
#include <optional>

#include "foundation/Foundation.h"
#include "foundation/GeneralRoutines.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "foundation/UsefullRoutines.h"
#include "link/CommandQueue.h"
#include "link/IDistressModeWindow.h"
#include "link/IMobileStatusField.h"
#include "link/INotificationsWindow.h"
#include "link/Link.h"
#include "platform/IClock.h"

namespace tidepost {

namespace {

const QString kInfoKey = QStringLiteral("INFO ");
const QString kErrorKey = QStringLiteral("ERROR ");

// Recorded nowhere: the transceiver's routine chatter.
constexpr std::initializer_list<int> kSilentInfos = {393, 403, 413, 480, 481, 482, 490, 491, 492};
// Numbers that need the operator's attention.
constexpr std::initializer_list<int> kInfoBoxes = {20,  21,  22,  30,  40,  50,  60,  61,  62,  70,  80,  117,
                                                   119, 125, 160, 161, 363, 450, 473, 500, 552, 804, 817, 819};
constexpr std::initializer_list<int> kErrorBoxes = {111, 125, 255, 325, 333, 906};

bool In(std::initializer_list<int> list, int number) {
    return std::find(list.begin(), list.end(), number) != list.end();
}

// Where the next entry of this kind starts, searching from `from`: "INFO " (or "ERROR ") at the
// start of the buffer or at the start of a line. Shells end their lines with CR LF, a lone LF or
// CR CR LF, so a line starts after its LF.
qsizetype FindEntryStart(const QString& buffer, const QString& key, qsizetype from) {
    if (from == 0 && buffer.startsWith(key)) return 0;
    const qsizetype at = buffer.indexOf(QLatin1Char('\n') + key, from);
    return at < 0 ? -1 : at + 1;
}

// Where the text ends before the line that starts after the LF at `lf`: that LF, the CRs before it
// and any empty lines before them are line ends, not part of the entry's text.
qsizetype LineEndBefore(const QString& buffer, qsizetype lf, qsizetype textStart) {
    qsizetype end = lf;
    while (end > textStart && (buffer.at(end - 1) == QLatin1Char('\r') || buffer.at(end - 1) == QLatin1Char('\n')))
        --end;
    return end;
}

// The end of the entry that starts at `start` with `key`: the line end before the next entry of
// either kind, or the one before the prompt. -1 when the buffer holds no prompt after the entry (a
// reply cut short by the time-out), so the entry's end cannot be known.
qsizetype FindEntryEnd(const QString& buffer, qsizetype start, const QString& key, const QString& prompt) {
    const QString lf = QStringLiteral("\n");
    const qsizetype promptAt = buffer.indexOf(lf + prompt, start);
    if (promptAt < 0) return -1;
    qsizetype next = promptAt;
    for (const QString& other : {kInfoKey, kErrorKey}) {
        const qsizetype at = buffer.indexOf(lf + other, start + key.size());
        if (at >= 0 && at < next) next = at;
    }
    return LineEndBefore(buffer, next, start + key.size());
}

// The number is what stands between the last blank before the first colon and that colon; the
// text begins at the second character after the colon. No colon: both empty.
void CutNumberAndText(const QString& entry, QString& number, QString& text) {
    const qsizetype colon = entry.indexOf(QLatin1Char(':'));
    if (colon < 0) {
        number.clear();
        text.clear();
        return;
    }
    const qsizetype blank = colon > 0 ? entry.lastIndexOf(QLatin1Char(' '), colon - 1) : -1;
    number = entry.mid(blank + 1, colon - blank - 1);
    text = entry.mid(colon + 2);
}

// A notification number: decimal digits, above 0. One too large for the 16-bit number is not a
// valid number either, so it cannot end the walk and lose the entries behind it.
std::optional<qint16> ValidNumber(const QString& text) {
    if (!IsAllDigits(text)) return std::nullopt;
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || value <= 0 || value > 32767) return std::nullopt;
    return static_cast<qint16>(value);
}

// The ten characters of a report file name ("REPORT." and three more) become part of two shell
// commands, so they must not hold a blank, a line end or another control character.
bool IsReportFileName(const QString& name) {
    if (name.size() != 10) return false;
    return std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() > 32 && c.unicode() < 127; });
}

}  // namespace

void RegisterInfoChecks(Link& link) {
    link.Dispatch.CheckInfos = [&link](const QString& reply) { CInfo(link).CheckInfos(reply); };
    link.Dispatch.CheckErrors = [&link](const QString& reply) { CInfo(link).CheckErrors(reply); };
}

bool CInfo::WalkEntries(const QString& buffer, const QString& key, const std::function<void(const QString&)>& valid,
                        const std::function<void(const QString&)>& invalid) {
    qsizetype from = 0;
    for (;;) {
        const qsizetype start = FindEntryStart(buffer, key, from);
        if (start < 0) return true;
        const qsizetype end = FindEntryEnd(buffer, start, key, m_link.Dialogue.CurrentPrompt);
        if (end < 0) return false;
        const QString entry = buffer.mid(start, end - start);
        QString number;
        CutNumberAndText(entry, number, m_text);
        if (const std::optional<qint16> validNumber = ValidNumber(number)) {
            m_number = *validNumber;
            valid(entry);
        } else {
            m_number = 0;
            invalid(number);
        }
        from = end;
    }
}

bool CInfo::CheckInfos(const QString& buffer) {
    const bool whole = WalkEntries(
        buffer, kInfoKey,
        [this](const QString& entry) {
            try {
                HandleInfoEntry(entry, m_number, m_text);
            } catch (...) {
                // A reaction that failed: the entry is recorded once more so that the failure is
                // seen, and the walk goes on with the entries behind it.
                Record(kInfo, QString::number(m_number), m_number, m_text);
            }
        },
        [this](const QString&) { Record(kInfo, "0", 0, "Unknown info received from mobile"); });
    if (!whole) Record(kInfo, "000", 0, "Unknown Info(s)");
    return true;
}

bool CInfo::CheckErrors(const QString& buffer) {
    const bool whole = WalkEntries(
        buffer, kErrorKey,
        [this](const QString& entry) {
            try {
                Record(kError, QString::number(m_number), m_number, m_text);
                if (In(kErrorBoxes, m_number))
                    QueueMessageBox(m_link.F, "ERROR " + QString::number(m_number) + ": " + m_text, "ERROR", 2);
                else if (m_number == 253)
                    HandleError253(entry);
            } catch (...) {
                Record(kError, QString::number(m_number), 0, m_text);
            }
        },
        [this](const QString& number) {
            QueueMessageBox(m_link.F, "Unknown error received from mobile: " + number, "ERROR", 2);
            Record(kError, {}, 0, "Unknown error received from mobile", false);
        });
    if (!whole) Record(kError, "000", 0, "Unknown error(s) received from mobile");
    return true;
}

void CInfo::Record(Kind kind, const QString& shownNumber, qint16 number, const QString& text, bool showStatus) {
    Foundation& f = m_link.F;
    if (showStatus) ShowStatusMessage(f, (kind == kInfo ? kInfoKey : kErrorKey) + shownNumber + ": " + text);
    const QDateTime now = f.Os.Clock->Now();
    m_link.Notifications.gInfoLog.AddInfo(now, kind, number, text);
    if (INotificationsWindow* window = m_link.Windows.NotificationsWindow)
        window->AddMessageGridInfoEntry(now, kind, number, text);
}

void CInfo::HandleInfoEntry(const QString& entry, qint16 number, const QString& text) {
    if (!In(kSilentInfos, number)) Record(kInfo, QString::number(number), number, text);

    const QString box = kInfoKey + QString::number(number) + ": " + text;
    bool showBox = In(kInfoBoxes, number);
    if (number == 116 && !m_link.Notifications.Info116Shown) {
        m_link.Notifications.Info116Shown = true;
        showBox = true;
    }
    // Land mobiles report these as a matter of course.
    if ((number == 111 || number == 193) && m_link.F.gSession.MobileType() != 1) showBox = true;
    if (showBox) QueueMessageBox(m_link.F, box, "INFO", 1);

    RunInfoReaction(entry, number);
}

void CInfo::RunInfoReaction(const QString& entry, qint16 number) {
    const DeliveryStatusReactions& d = m_link.Notifications.DeliveryStatus;
    const auto call = [&entry](const DeliveryStatusReactions::EntryHandler& handler) {
        if (handler) handler(entry);
    };
    const CSession& session = m_link.F.gSession;
    switch (number) {
    case 20: call(d.HandleInfo20); break;
    case 21: call(d.HandleInfo21); break;
    case 22:
        call(d.HandleInfo22);
        HideTestModeNotice();
        break;
    case 30:
    case 60:
    case 61:
    case 500:
    case 501: QueueStatusQuery(false); break;
    case 80:
    case 81:
        BalanceInfo552();
        call(number == 80 ? d.HandleInfo80 : d.HandleInfo81);
        break;
    case 82: call(d.HandleInfo82); break;
    case 119:
        // The distress generator's settings are read again, except on a non-SOLAS installation.
        if (session.SolasType() != 1) {
            QueueCommand(m_link, "se -g", true, false);
            if (session.ProductType() == 4 || session.ProductType() == 5)
                QueueCommand(m_link, "se -m ALL_OCEANS", true, false);
        }
        break;
    case 130:
        if (d.HandleInfo130) d.HandleInfo130();
        break;
    case 131:
        if (d.HandleInfo131) d.HandleInfo131();
        break;
    case 132: HandleInfo132(entry); break;
    case 140:
        if (d.HandleInfo140_141) d.HandleInfo140_141(entry, false);
        break;
    case 141:
        if (d.HandleInfo140_141) d.HandleInfo140_141(entry, true);
        break;
    case 220:
    case 221: QueueStatusQuery(true); break;
    case 353: HideTestModeNotice(); break;
    case 363:
        QueueStatusQuery(true);
        HideTestModeNotice();
        break;
    case 502: ShowTestModeNotice(); break;
    case 552:
        if (m_link.Windows.StatusField) m_link.Windows.StatusField->PaintMobileStatusField(StatusFieldColours::Alarm);
        if (m_link.Notifications.Info552Count < 32767) ++m_link.Notifications.Info552Count;
        break;
    case 733: HandleInfo733(); break;
    case 803: HandleInfo803(); break;
    default: break;
    }
}

// The transceiver status is asked for again unless that query is already waiting. Some
// notifications look for it exactly as written, others in any letter case.
void CInfo::QueueStatusQuery(bool anyCase) {
    const bool queued = anyCase ? IsCommandQueued(m_link, "st -w") : m_link.Dialogue.CommandQueue.contains("st -w");
    if (!queued) QueueCommand(m_link, "st -w", true, false);
}

void CInfo::HandleInfo132(const QString& entry) { QueueMessageBox(m_link.F, entry, "Info"); }

// The transceiver wrote a report file: it is fetched (the dispatch handles the "type" reply) and
// then deleted from the transceiver.
void CInfo::HandleError253(const QString& entry) {
    const qsizetype at = entry.indexOf("REPORT.");
    if (at < 0) return;
    const QString name = entry.mid(at, 10);
    if (!IsReportFileName(name)) return;
    QueueCommand(m_link, "type " + name, true, false);
    QueueCommand(m_link, "delete " + name, true, false);
}

// The transceiver entered its distress buttons test mode.
void CInfo::HandleInfo733() {
    if (m_link.Windows.DistressModeForm) m_link.Windows.DistressModeForm->HandleEvent(1);
    if (const auto& set = m_link.Notifications.SetDistressTestModeActive) set(true);
    if (INotificationsWindow* window = m_link.Windows.NotificationsWindow) window->ShowDistressButtonsTestWindow();
}

// The transceiver left its distress buttons test mode.
void CInfo::HandleInfo803() {
    if (m_link.Windows.DistressModeForm) m_link.Windows.DistressModeForm->HandleEvent(3);
    if (const auto& set = m_link.Notifications.SetDistressTestModeActive) set(true);
}

// An INFO 80 or 81 answers one INFO 552; when none is left open, the status field loses its alarm.
void CInfo::BalanceInfo552() {
    qint16& count = m_link.Notifications.Info552Count;
    if (count <= 0) return;
    if (--count == 0 && m_link.Windows.StatusField)
        m_link.Windows.StatusField->PaintMobileStatusField(StatusFieldColours::Normal);
}

void CInfo::HideTestModeNotice() {
    if (INotificationsWindow* window = m_link.Windows.NotificationsWindow) window->HideTestModeNotice();
}

void CInfo::ShowTestModeNotice() {
    if (!m_link.Windows.StatusField) return;
    m_link.Windows.StatusField->ShowTestModeNotice(
        MlText(m_link.F, 105,
               "Automatic test mode: Normal communication disabled. Do not press any distress button unless you "
               "are in distress."));
}

}  // namespace tidepost
