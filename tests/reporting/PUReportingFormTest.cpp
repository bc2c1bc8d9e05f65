#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QTest>
#include <gtest/gtest.h>

#include "ReportingFixture.h"
#include "reporting/PUReportingActions.h"

using namespace tidepost;
using test::ReportingFixture;

namespace {

struct Dialog : ReportingFixture {
    // The dialog as the list of a typical transceiver leaves it.
    void Fill() {
        link.Requests.PUReplyMode = 2;
        Dispatch(ListReply({ProgramLine(0, "local", "PU[i", "12,12345,1 101,23456,2"), ProgramLine(1, "closed", "PU[-"),
                            ProgramLine(2, "remote", "PU[s", "300,555,7"), ProgramLine(3, "local", "PU[s", "102,12345,3")}));
    }
};

TEST_F(Dialog, TheButtonsFollowTheStatusThenTheType) {
    // From a fresh dialog (no action buttons) and from one that shows all four.
    struct Case {
        QString status, type;
        QString fromNone, fromAll;
    } cases[] = {
        {"", "", "----", "NSTD"},    {"", "1", "N---", "N---"},  {"", "2", "----", "NSTD"},  {"", "3", "----", "----"},
        {"1", "", "---D", "---D"},   {"1", "1", "N---", "N---"}, {"1", "2", "---D", "---D"}, {"1", "3", "----", "----"},
        {"2", "", "--TD", "--TD"},   {"2", "1", "N---", "N---"}, {"2", "2", "--TD", "--TD"}, {"2", "3", "----", "----"},
        {"3", "", "-S-D", "-S-D"},   {"3", "1", "N---", "N---"}, {"3", "2", "-S-D", "-S-D"}, {"3", "3", "----", "----"},
        {"9", "7", "----", "NSTD"},
    };
    PUReportingForm& form = Form();
    for (const Case& c : cases) {
        SCOPED_TRACE(("status '" + c.status + "' type '" + c.type + "'").toStdString());
        for (bool all : {false, true}) {
            for (QPushButton* b : {form.NewButton(1), form.StartButton(1), form.StopButton(1), form.DeleteButton(1)})
                b->setVisible(all);
            form.SetProgramStatus(1, c.status);
            form.SetProgramType(1, c.type, "PU-");
            form.ApplyButtonTable(1);
            EXPECT_EQ(Buttons(1), all ? c.fromAll : c.fromNone);
        }
    }
}

TEST_F(Dialog, CodesOutsideTheNamesKeepTheCaption) {
    PUReportingForm& form = Form();
    EXPECT_TRUE(form.SetProgramType(2, "3", "ADS-"));
    EXPECT_EQ(Text("PrgType(2)"), "Type: ADS-Remote");
    EXPECT_FALSE(form.SetProgramType(2, "4", "PU-"));
    EXPECT_EQ(form.TypeCode(2), "4");
    EXPECT_EQ(Text("PrgType(2)"), "Type: ADS-Remote");
    EXPECT_TRUE(form.SetProgramStatus(2, ""));
    EXPECT_EQ(Text("PrgStatus(2)"), "Status: ");
    EXPECT_FALSE(form.SetProgramStatus(2, "12"));
    EXPECT_EQ(Text("PrgStatus(2)"), "Status: ");
}

TEST_F(Dialog, AFreshDialogShowsCaptionsButNoActionButtons) {
    PUReportingForm& form = Form();
    EXPECT_EQ(form.windowTitle(), "PU Reporting Setup");
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Buttons(i), "----");
        EXPECT_TRUE(form.StatusButton(i)->isEnabled());
        EXPECT_EQ(form.findChild<QGroupBox*>(QString("ProgramFrame(%1)").arg(i))->title(), QString("Program %1").arg(i + 1));
        EXPECT_EQ(Text(QString("PrgType(%1)").arg(i).toLatin1()), "Type:");
        EXPECT_EQ(Text(QString("PrgStatus(%1)").arg(i).toLatin1()), "Status:");
        EXPECT_EQ(form.StatusButton(i)->text(), "Status");
        EXPECT_EQ(form.NewButton(i)->text(), "New");
        EXPECT_EQ(form.StartButton(i)->text(), "Start");
        EXPECT_EQ(form.StopButton(i)->text(), "Stop");
        EXPECT_EQ(form.DeleteButton(i)->text(), "Delete");
    }
    EXPECT_EQ(form.OKButton()->text(), "Ok");
    EXPECT_EQ(Text("OceanLabel(3,2)"), "Pacific:");
    EXPECT_EQ(Text("ColumnHeader(0,0)"), "Ocean");
    EXPECT_EQ(Text("ColumnHeader(0,3)"), "Mem.No.");
    for (const char* name : {"LES1", "DNID16", "Mem9", "NewButton4", "StartButton3", "StopButton2", "DeleteButton1",
                             "Status4Button", "OKButton"})
        EXPECT_NE(form.findChild<QWidget*>(name), nullptr) << name;
}

