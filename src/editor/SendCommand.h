#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace tidepost {

struct Foundation;
struct Link;

// What the Send command and the two link commands of the Actions menu ask of the main window.
struct SendCommandLinks {
    std::function<void()> ChangeToEditor;
    // The caption of the mobile status field and the code it holds (0 "Mobile not connected",
    // 1 "Sending Distress", 2 "Link Test...", 6 "Sending Distress test!").
    std::function<QString()> MobileStatusCaption;
    std::function<int()> GetMobileStatus;
    // "Please wait until the Modem has found a valid Ocean Region!", shown without waiting.
    std::function<void()> ShowOceanRegionNotFound;
    // The transmit-password check: empties its box and shows it without waiting; it opens the
    // send dialogue itself once the right password is given. Unset: nothing opens.
    std::function<void()> ShowVerifyTransmitPassword;
    std::function<void()> ShowSendingForm;
    std::function<void(int id, int parentId)> HotListAdd;
    // "st -m" is queued; the wait window shows until its reply comes in.
    std::function<void()> ShowWaitForm;
    // The link-test window with whatever result it holds.
    std::function<void()> ShowLinkTestForm;
    // The owner of the command's message boxes.
    QWidget* Owner = nullptr;
};

// Why the Send command did not open the send dialogue (or the password check).
enum class SendRefusal { None, NoOceanRegion, DistressInProgress, LinkTestInProgress, NoDefaultLesOrProvider };

// The settings-file key of the default LES of an ocean region 0-3.
QString DefaultLesKey(int ocean);

// The editor's Send command: the checks of the link and the settings in turn, each refusal told to
// the operator; then the password check or the send dialogue. Counted in the hot list every time.
SendRefusal SendMessage_Click(Foundation& f, const SendCommandLinks& links);

// "&Scan Preferred ocean": "nc -s" at the front of the queue, whatever the link state.
void ScanMenu_Click(Link& link, const SendCommandLinks& links);

// "L&ink test...": with a connection, "st -m" at the front of the queue and the wait window;
// without one, the link-test window at once.
void LinktestMenu_Click(Foundation& f, Link& link, const SendCommandLinks& links);

}  // namespace tidepost
