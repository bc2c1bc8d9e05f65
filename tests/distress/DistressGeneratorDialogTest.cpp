#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "distress/DistressGenerator.h"
#include "distress/DistressGeneratorForm.h"
#include "distress/DistressGeneratorWindows.h"
#include "distress/DistressInfoForm.h"
#include "distress/GeneratorBoxValidator.h"
#include "distress/Option112Form.h"
#include "foundation/LesLists.h"
#include "support/FakeLinkWindow.h"
#include "DistressFixture.h"

namespace tidepost::test {
namespace {

// The distress area with its generator windows connected, a transceiver that answers (a 570C
// in AOR-E unless a test says otherwise) and the alert LES of every ocean known.
struct GeneratorDialog : DistressFixture {
    GeneratorDialog() {
        link.Windows.Window = &window;
        link.Dialogue.EchoTerminator = "\r\n";
        ConnectDistressGeneratorWindows(distress);
        for (int ocean = 0; ocean < 4; ++ocean)
            WriteLesFile(f, platform.DataFolder() + "/" + LesFileName(ocean), GetDefaultLesList(ocean));
        f.gSession.SetMesConnected(true);
        f.gSession.SetMobileType(2);
        f.gSession.SetProductType(5);
        f.gConfiguration.SetLastOcean(1);
        const char* available[] = {"001,002,003", "101,102,112", "201,212", "305,306"};
        const int chosen[] = {2, 112, 212, 305};
        for (int ocean = 0; ocean < 4; ++ocean) {
            f.gConfiguration.SetavailableLESs(OceanIndex(ocean), available[ocean]);
            f.gConfiguration.SetDistressGenLes(OceanIndex(ocean), std::int16_t(chosen[ocean]));
        }
        distress.GeneratorValues = Values("55", "40", "12", "N", "012", "35", "47", "E", "14", "05", "090", "11");
        distress.GeneratorValues.Nature = "U";
    }
    ~GeneratorDialog() override {
        distress.GeneratorWindows.DistressGeneratorForms.unload();
        distress.GeneratorWindows.Option112Forms.unload();
        distress.GeneratorWindows.DistressInfoForms.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static DistressGeneratorValues Values(const char* latDeg, const char* latMin, const char* latHund,
                                          const char* ns, const char* lonDeg, const char* lonMin, const char* lonHund,
                                          const char* ew, const char* hour, const char* minute, const char* course,
                                          const char* speed) {
        DistressGeneratorValues v;
        v.LatDeg = latDeg, v.LatMin = latMin, v.LatHund = latHund, v.NordSyd = ns;
        v.LonDeg = lonDeg, v.LonMin = lonMin, v.LonHund = lonHund, v.OestVest = ew;
        v.TOPHour = hour, v.TOPMin = minute, v.Course = course, v.Speed = speed;
        return v;
    }
    // The generator dialog as the reply opens it.
    DistressGeneratorForm& Dialog() {
        distress.ShowDistressGenerator();
        QCoreApplication::processEvents();
        DistressGeneratorForm* form = distress.GeneratorWindows.DistressGeneratorForms.loaded();
        EXPECT_NE(form, nullptr);
        return *form;
    }
    QStringList Queued() const {
        QStringList lines = link.Dialogue.CommandQueue.split("\r\n");
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        return lines;
    }
    // The unit has not yet reported an ocean region.
    void ForgetOcean() {
        const QString path = f.gConfiguration.DataPath;
        f.gConfiguration = CConfiguration{};
        f.gConfiguration.DataPath = path;
    }
    bool DialogOpen() const { return distress.GeneratorWindows.DistressGeneratorForms.isLoaded(); }
    FakeLinkWindow window;
};

TEST_F(GeneratorDialog, MenuShowsTheNoticeOrReadsTheLandMobileSettings) {
    OpenDistressGenerator(distress);
    DistressInfoForm* notice = distress.GeneratorWindows.DistressInfoForms.loaded();
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_EQ(notice->focusWidget(), notice->OKButton);
    distress.GeneratorWindows.DistressInfoForms.unload();

    for (int type : {1, 4}) {
        link.Dialogue.CommandQueue = "st -l\r\n";
        window.Calls.clear();
        f.gSession.SetMobileType(type);
        OpenDistressGenerator(distress);
        // Two lines of their own, even before the echo's line end is known, ahead of the queue.
        EXPECT_EQ(link.Dialogue.CommandQueue, "\r\nse -m \r\nst -n\r\n\r\nst -l\r\n") << type;
        EXPECT_EQ(window.Calls, QStringList{"ShowWaitForm"});
        EXPECT_FALSE(distress.GeneratorWindows.DistressInfoForms.isLoaded());
    }
}

TEST_F(GeneratorDialog, NoticeOkReadsTheSettingsOrOpensTheDialogOffLine) {
    struct Case {
        int productType;
        QStringList queued;
    } cases[] = {
        {5, {"st -i", "se -m ALL_OCEANS", "st -n", "", "se -g", ""}},
        {4, {"st -i", "se -m ALL_OCEANS", "st -n", "", "se -g", ""}},
        {2, {"st -i", "st -n", "", "se -g", ""}},
    };
    for (const Case& c : cases) {
        link.Dialogue.CommandQueue.clear();
        window.Calls.clear();
        distress.ShowDistressGeneratorOnReply = false;
        f.gSession.SetProductType(c.productType);
        OpenDistressGenerator(distress);
        distress.GeneratorWindows.DistressInfoForms.get().OKButton->click();
        EXPECT_EQ(Queued(), c.queued) << c.productType;
        EXPECT_TRUE(distress.ShowDistressGeneratorOnReply);
        EXPECT_EQ(window.Calls, QStringList{"ShowWaitForm"});
        EXPECT_FALSE(distress.GeneratorWindows.DistressInfoForms.isLoaded());
        QCoreApplication::processEvents();
        EXPECT_FALSE(DialogOpen()) << "the reply opens it";
    }

    link.Dialogue.CommandQueue.clear();
    f.gSession.SetMesConnected(false);
    OpenDistressGenerator(distress);
    distress.GeneratorWindows.DistressInfoForms.get().OKButton->click();
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    ASSERT_TRUE(DialogOpen());
    EXPECT_EQ(distress.GeneratorWindows.DistressGeneratorForms.loaded()->LatDegText->text(), "55");
}

TEST_F(GeneratorDialog, LoadFollowsTheUnit) {
    struct Case {
        const char* what;
        int mobileType;
        int productType;
        OceanIndex lastOcean;
        std::array<bool, 4> lists;
        bool gps;
        bool piracyOnly;
    } cases[] = {
        {"570 maritime", 2, 5, 1, {true, true, true, true}, true, false},
        {"560 with ship security alert", 5, 4, 1, {true, true, true, true}, true, true},
        {"other product in POR", 2, 3, 2, {false, false, true, false}, false, false},
        {"other product in IOR", 3, 2, 3, {false, false, false, true}, false, false},
    };
    for (const Case& c : cases) {
        f.gSession.SetMobileType(c.mobileType);
        f.gSession.SetProductType(c.productType);
        f.gConfiguration.SetLastOcean(c.lastOcean);
        const GeneratorDialogLoad load = LoadGeneratorDialog(f, distress.GeneratorValues);
        EXPECT_EQ(load.gpsVisible, c.gps) << c.what;
        EXPECT_EQ(load.gpsChecked, c.gps) << c.what;
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(load.lists[i].visible, c.lists[i]) << c.what << " ocean " << i;
            EXPECT_EQ(load.lists[i].entries.first(), "LES automatically selected by mobile");
            if (!c.lists[i]) {
                EXPECT_EQ(load.lists[i].entries.size(), 1) << c.what;
            }
        }
        for (int n = 0; n < 11; ++n) EXPECT_EQ(load.natureEnabled[n], !c.piracyOnly || n == 10) << c.what;
    }

