#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "ReportingFixture.h"
#include "reporting/DNIDPUProgramForm.h"
#include "reporting/DnidProgramSetup.h"

using namespace tidepost;
using test::ReportingFixture;

namespace {

const QString kNorth = ReportingFixture::DnidLine("North Sea Fleet Services", 1, 12, 12345, 1);
const QString kHarbour = ReportingFixture::DnidLine("Harbour Data Ltd", 1, 102, 12345, 3);
const QString kIndian = ReportingFixture::DnidLine("Indian Ocean Reports", 0, 305, 777, 12);

TEST(DnidProgramTime, OneTenThousandthOfADayHalvesToEven) {
    struct Case {
        int hours, minutes, units;
    } cases[] = {{1, 0, 417}, {0, 30, 208}, {0, 27, 188}, {0, 45, 312}, {0, 2, 14}, {6, 30, 2708}, {0, 0, 0}, {23, 59, 9993}};
    for (const Case& c : cases) EXPECT_EQ(ReportTimeUnits(c.hours, c.minutes), c.units) << c.hours << ":" << c.minutes;
}

TEST(DnidProgramLine, ColumnsMakeTheItemAndTheEntry) {
    DnidProgramItem item;
    ASSERT_TRUE(ReadDnidProgramLine(kNorth, item));
    EXPECT_EQ(item.Text, "North Sea Fleet Services  012 12345 001");
    EXPECT_EQ(item.Entry, "012,12345,001");
    EXPECT_EQ(item.Ocean, 0);
    ASSERT_TRUE(ReadDnidProgramLine(ReportingFixture::DnidLine("Twenty-seven characters abc", 1, 399, 5, 2), item));
    EXPECT_EQ(item.Text, "Twenty-seven characters a 399 00005 002");
    EXPECT_EQ(item.Ocean, 3);
    struct Case {
        const char* what;
        QString line;
        int ocean;  // -1: adds nothing
    } cases[] = {
        {"East", kHarbour, 1},
        {"Pacific", ReportingFixture::DnidLine("P", 1, 200, 1, 1), 2},
        {"blank LES", QString(kNorth).replace(30, 3, "   "), -1},
        {"LES 400", ReportingFixture::DnidLine("X", 1, 400, 1, 1), -1},
        {"LES 000", ReportingFixture::DnidLine("X", 1, 0, 1, 1), -1},
        {"a quote in the DNID", QString(kNorth).replace(35, 1, "\""), -1},
        {"a comma in the member", QString(kNorth).replace(43, 1, ","), -1},
        {"a short line", kNorth.left(36), 0},
    };
    for (const Case& c : cases) {
        DnidProgramItem read;
        EXPECT_EQ(ReadDnidProgramLine(c.line, read), c.ocean >= 0) << c.what;
        if (c.ocean >= 0) {
            EXPECT_EQ(read.Ocean, c.ocean) << c.what;
        }
    }
}

TEST(DnidProgramLines, EveryLineBetweenHeaderAndTrailerWithEachLineEnd) {
    for (const QString end : {"\r\n", "\n", "\r\r\n"}) {
        const QString block = "Name Rd" + end + "one" + end + end + "two" + end + "2 DNID(s) stored";
        EXPECT_EQ(DnidProgramLines(block, end), (QStringList{"one", "", "two"})) << end.size();
    }
    EXPECT_TRUE(DnidProgramLines("Name Rd\r\n0 DNID(s) stored", "\r\n").isEmpty());
    EXPECT_TRUE(DnidProgramLines("", "\r\n").isEmpty());
    EXPECT_TRUE(DnidProgramLines("Name Rd\r\nx\r\n1 DNID(s) stored", "").isEmpty());
}

TEST(DnidProgramCommands, TheListTimingAndStart) {
    struct Case {
        const char* what;
        NewProgramSetup setup;
        QStringList commands;
        QStringList repaired = {};  // start hour, start minute, interval hour, interval minute afterwards
    } cases[] = {
        {"West, an hour, at once",
         {0, {"012,12345,001", "", "", ""}, "00", "00", "01", "00", false},
         {"pg -o \"012,12345,001 \"", "pg -p 0,417", "pg -i 0,P"}},
        {"West and East for program 2",
         {1, {"012,12345,001", "102,12345,003", "", ""}, "00", "00", "01", "00", true},
         {"pg -o \"012,12345,001 102,12345,003 \"", "pg -p 1,417", "pg -i 1,P"}},
        {"Indian only: no trailing blank",
         {3, {"", "", "", "305,00777,012"}, "00", "00", "00", "30", true},
         {"pg -o \"305,00777,012\"", "pg -p 3,208", "pg -i 3,P"}},
        {"all four",
         {2, {"1", "2", "3", "4"}, "00", "00", "00", "45", true},
         {"pg -o \"1 2 3 4\"", "pg -p 2,312", "pg -i 2,P"}},
        {"a start time",
         {0, {"012,12345,001", "", "", ""}, "06", "30", "01", "00", false},
         {"pg -o \"012,12345,001 \"", "pg -p 0,417,2708"}},
        {"only start minutes",
         {0, {"012,12345,001", "", "", ""}, "00", "15", "00", "27", false},
         {"pg -o \"012,12345,001 \"", "pg -p 0,188,104"}},
        {"Immediately wins over an hour chosen before",
         {0, {"012,12345,001", "", "", ""}, "05", "00", "01", "00", true},
         {"pg -o \"012,12345,001 \"", "pg -p 0,417", "pg -i 0,P"}},
        {"a short interval is raised to 20",
         {0, {"012,12345,001", "", "", ""}, "00", "00", "00", "02", true},
         {"pg -o \"012,12345,001 \"", "pg -p 0,20", "pg -i 0,P"}},
        {"hour 24 counts as 0",
         {0, {"012,12345,001", "", "", ""}, "24", "60", "24", "30", false},
         {"pg -o \"012,12345,001 \"", "pg -p 0,208", "pg -i 0,P"},
         {"00", "00", "00", "30"}},
        {"negative and empty texts",
         {0, {"012,12345,001", "", "", ""}, "-3", "", "", "-1", false},
         {"pg -o \"012,12345,001 \"", "pg -p 0,20", "pg -i 0,P"},
         {"00", "", "", "00"}},
        {"no DNID chosen", {0, {"", "", "", ""}, "00", "00", "01", "00", true}, {}},
        {"no program", {-1, {"012,12345,001", "", "", ""}, "00", "00", "01", "00", true}, {}},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(NewProgramCommands(c.setup), c.commands);
        if (!c.repaired.isEmpty()) {
            EXPECT_EQ((QStringList{c.setup.StartHour, c.setup.StartMinute, c.setup.IntervalHour, c.setup.IntervalMinute}),
                      c.repaired);
        }
    }
}

struct SetUpDialog : ReportingFixture {
    SetUpDialog() {
        f.gSession.SetMesConnected(true);
        // Programs 2 and 4 are closed.
        for (int i = 0; i < 4; ++i) Form().SetProgramType(i, i == 1 || i == 3 ? "1" : "2", "PU-");
    }
    DNIDPUProgramForm& New(const QStringList& lines) {
        r.DnidReplyTarget = 1;
        Dispatch(DnidReply(lines));
        return *r.DNIDPUProgramForms.loaded();
    }
    static QStringList Items(const QComboBox* box) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
        return items;
    }
    QString Queue() const { return link.Dialogue.CommandQueue; }
};