TEST_F(Dialog, EveryValueSaysWhereItStands) {
    Fill();
    PUReportingForm& form = Form();
    EXPECT_EQ(form.LesLabel(0, 0)->accessibleDescription(), "Program 1, West, LES");
    EXPECT_EQ(form.DnidLabel(3, 1)->accessibleDescription(), "Program 4, East, DNID");
    EXPECT_EQ(form.MemLabel(2, 3)->accessibleDescription(), "Program 3, Indian, Mem.No.");
    EXPECT_EQ(form.findChild<QLabel*>("PrgStatus(1)")->accessibleDescription(), "Program 2");
    EXPECT_EQ(form.StartButton(3)->accessibleDescription(), "Program 4");
    // A label reads out its text; a button its caption.
    QAccessibleInterface* les = QAccessible::queryAccessibleInterface(form.LesLabel(0, 0));
    ASSERT_NE(les, nullptr);
    EXPECT_EQ(les->text(QAccessible::Name), "012");
    QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(&form);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->role(), QAccessible::Dialog);
    EXPECT_EQ(dialog->text(QAccessible::Name), "PU Reporting Setup");
}

TEST_F(Dialog, ALanguageChangeResetsTheLinesButKeepsCodesRowsAndButtons) {
    Fill();
    PUReportingForm& form = Form();
    f.Strings.Notifier.AnnounceLanguage(1049, "Russian");
    EXPECT_EQ(form.windowTitle(), "Настройка донесений PU");
    EXPECT_EQ(Text("PrgType(0)"), "Тип:");
    EXPECT_EQ(Text("PrgStatus(0)"), "Состояние:");
    EXPECT_EQ(form.TypeCode(0), "2");
    EXPECT_EQ(form.StatusCode(0), "2");
    EXPECT_EQ(Rows(0), (QStringList{"012 12345 1", "101 23456 2", "", ""}));
    EXPECT_EQ((QStringList{Buttons(0), Buttons(1), Buttons(2), Buttons(3)}), (QStringList{"--TD", "N---", "----", "-S-D"}));
    EXPECT_FALSE(form.StatusButton(1)->isEnabled());
    EXPECT_EQ(form.LesLabel(0, 1)->accessibleDescription(), "Программа 1, Восток, LES");
    // The names keep the language of the load; the "Type: " text follows the language.
    Fill();
    EXPECT_EQ(Text("PrgType(0)"), "Тип: PU-Local");
    EXPECT_EQ(Text("PrgStatus(3)"), "Состояние: Stopped");
    f.Strings.Notifier.AnnounceLanguage(1033, "English");
    EXPECT_EQ(Text("PrgType(0)"), "Type:");
}

// The dialog from the keyboard.
struct DialogKeys : Dialog {
    void ShowActive() {
        Fill();
        ASSERT_TRUE(FormShown());
        QApplication::setActiveWindow(&Form());
        QTest::qWait(20);
    }
    QString FocusName() const {
        const QWidget* w = QApplication::focusWidget();
        return w ? w->objectName() : QString("(none)");
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* w = QApplication::focusWidget();
        QTest::keyClick(w ? w : &Form(), key, modifiers);
    }
    QStringList Walk(int steps, bool back = false) {
        QStringList names;
        for (int i = 0; i < steps; ++i) {
            Key(back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
            names.append(FocusName());
        }
        return names;
    }
};

TEST_F(DialogKeys, TabWalksTheShownButtonsFrameByFrame) {
    ShowActive();
    EXPECT_EQ(FocusName(), "OKButton");
    EXPECT_EQ(Walk(10), (QStringList{"Status1Button", "StopButton1", "DeleteButton1", "NewButton2", "Status3Button",
                                     "Status4Button", "StartButton4", "DeleteButton4", "OKButton", "Status1Button"}));
    EXPECT_EQ(Walk(2, true), (QStringList{"OKButton", "DeleteButton4"}));
}

TEST_F(DialogKeys, EnterPressesTheButtonWithTheFocus) {
    f.gSession.SetMesConnected(true);
    ShowActive();
    Form().StatusButton(2)->setFocus();
    link.Dialogue.CommandQueue.clear();
    Key(Qt::Key_Return);
    EXPECT_EQ(link.Dialogue.CommandQueue, "pg -d 2\r\n");
    Key(Qt::Key_Space);
    EXPECT_EQ(link.Dialogue.CommandQueue, "pg -d 2\r\npg -d 2\r\n");
}

TEST_F(DialogKeys, EscapeIsOkExceptOnAStatusButton) {
    ShowActive();
    Form().StatusButton(0)->setFocus();
    Key(Qt::Key_Escape);
    EXPECT_TRUE(FormShown());
    for (const QString name : {"StartButton4", "StopButton1", "DeleteButton1", "NewButton2", "OKButton"}) {
        Form().findChild<QPushButton*>(name)->setFocus();
        Key(Qt::Key_Escape);
        EXPECT_FALSE(r.PUReportingForms.isLoaded()) << name.toStdString();
        EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty()) << name.toStdString();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ShowActive();
    }
}

TEST_F(DialogKeys, TheCloseBoxIsOk) {
    ShowActive();
    Form().close();
    EXPECT_FALSE(r.PUReportingForms.isLoaded());
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
}

}  // namespace
