#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "ConfigFixture.h"

namespace tidepost::test {
namespace {

// The controls Tab visits from `first`, once round, by name.
QStringList TabRound(QWidget* first) {
    QStringList names;
    QWidget* w = first;
    do {
        if (w->focusPolicy() & Qt::TabFocus && w->isEnabled() && !w->objectName().isEmpty() &&
            w->objectName() != "qt_spinbox_lineedit")
            names << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first);
    return names;
}

TEST_F(ConfigFixture, TabReachesEveryControlOfTheSmallDialogs) {
    LesEditForm& edit = c.LesEditForm.get();
    f.gSession.SetMesConnected(true);
    f.gSession.SetTDMOrigin(144);
    edit.LoadLes("102", "Burum");
    EXPECT_EQ(TabRound(edit.LESName), (QStringList{"LESName", "OKButton", "CancelButton", "InfoButton"}));
    EXPECT_EQ(edit.LESName->accessibleName(), "LES Name:");

    LesServicesForm& services = c.LesServicesForm.get();
    EXPECT_EQ(TabRound(services.ServicesText), (QStringList{"ServicesText", "OKButton"}));

    DefaultLESForm& les = c.DefaultLESForm.get();
    EXPECT_EQ(TabRound(les.LesList[0]),
              (QStringList{"LesList(0)", "LesList(1)", "LesList(2)", "LesList(3)", "OKButton", "CancelButton"}));
    for (QComboBox* combo : les.LesList) EXPECT_FALSE(combo->accessibleName().isEmpty());

    DefaultISPForm& isp = c.DefaultISPForm.get();
    EXPECT_EQ(TabRound(isp.ISPComboBox), (QStringList{"ISPComboBox", "CheckSetDefaultLES", "OKButton", "CancelButton"}));
    EXPECT_EQ(isp.ISPComboBox->accessibleName(), "Default ISP:");
}

TEST_F(ConfigFixture, TabReachesEveryControlOfTheSettingsAndRoutingDialogs) {
    f.gSession.SetProductType(4);
    SettingsForm& settings = c.SettingsForm.get();
    settings.SelectPrintOption(0);  // the number boxes enabled
    settings.PrintOption[0]->setEnabled(true);
    for (QCheckBox* box : {settings.CheckPrintIncomingMsg, settings.CheckPrintEgcs, settings.CheckPrintMsgConf})
        box->setEnabled(true);
    QStringList round = TabRound(settings.TabStrip1);
    round.removeIf([](const QString& name) { return name.startsWith("qt_") || name.startsWith("Scroll"); });
    EXPECT_EQ(round,
              (QStringList{"TabStrip1", "PrintOption0", "PageLines", "LineWidth", "WrapMargin", "PrintOption1",
                           "DefaultButton", "CheckPrintIncomingMsg", "CheckPrintEgcs", "CheckPrintMsgConf",
                           "CheckNewMessageInfoBox", "CheckAllowRemoteConfig", "MsgTypeCombo", "MsgFormatCombo",
                           "MsgAddress", "CheckShowInHarbourButton", "ResetHotlistButton", "OKButton",
                           "CancelButton"}));
    EXPECT_EQ(settings.PageLines->accessibleName(), "Lines on page:");
    EXPECT_EQ(settings.MsgFormatCombo->accessibleName(), "Format:");

    RoutingForm& routing = c.RoutingForm.get();
    routing.LocalPrinterPC = routing.LocalPrinterModem = routing.LocalPrinterOFF = true;
    routing.ShowForm();
    QStringList expected;
    for (const char* row : {"Mail", "System", "FleetNET", "Safety", "Distress"})
        for (const char* col : {"Disk", "LocalPrinter", "RemotePrinter"}) expected << QString(row) + col;
    expected << "OptionPC" << "OptionModem" << "OptionOFF" << "InboxPath" << "InboxPathButton" << "OutboxPath"
             << "OutboxPathButton" << "EGCPath" << "EGCPathButton" << "OKButton" << "CancelButton";
    EXPECT_EQ(TabRound(routing.RouteBoxes[0][0]), expected);
    EXPECT_EQ(routing.RouteBoxes[4][1]->accessibleName(), "EGC SafetyNET Urgent+Distress: Local Printer");
    EXPECT_EQ(routing.PathBoxes[1]->accessibleName(), "Sent Items");
}

}  // namespace
}  // namespace tidepost::test
