#pragma once
#include <QString>
#include <functional>

#include "platform/IMessageBoxes.h"

namespace tidepost {

// QMessageBox, modal, owned by the given window or else the default owner.
class QtMessageBoxes : public IMessageBoxes {
public:
    MsgAnswer Show(const MessageBoxRequest& request, QWidget* owner = nullptr) override;
    void SetDefaultOwner(QWidget* owner) override { m_owner = owner; }
    int ShowDialog(QDialog& dialog) override;
    QString GetOpenFileName(const OpenFileRequest& request, QWidget* owner = nullptr) override;
    // The program is ending: the box open now and every later one answer at once as closed
    // without a button, so nothing more waits for the operator.
    void EndWaiting();
    // The caption of a standard button in the program's language ("" keeps Qt's own); the boxes
    // would otherwise answer in English whatever the language.
    std::function<QString(MsgAnswer button)> ButtonCaption;

private:
    QWidget* m_owner = nullptr;
    bool m_ending = false;
};

}  // namespace tidepost
