#include "link/TransceiverIdentity.h"

#include <QStringList>
#include <optional>

#include "foundation/MessageBoxQueue.h"
#include "link/ILinkMenus.h"
#include "link/Link.h"
#include "link/ReplyFields.h"

namespace tidepost {

namespace {

constexpr int kKeep = -1;

// The codes one marker sets; kKeep leaves a code as it is.
struct IdentityCodes {
    int MobileType = kKeep;
    int ProductType = kKeep;
    int ProductModel = kKeep;
    int SolasType = kKeep;
    int AtcType = kKeep;
};

struct IdentityRow {
    QStringList Markers;                // any one of them matches
    IdentityCodes Codes;
    std::optional<IdentityCodes> Ssas;  // also " SSAS" in the reply, tested only after a match
};

void Apply(CSession& s, const IdentityCodes& c) {
    if (c.MobileType != kKeep) s.SetMobileType(c.MobileType);
    if (c.ProductType != kKeep) s.SetProductType(c.ProductType);
    if (c.ProductModel != kKeep) s.SetProductModel(c.ProductModel);
    if (c.SolasType != kKeep) s.SetSolasType(c.SolasType);
}

// The markers in the order they are tested. The older 510 A/B kind changes what two of them mean.
QList<IdentityRow> IdentityRows(bool is510AB) {
    const IdentityCodes ssas{5, kKeep, 9, kKeep, kKeep};
    const IdentityCodes ssas570{5, kKeep, 15, kKeep, kKeep};
    return {
        {{"Landmobile"}, {1, is510AB ? 1 : 2, is510AB ? 1 : 3, 1, 1}, {}},
        {{"(Aero)"}, {4, 3, 6, 1, 1}, {}},
        {{"Maritime"}, {2, 1, is510AB ? 1 : 2, is510AB ? 2 : 3, 1}, {}},
        {{"Fishery"}, {3, 2, 4, 2, 1}, {}},
        {{"Non-SOLAS Fishery"}, {3, 2, 4, 2, 1}, {}},
        {{"Non-SOLAS Without Distress Fishery"}, {3, 2, 5, 1, 1}, {}},
        {{" SOLAS Maritime"}, {2, 1, 2, 3, 1}, {}},
        {{"560L"}, {1, 4, 7, 1, 1}, {}},
        {{"560M"}, {2, 4, 8, 1, 1}, ssas},
        {{"560S"}, {2, 4, 10, 1, 1}, {}},
        {{"560SD", "560D"}, {2, 4, 11, 2, 1}, {}},
        {{"560C"}, {2, 4, 12, 3, 1}, {}},
        {{"570L"}, {1, 5, 13, 1, 1}, {}},
        {{"570M"}, {2, 5, 14, 1, 1}, ssas570},
        {{"570GM"}, {2, 5, 20, 1, 2}, ssas570},
        {{"570LRIT"}, {2, 5, 16, 1, 1}, {}},
        {{"570SD", "570D"}, {2, 5, 17, 2, 1}, {}},
        {{"570GD"}, {2, 5, 19, 2, 2}, {}},
        {{"570C"}, {2, 5, 18, 3, 1}, {}},
        {{"570SSA"}, {2, 5, 15, 1, 1}, {}},
        {{" SSAS"}, {5, kKeep, kKeep, kKeep, kKeep}, {}},
        {{" SOLAS "}, {kKeep, kKeep, kKeep, 3, kKeep}, {}},
    };
}

bool ContainsAny(const QString& reply, const QStringList& markers) {
    for (const QString& m : markers)
        if (reply.contains(m, Qt::CaseInsensitive)) return true;
    return false;
}

bool LandMobileAlertHidden(qint16 swVerInt) {
    for (const qint16 v : {143, 151, 212, 220, -12})
        if (swVerInt == v) return true;
    return false;
}

QString PcSettingsAdvice(const Foundation& f) {
    const QString crLf = QStringLiteral("\r\n");
    return f.Strings.GetMlString(2791, "When using Tidepost, please make sure that :") + crLf + crLf +
           f.Strings.GetMlString(2792, "* PC sound is turned on") + crLf +
           f.Strings.GetMlString(2793, "* PC standby is disabled") + crLf +
           f.Strings.GetMlString(2794, "* PC hibernate is disabled") + crLf +
           f.Strings.GetMlString(2795, "* PC screensaver is not password protected") + crLf;
}

}  // namespace

void ParseSoftwareInfo(Link& link, const QString& reply) {
    link.F.gSession.SetMobileType510AB(reply.contains(QLatin1String("Inmarsat-C Software"), Qt::CaseInsensitive));
}

void ClassifyMobile(Link& link, const QString& reply) {
    CSession& s = link.F.gSession;
    for (const IdentityRow& row : IdentityRows(s.MobileType510AB())) {
        if (!ContainsAny(reply, row.Markers)) continue;
        Apply(s, row.Codes);
        if (row.Ssas && reply.contains(QLatin1String(" SSAS"), Qt::CaseInsensitive)) Apply(s, *row.Ssas);
        // The session keeps only 0 and 1; a 2 is stored as 0.
        if (row.Codes.AtcType != kKeep) s.SetAtcType(row.Codes.AtcType);
    }
}

void UpdateMenusForMobileType(Link& link) {
    ILinkMenus* menus = link.Windows.Menus;
    if (menus == nullptr) return;
    const CSession& s = link.F.gSession;

    bool alertSettings = false;
    if (s.MobileType() == 1) alertSettings = !LandMobileAlertHidden(s.SwVerInt());
    else if (s.MobileType() == 4) alertSettings = true;
    menus->SetMenuVisible(LinkMenu::LMAlertSetting, alertSettings);

    menus->SetMenuVisible(LinkMenu::DistressMenu, s.SolasType() != 1 || s.MobileType() == 5);
    menus->SetMenuVisible(LinkMenu::mnuSelectCodePage, link.F.Strings.CurrentLanguageId == 1049);
}

void HandleStatusInfoReply(Link& link, const QString& reply) {
    ClassifyMobile(link, reply);
    UpdateMenusForMobileType(link);
    if (link.Windows.SystemInfoForm.Update) link.Windows.SystemInfoForm.Update();

    const qint32 solas = link.F.gSession.SolasType();
    if ((solas == 2 || solas == 3) && link.Requests.PcSettingsAdvicePending) {
        QueueMessageBox(link.F, PcSettingsAdvice(link.F), link.F.Strings.GetMlString(12, "Info"));
        link.Requests.PcSettingsAdvicePending = false;
    }
}

void HandleVersionReply(Link& link, const QString& reply) {
    const qsizetype cpu = reply.indexOf(QLatin1String("CPU"));
    if (cpu < 0) return;
    const qsizetype dot = reply.indexOf(QLatin1Char('.'), cpu);
    if (dot < 0) return;
    // Only the digit right before the dot counts as the major version.
    const auto major = static_cast<std::int16_t>(LeadingNumber(reply.mid(dot - 1, 1)));
    const auto minor = static_cast<std::int16_t>(LeadingNumber(reply.mid(dot + 1, 2)));
    link.F.gConfiguration.SetMinicSwVersion(major, minor);
}

}  // namespace tidepost