    // The entries are the valid available ids with their names; the stored LES is selected.
    f.gSession.SetProductType(5);
    f.gConfiguration.SetavailableLESs(1, "199,abc,112,101");
    const GeneratorDialogLoad load = LoadGeneratorDialog(f, distress.GeneratorValues);
    EXPECT_EQ(load.lists[1].entries,
              (QStringList{"LES automatically selected by mobile", "112, Burum", "101, Southbury"}));
    EXPECT_EQ(load.lists[1].selected, 1);

    // No ocean known and another product: no list at all.
    f.gSession.SetProductType(1);
    ForgetOcean();
    for (const GeneratorLesList& list : LoadGeneratorDialog(f, distress.GeneratorValues).lists)
        EXPECT_FALSE(list.visible);
}

TEST_F(GeneratorDialog, DialogShowsTheValuesWithBoxesNamedByRowAndUnit) {
    DistressGeneratorForm& form = Dialog();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.LatDegText->accessibleName(), "Latitude: Deg.");
    EXPECT_EQ(form.LonHundText->accessibleName(), "Longitude: Min/100");
    EXPECT_EQ(form.OestVestText->accessibleName(), "Longitude: W/E");
    EXPECT_EQ(form.SpeedText->accessibleName(), "Speed: Knots");
    EXPECT_EQ(form.TOPMinText->accessibleName(), "Updated at UTC: Min.");
    EXPECT_EQ(form.DistressLesList[2]->accessibleName(), "Pacific Ocean Region:");
    EXPECT_EQ(form.DistressLesList[1]->currentText(), "112, Burum");
    EXPECT_EQ(form.CourseText->text(), "090");
    EXPECT_TRUE(form.RadioUseGPS->isChecked());
    EXPECT_FALSE(form.LatDegText->isEnabled());
    EXPECT_TRUE(form.ReasonOption[0]->isChecked());
    EXPECT_EQ(form.focusWidget(), form.DistressLesList[0]);

