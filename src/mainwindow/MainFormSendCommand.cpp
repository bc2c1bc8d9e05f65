#include "mainwindow/MainFormSendCommand.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>

#include "editor/MessageEditor.h"
#include "link/Link.h"
#include "mainwindow/BusyWindows.h"
#include "mainwindow/HotList.h"
#include "mainwindow/MainForm.h"
#include "messages/Messages.h"
#include "messages/SendDialogue.h"

namespace tidepost {

MainFormSendCommand::MainFormSendCommand(MainForm& form, MessageEditor& editor) : m_form(form) {
    Messages* m = form.MessagesArea();
    Links.ChangeToEditor = [&editor] { editor.ChangeToEditor(); };
    Links.MobileStatusCaption = [&form] {
        const auto* field = form.findChild<QLabel*>("MobileStatusField");
        return field ? field->text() : QString();
    };
    Links.GetMobileStatus = [&form] { return form.GetMobileStatus(); };
    Links.ShowOceanRegionNotFound = [&form] { form.Busy().OceanRegionNotFound.get().show(); };
    // Looked up at each use: the configuration area fills the slot after this window is built.
    Links.ShowVerifyTransmitPassword = [&form] {
        if (form.Dialogs.ShowVerifyTransmitPasswordForm) form.Dialogs.ShowVerifyTransmitPasswordForm();
    };
    Links.ShowSendingForm = [m] {
        if (m) ShowSendingForm(*m);
    };
    Links.HotListAdd = [&form](int id, int parentId) {
        if (cHotList* hotList = form.HotListObject()) hotList->add(id, parentId);
    };
    Links.ShowWaitForm = [&form] { form.ShowWaitForm(); };
    Links.ShowLinkTestForm = [m] {
        if (m && m->L.Windows.LinkTestForm.Show) m->L.Windows.LinkTestForm.Show();
    };
    Links.Owner = &form;

    form.KeyHandlers.SendButton_Click = [this] { SendButton_Click(); };
    if (auto* button = form.findChild<QAbstractButton*>("SendButton"))
        connect(button, &QAbstractButton::clicked, this, [this] { SendButton_Click(); });
    const auto item = [&](const char* name, void (MainFormSendCommand::*handler)()) {
        if (auto* action = form.findChild<QAction*>(name))
            connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    item("SendMessage", &MainFormSendCommand::SendMessage_Click);
    item("ScanMenu", &MainFormSendCommand::ScanMenu_Click);
    item("LinktestMenu", &MainFormSendCommand::LinktestMenu_Click);
    form.HotListCommands.Set(2020, [this] { SendMessage_Click(); });
    form.HotListCommands.Set(2055, [this] { ScanMenu_Click(); });
    form.HotListCommands.Set(2058, [this] { LinktestMenu_Click(); });
}

MainFormSendCommand::~MainFormSendCommand() {
    m_form.KeyHandlers.SendButton_Click = nullptr;
    for (int id : {2020, 2055, 2058}) m_form.HotListCommands.Set(id, nullptr);
}

void MainFormSendCommand::SendMessage_Click() {
    if (Messages* m = m_form.MessagesArea()) tidepost::SendMessage_Click(m->F, Links);
}

void MainFormSendCommand::ScanMenu_Click() {
    if (Messages* m = m_form.MessagesArea()) tidepost::ScanMenu_Click(m->L, Links);
}

void MainFormSendCommand::LinktestMenu_Click() {
    if (Messages* m = m_form.MessagesArea()) tidepost::LinktestMenu_Click(m->F, m->L, Links);
}

}  // namespace tidepost
