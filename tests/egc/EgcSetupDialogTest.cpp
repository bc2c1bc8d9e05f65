#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "EgcFixture.h"
#include "egc/EGCForm.h"
#include "egc/ENIDForm.h"
#include "egc/EgcSetup.h"
#include "foundation/AppSettings.h"

namespace tidepost::test {
namespace {

struct EgcSetupFixture : EgcFixture {
    EgcSetupFixture() { f.gSession.SetMesConnected(true); }
    ~EgcSetupFixture() override {
        e.Setup.EGCForms.unload();
        e.Setup.ENIDForms.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString End() const { return link.Dialogue.EchoTerminator; }
    QString SeReply(const QString& w = "1") const {
        const QString n = End();
        return "se" + n + "-e (num)  value is 0                    EGC receiver only" + n +
               "-a (num)  value is 1                    System messages" + n +
               (w.isNull() ? QString() : "-w (num)  value is " + w.leftJustified(21) + "SafetyNET" + n) +
               "-y (str)  value is ABDL                 Message types" + n + prompt;
    }
    QString StoredPositions() { return GetAppSetting(f, f.gProductName, "Config", "Fixed Positions", "<none>"); }
    // Opens the setup and answers its four queries as a transceiver with the given replies.
    void OpenAndAnswer(const QString& fx, const QString& se, const QString& sx, const QString& sn) {
        OpenEGCSetup(e);
        Dispatch(fx);
        Dispatch(se);
        Dispatch(sx);
        Dispatch(sn);
        link.Dialogue.CommandQueue.clear();
    }
    void OpenAsRead(const QString& se) {
        const QString n = End();
        OpenAndAnswer("fx 5,N,120,W" + n + prompt, se, "se -x" + n + "-x (str)  value is ABCDE" + n + prompt,
                      "se -sn" + n + "Spare Navareas:" + n + "3" + n + "0" + n + "16" + n + n + prompt);
    }
    EGCForm& Form() { return e.Setup.EGCForms.get(); }
};

TEST_F(EgcSetupFixture, OpeningQueuesFourCommandsEachEndedByCrLf) {
    for (const QString& end : {QString("\r\n"), QString("\r\r\n"), QString("\n")}) {
        link.Dialogue.EchoTerminator = end;
        link.Dialogue.CommandQueue.clear();
        OpenEGCSetup(e);
        EXPECT_EQ(link.Dialogue.CommandQueue, "fx \r\nse\r\nse -x\r\nse -sn\r\n");
    }
    SaveAppSetting(f, f.gProductName, "Config", "Fixed Positions", " 5,N,120,W");
    link.Dialogue.CommandQueue.clear();
    OpenEGCSetup(e);
    EXPECT_TRUE(link.Dialogue.CommandQueue.startsWith("fx 5,N,120,W\r\nse\r\n"));
    EXPECT_TRUE(window.Calls.contains("ShowWaitForm"));
}

TEST_F(EgcSetupFixture, RepliesFillTheDialogAndOkWritesBackWhatWasRead) {
    for (const QString& end : {QString("\r\n"), QString("\r\r\n")}) {
        SCOPED_TRACE(end.size());
        link.Dialogue.EchoTerminator = end;
        link.Dialogue.EchoTerminatorLength = end.size();
        SaveAppSetting(f, f.gProductName, "Config", "Fixed Positions", " 5,N,120,W");
        OpenAsRead(SeReply());
        EGCForm& form = Form();
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(window.Calls.last(), "UnloadWaitForm");
        EXPECT_EQ(form.CoastalWarningAreasText->text(), "ABCDE");
        EXPECT_EQ(form.AdditionalNAVAREACombo[2]->currentText(), "16");
        EXPECT_EQ(form.FixLonDegText[0]->text(), "120");
        EXPECT_EQ(form.FixLonCombo[0]->currentText(), "W");
        form.CoastalWarningAreasText->setText("");
        QTest::keyClicks(form.CoastalWarningAreasText, "ab");
        form.OKButton_Click();
        EXPECT_EQ(Queued(), QStringList({"se -e 0", "se -a 1", "se -w 1", "se -sn 3,0,16,0", "se -n 1", "se -x AB",
                                         "se -y ABDL", "fx 5,N,120,W"}));
        EXPECT_EQ(StoredPositions(), " 5,N,120,W");
        EXPECT_FALSE(e.Setup.EGCForms.isLoaded());
        link.Dialogue.CommandQueue.clear();
    }
}

TEST_F(EgcSetupFixture, WhatWasNotReadIsNotWrittenBack) {
    const QString n = End();
    // No "-w " line, no coastal value, no spare NAVAREA list, and a unit without fixed positions.
    OpenAndAnswer("fx " + n + "ERROR 120: not supported" + n + prompt, SeReply(QString()),
                  "se -x" + n + "ERROR 3" + n + prompt, "se -sn" + n + "3" + n + prompt);
    EGCForm& form = Form();
    EXPECT_EQ(form.SafetyNETCheck->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(form.AddNavareaCheck->checkState(), Qt::PartiallyChecked);
    EXPECT_FALSE(form.FixLatDegText[0]->isEnabled());
    EXPECT_FALSE(form.AdditionalNAVAREACombo[1]->isVisible());
    form.OKButton_Click();
    EXPECT_EQ(Queued(), QStringList({"se -e 0", "se -a 1", "se -y ABDL"}));
    EXPECT_EQ(StoredPositions(), "");
}

TEST_F(EgcSetupFixture, TheBareReceiverOnlyReplyOpensTheDialog) {
    struct Case {
        QString value;
        Qt::CheckState expected;
    };
    for (const Case& c : QList<Case>{{"1", Qt::Checked}, {"0", Qt::Unchecked}, {"7", Qt::PartiallyChecked}}) {
        window.Calls.clear();
        Dispatch("se -e\r\n-e (num)  value is " + c.value + "\r\n" + prompt);
        ASSERT_TRUE(e.Setup.EGCForms.isLoaded());
        EXPECT_EQ(Form().EGCOnlyCheck->checkState(), c.expected);
        EXPECT_TRUE(Form().isVisible());
        EXPECT_EQ(window.Calls, QStringList{"UnloadWaitForm"});
    }
}

TEST_F(EgcSetupFixture, AGreyBoxClickedTakesAValueOfItsOwn) {
    OpenAsRead(SeReply(QString()));
    EGCForm& form = Form();
    ASSERT_EQ(form.SafetyNETCheck->checkState(), Qt::PartiallyChecked);
    form.show();
    QTest::mouseClick(form.SafetyNETCheck, Qt::LeftButton);
    EXPECT_EQ(form.SafetyNETCheck->checkState(), Qt::Checked);
    QTest::mouseClick(form.SafetyNETCheck, Qt::LeftButton);
    EXPECT_EQ(form.SafetyNETCheck->checkState(), Qt::Unchecked);
    form.OKButton_Click();
    EXPECT_TRUE(Queued().contains("se -w 0"));
}

TEST_F(EgcSetupFixture, OpenedWithoutTheLinkSendsNothingAndSaysSo) {
    f.gSession.SetMesConnected(false);
    OpenEGCSetup(e);
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EGCForm& form = Form();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.CoastalWarningAreasText->text(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    // The link comes up while the dialog is open: its defaults are still not the transceiver's.
    f.gSession.SetMesConnected(true);
    form.OKButton_Click();
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_EQ(StoredPositions(), "<none>");
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].text, "Error: No transceiver commnuication");
    EXPECT_FALSE(e.Setup.EGCForms.isLoaded());
}

TEST_F(EgcSetupFixture, RangeChecksStopOkWithTheFieldSelected) {
    struct Case {
        QString lat, lon;
        bool passes;
        QString start;
    };
    const QList<Case> cases = {
        {"91", "0", false, "Error: Latitude"}, {"90", "180", true, ""}, {"0", "181", false, "Error: Longitude"},
        {"", "", true, ""}, {"5a", "1", false, "Error: Latitude"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.lat + "/" + c.lon).toStdString());
        platform.Boxes.Shown.clear();
        link.Dialogue.CommandQueue.clear();
        OpenAsRead(SeReply());
        EGCForm& form = Form();
        form.FixLatDegText[3]->setText(c.lat);
        form.FixLonDegText[3]->setText(c.lon);
        platform.Boxes.Answer(MsgAnswer::Ok);
        form.OKButton_Click();
        EXPECT_EQ(e.Setup.EGCForms.isLoaded(), !c.passes);
        if (c.passes) {
            EXPECT_FALSE(Queued().isEmpty());
            continue;
        }
        EXPECT_TRUE(Queued().isEmpty());
        ASSERT_EQ(platform.Boxes.Shown.size(), 1);
        EXPECT_TRUE(platform.Boxes.Shown[0].text.startsWith(c.start));
        EXPECT_EQ(platform.Boxes.Shown[0].title, "Validation error");
        form.CancelButton_Click();
    }
}

TEST_F(EgcSetupFixture, KeyFiltersAndTheTypingLimit) {
    OpenAsRead(SeReply());
    EGCForm& form = Form();
    form.show();
    form.FixLatDegText[0]->clear();
    QTest::keyClicks(form.FixLatDegText[0], "-4.5x");
    EXPECT_EQ(form.FixLatDegText[0]->text(), "45");
    form.CoastalWarningAreasText->clear();
    QTest::keyClicks(form.CoastalWarningAreasText, "b 1cdefghijklmnop");
    // ProductType 0 takes eleven letters.
    EXPECT_EQ(form.CoastalWarningAreasText->text(), "BCDEFGHIJKL");
    const int before = form.AdditionalNAVAREACombo[0]->currentIndex();
    QTest::keyClicks(form.AdditionalNAVAREACombo[0], "7");
    EXPECT_EQ(form.AdditionalNAVAREACombo[0]->currentIndex(), before);
    f.gSession.SetProductType(5);
    EXPECT_EQ(form.CoastalTypingLimit(), 26);
}

TEST_F(EgcSetupFixture, TabReachesEveryControlAndEachIsNamed) {
    OpenAsRead(SeReply());
    EGCForm& form = Form();
    form.show();
    QList<QWidget*> reached;
    QWidget* w = form.EGCOnlyCheck;
    do {
        reached << w;
        w = w->nextInFocusChain();
    } while (w != form.EGCOnlyCheck && reached.size() < 200);
    for (QWidget* control : form.findChildren<QWidget*>()) {
        if (control->focusPolicy() & Qt::TabFocus && !qobject_cast<QLineEdit*>(control->parent())) {
            EXPECT_TRUE(reached.contains(control)) << control->objectName().toStdString();
        }
    }
    EXPECT_EQ(form.FixLatDegText[0]->accessibleName(), "Fixed Pos. 1: Latitude: Deg.");
    EXPECT_EQ(form.FixLonCombo[4]->accessibleName(), "Fixed Pos. 5: Longitude: East/West");
    EXPECT_EQ(form.CoastalWarningAreasText->accessibleName(), "Coastal Warning Areas [A..Z]:");
    EXPECT_FALSE(form.AdditionalNAVAREACombo[0]->accessibleName().isEmpty());
}

// A "st -g" reply: header, one line per ENID, the count line.
QString EnidReply(const QString& n, const QStringList& rows) {
    return "st -g" + n + n + "EGC Network ID list" + n + rows.join(n) + (rows.isEmpty() ? "" : n) + " 8 ENID(s) stored" +
           n + "can0:/$ ";
}
QString EnidRow(const QString& provider, const QString& enid, const QString& tail = "") {
    return QChar(2) + provider.leftJustified(20) + QChar(3) + "  " + QChar(2) + enid.rightJustified(6) + QChar(3) + tail;
}

TEST_F(EgcSetupFixture, EnidListParsing) {
    for (const QString& n : {QString("\r\n"), QString("\r\r\n")}) {
        cENID list(f);
        list.SaveData(EnidReply(n, {EnidRow("Fleet & Co", "89", " DISABLED"), EnidRow("Letters", "8x9"),
                                    EnidRow("Harbour", "1204", " enabled"), "no stx here", EnidRow("After", "5")}),
                      n);
        ASSERT_EQ(list.m_CountEnids(), 2);
        EXPECT_TRUE(list.m_IsLoaded());
        EXPECT_EQ(list.GetEnids()[0], (EnidEntry{89, "Fleet & Co", 0}));
        EXPECT_EQ(list.GetEnids()[1], (EnidEntry{1204, "Harbour", 1}));
        list.SaveData(EnidReply(n, {EnidRow("A", "1"), "", EnidRow("B", "2")}), n);
        EXPECT_EQ(list.m_CountEnids(), 1);  // the empty line ends the list
        list.SaveData(EnidReply(n, {}), n);
        EXPECT_FALSE(list.m_IsLoaded());
        list.SaveData("st -g" + n + "something else" + n + EnidRow("A", "1") + n, n);
        EXPECT_FALSE(list.m_IsLoaded());
    }
    EXPECT_FALSE(ErrorLogText().contains("missing"));
    cENID list(f);
    const QString broken = QString(QChar(2)) + "No end of provider";
    const QString noSecond = QString(QChar(2)) + "Prov" + QChar(3) + " 12";
    const QString noSecondEnd = QString(QChar(2)) + "Prov" + QChar(3) + QChar(2) + " 12";
    list.SaveData(EnidReply("\r\n", {broken, noSecond, noSecondEnd, EnidRow("Good", "7")}), "\r\n");
    EXPECT_EQ(list.m_CountEnids(), 1);
    const QString log = ErrorLogText();
    EXPECT_EQ(log.count("ENID.SaveData: <ETX> missing in line"), 2);
    EXPECT_EQ(log.count("ENID.SaveData: <STX> missing in line"), 1);
}

TEST_F(EgcSetupFixture, EnidListOpensOnItsReplyAndOkSendsOnlyChangedRows) {
    f.gSession.SetMesConnected(false);
    OpenEnidList(e);
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    f.gSession.SetMesConnected(true);
    OpenEnidList(e);
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -g\r\n");
    link.Dialogue.CommandQueue.clear();
    Dispatch(EnidReply("\r\n", {EnidRow("Fleet & Co", "89", " disabled"), EnidRow("Harbour", "1204"),
                                EnidRow("Pilots", "77")}));
    ASSERT_TRUE(e.Setup.ENIDForms.isLoaded());
    ENIDForm& form = e.Setup.ENIDForms.get();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(window.Calls.last(), "UnloadWaitForm");
    ASSERT_EQ(form.CheckEnabled.size(), 3);
    EXPECT_EQ(form.LabelProvider[0]->text(), "Fleet & Co");
    EXPECT_EQ(form.LabelStatus[0]->text(), "Disabled");
    EXPECT_EQ(form.CheckEnabled[1]->accessibleName(), "Enable Harbour 1204");
    // A provider clicked twice is as it was; ENID 89 ticked, 77 cleared.
    QTest::mouseClick(form.LabelProvider[1], Qt::LeftButton);
    QTest::mouseClick(form.LabelProvider[1], Qt::LeftButton);
    form.LabelProvider_Click(0);
    QTest::keyClick(form.CheckEnabled[2], Qt::Key_Space);
    EXPECT_EQ(form.LabelStatus[0]->text(), "Disabled");
    form.OKButton_Click();
    EXPECT_EQ(Queued(), QStringList({"st -g e89", "st -g d77"}));
    EXPECT_FALSE(e.Setup.ENIDForms.isLoaded());
}

TEST_F(EgcSetupFixture, EnidListWithoutEnidsSaysSo) {
    Dispatch(EnidReply("\r\n", {}));
    ENIDForm& form = e.Setup.ENIDForms.get();
    EXPECT_EQ(form.LabelNo[0]->text(), "No ENID's in mobile.");
    EXPECT_FALSE(form.CheckEnabled[0]->isVisible());
    form.OKButton_Click();
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
}

TEST_F(EgcSetupFixture, UntickingOneRowSendsOnlyIt) {
    Dispatch(EnidReply("\r\n", {EnidRow("Fleet", "89"), EnidRow("Harbour", "1204")}));
    ENIDForm& form = e.Setup.ENIDForms.get();
    form.CheckEnabled[0]->setChecked(false);
    EXPECT_EQ(form.PendingCommands(), QStringList({"st -g d89"}));
}

}  // namespace
}  // namespace tidepost::test