TEST_F(SetUpDialog, TheReplyFillsTheListsOfTheLowestClosedProgram) {
    DNIDPUProgramForm& form = New({kNorth, kHarbour, kIndian, DnidLine("Nowhere", 1, 450, 1, 1)});
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), "PU Program 2");
    EXPECT_EQ(form.ProgramIndex, 1);
    EXPECT_EQ(Items(form.WestLESCombo), QStringList{"North Sea Fleet Services  012 12345 001"});
    EXPECT_EQ(Items(form.EastLESCombo), QStringList{"Harbour Data Ltd          102 12345 003"});
    EXPECT_EQ(Items(form.IndianLESCombo), QStringList{"Indian Ocean Reports      305 00777 012"});
    EXPECT_EQ(form.PacificLESCombo->count(), 0);
    for (QComboBox* box : {form.WestLESCombo, form.EastLESCombo, form.IndianLESCombo}) {
        EXPECT_EQ(box->currentIndex(), -1);
        EXPECT_EQ(box->placeholderText(), "Choose DNID from list");
        EXPECT_FALSE(box->isEditable());
        EXPECT_EQ(box->font().family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    }
    EXPECT_EQ(form.PacificLESCombo->placeholderText(), "No DNID for this ocean");
    EXPECT_EQ((QStringList{form.StartHour->currentText(), form.StartMinute->currentText(),
                           form.IntervalHour->currentText(), form.IntervalMinute->currentText()}),
              (QStringList{"00", "00", "01", "00"}));
    EXPECT_FALSE(form.StartCheck->isChecked());
    EXPECT_TRUE(form.StartHour->isEnabled());
    EXPECT_EQ(window.Calls.last(), "UnloadWaitForm");
}

TEST_F(SetUpDialog, EachLineEndOfTheEchoFillsTheLists) {
    for (const QString end : {"\r\n", "\n", "\r\r\n"}) {
        UseLineEnd(end);
        DNIDPUProgramForm& form = New({kNorth, kHarbour});
        EXPECT_EQ(form.WestLESCombo->count(), 1) << end.size();
        EXPECT_EQ(form.EastLESCombo->count(), 1) << end.size();
    }
}

TEST_F(SetUpDialog, OkSetsTheProgramUpAndAsksForTheListAgain) {
    DNIDPUProgramForm& form = New({kNorth, kHarbour});
    form.WestLESCombo->setCurrentIndex(0);
    form.IntervalHour->setEditText("01");
    form.StartCheck->click();
    window.Calls.clear();
    form.OKButton->click();
    EXPECT_EQ(Queue(), "pg -o \"012,12345,001 \"\r\npg -p 1,417\r\npg -i 1,P\r\npg -d\r\nse -z posformat=pu\r\n");
    EXPECT_EQ(window.Calls, (QStringList{"ShowPleaseWait", "HidePleaseWait", "ShowWaitForm"}));
    EXPECT_EQ(window.PleaseWaitCaption, "Saving PU Settings in Modem.");
    EXPECT_FALSE(r.DNIDPUProgramForms.isLoaded());
}

