#pragma once
#include <QList>

#include "platform/IMessageBoxes.h"

namespace tidepost::test {

// Records every box asked for and answers from a script; never blocks.
// Without a scripted answer a box gets the answer of its first button.
class ScriptedMessageBoxes : public IMessageBoxes {
public:
    MsgAnswer Show(const MessageBoxRequest& request, QWidget* owner = nullptr) override;
    void SetDefaultOwner(QWidget* owner) override { DefaultOwner = owner; }

    void Answer(MsgAnswer a) { m_answers.append(a); }
    QList<MessageBoxRequest> Shown;
    QWidget* DefaultOwner = nullptr;

private:
    QList<MsgAnswer> m_answers;
};

}  // namespace tidepost::test
