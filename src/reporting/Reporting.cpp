#include "reporting/Reporting.h"

#include <QApplication>

#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/WindowPlacement.h"
#include "link/Link.h"

namespace tidepost {

Reporting::Reporting(Foundation& foundation, Link& link)
    : F(foundation), L(link), PUReportingForms([this] { return new PUReportingForm(*this); }),
      ProgramStatusForms([this] { return new ProgramStatusForm(*this); }),
      DNIDForms([this] { return new DNIDForm(*this); }),
      DNIDPUProgramForms([this] { return new DNIDPUProgramForm(*this); }),
      MessageReportingForms([this] { return new MessageReportingForm(*this); }),
      NoMsgRepForms([this] { return new NoMsgRepForm(*this); }),
      PositionForms([this] { return new PositionForm(*this); }) {}

cDnid& DnidStore(Reporting& r) {
    if (!r.Dnid) r.Dnid = std::make_unique<cDnid>(r.F, r.L);
    return *r.Dnid;
}

QWidget* ReportingMainWindow(const Reporting& r) {
    return r.F.Windows.MainForm ? r.F.Windows.MainForm->Form() : nullptr;
}

void ShowReportingWindow(const Reporting& r, QWidget& window) {
    if (!window.isVisible()) {
        // The texts it got since it loaded may have changed its size.
        window.adjustSize();
        CentreOverMainWindow(window, ReportingMainWindow(r));
        window.show();
    }
    // A question open over it stays in front: the window is brought forward once it is answered.
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != &window) return;
    window.raise();
    window.activateWindow();
}

}  // namespace tidepost
