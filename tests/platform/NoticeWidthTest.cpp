#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>

#include "platform/NoticeWidth.h"

using namespace tidepost;

namespace {

TEST(NoticeWidth, TheTextLiesAsWideAsItsLongestLineAndTheTitleNeeds) {
    const QFontMetrics fm(QApplication::font());
    const QString longLine = "Do you really want to close the program while messages are waiting?";
    const QString text = "Close Tidepost?\r\n\r\n" + longLine + "\r\nshort";
    const int longest = fm.horizontalAdvance(longLine);

    EXPECT_EQ(NoticeTextWidth(fm, text, fm, "", 5000), longest) << "no line breaks again";
    EXPECT_EQ(NoticeTextWidth(fm, text, fm, "", 200), 200) << "never wider than the screen allows";
    const int forTitle = NoticeTextWidth(fm, "OK", fm, "Tidepost Info", 5000);
    EXPECT_GT(forTitle, fm.horizontalAdvance("Tidepost Info")) << "the title and the title bar's buttons fit";
    EXPECT_EQ(NoticeTextWidth(fm, "", fm, "", 5000), 0);
}

}  // namespace
