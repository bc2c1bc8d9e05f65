#include <gtest/gtest.h>

#include "mainwindow/MainLayout.h"

using namespace tidepost;

namespace {

// An 800 x 600 pixel window at 15 twips a pixel, with a frame of 8 pixels around and a caption.
MainLayoutInput Window() {
    MainLayoutInput in;
    in.Width = 12000;
    in.Height = 9000;
    in.ScaleWidth = 12000 - 240;
    in.ScaleHeight = 9000 - 690;
    in.Caption = 330;
    return in;
}
constexpr int kDw = 240;
constexpr int kDh = 690;
constexpr int kNone = -1;

struct LayoutCase {
    const char* name;
    MainLayoutInput in;
    int to, cc, bcc, subject;
    TwipsRect view;
    int logFrameTop;  // kNone: the frame is hidden
};

MainLayoutInput With(void (*change)(MainLayoutInput&)) {
    MainLayoutInput in = Window();
    change(in);
    return in;
}

const LayoutCase kLayouts[] = {
    {"EditorWithoutProvider", Window(), 960, kNone, kNone, 1335, {1260, 1710, 12000 - 1185 - kDw - 90, 9000 - 95 - 1710},
     1710},
    {"EditorWithCcAndBcc", With([](MainLayoutInput& in) { in.CcAllowed = in.BccAllowed = true; }), 960, 1335, 1710,
     2085, {1260, 2460, 12000 - 1185 - kDw - 90, 9000 - 95 - 2460}, 2460},
    {"EditorWithBccOnly", With([](MainLayoutInput& in) { in.BccAllowed = true; }), 960, kNone, 1335, 1710,
     {1260, 2085, 12000 - 1185 - kDw - 90, 9000 - 95 - 2085}, 2085},
    {"Inbox", With([](MainLayoutInput& in) { in.View = 1; }), kNone, kNone, kNone, kNone,
     {1260, 960, 12000 - 1185 - kDw - 90, 9000 - 330 - 1680}, 960},
    {"SentItemsInCompactMode", With([](MainLayoutInput& in) { in.View = 2, in.Compact = true; }), kNone, kNone, kNone,
     kNone, {30, 960, 12000 - kDw - 90, 9000 - 330 - 1680}, kNone},
    {"EgcWithInfoBox", With([](MainLayoutInput& in) { in.View = 3, in.InfoBoxVisible = true; }), kNone, kNone, kNone,
     kNone, {1260, 1635, 12000 - 1185 - kDw - 90, 9000 - 330 - 1680 - 675}, 1635},
    {"InfoLogWithInfoBox", With([](MainLayoutInput& in) { in.View = 4, in.InfoBoxVisible = true; }), kNone, kNone,
     kNone, kNone, {1260, 1635, 12000 - 1185 - kDw - 90, 9000 - 330 - 675 - kDh - 930}, 1635},
    {"InfoLog", With([](MainLayoutInput& in) { in.View = 4; }), kNone, kNone, kNone, kNone,
     {1260, 960, 12000 - 1185 - kDw - 90, 9000 - 330 - kDh - 930}, 960},
    {"EditorWithInfoBox", With([](MainLayoutInput& in) { in.InfoBoxVisible = true; }), 1635, kNone, kNone, 2010,
     {1260, 2385, 12000 - 1185 - kDw - 90, 9000 - 95 - 2385}, 2385},
    {"CompactEditorDropsCcAndBcc",
     With([](MainLayoutInput& in) { in.Compact = in.CcAllowed = in.BccAllowed = true; }), 960, kNone, kNone, 1335,
     {30, 1710, 12000 - kDw - 90, 9000 - 95 - 1710}, kNone},
    {"ElectronicForm", With([](MainLayoutInput& in) { in.View = 5; }), kNone, kNone, kNone, kNone,
     {1260, 960, 12000 - 1185 - kDw - 90, 9000 - 330 - 1680}, 960},
};

class MainLayoutTable : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(MainLayoutTable, PlacesRowsViewAndColumn) {
    const LayoutCase& c = GetParam();
    const MainLayout out = ComputeMainLayout(c.in);
    EXPECT_EQ(out.ToTop, c.to);
    EXPECT_EQ(out.CcTop, c.cc);
    EXPECT_EQ(out.BccTop, c.bcc);
    EXPECT_EQ(out.SubjectTop, c.subject);
    EXPECT_EQ(out.ToFieldVisible, c.to != kNone);
    EXPECT_EQ(out.CcFieldVisible, c.cc != kNone);
    EXPECT_EQ(out.BCcFieldVisible, c.bcc != kNone);
    EXPECT_EQ(out.SubjectFieldVisible, c.subject != kNone);
    EXPECT_TRUE(out.ViewShown);
    EXPECT_EQ(out.ViewControl, c.view);
    EXPECT_EQ(out.LogFrameVisible, c.logFrameTop != kNone);
    EXPECT_EQ(out.LogFrameTop.value_or(kNone), c.logFrameTop);
}

INSTANTIATE_TEST_SUITE_P(Views, MainLayoutTable, ::testing::ValuesIn(kLayouts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MainLayout, WidthsOfHeaderRowsInfoBoxAndStatusPanelsFollowTheWindow) {
    MainLayoutInput in = Window();
    in.InfoBoxVisible = true;
    const MainLayout out = ComputeMainLayout(in);
    EXPECT_EQ(out.HeaderWidth, 12000 - 1430);
    EXPECT_EQ(out.InfoBoxWidth, 12000 - 200);
    EXPECT_EQ(out.StatusBarTop, 9000 - 95);
    EXPECT_EQ(out.PanelWidths[0], 1260);
    EXPECT_EQ(out.PanelWidths[1], 12000 - 1260 - 1000);
    EXPECT_EQ(out.PanelWidths[2], 600);
}

TEST(MainLayout, AViewOutsideTheKnownOnesShowsNothing) {
    MainLayoutInput in = Window();
    in.View = 6;
    EXPECT_FALSE(ComputeMainLayout(in).ViewShown);
}

struct ButtonsCase {
    const char* name;
    bool distress, compact, forms;
    bool arranged;
    int inbox, outbox, egc, forms_top, frame;
};

const ButtonsCase kButtons[] = {
    {"DistressButtonShown", true, false, false, true, 1830, 2625, 3420, 0, 5 * 800 + 380},
    {"DistressButtonShownInCompactMode", true, true, false, true, 1830, 2625, 3420, 0, 5 * 800 + 380},
    {"DistressButtonHidden", false, false, false, true, 1035, 1830, 2625, 0, 4 * 800 + 380},
    {"DistressButtonHiddenWithForms", false, false, true, true, 1035, 1830, 2625, 3420, 5 * 800 + 380},
    {"AllWithForms", true, false, true, true, 1830, 2625, 3420, 4215, 6 * 800 + 380},
    {"HiddenInCompactModeMovesNothing", false, true, true, false, 0, 0, 0, 0, 0},
};

class ViewButtonsTable : public ::testing::TestWithParam<ButtonsCase> {};

TEST_P(ViewButtonsTable, StackFromTheLastShownButton) {
    const ButtonsCase& c = GetParam();
    ViewButtonsInput in;
    in.DistressEditorButtonVisible = c.distress;
    in.Compact = c.compact;
    in.FormsMenuVisible = c.forms;
    const ViewButtonsLayout out = ArrangeViewButtons(in);
    EXPECT_EQ(out.Arranged, c.arranged);
    EXPECT_EQ(out.InboxTop, c.inbox);
    EXPECT_EQ(out.OutboxTop, c.outbox);
    EXPECT_EQ(out.EGCTop, c.egc);
    EXPECT_EQ(out.FormsVisible, c.forms_top != 0);
    EXPECT_EQ(out.FormsTop, c.forms_top);
    EXPECT_EQ(out.FrameHeight, c.frame);
}

INSTANTIATE_TEST_SUITE_P(Column, ViewButtonsTable, ::testing::ValuesIn(kButtons),
                         [](const auto& info) { return std::string(info.param.name); });

struct CompactCase {
    const char* name;
    int windowHeight;
    bool compactOn, choiceIsOff;
    std::optional<bool> set;
    bool menuEnabled;
};

// The column: top 1710, 4380 high; with a caption of 330 it fits from a window of 7120 on.
const CompactCase kCompact[] = {
    {"TooLowSwitchesOn", 7119, false, true, true, false},
    {"TooLowAndAlreadyOn", 7119, true, true, std::nullopt, false},
    {"TallEnoughSwitchesOff", 7120, true, true, false, true},
    {"TallEnoughAndOff", 9000, false, true, std::nullopt, true},
    {"OperatorsChoiceStaysCompactWhenLow", 5000, true, false, std::nullopt, false},
    {"OperatorsChoiceStaysCompactWhenTall", 9000, true, false, std::nullopt, true},
};

class AutoCompactTable : public ::testing::TestWithParam<CompactCase> {};

TEST_P(AutoCompactTable, FollowsTheColumnOnlyWhileTheChoiceIsOff) {
    const CompactCase& c = GetParam();
    const AutoCompactDecision d = AutoCompact(1710, 4380, c.windowHeight, 330, c.compactOn, c.choiceIsOff);
    EXPECT_EQ(d.SetCompact, c.set);
    EXPECT_EQ(d.MenuEnabled, c.menuEnabled);
}

INSTANTIATE_TEST_SUITE_P(Rule, AutoCompactTable, ::testing::ValuesIn(kCompact),
                         [](const auto& info) { return std::string(info.param.name); });

struct LimitCase {
    const char* name;
    PixelRect frame;
    bool normal;
    PixelRect expected;
};

// A 1280 x 1024 screen and a 22 pixel caption.
const LimitCase kLimits[] = {
    {"InsideStays", {100, 50, 800, 600}, true, {100, 50, 800, 600}},
    {"TooSmallGrowsToTheMinimum", {100, 50, 500, 300}, true, {100, 50, 640, 480}},
    {"CaptionJustVisibleStays", {100, -22, 800, 600}, true, {100, -22, 800, 600}},
    {"CaptionAboveTheScreenComesBackCentred", {100, -23, 800, 600}, true, {320, 272, 640, 480}},
    {"WhollyLeftOfTheScreenComesBack", {-801, 50, 800, 600}, true, {320, 272, 640, 480}},
    {"PartlyLeftStays", {-799, 50, 800, 600}, true, {-799, 50, 800, 600}},
    {"HigherThanTheScreenComesBack", {0, 0, 800, 1025}, true, {320, 272, 640, 480}},
    {"WiderThanTheScreenComesBack", {0, 0, 1281, 600}, true, {320, 272, 640, 480}},
    {"MaximisedIsOnlyKeptAtTheMinimum", {-801, -100, 500, 2000}, false, {-801, -100, 640, 2000}},
};

class LimitWindowTable : public ::testing::TestWithParam<LimitCase> {};

TEST_P(LimitWindowTable, KeepsTheWindowUsable) {
    const LimitCase& c = GetParam();
    EXPECT_EQ(LimitWindow(c.frame, 1280, 1024, 22, c.normal), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Limits, LimitWindowTable, ::testing::ValuesIn(kLimits),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
