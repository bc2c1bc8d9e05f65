#include <QLabel>
#include <QPushButton>

#include "distress/DistressFixture.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

struct LatestDistress : DistressFixture {
    static QString Line(const QString& label, const QString& value) {
        return label.leftJustified(23, ' ') + value + QChar(3) + "\r\n";
    }
};

TEST_F(LatestDistress, ValuesAreReadAtOffset23UpToTheEtxAndTranslated) {
    const QString etx(QChar(3));
    const struct {
        const char* what;
        QString reply;
        const char* alert;
        const char* test;
    } cases[] = {
        {"both accepted", Line("Latest Distress", "accepted") + Line("Latest Distress test", "Accepted"),
         "received by MRCC", "successful"},
        {"any letter case", Line("LATEST DISTRESS", "ACCEPTED") + Line("latest distress TEST", "rEjEcTeD"),
         "received by MRCC", "rejected"},
        {"none", Line("Latest Distress", "None") + Line("Latest Distress test", "NONE"), "none", "none"},
        {"other values unchanged, trimmed", Line("Latest Distress", "  Pending 12 ") + Line("Latest Distress test", "Busy"),
         "Pending 12", "Busy"},
        {"only the test line", Line("Latest Distress test", "accepted"), "", "successful"},
        {"ETX before offset 23", "Latest Distress  x" + etx + "\r\n" + Line("Latest Distress test", "none"), "",
         "none"},
        {"no ETX", "Latest Distress        accepted\r\n", "", ""},
        {"empty value", Line("Latest Distress", "") + Line("Latest Distress test", "   "), "", ""},
        {"nothing", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const LatestDistressValues values = ReadLatestDistressReply(f, "st -a\r\n" + c.reply + "can0:/$ ");
        EXPECT_EQ(values.Alert, c.alert);
        EXPECT_EQ(values.Test, c.test);
    }
}

TEST_F(LatestDistress, ReplyFillsAndShowsTheWindowAndASecondRefreshesIt) {
    link.Dispatch.HandleLatestDistressReply("st -a\r\n" + Line("Latest Distress", "accepted") +
                                            Line("Latest Distress test", "accepted") + "can0:/$ ");
    ASSERT_TRUE(distress.LatestDistressForms.isLoaded());
    LatestDistressForm& form = distress.LatestDistressForms.get();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.objectName(), "LatestDistressForm");
    EXPECT_EQ(form.windowTitle(), "Latest distress info");
    EXPECT_EQ(form.LatestDistressField->text(), "received by MRCC");
    EXPECT_EQ(form.LatestDistressTestField->text(), "successful");
    EXPECT_EQ(form.LatestDistressField->accessibleName(), "Latest Distress Alert:");
    EXPECT_EQ(form.LatestDistressTestField->accessibleName(), "Latest Distress test:");

    link.Dispatch.HandleLatestDistressReply("st -a\r\n" + Line("Latest Distress test", "rejected") + "can0:/$ ");
    EXPECT_EQ(&distress.LatestDistressForms.get(), &form) << "one window";
    EXPECT_EQ(form.LatestDistressField->text(), "");
    EXPECT_EQ(form.LatestDistressTestField->text(), "rejected");

    form.OkButton->click();
    EXPECT_FALSE(distress.LatestDistressForms.isLoaded());
}

}  // namespace
