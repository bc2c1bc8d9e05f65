#pragma once
#include "egc/EgcSetupValues.h"
#include "foundation/FormHolder.h"

class QWidget;

namespace tidepost {

struct Egc;
class EGCForm;
class ENIDForm;

// The EGC receiver setup and the ENID list: what was read from the transceiver and the two
// windows that show it.
struct EgcSetup {
    explicit EgcSetup(Egc& e);
    ~EgcSetup();
    EgcSetup(const EgcSetup&) = delete;
    EgcSetup& operator=(const EgcSetup&) = delete;

    // False while the last "fx" reply carried the shell's "ERROR 120" (and before the first).
    bool FixedPositionsSupported = false;
    // The setup dialog's values while it has no window; the window starts from them.
    EgcSetupValues Values;
    // The dialog's values were asked of the transceiver: only then does OK write them back.
    bool Queried = false;

    FormHolder<EGCForm> EGCForms;
    FormHolder<ENIDForm> ENIDForms;
};

// Opens the setup: with the transceiver answering, reads its settings (the window opens on the
// last reply); without, shows the dialog at once.
void OpenEGCSetup(Egc& e);
void HandleFixedPositionsReply(Egc& e, const QString& reply);
void HandleEGCSettingsReply(Egc& e, const QString& reply);
void HandleCoastalAreasReply(Egc& e, const QString& reply);
void HandleSpareNavareasReply(Egc& e, const QString& reply);
void HandleEGCReceiverOnlyReply(Egc& e, const QString& reply);
// The setting commands for the dialog's values, queued at the end, and the positions stored.
// False (nothing sent, nothing stored) without the link or when the values were never read.
bool SendEGCSettings(Egc& e, const EgcSetupValues& values);

// Asks the transceiver for its ENIDs when it answers; the reply opens the list.
void OpenEnidList(Egc& e);
// Row 10 of the dispatch: the list as read, then the window.
void SaveEnidReply(Egc& e, const QString& reply);
void ShowENIDForm(Egc& e);

// The main window the area's dialogs centre over, or null.
QWidget* EgcMainWindow(const Egc& e);

void RegisterEgcSetupHandlers(Egc& e);

}  // namespace tidepost
