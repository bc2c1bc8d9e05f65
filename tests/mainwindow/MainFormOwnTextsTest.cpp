#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "foundation/Foundation.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/MainFormOwnTexts.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

TEST(MainFormOwnTexts, CaptionsWiderThanDesignedPushTheBarsRight) {
    EXPECT_EQ(IndicatorRowsFor(60, 92), (IndicatorColumns{92, 0}));
    EXPECT_EQ(IndicatorRowsFor(88, 92), (IndicatorColumns{92, 0}));
    EXPECT_EQ(IndicatorRowsFor(120, 92), (IndicatorColumns{124, 32}));
}

TEST(MainFormOwnTexts, AViewButtonGrowsWithItsCaptionInsideTheColumn) {
    EXPECT_EQ(ViewButtonWidth(40, 60, 79, 3), 60);
    EXPECT_EQ(ViewButtonWidth(70, 60, 79, 3), 70);
    EXPECT_EQ(ViewButtonWidth(90, 60, 79, 3), 73);
    EXPECT_EQ(ViewButtonWidth(90, 60, 50, 3), 60);
    EXPECT_EQ(ViewColumnWidth(60, 79, 3), 79);
    EXPECT_EQ(ViewColumnWidth(80, 79, 3), 86);
}

struct OwnTexts : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    MainForm form{f, link};
    OwnTexts() { f.gConfiguration.DataPath = platform.DataFolder(); }
    template <class T>
    T* Find(const char* name) {
        return form.findChild<T*>(name);
    }
};

TEST_F(OwnTexts, TheStatusStripAndTheViewsColumnTakeTheRoomTheirRussianTextsNeed) {
    for (int language : {1049, 1033}) {
        form.ml_RuntimeSupport_LanguageChanged(language, language == 1049 ? "Russian" : "English");
        int captionsEnd = 0;
        for (const char* name : {"Label15", "Label16", "Label9"}) {
            const QLabel* label = Find<QLabel>(name);
            EXPECT_GE(label->width(), label->sizeHint().width()) << language << " " << name;
            captionsEnd = std::max(captionsEnd, label->x() + label->sizeHint().width());
        }
        for (const char* bar : {"AntenneBar", "GPSBar", "TCUConnBar"})
            EXPECT_GE(Find<QWidget>(bar)->x(), captionsEnd) << language << " " << bar << " lies over a caption";
        const QWidget* frame = Find<QWidget>("Frame1");
        EXPECT_LE(Find<QWidget>("PCConnBar")->geometry().right(), frame->width()) << language;
        EXPECT_LE(frame->geometry().right(), Find<QWidget>("Label1")->x()) << language;

        const QWidget* column = Find<QWidget>("LogFrame");
        for (const char* name : {"EditorButton", "InboxButton", "OutboxButton", "EGCButton"}) {
            const QPushButton* button = Find<QPushButton>(name);
            EXPECT_GE(button->x(), 0) << language << " " << name;
            EXPECT_LE(button->geometry().right(), column->width()) << language << " " << name;
            EXPECT_GE(button->width(), button->sizeHint().width()) << language << " " << name << " is cut";
        }
        // The work area and the header rows start right of the column.
        form.MainFormSetUp();
        EXPECT_GE(Find<QWidget>("ToFieldText")->x(), column->geometry().right()) << language;
        EXPECT_GE(Find<QWidget>("Editor")->x(), column->geometry().right()) << language;
    }
}

TEST_F(OwnTexts, TheActivityWordAndTheSpokenNamesFollowTheLanguage) {
    form.SetLabel1Caption("Receiving");
    form.ml_RuntimeSupport_LanguageChanged(1049, "Russian");
    EXPECT_EQ(Find<QLabel>("Label1")->text(), f.Strings.GetString(3621, 1049));
    EXPECT_EQ(Find<QWidget>("Editor")->accessibleName(), f.Strings.GetString(3626, 1049));
    EXPECT_EQ(Find<QPushButton>("DistressEditorButton")->text().remove(u'&'), f.Strings.GetString(3624, 1049));
    form.SetLabel1Caption("Idle");
    EXPECT_EQ(Find<QLabel>("Label1")->text(), f.Strings.GetString(3620, 1049));
    form.ml_RuntimeSupport_LanguageChanged(1033, "English");
    EXPECT_EQ(Find<QLabel>("Label1")->text(), "Idle");
    EXPECT_EQ(Find<QWidget>("Editor")->accessibleName(), "Message text");
}

}  // namespace
