#include <QTest>

#include "EditorFixture.h"
#include "messages/AddressBookForm.h"

using namespace tidepost;

namespace {

using ToFieldTest = test::EditorTest;

constexpr int kCtrl = 2;
constexpr int kAlt = 4;

TEST_F(ToFieldTest, KeyRules) {
    const struct {
        const char* name;
        QString before;
        int key;
        int shift;
        QString after;
        int sends;
    } cases[] = {
        {"End dropped", "Alice;", 35, 0, "Alice;", 0},
        {"Home dropped", "Alice;", 36, 0, "Alice;", 0},
        {"Up dropped", "Alice;", 38, 0, "Alice;", 0},
        {"Right dropped", "Alice;", 39, 0, "Alice;", 0},
        {"Backspace after the last name", "ALPHA;BRAVO;", 8, 0, "ALPHA;BRAVO", 0},
        {"Backspace on a name without its separator", "ALPHA;BRAVO", 8, 0, "ALPHA", 0},
        {"Backspace on the only name", "ALPHA", 8, 0, "", 0},
        {"Backspace on a half-typed name", "ALPHA;BR", 8, 0, "ALPHA", 0},
        {"Backspace with Shift", "ALPHA;BR", 8, 1, "ALPHA", 0},
        {"Backspace on nothing", "", 8, 0, "", 0},
        {"Ctrl+Enter sends", "Alice;", 13, kCtrl, "Alice;", 1},
        {"Ctrl+K normalises", "alice ; bob", 75, kCtrl, "Alice;Bob;", 0},
        {"Alt+K normalises", "carol", 75, kAlt, "Carol;", 0},
        {"Ctrl+Shift+K is passed on", "carol", 75, kCtrl | 1, "carol", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        controls.ToFieldText->setText(c.before);
        controls.ToFieldText->setCursorPosition(0);
        host.Sends = 0;
        int key = c.key;
        editor->ToFieldText_KeyDown(key, c.shift);
        EXPECT_EQ(controls.ToFieldText->text(), c.after);
        EXPECT_EQ(host.Sends, c.sends);
        if (c.key != 75 || c.shift != (kCtrl | 1)) {
            EXPECT_EQ(key, 0) << "the key has no further effect";
            if (c.key == 8 || c.key == 75) {
                EXPECT_EQ(controls.ToFieldText->cursorPosition(), controls.ToFieldText->text().size());
            }
        } else {
            EXPECT_EQ(key, 75);
        }
    }
}

TEST_F(ToFieldTest, LeavingTheFieldWritesTheNamesAsTheBookHasThem) {
    for (const auto& [typed, after] : {std::pair<QString, QString>{"alice ; bob", "Alice;Bob;"},
                                       {"ALICE;carol ;", "Alice;Carol;"},
                                       {"  ", ""},
                                       {"", ""}}) {
        SCOPED_TRACE(typed.toStdString());
        controls.ToFieldText->setText(typed);
        editor->ToFieldText_LostFocus();
        EXPECT_EQ(controls.ToFieldText->text(), after);
    }
}

TEST_F(ToFieldTest, TheDistressAddressIsLocked) {
    f.gSession.SetMessagePriority(1);
    controls.ToFieldText->setText("SEARCH & RESCUE;");
    editor->EnableEditorGUI(false);
    for (const auto& [key, shift] : {std::pair{8, 0}, {75, kCtrl}, {75, kAlt}, {37, 0}}) {
        SCOPED_TRACE(key);
        int code = key;
        editor->ToFieldText_KeyDown(code, shift);
        EXPECT_EQ(controls.ToFieldText->text(), "SEARCH & RESCUE;");
    }
    editor->ToFieldText_LostFocus();
    editor->AddressField_DblClick(MessageEditor::To);
    EXPECT_EQ(controls.ToFieldText->text(), "SEARCH & RESCUE;");
    EXPECT_FALSE(m.AddressBookForms.AddressBookForm.isLoaded()) << "a double-click opens no book";

    // Alt+T still reaches the To button's command.
    int code = 84;
    editor->ToFieldText_KeyDown(code, kAlt);
    EXPECT_TRUE(m.AddressBookForms.AddressBookForm.isLoaded());
    m.AddressBookForms.AddressBookForm.unload();
}

TEST_F(ToFieldTest, EnableEditorGuiByPriority) {
    for (quint8 priority : {0, 1}) {
        for (bool enable : {false, true}) {
            SCOPED_TRACE(std::to_string(priority) + (enable ? " enable" : " disable"));
            f.gSession.SetMessagePriority(priority);
            editor->EnableEditorGUI(enable);
            for (QWidget* w : {static_cast<QWidget*>(controls.ToButton), static_cast<QWidget*>(controls.CCButton),
                               static_cast<QWidget*>(controls.BccButton), static_cast<QWidget*>(controls.CCFieldText),
                               static_cast<QWidget*>(controls.BccFieldText), controls.SubjectLabel.data(),
                               static_cast<QWidget*>(controls.SubjectFieldText)})
                EXPECT_EQ(w->isEnabled(), enable) << w->objectName().toStdString();
            const bool distress = priority == 1;
            EXPECT_EQ(controls.ToFieldText->isReadOnly(), distress);
            EXPECT_TRUE(controls.ToFieldText->isEnabled()) << "the To field itself is never disabled";
            EXPECT_EQ(controls.AddrbookButton->isEnabled(), !distress);
            const QColor text = controls.ToFieldText->palette().color(QPalette::Text);
            EXPECT_EQ(text == QColor(Qt::red), distress);
            EXPECT_EQ(controls.Editor->palette().color(QPalette::Text) == QColor(Qt::red), distress);
        }
    }
}

TEST_F(ToFieldTest, HeaderFieldsAreEditableOnlyInTheRoutineEditorView) {
    for (int view = 0; view <= 5; ++view) {
        for (quint8 priority : {0, 1}) {
            host.View = view;
            f.gSession.SetMessagePriority(priority);
            EXPECT_EQ(editor->HeaderFieldsEditable(), view == 0 && priority == 0) << view << " " << int(priority);
        }
    }
}

}  // namespace