    // Tab goes through the lists, then the boxes in their rows, then the check box and natures.
    QStringList order;
    form.RadioUseGPS->click();
    QWidget* w = form.DistressLesList[0];
    for (int i = 0; i < 18; ++i) {
        order.append(w->objectName());
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty()) w = w->nextInFocusChain();
    }
    EXPECT_EQ(order.mid(0, 17),
              (QStringList{"DistressLesList(0)", "DistressLesList(1)", "DistressLesList(2)", "DistressLesList(3)",
                           "LatDegText", "LatMinText", "LatHundText", "NordSydText", "LonDegText", "LonMinText",
                           "LonHundText", "OestVestText", "CourseText", "SpeedText", "TOPHourText", "TOPMinText",
                           "RadioUseGPS"}));

    f.Strings.Notifier.AnnounceLanguage(1049, "Russian");
    EXPECT_EQ(form.windowTitle(), f.Strings.GetString(2209, 1049));
    EXPECT_EQ(form.LatDegText->accessibleName(), f.Strings.GetString(2222, 1049) + " " + f.Strings.GetString(2223, 1049));
    f.Strings.Notifier.AnnounceLanguage(1033, "English");
}

TEST_F(GeneratorDialog, BoxesTakeOnlyTheirCharactersTypedOrPasted) {
    DistressGeneratorForm& form = Dialog();
    form.RadioUseGPS->click();
    struct Case {
        QLineEdit* box;
        const char* typed;
        const char* pasted;
        const char* result;
    } cases[] = {
        {form.LatDegText, "4a-.5", nullptr, "45"},
        {form.LatDegText, "1234", nullptr, "123"},
        {form.SpeedText, "12345", nullptr, "12345"},
        {form.CourseText, nullptr, "1,2", ""},
        {form.CourseText, nullptr, "12\r", ""},
        {form.CourseText, nullptr, "12", "12"},
        {form.NordSydText, "x5 s", nullptr, "S"},
        {form.OestVestText, "w", nullptr, "W"},
        {form.OestVestText, nullptr, "E,", ""},
    };
    for (const Case& c : cases) {
        c.box->clear();
        if (c.typed) QTest::keyClicks(c.box, QString::fromLatin1(c.typed));
        if (c.pasted) c.box->insert(QString::fromLatin1(c.pasted));
        EXPECT_EQ(c.box->text(), c.result) << c.box->objectName().toStdString() << " " << (c.typed ? c.typed : c.pasted);
    }
    // A control character typed into a hemisphere box goes nowhere either.
    form.NordSydText->clear();
    QTest::keyClick(form.NordSydText, Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(form.NordSydText->text(), "");

    // A value read from the unit shows whole; edits can only shorten it.
    GeneratorBoxValidator* minutes = nullptr;
    for (QObject* child : form.LatMinText->children())
        if (auto* v = dynamic_cast<GeneratorBoxValidator*>(child)) minutes = v;
    ASSERT_NE(minutes, nullptr);
    minutes->Load("0055");
    EXPECT_EQ(form.LatMinText->text(), "0055");
    form.LatMinText->end(false);
    QTest::keyClick(form.LatMinText, Qt::Key_1);
    EXPECT_EQ(form.LatMinText->text(), "0055");
    QTest::keyClick(form.LatMinText, Qt::Key_Backspace);
    EXPECT_EQ(form.LatMinText->text(), "005");
}

TEST_F(GeneratorDialog, OkPlansFromTheDialogState) {
    using Step = GeneratorOkPlan::Step;
    GeneratorDialogInput typed;
    typed.lesEntries = {"002, Burum", "112, Burum", "212, Burum", "305, Thermopylae"};
    typed.boxes = distress.GeneratorValues;
    typed.nature = 2;

    GeneratorDialogInput gps = typed;
    gps.useGps = true;
    GeneratorOkPlan plan = PlanGeneratorOk(f, gps);
    EXPECT_EQ(plan.step, Step::Send);
    EXPECT_EQ(plan.commands, (QStringList{"se -g 112,F,S,127,63,0,W,255,63,0,23,59,359,180",
                                          "se -m 002,112,212,305", "se -m ALL_OCEANS", "se -g"}));
    EXPECT_FALSE(plan.showBusy);

    plan = PlanGeneratorOk(f, typed);
    EXPECT_EQ(plan.commands.first(), "se -g 112,F,N,55,40,12,E,012,35,47,14,05,090,11");
    EXPECT_TRUE(plan.showBusy);

    // The unit chooses: "401" on a 560 or 570, "0" (and the ocean's LES forgotten) on the others.
    GeneratorDialogInput automatic = typed;
    automatic.lesEntries = {"LES automatically selected by mobile", "LES automatically selected by mobile",
                            "212, Burum", "305, Thermopylae"};
    plan = PlanGeneratorOk(f, automatic);
    EXPECT_TRUE(plan.commands.first().startsWith("se -g 401,F,"));
    EXPECT_EQ(plan.commands[1], "se -m 0,0,212,305");
    EXPECT_EQ(plan.clearOceanLes, (std::array<bool, 4>{true, true, false, false}));
    f.gSession.SetProductType(3);
    plan = PlanGeneratorOk(f, automatic);
    EXPECT_EQ(plan.commands, (QStringList{"se -g 0,F,N,55,40,12,E,012,35,47,14,05,090,11", "se -g"}));
    EXPECT_EQ(plan.clearOceanLes, (std::array<bool, 4>{false, true, false, false}));
    CarryOutGeneratorPlan(distress, plan);
    EXPECT_EQ(f.gConfiguration.GetDistressGenLes(1), 0);
    EXPECT_EQ(f.gConfiguration.GetDistressGenLes(2), 212);

    // An empty box is refused unless the unit's own position goes out.
    GeneratorDialogInput empty = typed;
    empty.boxes.Speed.clear();
    plan = PlanGeneratorOk(f, empty);
    EXPECT_EQ(plan.step, Step::Refused);
    EXPECT_EQ(plan.refusal->box, "SpeedText");
    EXPECT_TRUE(plan.commands.isEmpty());
    empty.useGps = true;
    EXPECT_EQ(PlanGeneratorOk(f, empty).step, Step::Send);

    ForgetOcean();
    EXPECT_EQ(PlanGeneratorOk(f, gps).step, Step::NoOcean);
    f.gSession.SetMesConnected(false);
    plan = PlanGeneratorOk(f, typed);
    EXPECT_EQ(plan.step, Step::LinkDown);
    EXPECT_EQ(plan.commands, QStringList{"se -g"});
    EXPECT_EQ(PlanGeneratorOk(f, gps).step, Step::NoOcean) << "the unit's own position does not look at the link";
}

TEST_F(GeneratorDialog, RefusedValueTakesTheFocusOnOkOnly) {
    DistressGeneratorForm& form = Dialog();
    form.RadioUseGPS->click();
    form.activateWindow();
    form.LatDegText->setText("95");
    form.CourseText->setText("400");
    form.CancelButton->setFocus();

    platform.Boxes.Answer(MsgAnswer::Cancel);
    form.OKButton_Click();
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].text, "Error: Latitude degrees field must contain a value between 0 and 90");
    EXPECT_EQ(platform.Boxes.Shown[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(form.focusWidget(), form.CancelButton);

    form.OKButton_Click();
    EXPECT_EQ(form.focusWidget(), form.LatDegText);
    EXPECT_EQ(form.LatDegText->selectedText(), "95");
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());

    // A total over 90 degrees: an OK-only box, the focus in the degrees.
    form.LatDegText->setText("90");
    form.LatMinText->setText("00");
    form.LatHundText->setText("01");
    form.CourseText->setText("90");
    form.CancelButton->setFocus();
    form.OKButton_Click();
    EXPECT_EQ(platform.Boxes.Shown.last().text,
              QString::fromUtf8("Error: Latitude is 90\u00b0 00.01' N\r\nIt must be between 0 and 90 degrees"));
    EXPECT_EQ(platform.Boxes.Shown.last().buttons, MsgButtons::Ok);
    EXPECT_EQ(form.focusWidget(), form.LatDegText);
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_TRUE(DialogOpen());
}

