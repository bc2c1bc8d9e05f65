#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "foundation/Definitions.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"
#include "support/FakeLinkWindow.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

struct StatusStrip : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    MainForm form{f, link};
    int menuUpdates = 0;

    StatusStrip() {
        f.gConfiguration.DataPath = platform.DataFolder();
        InitCodeTables(f);
        form.resize(800, 600);
    }
    template <typename T>
    T* Find(const char* name) {
        return form.findChild<T*>(name);
    }
    int Fill(const char* bar) { return Find<QProgressBar>(bar)->property("FillColor").toInt(); }
    bool Shown(const char* name) { return !Find<QWidget>(name)->isHidden(); }
    QLabel* Panel(int n) { return Find<QLabel>(qPrintable(QString("Panel%1").arg(n))); }
};

constexpr int kGreen = 65280;
constexpr int kRed = 255;

struct AntennaCase {
    const char* name;
    bool sync;
    int strength;
    int color, value;
};

class AntennaBar : public StatusStrip, public ::testing::WithParamInterface<AntennaCase> {};

TEST_P(AntennaBar, ShowsSynchronisationAndStrength) {
    f.gSession.SetSyncronization(GetParam().sync);
    f.gSession.SetSignalStrength(quint8(GetParam().strength));
    form.GUITimer_Timer();
    EXPECT_EQ(Fill("AntenneBar"), GetParam().color);
    EXPECT_EQ(Find<QProgressBar>("AntenneBar")->value(), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(States, AntennaBar,
                         ::testing::Values(AntennaCase{"SyncStrength0", true, 0, kGreen, 20},
                                           AntennaCase{"SyncStrength3", true, 3, kGreen, 60},
                                           AntennaCase{"SyncStrength5", true, 5, kGreen, 100},
                                           AntennaCase{"SyncStrengthBeyondScale", true, 9, kGreen, 100},
                                           AntennaCase{"NotSynchronised", false, 4, kRed, 100}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StatusStrip, LinkUpShowsConnectedAndUpdatesTheMenusOnce) {
    QAction* item = new QAction(&form);
    item->setEnabled(false);
    form.AddTransceiverMenuItem(item);
    form.GUITimer_Timer();
    EXPECT_EQ(Fill("PCConnBar"), kRed);
    EXPECT_EQ(form.GetMobileStatus(), 0);

    f.gSession.SetMesConnected(true);
    form.GUITimer_Timer();
    EXPECT_EQ(Fill("PCConnBar"), kGreen);
    EXPECT_EQ(form.GetMobileStatus(), 3);
    EXPECT_EQ(Find<QLabel>("MobileStatusField")->text(), "Connected to mobile");
    EXPECT_TRUE(item->isEnabled());

    // Only the change calls the menu update: disabled again by someone else, it stays so.
    item->setEnabled(false);
    form.GUITimer_Timer();
    EXPECT_FALSE(item->isEnabled());
}

TEST_F(StatusStrip, LinkDownGoesBackToNotConnectedButKeepsTheCaption) {
    f.gSession.SetMesConnected(true);
    form.GUITimer_Timer();
    f.gSession.SetMesConnected(false);
    form.GUITimer_Timer();
    EXPECT_EQ(Fill("PCConnBar"), kRed);
    EXPECT_EQ(form.GetMobileStatus(), 0);
    EXPECT_EQ(Find<QLabel>("MobileStatusField")->text(), "Connected to mobile");
}

TEST_F(StatusStrip, AnOceanStatusIsLeftAlone) {
    f.gSession.SetMesConnected(true);
    form.SetMobileStatus(23);
    form.GUITimer_Timer();
    EXPECT_EQ(form.GetMobileStatus(), 23);
    EXPECT_EQ(Find<QLabel>("MobileStatusField")->text(), "Indian Ocean");
}

TEST_F(StatusStrip, GpsBarFollowsTheFix) {
    form.GUITimer_Timer();
    EXPECT_EQ(Fill("GPSBar"), kRed);
    f.gSession.SetGpsStatus("OK");
    form.GUITimer_Timer();
    EXPECT_EQ(Fill("GPSBar"), kGreen);
}

struct PictureCase {
    const char* name;
    int type, model;
    const char* shown;  // nullptr: none
};

class ProductPicture : public StatusStrip, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(ProductPicture, OneFamilyPictureWithTheModelAsTip) {
    f.gSession.SetProductType(GetParam().type);
    f.gSession.SetProductModel(GetParam().model);
    form.GUITimer_Timer();
    for (const char* name : {"Picture510", "Picture530A", "Picture560", "Picture570"}) {
        const bool expected = GetParam().shown != nullptr && QString(name) == GetParam().shown;
        EXPECT_EQ(Shown(name), expected) << name;
        if (expected) {
            EXPECT_EQ(Find<QLabel>(name)->toolTip(), "Mobile type: " + f.ProductModelNames[GetParam().model]);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Families, ProductPicture,
                         ::testing::Values(PictureCase{"Unknown", 0, 0, nullptr},
                                           PictureCase{"C510", 1, 2, "Picture510"},
                                           PictureCase{"C510AB", 1, 1, nullptr},
                                           PictureCase{"C540", 2, 4, "Picture510"},
                                           PictureCase{"C530A", 3, 6, "Picture530A"},
                                           PictureCase{"C560M", 4, 8, "Picture560"},
                                           PictureCase{"C570L", 5, 13, "Picture570"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct NumberCase {
    const char* name;
    qint32 number;
    const char* text;
};

class MobileNumber : public StatusStrip, public ::testing::WithParamInterface<NumberCase> {};

TEST_P(MobileNumber, ShowsTheNumberOrUnknown) {
    f.gSession.SetMobileNumber(GetParam().number);
    form.GUITimer_Timer();
    EXPECT_EQ(Find<QLabel>("MobileNumberLabel")->text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Numbers, MobileNumber,
                         ::testing::Values(NumberCase{"Known", 423456789, "IMN: 423456789"},
                                           NumberCase{"Zero", 0, "IMN: <unknown>"},
                                           NumberCase{"Negative", -5, "IMN: <unknown>"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StatusStrip, ClockShowsTheTransceiversUtcTime) {
    f.gSession.SetSystemTime(QDateTime(QDate(2012, 7, 3), QTime(14, 5, 59), Qt::UTC));
    f.gSession.SetSystemTimeSet(true);
    form.GUITimer_Timer();
    EXPECT_EQ(Panel(1)->text(), "14:05 UTC");
    EXPECT_EQ(Panel(1)->toolTip(), "2012-07-03 14:05 UTC");

    f.gSession.SetSystemTimeSet(false);
    form.GUITimer_Timer();
    EXPECT_EQ(Panel(1)->text(), "");
    EXPECT_EQ(Panel(1)->toolTip(), "");
}

struct SolasCase {
    const char* name;
    int solas;
    bool offered;
};

class DistressEditor : public StatusStrip, public ::testing::WithParamInterface<SolasCase> {};

TEST_P(DistressEditor, IsOfferedByTheSolasType) {
    f.gSession.SetSolasType(GetParam().solas);
    form.GUITimer_Timer();
    EXPECT_EQ(Shown("DistressEditorButton"), GetParam().offered);
    EXPECT_EQ(Find<QPushButton>("DistressEditorButton")->isEnabled(), GetParam().offered);
    EXPECT_EQ(Find<QAction>("mnuViewDistressEditor")->isVisible(), GetParam().offered);
}

INSTANTIATE_TEST_SUITE_P(Types, DistressEditor,
                         ::testing::Values(SolasCase{"Unknown", 0, false}, SolasCase{"NonSolasWithout", 1, false},
                                           SolasCase{"NonSolasWith", 2, true}, SolasCase{"Solas", 3, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StatusStrip, TheViewColumnShrinksWithoutTheDistressButton) {
    const double ty = form.TwipsPerPixelY();
    f.gSession.SetSolasType(3);
    form.GUITimer_Timer();
    const int withDistress = Find<QWidget>("InboxButton")->y();
    f.gSession.SetSolasType(1);
    form.GUITimer_Timer();
    EXPECT_LT(Find<QWidget>("InboxButton")->y(), withDistress);
    EXPECT_NEAR(Find<QWidget>("InboxButton")->y() * ty, 1035, 15);
}

TEST_F(StatusStrip, TheInHarbourSettingMovesTheFrames) {
    const double tx = form.TwipsPerPixelX();
    form.GUITimer_Timer();
    EXPECT_FALSE(Shown("InHarbourButton"));
    EXPECT_NEAR(Find<QWidget>("StatusFrame")->x() * tx, 1845, 15);
    EXPECT_NEAR(Find<QWidget>("Frame1")->x() * tx, 5340, 15);

    SetIniValue(f, "[InHarbourButton]", "1", false);
    form.GUITimer_Timer();
    EXPECT_TRUE(Shown("InHarbourButton"));
    EXPECT_NEAR(Find<QWidget>("StatusFrame")->x() * tx, 2730, 15);
    EXPECT_NEAR(Find<QWidget>("Frame1")->x() * tx, 6225, 15);
}

TEST_F(StatusStrip, EditMenuFollowsTheSelectionAndTheClipboard) {
    QGuiApplication::clipboard()->setText("pasted");
    auto* editor = Find<QPlainTextEdit>("Editor");
    editor->setPlainText("hello");
    form.GUITimer_Timer();
    EXPECT_TRUE(Find<QAction>("mnuPaste")->isEnabled());
    EXPECT_FALSE(Find<QAction>("mnuCut")->isEnabled());
    EXPECT_FALSE(Find<QAction>("mnuCopy")->isEnabled());

    editor->selectAll();
    form.GUITimer_Timer();
    EXPECT_TRUE(Find<QAction>("mnuCut")->isEnabled());
    EXPECT_TRUE(Find<QAction>("mnuCopy")->isEnabled());

    // A folder view: no pasting; cut and copy stay as they were.
    form.MessageLogShown = 1;
    form.GUITimer_Timer();
    EXPECT_FALSE(Find<QAction>("mnuPaste")->isEnabled());
    EXPECT_TRUE(Find<QAction>("mnuCut")->isEnabled());

    form.MessageLogShown = 0;
    QGuiApplication::clipboard()->clear();
    form.GUITimer_Timer();
    EXPECT_FALSE(Find<QAction>("mnuPaste")->isEnabled());
}

TEST_F(StatusStrip, DownloadMarksInTheDebugLabel) {
    form.GUITimer_Timer();
    EXPECT_EQ(Find<QLabel>("Label6")->text(), " , ");
    f.gSession.SetProcessingEgcs(true);
    f.gSession.SetProcessingMsgs(true);
    form.GUITimer_Timer();
    EXPECT_EQ(Find<QLabel>("Label6")->text(), "E,M");
}

TEST_F(StatusStrip, StatusBarClickActsByThePanelClicked) {
    QStringList ran;
    form.StatusCommands.mnuInfoLog_Click = [&] { ran.append("info log"); };
    form.StatusCommands.SetPcTimeMenu_Click = [&] { ran.append("pc clock"); };
    form.GUITimer_Timer();  // both panels empty
    form.StatusBarPanel_Click(1);
    EXPECT_EQ(ran, QStringList{"pc clock"});
    form.StatusBarPanel_Click(2);
    EXPECT_EQ(ran, (QStringList{"pc clock", "info log"}));
    form.StatusBarPanel_Click(3);
    EXPECT_EQ(ran.size(), 2);
}

struct ClickCase {
    const char* control;
    const char* command;
    bool needsLink;
};

class StripClicks : public StatusStrip, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(StripClicks, OpenTheirDialogWhileTheTransceiverAnswers) {
    QStringList ran;
    form.StatusCommands.mobileNoMenu_Click = [&] { ran.append("mobile number"); };
    form.StatusCommands.TransceiverStatusMenu_Click = [&] { ran.append("transceiver status"); };
    form.StatusCommands.GPSStatusMenu_Click = [&] { ran.append("gps status"); };
    form.StatusCommands.SystemInfoMenu_Click = [&] { ran.append("system information"); };
    auto* control = Find<QWidget>(GetParam().control);
    ASSERT_NE(control, nullptr);
    QTest::mouseClick(control, Qt::LeftButton);
    EXPECT_EQ(ran, GetParam().needsLink ? QStringList{} : QStringList{GetParam().command});

    ran.clear();
    f.gSession.SetMesConnected(true);
    QTest::mouseClick(control, Qt::LeftButton);
    EXPECT_EQ(ran, QStringList{GetParam().command});
}

INSTANTIATE_TEST_SUITE_P(Controls, StripClicks,
                         ::testing::Values(ClickCase{"MobileNumberLabel", "mobile number", true},
                                           ClickCase{"MobileStatusField", "transceiver status", true},
                                           ClickCase{"AntenneBar", "transceiver status", true},
                                           ClickCase{"GPSBar", "gps status", true},
                                           ClickCase{"Picture510", "system information", false},
                                           ClickCase{"Picture560", "system information", false},
                                           ClickCase{"Picture570", "system information", false}),
                         [](const auto& info) { return std::string(info.param.control); });

// Unreplaced, the strip's clicks run the window's own commands, which open the dialogs.
TEST_F(StatusStrip, ClicksRunTheWindowsOwnCommands) {
    QStringList opened;
    form.Dialogs.ShowSystemInfoForm = [&] { opened.append("system information"); };
    form.Dialogs.ShowMobileNoChangeForm = [&] { opened.append("mobile number"); };
    f.gSession.SetMesConnected(true);
    QTest::mouseClick(Find<QWidget>("Picture570"), Qt::LeftButton);
    QTest::mouseClick(Find<QWidget>("MobileNumberLabel"), Qt::LeftButton);
    EXPECT_EQ(opened, (QStringList{"system information", "mobile number"}));
    QTest::mouseClick(Find<QWidget>("MobileStatusField"), Qt::LeftButton);
    EXPECT_TRUE(link.Dialogue.CommandQueue.contains("st -w"));
    EXPECT_TRUE(link.Requests.TransceiverStatusRequested);
    QTest::mouseClick(Find<QWidget>("GPSBar"), Qt::LeftButton);
    EXPECT_TRUE(link.Dialogue.CommandQueue.contains("ru -g"));
    EXPECT_TRUE(link.Requests.GpsStatusRequested);
}

TEST_F(StatusStrip, ThePicture530AHasNoClick) {
    int ran = 0;
    form.StatusCommands.SystemInfoMenu_Click = [&] { ++ran; };
    QTest::mouseClick(Find<QWidget>("Picture530A"), Qt::LeftButton);
    EXPECT_EQ(ran, 0);
}

TEST_F(StatusStrip, TestWindowRequestIsShownWhileConnectedAndDroppedWhileNot) {
    test::FakeDistressModeWindow window;
    link.Windows.DistressModeForm = &window;
    form.ShowDistressButtonsTestWindow();
    form.DistressButtonsTestWindowTimer_Timer();
    EXPECT_TRUE(window.ModalOwners.isEmpty());
    EXPECT_FALSE(form.bShowDistressButtonsTestWindow);

    // Not kept for later: the link coming up shows nothing.
    f.gSession.SetMesConnected(true);
    form.DistressButtonsTestWindowTimer_Timer();
    EXPECT_TRUE(window.ModalOwners.isEmpty());

    // While the window is open the timer finds it visible and does not show it again.
    window.OnShowModal = [&] {
        window.Visible = true;
        form.bShowDistressButtonsTestWindow = true;
        form.DistressButtonsTestWindowTimer_Timer();
        window.Visible = false;
    };
    form.ShowDistressButtonsTestWindow();
    form.DistressButtonsTestWindowTimer_Timer();
    EXPECT_EQ(window.ModalOwners, QList<QWidget*>{&form});
    EXPECT_FALSE(form.bShowDistressButtonsTestWindow);
    link.Windows.DistressModeForm = nullptr;
}

}  // namespace
