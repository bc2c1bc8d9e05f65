#pragma once

class QWidget;

namespace tidepost {

// Shows a dialog modal over its owner while the rest of the program runs on: the owner is
// disabled, and the call returns once the dialog is hidden or destroyed; the owner is then
// enabled again and brought to the front. The timers, the dialogue with the transceiver and the
// other windows keep running meanwhile (the wait is a nested event loop, not a busy loop). If the
// owner goes away during the wait, nothing touches it afterwards.
class cShowModal {
public:
    void ShowModal(QWidget* fToShow, QWidget* fOwner);
};

}  // namespace tidepost
