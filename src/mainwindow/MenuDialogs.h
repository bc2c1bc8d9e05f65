#pragma once
#include <QString>
#include <QStringList>
#include <functional>

namespace tidepost {

// The dialogs of other areas that the main window's menu commands open, one named slot per
// dialog or opening procedure. The area that owns a dialog fills its slot when it is built (the
// application wires them); an empty slot does nothing, and the command still counts its use.
// Every dialog is shown modeless: a slot returns at once, and one already open comes to the front.
struct MenuDialogs {
    using Action = std::function<void()>;

    // Opening procedures that query the transceiver first when it answers.
    Action OpenEGCSetup;
    Action OpenRoutingSetup;
    Action OpenDnidList;
    Action OpenEMailServices;  // lists the providers, copies isp.dat to newisp.dat, shows the dialog
    Action OpenPUReporting;
    Action OpenEnidList;
    Action ShowMobileNoChangeForm;
    Action OpenDistressGenerator;  // the notice, or the land-mobile reads
    Action OpenLmAlertSettings;    // the land mobile alert settings and their reads

    // Dialogs shown as they are.
    Action ShowConfigPasswordForm;
    Action ShowTransmitPasswordForm;
    Action ShowRemotePasswordForm;
    Action ShowSettingsForm;
    Action ShowVesselDataForm;
    Action ShowTestSoundForm;
    Action ShowCommandForm;
    Action ShowSystemInfoForm;
    Action ShowSetLocalTimeForm;
    Action ShowDefaultISPForm;
    // The first-start question of the PC clock, while it is unanswered (every event-timer tick).
    Action ShowSetTimeForm;
    // The transmit password check before sending: empties its box and shows it; its OK opens the
    // send dialogue once the right password is given.
    Action ShowVerifyTransmitPasswordForm;

    // The signature dialog: its box `SignatureText` gets the stored signature before it shows.
    struct {
        std::function<void(const QString& text)> SetSignatureText;
        Action Show;
    } DefineSignatureForm;

    // The reporting-program dialog, made ready for a new program: `StartCheck` checked,
    // `StartHour` and `StartMinute` disabled.
    struct {
        Action PrepareNewProgram;
    } DNIDPUProgramForm;

    // The LES lists dialog and the default LES dialog, each with one list `LesList(ocean)` per
    // ocean 0 to 3. SetLesList clears that list and adds the items in order.
    struct {
        std::function<void(int ocean, const QStringList& items)> SetLesList;
        Action DisableEditButtons;  // `EditButton(0)` to `EditButton(3)`
        Action Show;
    } LESConfigForm;
    struct {
        std::function<void(int ocean, const QStringList& items)> SetLesList;
        std::function<void(int ocean, const QString& text)> SetLesListText;
        Action Show;
    } DefaultLESForm;

    // The configuration password dialog. It keeps `ConfigPasswordPurpose`: after a correct
    // password its OK runs that code's action (MainForm::RunConfigPasswordAction).
    struct {
        std::function<void(qint32 purpose)> SetConfigPasswordPurpose;
        Action ClearPassword;  // empties the box `Password`
        Action Show;
    } VerifyConfigPasswordForm;
};

}  // namespace tidepost
