#pragma once
#include <QString>
#include <functional>

namespace tidepost {

// The status windows of later areas that the transceiver's replies fill, reached through slots
// that their owners set. An unset slot is skipped, so the replies still update the session when a
// window does not exist (tests, or before the owning area is wired).
struct StatusWindows {
    using Action = std::function<void()>;
    using TextGetter = std::function<QString()>;
    using TextSetter = std::function<void(const QString& text)>;

    // A window is created when first touched and keeps its text for the run, shown or hidden.
    struct {
        TextGetter StatusOutput;     // the text of the multi-line box `statusoutput`
        TextSetter SetStatusOutput;  // replaces it and puts the caret at its end
        TextSetter SetCaption;
        Action Show;                 // not modal
    } TransceiverStatusForm;

    struct {
        TextSetter SetStatusOutput;  // replaces the text of `statusoutput`, caret at its end
        TextSetter SetCaption;
    } GPSStatusForm;

    struct {
        TextSetter SetLinkTestResult;  // the caption of the label `LinkTestResult`
        Action Show;                   // not modal
    } LinkTestForm;

    struct {
        Action Update;  // refills the system information dialog from the session
    } SystemInfoForm;

    // MainForm.InsertToEditor: inserts text into the message editor.
    TextSetter InsertToEditor;
};

}  // namespace tidepost
