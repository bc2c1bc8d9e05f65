#pragma once
#include <QtGlobal>
#include <memory>

#include "foundation/FormHolder.h"
#include "reporting/DNIDForm.h"
#include "reporting/DNIDPUProgramForm.h"
#include "reporting/MessageReportingForm.h"
#include "reporting/PositionForm.h"
#include "reporting/PUReportingForm.h"
#include "reporting/ProgramStatusForm.h"
#include "reporting/cInHarbourButton.h"

class QWidget;

namespace tidepost {

struct Foundation;
struct Link;

// The reporting area's state: the transceiver's position and data reporting programs as its
// dialogs show them. One instance per program run, owned by the application object. Members keep
// the names the rest of the program knows them by.
struct Reporting {
    Reporting(Foundation& foundation, Link& link);
    Reporting(const Reporting&) = delete;
    Reporting& operator=(const Reporting&) = delete;

    Foundation& F;
    Link& L;

    // Who gets the next DNID list reply ("st -d"): 0 the DNID list, 1 the set-up of a new
    // reporting program (the New buttons of the programs dialog ask for that).
    qint16 DnidReplyTarget = 0;

    // The programs dialog and the status viewer of one program, each created on first use.
    FormHolder<PUReportingForm> PUReportingForms;
    FormHolder<ProgramStatusForm> ProgramStatusForms;

    // The DNID list of the last reply that went to the DNID list dialog; made on first use
    // (DnidStore) and kept until the program ends.
    std::unique_ptr<cDnid> Dnid;
    // The DNID list dialog and the set-up of a new reporting program, each created on first use.
    FormHolder<DNIDForm> DNIDForms;
    FormHolder<DNIDPUProgramForm> DNIDPUProgramForms;

    // Message reporting and its notice for a transceiver without it, each created on first use.
    FormHolder<MessageReportingForm> MessageReportingForms;
    FormHolder<NoMsgRepForm> NoMsgRepForms;
    // The position dialog, created when a position reply finds it asked for.
    FormHolder<PositionForm> PositionForms;
    // The in-harbour signal's output, made at the first press and let go when the program ends.
    std::unique_ptr<cInHarbourButton> InHarbourButton;
};

// The DNID store, made when first asked for.
cDnid& DnidStore(Reporting& r);

// The main window that the area's windows centre over; null while there is none.
QWidget* ReportingMainWindow(const Reporting& r);
// Shows one of the area's windows modeless: centred over the main window when it was not on the
// screen yet, and brought to the front either way.
void ShowReportingWindow(const Reporting& r, QWidget& window);

}  // namespace tidepost