TEST_F(GeneratorDialog, OkSendsOrTellsThatTheLinkIsDown) {
    {
        DistressGeneratorForm& form = Dialog();
        form.RadioUseGPS->click();
        form.OKButton->click();
        EXPECT_EQ(Queued(), (QStringList{"se -g 112,U,N,55,40,12,E,012,35,47,14,05,090,11", "se -m 002,112,212,305",
                                         "se -m ALL_OCEANS", "se -g"}));
        EXPECT_EQ(window.Calls, QStringList{"ShowWaitForm"});
        EXPECT_FALSE(DialogOpen());
        EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    }
    link.Dialogue.CommandQueue.clear();
    f.gSession.SetMesConnected(false);
    {
        DistressGeneratorForm& form = Dialog();
        form.RadioUseGPS->click();
        platform.Boxes.OnShow = [this](const MessageBoxRequest&) {
            EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty()) << "told before anything is queued";
        };
        form.OKButton->click();
        ASSERT_EQ(platform.Boxes.Shown.size(), 1);
        EXPECT_EQ(platform.Boxes.Shown[0].text, "Error: No transceiver commnuication");
        EXPECT_EQ(Queued(), QStringList{"se -g"});
        EXPECT_FALSE(DialogOpen());
    }
}

TEST_F(GeneratorDialog, RefusalOfTheUnitWhileTheDialogsBoxIsUpClosesItAfterTheBox) {
    f.gSession.SetMesConnected(false);
    QPointer<DistressGeneratorForm> form = &Dialog();
    form->RadioUseGPS->click();
    platform.Boxes.OnShow = [this](const MessageBoxRequest&) {
        link.Dispatch.HandleDistressGeneratorReply("se -g\r\nERROR 301: Invalid parameter\r\ncan0:/$ ");
    };
    f.gSession.SetMesConnected(true);
    form->LatDegText->setText("95");
    form->OKButton_Click();
    // The window stays until its box has returned, and then nothing is sent.
    ASSERT_FALSE(form.isNull());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_EQ(Boxes(), QStringList{"ERROR 301: Invalid parameter"});
}

