#include <QTreeWidget>
#include <gtest/gtest.h>

#include "link/cInfoLog.h"
#include "mainwindow/InfoLogView.h"

using namespace tidepost;

namespace {

InfoLogEntry Entry(const QString& when, quint8 type, qint16 number, const QString& text) {
    InfoLogEntry e;
    e.oDate = QDateTime::fromString(when, "yyyy-MM-dd HH:mm:ss");
    e.InfoType = type;
    e.InfoNumber = number;
    e.InfoMessage = text;
    return e;
}

struct InfoLog : ::testing::Test {
    QTreeWidget list;
    InfoLogView view{&list};
    bool shown = true;
    InfoLog() {
        view.Shown = [this] { return shown; };
        view.Caption = [](int, const QString& english) { return "[" + english + "]"; };
    }
    // Opens the view as the menu does: columns, rows, then newest first.
    void Open(const QList<InfoLogEntry>& entries) {
        view.SetUpInfoLogGridColumns();
        view.LoadInfoLogGrid(entries);
        view.SetTag(1, "DESC");
        view.MessageGrid_HeaderClick(1);
    }
    QStringList Column(int col) const {
        QStringList texts;
        for (int i = 0; i < list.topLevelItemCount(); ++i) texts.append(list.topLevelItem(i)->text(col));
        return texts;
    }
    bool Red(int row) const {
        const QTreeWidgetItem* item = list.topLevelItem(row);
        return item->font(0).bold() && item->foreground(3).color() == QColor(255, 0, 0);
    }
};

TEST_F(InfoLog, AnEmptyLogShowsTheCaptionsOnly) {
    Open({});
    ASSERT_EQ(list.columnCount(), 4);
    EXPECT_EQ(list.headerItem()->text(0), "[Date]");
    EXPECT_EQ(list.headerItem()->text(3), "[Text]");
    EXPECT_EQ(list.topLevelItemCount(), 0);
}

TEST_F(InfoLog, HighlightRuleForLoadedAndAddedRows) {
    struct Case {
        const char* text;
        int number;
        bool highlighted;
    };
    const Case cases[] = {{"MRCC SEARCH&RESCUE call", 5, true}, {"search&rescue", 5, true},
                          {"SEARCH & RESCUE", 5, false},       {"any", 21, true},
                          {"any", 553, true},                  {"any", 10000, false},
                          {"any", 19, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + std::to_string(c.number));
        EXPECT_EQ(InfoLogView::Highlighted(c.text, c.number), c.highlighted);
        Open({Entry("2026-12-10 10:00:00", 2, qint16(c.number), c.text)});
        EXPECT_EQ(Red(0), c.highlighted) << "loaded";
        view.AddMessageGridInfoEntry(QDateTime::currentDateTime(), 1, qint16(c.number), c.text);
        EXPECT_EQ(Red(0), c.highlighted) << "added";
    }
    for (int n : InfoLogView::HighlightedInfoNumbers) EXPECT_TRUE(InfoLogView::Highlighted("x", n)) << n;
}

TEST_F(InfoLog, OpensNewestFirstAndHeaderClicksTurnTheOrder) {
    Open({Entry("2026-12-10 09:00:00", 1, 9, "a"), Entry("2026-12-10 11:00:00", 2, 10, "b"),
          Entry("2026-12-10 10:00:00", 4, 100, "c"), Entry("2026-12-10 08:00:00", 7, 2, "d")});
    EXPECT_EQ(Column(0), (QStringList{"2026-12-10 11:00:00", "2026-12-10 10:00:00", "2026-12-10 09:00:00",
                                      "2026-12-10 08:00:00"}));
    EXPECT_EQ(Column(1), (QStringList{"Error", "Tidepost info", "Info", "Unknown"}));
    EXPECT_EQ(view.Tag(1), "");
    view.MessageGrid_HeaderClick(3);
    EXPECT_EQ(Column(2), (QStringList{"2", "9", "10", "100"})) << "numbers by value";
    EXPECT_FALSE(list.headerItem()->icon(2).isNull());
    EXPECT_TRUE(list.headerItem()->icon(0).isNull()) << "the other indicator goes";
    view.MessageGrid_HeaderClick(3);
    EXPECT_EQ(Column(2), (QStringList{"100", "10", "9", "2"}));
    view.MessageGrid_HeaderClick(1);
    EXPECT_EQ(Column(0).first(), "2026-12-10 08:00:00") << "the first click on Date sorts ascending";
    view.AddMessageGridInfoEntry(QDateTime::fromString("2026-12-10 12:00:00", "yyyy-MM-dd HH:mm:ss"), 4, 10000,
                                 "in\r\nharbour");
    EXPECT_EQ(Column(0).first(), "2026-12-10 12:00:00") << "a new entry goes on top of any order";
    EXPECT_EQ(Column(1).first(), "Tidepost Info");
    EXPECT_EQ(list.topLevelItemCount(), 5);
}

TEST_F(InfoLog, NothingHappensInAnotherView) {
    shown = false;
    view.SetUpInfoLogGridColumns();
    EXPECT_EQ(list.columnCount(), 1);
    view.AddMessageGridInfoEntry(QDateTime::currentDateTime(), 1, 5, "x");
    EXPECT_EQ(list.topLevelItemCount(), 0);
}

TEST_F(InfoLog, ALineOfOtherThanFourFieldsAddsNoRow) {
    Open({});
    view.MessageGrid_AddLine(1, QString("a") + QChar(2) + "1" + QChar(2) + "5", 4);
    view.MessageGrid_AddLine(1, QString("a") + QChar(2) + "1" + QChar(2) + "5" + QChar(2) + "t", 3);
    EXPECT_EQ(list.topLevelItemCount(), 0);
    view.MessageGrid_AddLine(1, QString("a") + QChar(2) + "1" + QChar(2) + "5" + QChar(2) + "t", 4);
    EXPECT_EQ(list.topLevelItemCount(), 1);
}

}  // namespace
