#pragma once
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>

#include "distress/DistressEditorInfo.h"
#include "editor/EditorControls.h"
#include "editor/EditorWiring.h"
#include "editor/IEditorHost.h"
#include "editor/MessageEditor.h"
#include "foundation/IMainForm.h"
#include "messages/AddressBookFile.h"
#include "messages/AddressBookFixture.h"

namespace tidepost::test {

// The main window as the editor sees it: what was asked of it, in order.
struct FakeEditorHost : IEditorHost {
    int MessageLogShown() const override { return View; }
    void SetMessageLogShown(int view) override { View = view; }
    void MainFormSetUp() override { Calls << "MainFormSetUp"; }
    void Form_Resize() override { Calls << "Form_Resize"; }
    void ApplyIspCcBccAvailability() override { Calls << "ApplyIspCcBccAvailability"; }
    bool AddressRowShown(int list) const override { return RowShown[list]; }
    void HotListAdd(int id, int parentId) override { HotList << qMakePair(id, parentId); }
    void SendButton_Click() override { ++Sends; }
    void ApplyViewerTextSize(int size) override { ViewerSizes << size; }
    QWidget* Owner() override { return nullptr; }

    int View = 0;
    bool RowShown[3] = {true, true, true};
    QStringList Calls;
    QList<QPair<int, int>> HotList;
    int Sends = 0;
    QList<int> ViewerSizes;
};

// The status bar's panels.
struct FakeStatusPanels : IMainForm {
    void SetStatusPanelText(int panel, const QString& text) override { Panels[panel] = text; }
    int DisplayColorBits() const override { return 24; }
    QWidget* Form() override { return nullptr; }
    void mnuExit_Click() override {}
    QMap<int, QString> Panels;
};

// The editor's controls as real widgets in a window of their own, with the address book
// "Alice" and "Bob" on file, wired as in the main window.
class EditorTest : public AddressBookTest {
protected:
    EditorTest() {
        auto* layout = new QVBoxLayout(&window);
        for (const char* name : {"ToFieldText", "CCFieldText", "BccFieldText", "SubjectFieldText"}) {
            auto* field = new QLineEdit(&window);
            field->setObjectName(name);
            layout->addWidget(field);
        }
        for (const char* name : {"ToButton", "CCButton", "BccButton", "AddrbookButton", "EditorButton"}) {
            auto* button = new QPushButton(name, &window);
            button->setObjectName(name);
            layout->addWidget(button);
        }
        auto* label = new QLabel("Subject:", &window);
        label->setObjectName("SubjectLabel");
        layout->addWidget(label);
        auto* body = new QPlainTextEdit(&window);
        body->setObjectName("Editor");
        layout->addWidget(body);
        for (const char* name : {"mnuMsgTextSizeInc", "mnuMsgTextSizeDec", "mnuDos866Cyrillic",
                                 "mnuWindows1251Cyrillic", "mnuDontSendMsg", "mnuCut", "mnuCopy", "mnuPaste"}) {
            auto* item = new QAction(name, &window);
            item->setObjectName(name);
            window.addAction(item);
        }
        controls = EditorControls::FindIn(&window);
        editor = std::make_unique<MessageEditor>(m, controls, host);
        wiring = std::make_unique<EditorWiring>(*editor, controls);
        f.Windows.MainForm = &panels;
        m.Editor = editor.get();

        WriteBook("Alice:Email:5:alice@example.org\r\nBob:Telex:5:4712345\r\nCarol:Fax:5:4455\r\n");
        ReadAddressBookFile(m);
    }
    ~EditorTest() override {
        m.Editor = nullptr;
        f.Windows.MainForm = nullptr;
    }

    QLineEdit* Field(MessageEditor::Field field) const {
        return field == MessageEditor::To ? controls.ToFieldText : field == MessageEditor::Cc ? controls.CCFieldText
                                                                                              : controls.BccFieldText;
    }
    QString Body() const { return BodyText(controls); }

    // The distress editor's question is answered Yes or No, its notice with OK; the texts shown
    // are kept in DistressInfoTexts.
    void AnswerDistressQuestion(bool yes) {
        platform.Boxes.OnDialog = [this, yes](QDialog& dialog) {
            auto* info = dynamic_cast<DistressEditorInfo*>(&dialog);
            if (!info) return;
            DistressInfoTexts << info->windowTitle() + "|" + info->DistressEditorInfoText->text();
            if (info->CancelButton && !yes) info->CancelButton->click();
            else info->OKButton->click();
        };
    }
    QStringList DistressInfoTexts;

    QWidget window;
    EditorControls controls;
    FakeEditorHost host;
    FakeStatusPanels panels;
    std::unique_ptr<MessageEditor> editor;
    std::unique_ptr<EditorWiring> wiring;
};

}  // namespace tidepost::test
