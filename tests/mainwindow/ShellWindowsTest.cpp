#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "foundation/Foundation.h"
#include "foundation/GeneralRoutines.h"
#include "foundation/ProgramVersion.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/ShellWindows.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

struct Shell : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    MainForm form{f, link};
    QList<std::pair<int, int>> counted;

    Shell() {
        f.VersionText = "2.01 ";
        form.HotList.Add = [this](int id, int parent) { counted.append({id, parent}); };
        form.setGeometry(200, 150, 800, 600);
        form.show();
    }
    ~Shell() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    AboutTidepost* About() { return form.Shell().About.loaded(); }
    QString Text(QWidget* w, const char* label) { return w->findChild<QLabel*>(label)->text(); }
};

TEST_F(Shell, AboutBoxShowsTheProgramsFacts) {
    form.findChild<QAction*>("mnuAbout")->trigger();
    ASSERT_NE(About(), nullptr);
    EXPECT_TRUE(About()->isVisible());
    EXPECT_FALSE(About()->isModal());
    EXPECT_EQ(About()->windowTitle(), "About Kalvenor & Kalvenor Tidepost");
    EXPECT_EQ(Text(About(), "Label2"), "Kalvenor & Kalvenor Tidepost");
    EXPECT_EQ(Text(About(), "Label3"), "A graphical terminal for Kalvenor & Kalvenor Inmarsat-C transceivers");
    EXPECT_EQ(Text(About(), "VersionLabel"), "Version:");
    EXPECT_EQ(Text(About(), "VersionValueLabel"), "2.01 ");
    EXPECT_EQ(Text(About(), "BuildValueLabel"), FormatRevision(GetProgramVersion()));
    EXPECT_EQ(Text(About(), "BuildValueLabel").size(), 3);
    EXPECT_EQ(Text(About(), "BuildDateValueLabel"), "7/3/2012");
    EXPECT_EQ(Text(About(), "OsValueLabel"), AboutTidepost::SupportedPlatform());
    EXPECT_TRUE(Text(About(), "OsValueLabel").startsWith("Linux ("));
    EXPECT_EQ(Text(About(), "lblDisclaimer"), QString("For further info please visit: ") + AboutTidepost::kMakerAddress);
    EXPECT_EQ(About()->findChild<QPlainTextEdit*>("DisclaimerField")->toPlainText(),
              QString(GetDisclaimerText(f)).replace("\r\n", "\n"));
    EXPECT_EQ(About()->findChild<QPushButton*>("cmdOK")->text(), "&OK");
    // A value is named by its caption for a screen reader.
    EXPECT_EQ(About()->findChild<QLabel*>("VersionValueLabel")->accessibleName(), "Version:");
    // Centred over the main window.
    EXPECT_NEAR(About()->frameGeometry().center().x(), form.frameGeometry().center().x(), 2);
    EXPECT_NEAR(About()->frameGeometry().center().y(), form.frameGeometry().center().y(), 2);
    EXPECT_EQ(counted, (QList<std::pair<int, int>>{{2064, 0}}));
}

TEST_F(Shell, ASecondOpeningBringsTheSameBoxAndCountsAgain) {
    form.mnuAbout_Click();
    AboutTidepost* first = About();
    form.mnuAbout_Click();
    EXPECT_EQ(About(), first);
    EXPECT_EQ(counted.size(), 2);
}

TEST_F(Shell, OkOrEscClosesTheAboutBoxAndLetsItGo) {
    for (bool byEsc : {false, true}) {
        form.mnuAbout_Click();
        QPushButton* ok = About()->findChild<QPushButton*>("cmdOK");
        if (byEsc) QTest::keyClick(ok, Qt::Key_Escape);
        else ok->click();
        EXPECT_FALSE(form.Shell().About.isLoaded()) << byEsc;
    }
}

TEST_F(Shell, AboutBoxFollowsTheLanguageWithTheCaptionOfItsOwnId) {
    form.mnuAbout_Click();
    f.Strings.Notifier.AnnounceLanguage(1049, "Russian");
    EXPECT_EQ(About()->windowTitle(), f.Strings.GetString(2126, 1049));
    EXPECT_EQ(Text(About(), "VersionLabel"), f.Strings.GetString(3034, 1049));
    EXPECT_EQ(Text(About(), "OsValueLabel"), AboutTidepost::SupportedPlatform());
    f.Strings.SetMlLanguage(1033);
}

TEST_F(Shell, DisclaimerTextsAndKeyboardOrder) {
    ASISForm& d = form.Shell().Disclaimer.get();
    d.LoadText();
    EXPECT_EQ(d.windowTitle(), "IMPORTANT Agreement.");
    EXPECT_EQ(Text(&d, "Label2"), "IMPORTANT!   Please read below agreement!");
    auto* text = d.findChild<QPlainTextEdit*>("DisclaimerTextBox");
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->accessibleName(), "IMPORTANT!   Please read below agreement!");
    EXPECT_EQ(d.findChild<QPushButton*>("AcceptButton")->text(), "I accept!");
    EXPECT_EQ(d.findChild<QPushButton*>("Command1")->text(), "I don't accept");
    // Tab goes from the agreement to "I accept!", then to "I don't accept".
    auto nextByTab = [](QWidget* w) {
        do w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        return w;
    };
    EXPECT_EQ(nextByTab(text), d.findChild<QPushButton*>("AcceptButton"));
    EXPECT_EQ(nextByTab(d.findChild<QPushButton*>("AcceptButton")), d.findChild<QPushButton*>("Command1"));
}

TEST_F(Shell, SplashHasItsPictureAndText) {
    frmSplash& s = form.Shell().Splash.get();
    auto* picture = s.findChild<QLabel*>("Image1");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->pixmap().size(), QSize(465, 281));
    EXPECT_EQ(Text(&s, "Label3"), "Please Wait....");
}

}  // namespace
