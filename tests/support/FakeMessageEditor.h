#pragma once
#include <QString>
#include <QStringList>

#include "messages/IMessageEditor.h"

namespace tidepost::test {

// The editor's fields and what was asked of it.
struct FakeMessageEditor : IMessageEditor {
    QString AddressFieldText(int list) const override { return Fields[list]; }
    void SetAddressFieldText(int list, const QString& text) override { Fields[list] = text; }
    bool AddressFieldShown(int list) const override { return Shown[list]; }
    QString SubjectFieldText() const override { return Subject; }
    void SetSubjectFieldText(const QString& text) override { Subject = text; }
    QString EditorText() const override { return Text; }
    void SetEditorText(const QString& text) override { Text = text; }
    void SetLoadedDefaultMessage(int number) override { LoadedDefaultMessage = number; }
    void ChangeToEditor() override { Calls << "ChangeToEditor"; }
    void DistressEditorButton_Click() override { Calls << "DistressEditorButton_Click"; }

    QString Fields[3];
    bool Shown[3] = {true, true, true};
    QString Subject;
    QString Text;
    int LoadedDefaultMessage = -1;
    QStringList Calls;
};

}  // namespace tidepost::test
