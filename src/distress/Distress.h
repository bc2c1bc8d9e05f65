#pragma once
#include <functional>

#include "distress/AlarmWindows.h"
#include "distress/DistressGeneratorReplies.h"
#include "distress/DistressGeneratorWindows.h"
#include "distress/DistressModeForm.h"
#include "distress/LatestDistress.h"
#include "foundation/FormHolder.h"

namespace tidepost {

struct Foundation;
struct Link;
struct Messages;

// The distress area's state: the alarm windows of urgency and distress traffic, the distress
// buttons test mode and the latest distress window. One instance per program run, owned by the
// application object; RegisterDistressHandlers hands its parts to the link and the message store.
struct Distress {
    Distress(Foundation& foundation, Link& link, Messages& messages);
    Distress(const Distress&) = delete;
    Distress& operator=(const Distress&) = delete;

    Foundation& F;
    Link& L;
    Messages& M;

    // The main window's inbox and EGC views, which a confirmed alarm opens; set by the
    // application while the main window exists, empty before and after.
    OpenView InboxButtonClick;
    OpenView EGCButtonClick;
    // A failed alarm sound has been written to the error log in this run.
    bool SoundFailureLogged = false;

    DistressMessageAlarm DistressMessageForm{F, SoundFailureLogged, InboxButtonClick};
    EgcDistressAlarm EGC_DistressMsgForm{F, SoundFailureLogged, EGCButtonClick};
    DistressModeWindow DistressModeForm{F, L};
    FormHolder<LatestDistressForm> LatestDistressForms;

    // What the transceiver's distress alert generator holds, as its last "se -g" reply gave it.
    DistressGeneratorValues GeneratorValues;
    // The next parsed "se -g" reply opens the maritime generator window (set by that window's
    // menu and OK, cleared once it is opened).
    bool ShowDistressGeneratorOnReply = false;
    // The next "se -m ALL_OCEANS" reply in the land-mobile or LES-id form opens the land mobile
    // alert settings window.
    bool ShowLmAlertSettingsOnReply = false;
    // The generator and alert-settings windows, filled in by whoever builds them; empty, nothing
    // is shown and nothing is closed.
    std::function<void()> ShowDistressGenerator;
    std::function<void()> CloseDistressGenerator;
    std::function<void(const AlertLesReading&)> FillAlertLes;
    std::function<void()> ShowLmAlertSettings;
    std::function<void(int natureIndex)> ShowLandMobileNature;
    // The windows behind those hooks once ConnectDistressGeneratorWindows has put them there.
    DistressGeneratorWindows GeneratorWindows{*this};
};

// Registers the distress area with the link (the "se -q" and "st -a" rows, the test window, the
// test-mode flag) and the alarm window with the message store.
void RegisterDistressHandlers(Distress& d);

// `HandleLatestDistressReply`: fills the latest distress window from an "st -a" reply, closes the
// busy window and shows it.
void HandleLatestDistressReply(Distress& d, const QString& reply);

// `HandleDistressGeneratorReply`: the "se -g" reply read into DistressGeneratorValues and the
// configuration's alert LES, with the busy window, the generator window and the error boxes.
void HandleDistressGeneratorReply(Distress& d, const QString& reply);
// `ExtractOption112Les`: the "se -m ALL_OCEANS" reply.
void ExtractOption112Les(Distress& d, const QString& reply);
// `ExtractNatureOfDistress`: the "se -m " reply.
void ExtractNatureOfDistress(Distress& d, const QString& reply);

}  // namespace tidepost
