#include "egc/EgcSetup.h"

#include <QApplication>

#include "egc/EGCForm.h"
#include "egc/ENIDForm.h"
#include "egc/Egc.h"
#include "egc/EgcSetupReplies.h"
#include "foundation/AppSettings.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/WindowPlacement.h"
#include "link/CommandQueue.h"
#include "link/ILinkWindow.h"
#include "link/Link.h"

namespace tidepost {

EgcSetup::EgcSetup(Egc& e)
    : EGCForms([&e] { return new EGCForm(e); }), ENIDForms([&e] { return new ENIDForm(e); }) {}

EgcSetup::~EgcSetup() = default;

namespace {

// Changes the dialog's values: those of its window when one is loaded (keeping what the operator
// changed elsewhere in it), else the kept ones.
template <typename Change>
void EditValues(Egc& e, Change change) {
    EgcSetup& s = e.Setup;
    if (EGCForm* form = s.EGCForms.loaded()) {
        EgcSetupValues v = form->Values();
        change(v);
        form->SetValues(v);
        s.Values = v;
    } else {
        change(s.Values);
    }
}

void ShowWindow(Egc& e, QWidget& window) {
    if (!window.isVisible()) {
        window.adjustSize();
        CentreOverMainWindow(window, EgcMainWindow(e));
        window.show();
    }
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != &window) return;
    window.raise();
    window.activateWindow();
}

void ShowEGCForm(Egc& e) {
    EGCForm& form = e.Setup.EGCForms.get();
    form.UpdateEGCForm();
    ShowWindow(e, form);
}

void UnloadWaitForm(Egc& e) {
    if (e.L.Windows.Window) e.L.Windows.Window->UnloadWaitForm();
}

}  // namespace

QWidget* EgcMainWindow(const Egc& e) { return e.F.Windows.MainForm ? e.F.Windows.MainForm->Form() : nullptr; }

void OpenEGCSetup(Egc& e) {
    EgcSetup& s = e.Setup;
    if (!e.F.gSession.MesConnected()) {
        // Nothing is read, so nothing will be written back: the dialog only shows its defaults.
        s.Queried = false;
        if (!s.EGCForms.isLoaded()) s.Values = EgcSetupValues();
        ShowEGCForm(e);
        return;
    }
    if (e.L.Windows.Window) e.L.Windows.Window->ShowWaitForm();
    const QString stored =
        GetAppSetting(e.F, e.F.gProductName, QStringLiteral("Config"), QStringLiteral("Fixed Positions"), QString()).trimmed();
    QueueCommand(e.L, "fx " + stored, true, false);
    // Every setting is grey until its reply has been read.
    EgcSetupValues v = EgcSetupValues::Unread();
    v.Fixed = ParseFixedPositions(stored);
    s.Values = v;
    s.Queried = true;
    if (EGCForm* form = s.EGCForms.loaded()) form->SetValues(v);
    // Three lines of the queue, each ended as every queued line is.
    QueueCommand(e.L, QStringLiteral("se\r\nse -x\r\nse -sn"), true, false);
}

void HandleFixedPositionsReply(Egc& e, const QString& reply) {
    e.Setup.FixedPositionsSupported = FixedPositionsAccepted(reply);
    if (EGCForm* form = e.Setup.EGCForms.loaded()) form->SetFixedPositionsEnabled(e.Setup.FixedPositionsSupported);
}

void HandleEGCSettingsReply(Egc& e, const QString& reply) {
    const qint8 only = ReadSettingFlag(reply, QStringLiteral("-e "));
    const qint8 system = ReadSettingFlag(reply, QStringLiteral("-a "));
    const qint8 safety = ReadSettingFlag(reply, QStringLiteral("-w "));
    const auto types = ReadMessageTypes(reply);
    EditValues(e, [&](EgcSetupValues& v) {
        v.EGCOnly = only;
        v.SystemMessage = system;
        v.SafetyNET = safety;
        if (types) v.Types = *types;
    });
}

void HandleCoastalAreasReply(Egc& e, const QString& reply) {
    const auto areas = ReadCoastalAreas(reply, e.L.Dialogue.CurrentPrompt);
    if (!areas) return;
    EditValues(e, [&](EgcSetupValues& v) {
        v.CoastalAreas = *areas;
        v.CoastalKnown = true;
    });
}

void HandleSpareNavareasReply(Egc& e, const QString& reply) {
    const SpareNavareas spare = ReadSpareNavareas(reply);
    e.F.gConfiguration.Support4ExtraNavAreas = spare.Header;
    EditValues(e, [&](EgcSetupValues& v) {
        if (spare.Header) {
            v.Navarea = spare.Values;
            v.AddNavarea = spare.AnyNumeric ? kBoxTicked : kBoxClear;
        } else {
            // An older unit without the list: whether it uses extra NAVAREAs is unknown.
            v.AddNavarea = kBoxGrey;
        }
    });
    UnloadWaitForm(e);
    ShowEGCForm(e);
}

void HandleEGCReceiverOnlyReply(Egc& e, const QString& reply) {
    const qsizetype at = reply.indexOf(QStringLiteral("value is "));
    const QChar c = at >= 0 && at + 9 < reply.size() ? reply[at + 9] : QChar();
    const qint8 value = c == '1' ? kBoxTicked : c == '0' ? kBoxClear : kBoxGrey;
    EditValues(e, [&](EgcSetupValues& v) { v.EGCOnly = value; });
    UnloadWaitForm(e);
    ShowEGCForm(e);
}

bool SendEGCSettings(Egc& e, const EgcSetupValues& values) {
    if (!e.F.gSession.MesConnected() || !e.Setup.Queried) return false;
    const EgcSettingSequence seq =
        BuildSettingSequence(values, e.F.gConfiguration.Support4ExtraNavAreas, e.Setup.FixedPositionsSupported);
    for (const QString& command : seq.Commands) QueueCommand(e.L, command, true, false);
    SaveAppSetting(e.F, e.F.gProductName, QStringLiteral("Config"), QStringLiteral("Fixed Positions"), seq.Positions);
    return true;
}

void OpenEnidList(Egc& e) {
    if (!e.F.gSession.MesConnected()) return;
    if (e.L.Windows.Window) e.L.Windows.Window->ShowWaitForm();
    QueueCommand(e.L, QStringLiteral("st -g"), true, false);
}

void SaveEnidReply(Egc& e, const QString& reply) { e.gENID.SaveData(reply, e.L.Dialogue.EchoTerminator); }

void ShowENIDForm(Egc& e) { ShowWindow(e, e.Setup.ENIDForms.get()); }

void RegisterEgcSetupHandlers(Egc& e) {
    auto& d = e.L.Dispatch;
    d.HandleFixedPositionsReply = [&e](const QString& r) { HandleFixedPositionsReply(e, r); };
    d.HandleEGCReceiverOnlyReply = [&e](const QString& r) { HandleEGCReceiverOnlyReply(e, r); };
    d.HandleEGCSettingsReply = [&e](const QString& r) { HandleEGCSettingsReply(e, r); };
    d.HandleCoastalAreasReply = [&e](const QString& r) { HandleCoastalAreasReply(e, r); };
    d.HandleSpareNavareasReply = [&e](const QString& r) { HandleSpareNavareasReply(e, r); };
    d.cENID.SaveData = [&e](const QString& r) { SaveEnidReply(e, r); };
    e.L.Windows.ENIDForm.Show = [&e] { ShowENIDForm(e); };
}

}  // namespace tidepost
