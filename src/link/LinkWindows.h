#pragma once
#include <QString>
#include <functional>

namespace tidepost {

class ILinkWindow;
class ILanLinkWindow;
class ILinkMenus;
class IMobileStatusField;
class INotificationsWindow;
class IPollWindow;
class ITerminalWindow;
class IDistressModeWindow;

// The windows the link writes to, one set of seams per window. The main window registers itself
// through the interfaces; the windows of later areas fill the slots of theirs. A null pointer or
// an unset slot is skipped, so the link keeps working before a window exists and in tests
// without one.
struct LinkWindows {
    using Action = std::function<void()>;
    using Query = std::function<bool()>;
    using TextGetter = std::function<QString()>;
    using TextSetter = std::function<void(const QString& text)>;

    // The main window, in the parts the link asks of it.
    ILinkWindow* Window = nullptr;
    ILanLinkWindow* LanWindow = nullptr;
    ILinkMenus* Menus = nullptr;
    IMobileStatusField* StatusField = nullptr;
    INotificationsWindow* NotificationsWindow = nullptr;
    IPollWindow* PollWindow = nullptr;
    ITerminalWindow* TerminalModeForm = nullptr;
    IDistressModeWindow* DistressModeForm = nullptr;

    // A status window is created when first touched and keeps its text, shown or hidden, until
    // its OK or Cancel lets it go; the next touch creates a fresh, empty one.
    struct {
        Query IsVisible;
        TextGetter StatusOutput;     // the text of the multi-line box `statusoutput`
        TextSetter SetStatusOutput;  // replaces it and puts the caret at its end
        TextSetter SetCaption;
        Action Show;                 // not modal
    } TransceiverStatusForm;

    struct {
        Query IsVisible;
        TextSetter SetStatusOutput;  // replaces the text of `statusoutput`, caret at its end
        TextSetter SetCaption;
        Action Show;                 // not modal
    } GPSStatusForm;

    struct {
        TextSetter SetLinkTestResult;  // the caption of the label `LinkTestResult`
        Action Show;                   // not modal
    } LinkTestForm;

    struct {
        Action Update;  // refills the system information dialog from the session
    } SystemInfoForm;

    struct {
        Query IsVisible;
        Action Show;
        Action UpdatePosition;
    } PositionForm;

    struct {
        Action Show;
    } ENIDForm;

    // The upload window and its progress bar `ProgressBar1`; shown modeless while an upload
    // streams and hidden after each streaming step.
    struct {
        using Number = std::function<void(int value)>;
        Action Show;
        Action Hide;
        Number SetMin;
        Number SetMax;
        Number SetValue;
    } MSG_Transfer;

    // MainForm.InsertToEditor: inserts text into the message editor.
    TextSetter InsertToEditor;
};

}  // namespace tidepost
