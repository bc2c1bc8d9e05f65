#include <QApplication>
#include <QTest>

#include "CommSettingsFixture.h"

using namespace tidepost;
using tidepost::test::CommSettingsFixture;

namespace {

// The dialog as a keyboard user goes through it.
struct CommSettingsKeyboard : CommSettingsFixture {
    void OpenActive() {
        Open();
        QApplication::setActiveWindow(form.get());
        QTest::qWait(20);
    }
    QString FocusName() const {
        const QWidget* w = QApplication::focusWidget();
        return w ? w->objectName() : QString("(none)");
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* w = QApplication::focusWidget();
        QTest::keyClick(w ? w : form.get(), key, modifiers);
    }
    // The names the focus visits, Tab after Tab (or Shift+Tab), from where it is.
    QStringList Walk(int steps, bool back = false) {
        QStringList names;
        for (int i = 0; i < steps; ++i) {
            Key(back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
            names.append(FocusName());
        }
        return names;
    }
};

TEST_F(CommSettingsKeyboard, TabVisitsEveryUsableControlAndEntersTheOptionsAtTheChosenOne) {
    platform.Socket.State = ISocketControl::Connected;
    OpenActive();
    EXPECT_EQ(FocusName(), "TcuIpAdrList");
    EXPECT_EQ(Walk(8), (QStringList{"FFIP", "ForcedIP", "SetFixedIpButton", "ClearFixedIpButton", "OKButton",
                                    "CancelButton", "Option2", "TcuIpAdrList"}));
    EXPECT_EQ(Walk(2, true), (QStringList{"Option2", "CancelButton"}));

    // An arrow key on the options chooses the serial link; Tab then reaches its lists.
    Walk(1);
    ASSERT_EQ(FocusName(), "Option2");
    Key(Qt::Key_Up);
    EXPECT_EQ(FocusName(), "Option1");
    EXPECT_TRUE(Find<QRadioButton>("Option1")->isChecked());
    // With the unit still connected, its fixed address can be set from here too.
    EXPECT_EQ(Walk(8), (QStringList{"ComPortList", "BaudRateList", "ForcedIP", "SetFixedIpButton",
                                    "ClearFixedIpButton", "OKButton", "CancelButton", "Option1"}));
}

TEST_F(CommSettingsKeyboard, FocusComesBackToTheButtonAfterItsWait) {
    platform.Socket.State = ISocketControl::Connected;
    OpenActive();
    Button("ClearFixedIpButton")->setFocus();
    Key(Qt::Key_Space);
    ASSERT_TRUE(form->IsWaiting());
    EXPECT_NE(FocusName(), "ClearFixedIpButton");  // disabled meanwhile
    platform.Socket.PushIncoming("Connected");
    Step();
    EXPECT_FALSE(form->IsWaiting());
    EXPECT_EQ(FocusName(), "ClearFixedIpButton");
}

TEST_F(CommSettingsKeyboard, EnterIsOkAndEscapeIsCancel) {
    SetIniValue(f, "[HOST Interface]", "COM", true);
    OpenActive();
    Select("ComPortList", "2");
    Key(Qt::Key_Return);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(GetIniValue(f, "[HOST Interface]"), "COM");
    EXPECT_EQ(GetIniValue(f, "[COM port]"), "2");

    OpenActive();
    Select("ComPortList", "3");
    Key(Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(GetIniValue(f, "[COM port]"), "2");
}

TEST_F(CommSettingsKeyboard, EnterInTheAddressBoxIsOk) {
    OpenActive();
    Find<QComboBox>("TcuIpAdrList")->setFocus();
    Combo("TcuIpAdrList")->lineEdit()->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), "10.0.0.44");
    Key(Qt::Key_Return);
    EXPECT_EQ(GetIniValue(f, "[IP Settings]"), "10.0.0.44");
    EXPECT_TRUE(form->IsWaiting());
    EXPECT_EQ(Combo("TcuIpAdrList")->count(), 0);  // typed text is not added to the list
}

TEST_F(CommSettingsKeyboard, ControlsAreNamedForAScreenReader) {
    Open();
    for (const char* name : {"ComPortList", "BaudRateList", "TcuIpAdrList", "Option1", "Option2"}) {
        SCOPED_TRACE(name);
        QWidget* control = form->findChild<QWidget*>(name);
        const QLabel* buddy = nullptr;
        for (const QLabel* label : form->findChildren<QLabel*>())
            if (label->buddy() == control) buddy = label;
        EXPECT_TRUE(buddy != nullptr || !control->accessibleName().isEmpty());
    }
    EXPECT_EQ(Find<QRadioButton>("Option1")->accessibleName(), "Serial Communication");
    EXPECT_EQ(Find<QCheckBox>("FFIP")->accessibleName(), "Set fixed TCU IP address");
    EXPECT_EQ(Find<QLineEdit>("ForcedIP")->accessibleName(), "Fixed TCU IP address");
}

}  // namespace
