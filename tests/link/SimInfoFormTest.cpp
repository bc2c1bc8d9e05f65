#include <QLineEdit>

#include "DialogueFixture.h"
#include "link/SimInfoForm.h"

using namespace tidepost;
using test::DialogueFixture;

namespace {

struct SimInfo : DialogueFixture {
    SimInfoForm form{link, nullptr};

    void Ok(const QString& text) {
        form.InfonumberField->setText(text);
        form.OKButton_Click();
    }
};

TEST_F(SimInfo, NumberQueuesTheReportAndTheStatusListAtTheFrontOnce) {
    link.Dialogue.CommandQueue = "st -w\r\n";
    form.show();
    Ok("80");
    EXPECT_EQ(link.Dialogue.CommandQueue, "\r\ndb usrrep 80 1\r\nst -l\r\nst -w\r\n");
    Ok(" 80 ");
    EXPECT_EQ(link.Dialogue.CommandQueue, "\r\ndb usrrep 80 1\r\nst -l\r\nst -w\r\n") << "queued once";
    EXPECT_TRUE(form.isVisible()) << "stays for the next number";
    Ok("-7");
    EXPECT_TRUE(link.Dialogue.CommandQueue.startsWith("\r\ndb usrrep -7 1\r\nst -l\r\n"));
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(SimInfo, NumbersThatDoNotFitOrAreNoWholeNumberQueueNothing) {
    for (const char* text : {"99999", "32768", "-32769", "12345678901234567890", "abc", "8 0", "0x50", "1.5", "1e3",
                             "+", "80a"}) {
        platform.Boxes.Shown.clear();
        Ok(text);
        EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty()) << text;
        ASSERT_EQ(platform.Boxes.Shown.size(), 1) << text;
        EXPECT_EQ(platform.Boxes.Shown.first().text, "Error: not a number");
        EXPECT_EQ(platform.Boxes.Shown.first().title, "Error");
    }
    EXPECT_EQ(ParseNotificationNumber("32767"), qint16(32767));
    EXPECT_EQ(ParseNotificationNumber("-32768"), qint16(-32768));
    EXPECT_EQ(ParseNotificationNumber("+5"), qint16(5));
}

TEST_F(SimInfo, EmptyFieldClosesTheWindow) {
    form.show();
    Ok("   ");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

}  // namespace