TEST_F(GeneratorDialog, NatureOfASecurityAlertUnitIsPiracyOnly) {
    f.gSession.SetMobileType(5);
    distress.GeneratorValues.Nature = "S";
    DistressGeneratorForm& form = Dialog();
    for (int n = 0; n < 11; ++n) EXPECT_EQ(form.ReasonOption[n]->isEnabled(), n == 10) << n;
    form.RadioUseGPS->click();
    form.RadioUseGPS->click();
    for (int n = 0; n < 11; ++n) EXPECT_EQ(form.ReasonOption[n]->isEnabled(), n == 10) << n;
    EXPECT_TRUE(form.ReasonOption[6]->isChecked());
    form.ReasonOption[10]->click();
    EXPECT_EQ(form.SelectedNature, 10);
    EXPECT_EQ(form.Input().nature, 10);
}

// The land mobile alert settings.
struct LmAlertSettings : GeneratorDialog {
    LmAlertSettings() {
        f.gSession.SetMobileType(1);
        f.gSession.SetProductType(5);
    }
    Option112Form* Window() const { return distress.GeneratorWindows.Option112Forms.loaded(); }
};

TEST_F(LmAlertSettings, OkSendsTheLesAndTheNatureOrRefusesABadLes) {
    const std::array<QString, 4> none = {"000, None", "000, None", "000, None", "000, None"};
    struct Case {
        const char* what;
        std::array<QString, 4> les;
        QString nature;
        bool refused;
        QStringList commands;
    } cases[] = {
        {"all none", none, "Unspecified", false, {"se -m 000,000,000,000\r\n", "se -m 000,n,U\r\n"}},
        {"only POR", {"000, None", "000, None", "212, Burum", "000, None"}, "Fire", false,
         {"se -m 000,000,212,000\r\n", "se -m 212,n,F\r\n"}},
        {"unknown nature", {"002, Burum", "112", "212", "305"}, "Flood", false, {"se -m 002,112,212,305\r\n"}},
        {"empty LES line", {"002, Burum", ", ", "212", "305"}, "Fire", true, {}},
        {"not digits", {"002", "1x2, Odd", "212", "305"}, "Fire", true, {}},
        {"short", {"002", "12", "212", "305"}, "Fire", true, {}},
    };
    for (const Case& c : cases) {
        const LmAlertOkPlan plan = PlanLmAlertOk(f, c.les, c.nature);
        EXPECT_EQ(plan.refused, c.refused) << c.what;
        EXPECT_EQ(plan.commands, c.commands) << c.what;
    }
    // The nature picked from a list in the current language is known too.
    f.Strings.CurrentLanguageId = 1049;
    EXPECT_EQ(PlanLmAlertOk(f, none, f.Strings.GetString(2868, 1049)).commands.last(), "se -m 000,n,R\r\n");
    f.Strings.CurrentLanguageId = 1033;
}

