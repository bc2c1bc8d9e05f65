#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "ReportingFixture.h"
#include "link/CommandQueue.h"
#include "reporting/PositionForm.h"

using namespace tidepost;
using test::ReportingFixture;

namespace {

const QString kStx = QString(QChar(2));
const QString kEtx = QString(QChar(3));

struct Position : ReportingFixture {
    Position() {
        f.gSession.SetMesConnected(true);
        f.gSession.SetGpsStatus("OK");
    }
    ~Position() override {
        r.PositionForms.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The reply to "se -p" for this position.
    QString Reply(const QString& position, int course = 90, int speed = 11, const QString& status = "Valid") const {
        const QString& end = link.Dialogue.EchoTerminator;
        return "se -p" + end + "Position : " + kStx + position + kEtx + " at 12:34:56 UTC" + end + "Course   : " + kStx +
               QString::number(course) + kEtx + end + "Speed    : " + kStx + QString::number(speed) + kEtx + end +
               "Status   : " + status + end + link.Dialogue.CurrentPrompt;
    }
    // "Position info": asked for, then the reply.
    PositionForm& Open(const QString& position = "55 40 12 N 012 35 47 E") {
        link.Requests.PositionFormRequested = true;
        Dispatch(Reply(position));
        return *r.PositionForms.loaded();
    }
    static QStringList Fields(const PositionForm& form) {
        return {form.LatDegText->text(), form.LatMinText->text(), form.LatHundText->text(), form.NSHem->currentText(),
                form.LonDegText->text(), form.LonMinText->text(), form.LonHundText->text(), form.EWHem->currentText(),
                form.CourseText->text(), form.SpeedText->text()};
    }
    static void Type(PositionForm& form, const QStringList& values) {
        QLineEdit* boxes[] = {form.LatDegText, form.LatMinText, form.LatHundText, form.LonDegText,
                              form.LonMinText, form.LonHundText, form.CourseText, form.SpeedText};
        for (int i = 0; i < 8; ++i) boxes[i]->setText(values.value(i));
        form.NSHem->setCurrentText(values.value(8));
        form.EWHem->setCurrentText(values.value(9));
    }
    QString Queue() const { return link.Dialogue.CommandQueue; }
};

TEST_F(Position, TheReplyShowsTheDialog) {
    platform.Clock.Set(QDateTime(QDate(2012, 7, 3), QTime(9, 5, 7)));
    f.gSession.SetSystemTime(QDateTime(QDate(2026, 12, 11), QTime(13, 0), Qt::UTC));
    PositionForm& form = Open();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(Fields(form), (QStringList{"55", "40", "12", "N", "12", "35", "47", "E", "90", "11"}));
    EXPECT_EQ(form.DateLabel->text(), "2026-12-11");
    EXPECT_EQ(form.TimeLabel->text(), "12:34");
    EXPECT_EQ(form.TimeZone->text(), "UTC");
    EXPECT_EQ(form.StatusText->text(), "valid");
    EXPECT_EQ(form.windowTitle(), "Position updated at 9:5:7");
    EXPECT_EQ(window.Calls, QStringList{"UnloadWaitForm"});
    EXPECT_EQ(form.LatHundText->accessibleName(), "Latitude: hundredths of a minute");
    EXPECT_EQ(form.EWHem->accessibleName(), "Longitude: hemisphere");
    EXPECT_EQ(form.SpeedText->accessibleName(), "Speed: knots");

    // Hundredths follow the minutes' point: 5 is shown "05", not "5" (which reads as 50).
    Dispatch(Reply("56 20 05 S 003 04 01 W", 180, 12, "Not Valid"));
    EXPECT_EQ(Fields(form), (QStringList{"56", "20", "05", "S", "3", "4", "01", "W", "180", "12"}));
    EXPECT_EQ(form.StatusText->text(), "not valid");
    EXPECT_EQ(form.StatusText->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST_F(Position, WithoutGpsTheFieldsAreKeptAndWithoutAPositionEmptied) {
    PositionForm& form = Open();
    f.gSession.SetGpsStatus("FAIL");
    form.LatDegText->setText("1");
    Dispatch(Reply("56 20 05 S 003 04 01 W"));
    EXPECT_EQ(form.LatDegText->text(), "1");
    EXPECT_EQ(form.NSHem->currentText(), "N");

    // No position: the boxes and the hemispheres are emptied at every reply.
    r.PositionForms.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    PositionForm& empty = Open("no position");
    EXPECT_EQ(Fields(empty), (QStringList{"", "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(empty.TimeZone->text(), "UTC");
    EXPECT_FALSE(empty.PositionShown);
    EXPECT_EQ(empty.windowTitle(), "Position");
}

TEST_F(Position, ChecksInOrder) {
    PositionForm& form = Open();
    struct Case {
        QStringList values;  // lat deg, min, hund, lon deg, min, hund, course, speed, N/S, E/W
        QString message;     // "" when it passes
        QString focus;
    } cases[] = {
        {{"90", "0", "0", "180", "0", "0", "360", "200", "N", "E"}, "", ""},
        {{"0", "0", "0", "0", "0", "0", "361", "0", "N", "E"},
         "Error: Course field must contain a value between 0 and 360", "CourseText"},
        {{"0", "0", "0", "0", "0", "0", "0", "201", "N", "E"},
         "Error: Speed field must contain a value between 0 and 200", "SpeedText"},
        {{"91", "0", "0", "0", "0", "0", "0", "0", "N", "E"},
         "Error: Latitude degrees field must contain a value between 0 and 90", "LatDegText"},
        {{"90", "0", "1", "0", "0", "0", "0", "0", "S", "E"},
         "Error: Latitude is 90\u00b0 0.01' S\r\nIt must be between 0 and 90 degrees", "LatDegText"},
        {{"1", "60", "50", "0", "0", "0", "0", "0", "N", "E"},
         "Error: Latitude minutes are 60.50' N\r\nIt must be between 0 and 60 minutes", "LatMinText"},
        {{"1", "60", "5", "0", "0", "0", "0", "0", "N", "E"},
         "Error: Latitude minutes are 60.05' N\r\nIt must be between 0 and 60 minutes", "LatMinText"},
        {{"0", "0", "0", "180", "0", "1", "0", "0", "N", "W"},
         "Error: Longitude is 180\u00b0 0.01' W\r\nIt must be between 0 and 180 degrees", "LonDegText"},
        {{"0", "0", "0", "1", "60", "1", "0", "0", "N", "W"},
         "Error: Longitude minutes are 60.01' W\r\nIt must be between 0 and 60 minutes", "LonMinText"},
        {{"0", "0", "0", "0", "0", "0", "0", "0", "", "E"}, "Choose the hemispheres of the position: N or S, and E or W.",
         "NSHem"},
        {{"0", "0", "0", "0", "0", "0", "0", "0", "S", ""}, "Choose the hemispheres of the position: N or S, and E or W.",
         "EWHem"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.values.join(' ').toStdString());
        const std::optional<PositionRefusal> refusal = CheckTypedPosition(f, {c.values[0], c.values[1], c.values[2], c.values[8],
                                                                           c.values[3], c.values[4], c.values[5], c.values[9],
                                                                           c.values[6], c.values[7]});
        EXPECT_EQ(refusal ? refusal->text : QString(), QString::fromUtf8(c.message.toUtf8()));
        EXPECT_EQ(refusal ? refusal->box : QString(), c.focus);
    }
    (void)form;
}

TEST_F(Position, OkSendsTheTypedPositionAndReadsItBack) {
    PositionForm& form = Open();
    Type(form, {"56", "20", "5", "3", "4", "1", "180", "12", "N", "W"});
    form.OKButton_Click();
    EXPECT_EQ(Queue(), "se -p 56,20,5,N,3,4,1,W,180,12\r\nse -p\r\n");
    EXPECT_FALSE(r.PositionForms.isLoaded());
    EXPECT_FALSE(link.Requests.PositionFormRequested);

    // Empty numbers go as 0; without the link nothing is sent and the dialog closes all the same.
    link.Dialogue.CommandQueue.clear();
    PositionForm& again = Open();
    Type(again, {"", "", "", "", "", "", "", "", "S", "E"});
    again.OKButton_Click();
    EXPECT_EQ(Queue(), "se -p 0,0,0,S,0,0,0,E,0,0\r\nse -p\r\n");
    link.Dialogue.CommandQueue.clear();
    f.gSession.SetMesConnected(false);
    Open().OKButton_Click();
    EXPECT_EQ(Queue(), "");
    EXPECT_FALSE(r.PositionForms.isLoaded());
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(Position, ARefusalKeepsTheDialogOpen) {
    PositionForm& form = Open();
    form.show();
    form.OKButton->setFocus();
    // A field's box answered Cancel: the focus stays; answered OK: the field takes it, selected.
    form.CourseText->setText("400");
    platform.Boxes.Answer(MsgAnswer::Cancel);
    form.OKButton_Click();
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown.last().title, "Validation error");
    EXPECT_EQ(platform.Boxes.Shown.last().buttons, MsgButtons::OkCancel);
    EXPECT_EQ(platform.Boxes.Shown.last().text, "Error: Course field must contain a value between 0 and 360");
    EXPECT_EQ(form.focusWidget(), form.OKButton);
    platform.Boxes.Answer(MsgAnswer::Ok);
    form.OKButton_Click();
    EXPECT_EQ(form.focusWidget(), form.CourseText);
    EXPECT_EQ(form.CourseText->selectedText(), "400");
    // Without hemispheres (empty fields sent "se -p ,,,,,,,,,"): refused, OK only.
    form.CourseText->setText("0");
    form.NSHem->setCurrentIndex(0);
    form.OKButton_Click();
    EXPECT_EQ(platform.Boxes.Shown.last().buttons, MsgButtons::Ok);
    EXPECT_EQ(form.focusWidget(), form.NSHem);
    EXPECT_EQ(Queue(), "");
    EXPECT_TRUE(r.PositionForms.isLoaded());
    EXPECT_TRUE(link.Requests.PositionFormRequested);
}

TEST_F(Position, TheCloseBoxEndsTheRequestAsCancelDoes) {
    PositionForm& form = Open();
    form.show();
    form.close();
    EXPECT_FALSE(link.Requests.PositionFormRequested);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The next minute's reply no longer brings it back.
    Dispatch(Reply("55 40 12 N 012 35 47 E"));
    EXPECT_FALSE(r.PositionForms.isLoaded());
    Open().CancelButton->click();
    EXPECT_FALSE(link.Requests.PositionFormRequested);
    EXPECT_FALSE(r.PositionForms.isLoaded());
}

TEST_F(Position, BoxesTakeDigitsOnly) {
    PositionForm& form = Open();
    form.LatDegText->clear();
    QTest::keyClicks(form.LatDegText, "1a,2 -34");
    EXPECT_EQ(form.LatDegText->text(), "123");
    form.SpeedText->clear();
    form.SpeedText->insert("1,2");
    EXPECT_EQ(form.SpeedText->text(), "");
    QStringList names;
    QWidget* w = form.LatDegText;
    do {
        if (w->focusPolicy() & Qt::TabFocus && w->isEnabled()) names << w->objectName();
        w = w->nextInFocusChain();
    } while (w != form.LatDegText);
    names.removeAll("");
    EXPECT_EQ(names, (QStringList{"LatDegText", "LatMinText", "LatHundText", "NSHem", "LonDegText", "LonMinText",
                                  "LonHundText", "EWHem", "CourseText", "SpeedText", "OKButton", "CancelButton"}));
}

TEST(FixTime, SplitsTimeAndZone) {
    const std::tuple<QString, QString, QString> cases[] = {
        {"12:34:56 UTC", "12:34", "UTC"}, {"12:34:56", "12:34", ""}, {"12:34 UTC", "", "UTC"},
        {" 12:34:56", " 12:34", ""},      {"", "", ""},              {"1:2:3 GMT+1", "1:2", "GMT+1"}};
    for (const auto& [updated, time, zone] : cases) {
        const FixTimeText split = SplitFixTime(updated);
        EXPECT_EQ(split.Time, time) << updated.toStdString();
        EXPECT_EQ(split.Zone, zone) << updated.toStdString();
    }
}

}  // namespace