TEST_F(SetUpDialog, WithoutAClosedProgramOkOnlyRefreshes) {
    Form().SetProgramType(1, "2", "PU-");
    Form().SetProgramType(3, "3", "PU-");
    DNIDPUProgramForm& form = New({kNorth});
    EXPECT_EQ(form.ProgramIndex, -1);
    EXPECT_EQ(form.windowTitle(), "DNID PU Programming");
    form.WestLESCombo->setCurrentIndex(0);
    form.OKButton->click();
    EXPECT_EQ(Queue(), "pg -d\r\nse -z posformat=pu\r\n");
}

TEST_F(SetUpDialog, NotConnectedOkSendsNothingAndShowsThePrograms) {
    DNIDPUProgramForm& form = New({kNorth});
    form.WestLESCombo->setCurrentIndex(0);
    f.gSession.SetMesConnected(false);
    window.Calls.clear();
    form.OKButton->click();
    EXPECT_EQ(Queue(), "");
    EXPECT_TRUE(window.Calls.isEmpty());
    EXPECT_TRUE(FormShown());
    EXPECT_FALSE(r.DNIDPUProgramForms.isLoaded());
}

TEST_F(SetUpDialog, TheProgramStaysNamedAfterALanguageChange) {
    DNIDPUProgramForm& form = New({kNorth});
    f.Strings.Notifier.AnnounceLanguage(1049, "Russian");
    EXPECT_EQ(form.windowTitle(), "Программа PU 2");
    EXPECT_EQ(form.StartCheck->text(), "Немедленно");
    f.Strings.Notifier.AnnounceLanguage(1033, "English");
    form.WestLESCombo->setCurrentIndex(0);
    form.OKButton->click();
    EXPECT_TRUE(Queue().startsWith("pg -o \"012,12345,001 \"\r\npg -p 1,417\r\npg -i 1,P\r\n"));
}

TEST_F(SetUpDialog, ThePositionReportingCommandPresetsImmediatelyUntilTheDialogCloses) {
    PrepareNewProgram(r);
    ASSERT_TRUE(r.DNIDPUProgramForms.isLoaded());
    EXPECT_FALSE(r.DNIDPUProgramForms.loaded()->isVisible());
    DNIDPUProgramForm& form = New({kNorth});
    EXPECT_TRUE(form.StartCheck->isChecked());
    EXPECT_FALSE(form.StartHour->isEnabled());
    EXPECT_FALSE(form.StartMinute->isEnabled());
    form.StartCheck->click();
    EXPECT_TRUE(form.StartHour->isEnabled());
    form.StartCheck->click();
    form.CancelButton->click();
    EXPECT_EQ(Queue(), "");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    DNIDPUProgramForm& fresh = New({kNorth});
    EXPECT_FALSE(fresh.StartCheck->isChecked());
    EXPECT_TRUE(fresh.StartMinute->isEnabled());
}

TEST_F(SetUpDialog, TheKeyboardReachesEveryControlAndTypesNothingIntoTheLists) {
    DNIDPUProgramForm& form = New({kNorth, kHarbour});
    QApplication::setActiveWindow(&form);
    QStringList names;
    QWidget* w = form.WestLESCombo;
    do {
        if (w->focusPolicy() & Qt::TabFocus && w->isEnabled() && !w->objectName().isEmpty()) names << w->objectName();
        w = w->nextInFocusChain();
    } while (w != form.WestLESCombo);
    EXPECT_EQ(names, (QStringList{"WestLESCombo", "EastLESCombo", "PacificLESCombo", "IndianLESCombo", "StartHour",
                                  "StartMinute", "StartCheck", "IntervalHour", "IntervalMinute", "OKButton",
                                  "CancelButton"}));
    EXPECT_EQ(form.WestLESCombo->accessibleName(), "WEST:");
    EXPECT_EQ(form.StartHour->accessibleName(), "START: Hour:");
    EXPECT_EQ(form.IntervalMinute->accessibleName(), "INTERVAL: Minute:");
    form.WestLESCombo->setFocus();
    QTest::keyClicks(form.WestLESCombo, "North");
    EXPECT_EQ(form.WestLESCombo->currentIndex(), -1);
    QTest::keyClick(form.WestLESCombo, Qt::Key_Down);
    EXPECT_EQ(form.WestLESCombo->currentIndex(), 0);
    // Enter in a time box is OK.
    form.IntervalMinute->lineEdit()->setFocus();
    QTest::keyClick(form.IntervalMinute->lineEdit(), Qt::Key_Return);
    EXPECT_FALSE(r.DNIDPUProgramForms.isLoaded());
    EXPECT_TRUE(Queue().startsWith("pg -o \"012,12345,001 \"\r\npg -p 1,417\r\npg -i 1,P\r\n"));
}

}  // namespace