TEST_F(LmAlertSettings, MenuReadsTheSettingsAndTheReplyShowsThem) {
    f.gSession.SetMesConnected(false);
    OpenLmAlertSettings(distress);
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_FALSE(distress.ShowLmAlertSettingsOnReply);
    EXPECT_TRUE(window.Calls.isEmpty());

    f.gSession.SetMesConnected(true);
    OpenLmAlertSettings(distress);
    EXPECT_EQ(Queued(), (QStringList{"se -m ", "se -m ALL_OCEANS"}));
    EXPECT_TRUE(distress.ShowLmAlertSettingsOnReply);
    EXPECT_EQ(window.Calls, QStringList{"ShowWaitForm"});
    ASSERT_NE(Window(), nullptr);
    EXPECT_FALSE(Window()->isVisible());
    EXPECT_EQ(Window()->DistressNatureCombo->count(), 10);
    EXPECT_EQ(Window()->AORWCombo->itemText(0), "000, None");
    EXPECT_EQ(Window()->AORWCombo->itemText(2), "002, Burum");

    link.Dispatch.ExtractNatureOfDistress("se -m \r\nLand Mobile nature of distress: Severe weather\r\n>");
    const QString stx(QChar(2));
    const QString etx(QChar(3));
    link.Dispatch.ExtractOption112Les("se -m ALL_OCEANS\r\nLand Mobile Alert LES\r\nocean 0 AOR-W:" + stx + "002" + etx +
                                      "\r\nocean 1 AOR-E:" + stx + "112" + etx + "\r\nocean 2 POR:  " + stx + "212" +
                                      etx + "\r\nocean 3 IOR:  " + stx + "305" + etx + "\r\n>");
    ASSERT_NE(Window(), nullptr);
    EXPECT_TRUE(Window()->isVisible());
    EXPECT_FALSE(distress.ShowLmAlertSettingsOnReply);
    EXPECT_EQ(Window()->AORWCombo->currentText(), "002, Burum");
    EXPECT_EQ(Window()->IORCombo->currentText(), "305, Thermopylae");
    EXPECT_EQ(Window()->DistressNatureCombo->currentText(), "Severe weather");
    EXPECT_EQ(Window()->AORWCombo->accessibleName(), "Atlantic Ocean Region West LES");

    link.Dialogue.CommandQueue.clear();
    Window()->OKButton->click();
    EXPECT_EQ(Queued(), (QStringList{"se -m 002,112,212,305", "", "se -m 002,n,R", ""}));
    EXPECT_EQ(Window(), nullptr);

    // A bad LES text is refused in a box; nothing goes out and the window stays.
    OpenLmAlertSettings(distress);
    link.Dialogue.CommandQueue.clear();
    Window()->PORCombo->setEditText("abc");
    Window()->OKButton->click();
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].text, "Error, invalid LES ID");
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Invalid LES ID");
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    ASSERT_NE(Window(), nullptr);
    Window()->CancelButton->click();
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_EQ(Window(), nullptr);
}

TEST_F(LmAlertSettings, OtherProductsCloseTheBusyWindowOnTheNatureReply) {
    f.gSession.SetProductType(2);
    OpenLmAlertSettings(distress);
    EXPECT_EQ(Queued(), QStringList{"se -m "});
    link.Dispatch.ExtractNatureOfDistress("se -m \r\nLand Mobile nature of distress: Fire\r\n>");
    EXPECT_EQ(window.Calls, (QStringList{"ShowWaitForm", "UnloadWaitForm"}));
    EXPECT_FALSE(distress.ShowLmAlertSettingsOnReply);
    // Without a request of the menu the reply leaves any busy window alone.
    link.Dispatch.ExtractNatureOfDistress("se -m \r\nLand Mobile nature of distress: Fire\r\n>");
    EXPECT_EQ(window.Calls.size(), 2);
}

}  // namespace
}  // namespace tidepost::test
