#include "link/TransceiverStatusReply.h"

#include <exception>

#include "foundation/UsefullRoutines.h"
#include "link/ILinkMenus.h"
#include "link/ILinkWindow.h"
#include "link/IMobileStatusField.h"
#include "link/Link.h"
#include "link/ReplyFields.h"

namespace tidepost {

namespace {

constexpr int kStatusLoggedOut = 4;
constexpr int kStatusLinkTest = 2;
constexpr int kStatusTuning = 19;
// The window keeps about this much text, dropping the oldest in whole steps: as many steps as it
// takes, so that a long reply cannot make the text grow with every poll.
constexpr qsizetype kStatusTextLimit = 6000;
constexpr qsizetype kStatusTextDrop = 1000;

void SetMobileStatus(Link& link, int code) {
    if (link.Windows.Window != nullptr) link.Windows.Window->SetMobileStatus(code);
}

// The status text of the ocean the transceiver is logged in to; 23 and 24 run Indian, Pacific.
int LoggedInStatus(OceanIndex ocean) {
    switch (ocean) {
    case kOceanAorW: return 21;
    case kOceanAorE: return 22;
    case kOceanPor: return 24;
    case kOceanIor: return 23;
    default: return 25;
    }
}

struct ProtocolStatus {
    const char* Value;
    int Code;
    bool Alarm;
};

// The protocol states with a status of their own; "free" and "link test" are handled apart.
constexpr ProtocolStatus kProtocolStatuses[] = {
    {"pending", 5, false},
    {"sending distress", 1, true},
    {"sending distress test", 6, true},
    {"confirmation request", 7, false},
    {"login", 8, false},
    {"logout", 9, false},
    {"changing ncs", 10, false},
    {"scanning", 11, false},
    {"transmission", 12, false},
    {"receiving", 13, false},
    {"receiving egc", 14, false},
    {"position report", 15, false},
    {"data report", 16, false},
    {"enhanced data report", 17, false},
    {"programmed report", 18, false},
    {"init track", 20, false},
};

void ApplyProtocol(Link& link, const QString& protocol) {
    bool alarm = false;
    if (protocol == QLatin1String("free")) {
        if (!link.F.gSession.Syncronization()) SetMobileStatus(link, kStatusTuning);
    } else if (protocol == QLatin1String("link test")) {
        SetMobileStatus(link, kStatusLinkTest);
        if (link.Windows.StatusField != nullptr)
            link.Windows.StatusField->ShowTestModeNotice(link.F.Strings.GetMlString(
                105, "Automatic test mode: Normal communication disabled. Do not press any distress button "
                     "unless you are in distress."));
    } else {
        for (const ProtocolStatus& p : kProtocolStatuses) {
            if (protocol == QLatin1String(p.Value)) {
                SetMobileStatus(link, p.Code);
                alarm = p.Alarm;
                break;
            }
        }
    }
    if (link.Windows.StatusField != nullptr)
        link.Windows.StatusField->PaintMobileStatusField(alarm ? StatusFieldColours::Alarm : StatusFieldColours::Normal);
}

void CheckPreferredOcean(Link& link, const QString& value) {
    ILinkMenus* menus = link.Windows.Menus;
    if (menus == nullptr) return;
    const LinkMenu items[] = {LinkMenu::PreferredEastMenu, LinkMenu::PreferredWestMenu, LinkMenu::PreferredPacificMenu,
                              LinkMenu::PreferredIndianMenu, LinkMenu::PreferredNoneMenu};
    for (const LinkMenu item : items) menus->SetMenuChecked(item, false);
    if (value.isEmpty()) return;
    switch (value.at(0).unicode()) {
    case 'E': menus->SetMenuChecked(LinkMenu::PreferredEastMenu, true); break;
    case 'W': menus->SetMenuChecked(LinkMenu::PreferredWestMenu, true); break;
    case 'I': menus->SetMenuChecked(LinkMenu::PreferredIndianMenu, true); break;
    case 'P': menus->SetMenuChecked(LinkMenu::PreferredPacificMenu, true); break;
    case 'N': menus->SetMenuChecked(LinkMenu::PreferredNoneMenu, true); break;
    default: break;
    }
}

// The fixed-width value of a key, trimmed; `found` tells whether the key is in the reply. The
// window holds the value as it stands after the colon and one blank; a value set further off by
// more blanks is read the same, not cut short by them.
QString KeyWindow(const QString& reply, const QString& key, qsizetype width, bool& found) {
    qsizetype start = ValueStartAfterKey(reply, key);
    found = start >= 0;
    if (!found) return {};
    qsizetype value = start;
    while (value < reply.size() && (reply.at(value) == QLatin1Char(' ') || reply.at(value) == QLatin1Char('\t')))
        ++value;
    start = qMax(start, value - 1);
    return ValueWindow(reply, start, width).trimmed();
}

enum class LineValue { Absent, Read, Unterminated };

// The rest of a key's line: up to the next LF, trimmed, without CRs.
LineValue KeyLine(const QString& reply, const QString& key, QString& value) {
    const qsizetype start = ValueStartAfterKey(reply, key);
    if (start < 0) return LineValue::Absent;
    const qsizetype lf = reply.indexOf(QLatin1Char('\n'), start);
    if (lf < 0) return LineValue::Unterminated;
    value = reply.mid(start, lf - start).trimmed().remove(QLatin1Char('\r'));
    return LineValue::Read;
}

// A whole number of digits only (blanks around it allowed) that fits the session's field.
bool ParseMobileNumber(const QString& text, qint32& number) {
    const QString t = text.trimmed();
    if (!IsAllDigits(t)) return false;
    bool ok = false;
    const int value = t.toInt(&ok);
    if (ok) number = value;
    return ok;
}

// Reads the keys in their fixed order. False when the reply cannot be read on from a key: what
// the earlier keys set stays, and nothing further happens.
bool ReadStatusKeys(Link& link, const QString& reply) {
    CSession& s = link.F.gSession;
    bool found = false;

    const qsizetype versionKey = reply.indexOf(QLatin1String("version"), 0, Qt::CaseInsensitive);
    if (versionKey >= 0) {
        const qsizetype dot = reply.indexOf(QLatin1Char('.'), versionKey);
        if (dot < 0) return false;
        // A one-digit major version right after the colon brings the colon into the window.
        QString version = ValueWindow(reply, dot - 2, 5);
        version.remove(0, version.lastIndexOf(QLatin1Char(':')) + 1);
        s.SetSwVersion(version.trimmed());
    }

    const QString sync = KeyWindow(reply, QStringLiteral("Synchronization"), 4, found).toLower();
    if (found) s.SetSyncronization(sync == QLatin1String("yes"));

    const QString origin = KeyWindow(reply, QStringLiteral("TDM origin"), 4, found);
    if (found) {
        s.SetTDMOrigin(static_cast<qint16>(LeadingNumber(origin)));
        if (s.CurrentOcean() != kOceanNone) link.F.gConfiguration.SetLastOcean(s.CurrentOcean());
    }

    const QString loggedIn = KeyWindow(reply, QStringLiteral("Logged in"), 4, found).toLower();
    if (found)
        SetMobileStatus(link, loggedIn == QLatin1String("yes") ? LoggedInStatus(s.CurrentOcean()) : kStatusLoggedOut);

    const QString protocol = KeyWindow(reply, QStringLiteral("Current protocol"), 25, found).toLower();
    if (found) ApplyProtocol(link, protocol);

    const QString channel = KeyWindow(reply, QStringLiteral("Current channel"), 4, found).toLower();
    if (found) s.SetCurrentChannel(channel == QLatin1String("ncs") ? QStringLiteral("NCS") : QString());

    QString line;
    switch (KeyLine(reply, QStringLiteral("Serial no"), line)) {
    case LineValue::Unterminated: return false;
    case LineValue::Read: link.Transceiver.TransceiverSerialNumber = line; break;
    case LineValue::Absent: break;
    }
    switch (KeyLine(reply, QStringLiteral("Mobile no"), line)) {
    case LineValue::Unterminated: return false;
    case LineValue::Read:
        if (qint32 number = 0; ParseMobileNumber(line, number)) s.SetMobileNumber(number);
        break;
    case LineValue::Absent: break;
    }

    const QString ocean = KeyWindow(reply, QStringLiteral("Preferred ocean"), 3, found);
    if (found) CheckPreferredOcean(link, ocean);
    return true;
}

void AppendToStatusWindow(Link& link, const QString& reply) {
    auto& form = link.Windows.TransceiverStatusForm;
    const CSession& s = link.F.gSession;
    if (form.SetCaption) {
        form.SetCaption(s.SystemTimeSet()
                            ? link.F.Strings.GetMlString(2889, "Transceiver Status last updated at ") +
                                  s.SystemTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")) + QStringLiteral(" UTC")
                            : link.F.Strings.GetMlString(2890, "Transceiver Status updated"));
    }
    if (!form.SetStatusOutput) return;
    QString text = form.StatusOutput ? form.StatusOutput() : QString();
    text += LfToCrLf(RemoveStxEtx(reply)) + QStringLiteral("\r\n\r\n");
    if (text.size() > kStatusTextLimit) {
        const qsizetype steps = (text.size() - kStatusTextLimit + kStatusTextDrop - 1) / kStatusTextDrop;
        text.remove(0, steps * kStatusTextDrop);
    }
    form.SetStatusOutput(text);
}

}  // namespace

void HandleTransceiverStatusReply(Link& link, const QString& reply) {
    if (!link.F.gSession.MesConnected()) return;
    if (link.Requests.TransceiverStatusRequested) {
        UnloadWaitForm(link);
        if (link.Windows.TransceiverStatusForm.Show) link.Windows.TransceiverStatusForm.Show();
        link.Requests.TransceiverStatusRequested = false;
    }
    try {
        // Values the shell marks with STX and ETX are read without the marks, which would
        // otherwise take places of the fixed-width windows.
        if (!ReadStatusKeys(link, RemoveStxEtx(reply))) return;
    } catch (const std::exception&) {
        // A version number the session cannot hold ends the reading like any unreadable value.
        return;
    }
    AppendToStatusWindow(link, reply);
}

}  // namespace tidepost
