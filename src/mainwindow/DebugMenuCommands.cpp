#include <QAction>
#include <QBoxLayout>
#include <QLabel>

#include "foundation/Definitions.h"
#include "foundation/Foundation.h"
#include "link/CommandQueue.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"
#include "messages/Messages.h"

namespace tidepost {

namespace {

const QString kStx(QChar(2));
const QString kEtx(QChar(3));

const QStringList kError325 = {"ERROR 325: Hardware problems. Distress button failure.",
                               "Distress button may no longer work."};

// The layout that holds `widget`, searched from `layout` down; null when none does.
QBoxLayout* LayoutHolding(QLayout* layout, QWidget* widget) {
    if (layout == nullptr) return nullptr;
    if (layout->indexOf(widget) >= 0) return qobject_cast<QBoxLayout*>(layout);
    for (int i = 0; i < layout->count(); ++i)
        if (QBoxLayout* found = LayoutHolding(layout->itemAt(i)->layout(), widget)) return found;
    return nullptr;
}

}  // namespace

void MainForm::AddDebugLabels() {
    // The labels of the debug display that nothing else builds; hidden until it is switched on.
    QWidget* area = centralWidget();
    auto* besideQueue = findChild<QLabel*>("Label4");
    QBoxLayout* row = besideQueue ? LayoutHolding(area->layout(), besideQueue) : nullptr;
    const std::pair<const char*, const char*> labels[] = {{"Label5", ""}, {"Label7", ""}, {"Label14", "*"}};
    for (const auto& [name, caption] : labels) {
        if (findChild<QLabel*>(name)) continue;
        auto* label = new QLabel(caption, area);
        label->setObjectName(name);
        label->hide();
        if (row) row->addWidget(label);
    }
}

void MainForm::SetDebugMode(bool on) {
    m_link.Dialogue.DebugMode = on ? -1 : 0;
    if (QAction* item = MenuItem("OnMenu")) item->setChecked(on);
    if (QAction* item = MenuItem("OffMenu")) item->setChecked(!on);
    for (const char* name : {"Label4", "Label5", "Label6", "Label7", "Label10", "Label11", "Label12", "Label14"})
        if (auto* label = findChild<QLabel*>(name)) label->setVisible(on);
    // The debug display's tickers run on Timer1 and ProgressTimer.
    if (on) {
        Wake(m_progressTimer);
        DialogueWorkArrived();
    }
}

void MainForm::OnMenu_Click() {
    SetDebugMode(true);
    m_debugMode = true;
}

void MainForm::OffMenu_Click() {
    SetDebugMode(false);
    m_debugMode = false;
}

bool MainForm::ToggleCheckItem(const QString& name, bool& state) {
    QAction* item = MenuItem(name);
    state = !(item ? item->isChecked() : state);
    if (item) item->setChecked(state);
    return state;
}

void MainForm::mnuEnableMenus_Click() { ToggleCheckItem("mnuEnableMenus", m_enableMenus); }
void MainForm::mnuSimDistressGenerator_Click() { ToggleCheckItem("mnuSimDistressGenerator", m_simDistressGenerator); }
void MainForm::mnuSim_st_e_Click() { ToggleCheckItem("mnuSim_st_e", m_simStE); }
void MainForm::mnuSimEnids_Click() { ToggleCheckItem("mnuSimEnids", m_simEnids); }

void MainForm::mnuSimEgcRxError_Click() {
    const bool on = ToggleCheckItem("mnuSimEgcRxError", m_simEgcRxError);
    if (m_messages) m_messages->mnuSimEgcRxError = on;
}

void MainForm::mnuSimMsgRxError_Click() {
    const bool on = ToggleCheckItem("mnuSimMsgRxError", m_simMsgRxError);
    if (m_messages) m_messages->mnuSimMsgRxError = on;
}

void MainForm::QueueDebugCommand(const QString& text) { QueueCommand(m_link, text, false, true); }

void MainForm::mnuChangeTo560L_Click() { QueueDebugCommand("cfg -t 1"); }
void MainForm::mnuChangeTo560M_Click() { QueueDebugCommand("cfg -t 2"); }
void MainForm::mnuChangeTo560D_Click() { QueueDebugCommand("cfg -t 5"); }
void MainForm::mnuChangeTo560SSA_Click() { QueueDebugCommand("cfg -t 4"); }
void MainForm::mnuRxEGCRoutine_Click() { QueueDebugCommand("db egc sim 200"); }
void MainForm::mnuRxEGCSafety_Click() { QueueDebugCommand("db egc sim 400"); }
void MainForm::mnuRxEGCUrgency_Click() { QueueDebugCommand("db egc sim 4"); }
void MainForm::mnuRxEGCDistress_Click() { QueueDebugCommand("db egc sim 100"); }
void MainForm::mnuSimInMsg560_Click() { QueueDebugCommand("db msghdl rx 2"); }
void MainForm::mnuSimInDistMsg560_Click() { QueueDebugCommand("db msghdl rx 10"); }

void MainForm::mnuSimDistressInfos_Click() {
    QStringList lines;
    for (int number : {22, 21, 20, 160, 161, 162, 552, 553, 733, 803})
        lines << QString("db usrrep %1 1").arg(number);
    QueueCommand(m_link, lines.join(kCrLf), true, false);
}

void MainForm::mnuRepairEgcLog_Click() {
    if (m_link.Dispatch.CEGC.RepairEgcLog) m_link.Dispatch.CEGC.RepairEgcLog();
}

void MainForm::mnuTestRxError_Click() {
    TestForm& window = m_testForm.get();
    window.show();
    window.raise();
}

// A status-list reply as the transceiver would send it, handed to the notification parser
// without the transceiver.
void MainForm::SimulateInfos(const QStringList& lines, bool infos, bool errors) {
    const QString& et = m_link.Dialogue.EchoTerminator;
    QString text = ": st-l";
    for (const QString& line : lines) text += et + line;
    text += et + ":";
    if (infos && m_link.Dispatch.CheckInfos) m_link.Dispatch.CheckInfos(text);
    if (errors && m_link.Dispatch.CheckErrors) m_link.Dispatch.CheckErrors(text);
}

void MainForm::mnuSimInfo21_Click() { SimulateInfos({"INFO 21: Distress Acknowledgement received"}, true, false); }
void MainForm::mnuSimInfo22_Click() { SimulateInfos({"INFO 22: Sending Distress Alert"}, true, false); }
void MainForm::mnuSimInfo105_Click() { SimulateInfos({"ERROR 105: Remote Printer not OK"}, false, true); }
void MainForm::mnuSimInfo111_Click() { SimulateInfos({"INFO 111: Update position"}, true, false); }
void MainForm::mnuSimInfo193_Click() { SimulateInfos({"INFO 193: Time to enter new position"}, true, false); }

void MainForm::mnuSimInfo116_Click() {
    SimulateInfos({"INFO 116: WARNING Test software. Inmarsat-C education version.",
                   "Distress alert and distress message functionalities",
                   "are disabled. Distress alert is simulated i.e.", "nothing is transmitted. Distress priority message",
                   "transmission is not possible."},
                  true, false);
}

void MainForm::mnuSimInfo325_Click() { SimulateInfos(kError325, false, true); }
void MainForm::mnuSimInfo325Double_Click() { SimulateInfos(kError325 + kError325, false, true); }
void MainForm::mnuSimInfo450_Click() { SimulateInfos({"INFO 450: No built-in GPS avaliable."}, true, false); }

void MainForm::mnuSimInfo473_Click() {
    SimulateInfos({"INFO 473: Received Distress call has been acknowledged."}, true, false);
}

void MainForm::mnuSimInfo553_Click() {
    SimulateInfos({"INFO 553: Distress message has been received."}, true, false);
}

void MainForm::mnuSimInfo111_105_325_103_Click() {
    SimulateInfos(QStringList{"INFO 111: Update position", "ERROR 105: Remote Printer not OK"} + kError325 +
                      QStringList{"ERROR 103: Printer is off-line"},
                  true, true);
}

void MainForm::mnuSimInfo80_811_393_221_Click() {
    const QString& et = m_link.Dialogue.EchoTerminator;
    const QString text = ": st -l" + et + et + "INFO   80: Transmission failed." + et + et + et +
                         "LES 21 Destination " + kStx + "29       File OUT.021" + kEtx + et +
                         "INFO  811: Message from Land Station: Call rejected:" + et +
                         "You are not allowed to use the system." + et + "INFO 393: TXLOG Updated" + et +
                         "INFO 221: Synchronization successful" + et + ":";
    if (m_link.Dispatch.CheckInfos) m_link.Dispatch.CheckInfos(text);
}

}  // namespace tidepost
