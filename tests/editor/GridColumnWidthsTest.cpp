#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <numeric>

#include "FolderViewsFixture.h"
#include "editor/GridColumnWidths.h"
#include "foundation/AppSettings.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

TEST(FittingColumnWidths, EachColumnTakesTheWiderOfHeadingAndValueAndGivesWayWhereItMust) {
    struct Case {
        const char* what;
        QList<int> heading, value, common;
        int available;
        QList<int> widths;
    };
    const Case cases[] = {
        {"no limit", {40, 60, 30}, {80, 20, 30}, {}, 0, {80, 60, 30}},
        {"room enough", {40, 60, 30}, {80, 20, 30}, {}, 200, {80, 60, 30}},
        {"rare wide values give way to the common ones first, widest first",
         {40, 60, 30}, {120, 20, 70}, {80, 20, 50}, 220, {95, 60, 65}},
        {"then headings give way down to their values", {40, 60, 30}, {80, 20, 30}, {}, 150, {80, 40, 30}},
        {"last, any column down to half its heading", {40, 60, 30}, {80, 20, 30}, {}, 110, {50, 30, 30}},
        {"and never below that", {60, 60, 30}, {80, 20, 30}, {}, 50, {30, 30, 24}},
        {"a missing value counts as none", {40, 60}, {10}, {}, 0, {40, 60}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FittingColumnWidths(c.heading, c.value, c.available, c.common), c.widths) << c.what;
}

struct FittedGrids : FolderViewsFixture {
    FittedGrids() {
        f.gInboxDir = platform.DataFolder() + "/inbox";
        QDir().mkpath(f.gInboxDir);
    }
    // The sent items as the main window loads them: the message area hands the widths back to the view.
    void LoadSentItems() {
        views.OutboxButton_Click();
        views.RestoreSentItemsGridWidths();
    }
    // The pixels the grid's columns take, and the room its view gives them.
    static int Total(const FlexGrid& grid) {
        int total = 0;
        for (int col = 0; col < grid.Cols(); ++col) total += grid.columnWidth(col);
        return total;
    }
    static int Room(const FlexGrid& grid) {
        return grid.width() - 2 * grid.frameWidth() - grid.verticalScrollBar()->sizeHint().width();
    }
    // With room, each heading and every typical value shows whole; where room is short, the
    // common value of each column still does.
    void ExpectReadable(const FlexGrid& grid, FolderGridKind kind, bool roomy, const char* language) {
        const QStringList typical = TypicalFolderRow(f, kind);
        QFont bold = grid.font();
        bold.setBold(true);
        const QFontMetrics fm(bold);
        for (int col = 0; col < grid.Cols(); ++col) {
            const QStringList values = typical.value(col).split(u'|');
            EXPECT_GT(grid.columnWidth(col), fm.horizontalAdvance(values.first()))
                << language << " column " << col << " value " << values.first().toStdString();
            if (!roomy) continue;
            EXPECT_GE(grid.columnWidth(col), grid.horizontalHeader()->sectionSizeHint(col))
                << language << " heading of column " << col << ": " << grid.TextMatrix(0, col).toStdString();
            for (const QString& value : values)
                EXPECT_GT(grid.columnWidth(col), fm.horizontalAdvance(value))
                    << language << " column " << col << " value " << value.toStdString();
        }
    }
};

TEST_F(FittedGrids, SentItemsShowTheirHeadingsAndValuesAndKeepTheStatusColumnInSight) {
    for (int language : {1033, 1049}) {
        f.Strings.CurrentLanguageId = language;
        const char* name = language == 1033 ? "English" : "Russian";
        // Wide enough for everything.
        sent->resize(1600, 400);
        LoadSentItems();
        ExpectReadable(*sent, FolderGridKind::SentItems, true, name);
        // The grid of the main window at its default size.
        sent->resize(730, 400);
        LoadSentItems();
        ExpectReadable(*sent, FolderGridKind::SentItems, false, name);
        EXPECT_LE(Total(*sent), Room(*sent)) << name << ": the Status column ends inside the view";
    }
}

TEST_F(FittedGrids, InboxAndEgcHeadingsAndValuesShowWhole) {
    for (int language : {1033, 1049}) {
        f.Strings.CurrentLanguageId = language;
        const char* name = language == 1033 ? "English" : "Russian";
        inbox->resize(1600, 400);
        egc->resize(1600, 400);
        views.InboxButton_Click();
        views.EGCButton_Click();
        ExpectReadable(*inbox, FolderGridKind::Inbox, true, name);
        ExpectReadable(*egc, FolderGridKind::Egc, true, name);
    }
}

TEST_F(FittedGrids, WidthsTheOperatorStoredAreKept) {
    SaveAppSetting(f, f.gProductName, "Config", "SENTITEMSGRID", " 3000: 600: 600: 600: 600: 600: 600: 600: 600: 600:");
    sent->resize(730, 400);
    LoadSentItems();
    EXPECT_EQ(GridWidthsText(*sent), " 3000: 600: 600: 600: 600: 600: 600: 600: 600: 600:");
}

}  // namespace
