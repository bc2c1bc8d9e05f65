#include "reporting/PUReportingActions.h"

#include <QPointer>

#include "foundation/Foundation.h"
#include "link/CommandQueue.h"
#include "link/ILinkWindow.h"
#include "link/Link.h"
#include "platform/IMessageBoxes.h"
#include "reporting/Reporting.h"

namespace tidepost {

namespace {

void ShowWaitForm(Reporting& r) {
    if (r.L.Windows.Window) r.L.Windows.Window->ShowWaitForm();
}

bool Connected(const Reporting& r) { return r.F.gSession.MesConnected(); }

bool Queue(Reporting& r, const QString& command) { return QueueCommand(r.L, command, true, false); }

// The shell's command for program n: "<command> n" and the suffix.
QString Command(const char* command, int program, const char* suffix = "") {
    return QString::fromLatin1(command) + ' ' + QString::number(program) + QString::fromLatin1(suffix);
}

// A box of the dialog, titled with the product's name unless a title is given. The dialog stays
// loaded while it is open.
MsgAnswer Ask(Reporting& r, PUReportingForm& form, MessageBoxRequest box) {
    if (box.title.isEmpty()) box.title = r.F.gProductName;
    if (!r.F.Os.Boxes) return MsgAnswer::Cancel;
    QPointer<PUReportingForm> guard(&form);
    form.BoxOpen = true;
    const MsgAnswer answer = r.F.Os.Boxes->Show(box, &form);
    if (guard) guard->BoxOpen = false;
    return answer;
}

void Refuse(Reporting& r, PUReportingForm& form, int id, const char* english) {
    MessageBoxRequest box;
    box.text = r.F.Strings.GetMlString(id, english);
    if (box.text.isEmpty()) box.text = QString::fromLatin1(english);
    box.buttons = MsgButtons::Ok;
    box.icon = MsgIcon::Information;
    Ask(r, form, box);
}

}  // namespace

void OpenPUReporting(Reporting& r) {
    if (Connected(r)) {
        r.L.Requests.PUReplyMode = 2;
        ShowWaitForm(r);
        Queue(r, "pg -d");
        Queue(r, "se -z posformat=pu");
        return;
    }
    PUReportingForm& form = r.PUReportingForms.get();
    form.HideActionButtons();
    ShowReportingWindow(r, form);
}

void NewButton_Click(Reporting& r, int) {
    r.DnidReplyTarget = 1;
    ShowWaitForm(r);
    Queue(r, "st -d");
}

void StartButton_Click(Reporting& r, int program) {
    if (!Connected(r)) return;
    PUReportingForm& form = r.PUReportingForms.get();
    const QString type = form.TypeCode(program);
    bool queued = false;
    if (type == "2") queued = Queue(r, Command("pg -i", program, ",P"));
    else if (type == "3") Refuse(r, form, 2601, "You are not allowed to START a Remote Program!");
    // The first program asks for the list only after a start it sent; the others after every click.
    if (program != 0 || queued) OpenPUReporting(r);
}

void StopButton_Click(Reporting& r, int program) {
    if (!Connected(r)) return;
    PUReportingForm& form = r.PUReportingForms.get();
    const QString type = form.TypeCode(program);
    if (type == "2") {
        Queue(r, Command("pg -s", program));
        OpenPUReporting(r);
    } else if (type == "3") {
        Refuse(r, form, 2603, "You are not allowed to STOP a Remote Program!");
    }
}

void DeleteButton_Click(Reporting& r, int program) {
    if (!Connected(r)) return;
    PUReportingForm& form = r.PUReportingForms.get();
    if (form.TypeCode(program) == "3") {
        Refuse(r, form, 2592, "You are not allowed to DELETE a Remote Program!");
        return;
    }
    static constexpr int kQuestionIds[PUReportingForm::kPrograms] = {2595, 2597, 2598, 2599};
    MessageBoxRequest box;
    box.text = r.F.Strings.GetMlString(kQuestionIds[program]);
    if (box.text.isEmpty()) box.text = QString("Do you want to delete Program %1?").arg(program + 1);
    box.title = r.F.Strings.GetMlString(2596, "Delete Confimation");
    if (box.title.isEmpty()) box.title = "Delete Confimation";
    box.buttons = MsgButtons::OkCancel;
    box.icon = MsgIcon::Question;
    QPointer<PUReportingForm> guard(&form);
    if (Ask(r, form, box) != MsgAnswer::Ok || !guard) return;
    // What the program is now: a list that came in meanwhile counts.
    if (!Connected(r) || guard->TypeCode(program) != "2") return;
    Queue(r, Command("pg -c", program));
    OpenPUReporting(r);
}

void StatusButton_Click(Reporting& r, int program) {
    if (!Connected(r)) return;
    Queue(r, Command("pg -d", program));
    ShowWaitForm(r);
}

void OKButton_Click(Reporting& r) {
    PUReportingForm* form = r.PUReportingForms.loaded();
    if (form && form->BoxOpen) return;
    r.PUReportingForms.unload();
}

}  // namespace tidepost
