#include "link/LanDiscovery.h"

#include "foundation/AppSettings.h"
#include "foundation/cErrorLog.h"
#include "link/Link.h"

namespace tidepost {

SlpTarget GetSlpTarget(Link& link) {
    Foundation& f = link.F;
    if (f.Os.Settings == nullptr) return {};
    const QString text = GetAppSetting(f, f.gProductName, "Config", "SLP Target", "");
    if (text.trimmed().isEmpty()) return {};
    if (const auto target = ParseSlpTarget(text)) return *target;
    if (link.Lan.SlpSearches.ReportedBadTarget != text) {
        link.Lan.SlpSearches.ReportedBadTarget = text;
        ErrorLog(f).AddLine("SLP Target \"" + text + "\" is not host:port; the standard target is used");
    }
    return {};
}

bool FindTcuAddresses(Link& link) { return link.Lan.SlpSearches.StartSearch(link.F.Os.Slp, GetSlpTarget(link)); }

bool IsFindingTcuAddresses(const Link& link) { return link.Lan.SlpSearches.IsSearching(); }

void ReadTcuSwVersion(Link& link, const QString& address) {
    link.Lan.SlpSearches.StartVersionRead(link.F.Os.Slp, address, GetSlpTarget(link));
}

bool TakeTcuDiscoveryAnswers(Link& link) {
    Foundation& f = link.F;
    LinkLan& lan = link.Lan;
    const TcuDiscovery::Answers answers = lan.SlpSearches.Poll();
    if (!lan.DiscoveryFailureLogged)
        for (const QString& line : answers.ErrorLogLines) ErrorLog(f).AddLine(line);
    if (answers.Version) f.gConfiguration.SetTcuSwVersion(answers.Version->first, answers.Version->second);
    if (!answers.Addresses) return false;
    f.gConfiguration.SetSlpTcuAddresses(*answers.Addresses);
    lan.DiscoveryFailureLogged = f.gConfiguration.SlpTcuAddressCount() == 0;
    return true;
}

}  // namespace tidepost
