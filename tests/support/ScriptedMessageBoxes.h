#pragma once
#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

#include "platform/IMessageBoxes.h"

namespace tidepost::test {

// Records every box asked for and answers from a script; never blocks.
// Without a scripted answer a box gets the answer of its first button.
// A modal dialog is shown, handed to OnDialog (the operator's part: click its buttons), and then,
// when it is still visible, closed by its close box; what the dialog returned is returned.
class ScriptedMessageBoxes : public IMessageBoxes {
public:
    MsgAnswer Show(const MessageBoxRequest& request, QWidget* owner = nullptr) override;
    void SetDefaultOwner(QWidget* owner) override { DefaultOwner = owner; }
    int ShowDialog(QDialog& dialog) override;
    // Records the request and answers with the next scripted path; "" (cancel) when none is left.
    QString GetOpenFileName(const OpenFileRequest& request, QWidget* owner = nullptr) override {
        (void)owner;
        FileRequests.append(request);
        return m_files.isEmpty() ? QString() : m_files.takeFirst();
    }
    void AnswerFile(const QString& path) { m_files.append(path); }
    QList<OpenFileRequest> FileRequests;

    void Answer(MsgAnswer a) { m_answers.append(a); }
    // The next box is closed without any of its buttons (by the program, a signal).
    void AnswerNoButton() { m_answers.append(std::nullopt); }
    QList<MessageBoxRequest> Shown;
    QWidget* DefaultOwner = nullptr;
    // Runs while a box is up, before it is answered (what happens meanwhile).
    std::function<void(const MessageBoxRequest& request)> OnShow;
    // The objectName of every dialog shown modal, in order.
    QStringList DialogsShown;
    std::function<void(QDialog& dialog)> OnDialog;

private:
    QList<std::optional<MsgAnswer>> m_answers;
    QStringList m_files;
};

}  // namespace tidepost::test
