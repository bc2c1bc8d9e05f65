#include "link/LinkStartUp.h"
#include "mainwindow/MainForm.h"
#include "messages/AddressBookFile.h"
#include "messages/OutboxRecovery.h"

namespace tidepost {

void MainForm::Form_Load(const QStringList& arguments) {
    // The LAN link's timer runs from the window's creation on; the link itself waits for the
    // settings to choose the LAN interface.
    SetWinsockTimerEnabled(true);
    RunStartUp(m_link, arguments, [this] {
        if (!m_messages) return;
        ReadAddressBookFile(*m_messages);
        // Before the port opens: the clean-up closes any open link, which would leave the first
        // commands of the start-up for a closed port until the poll reopens it.
        ClearOutboxAtStartUp(*m_messages);
    });
}

}  // namespace tidepost
