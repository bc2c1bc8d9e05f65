#include <gtest/gtest.h>

#include "editor/FolderViewsFixture.h"
#include "messages/SentItemsGrid.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

// Three sent items (newest on top) and a distress alert below them; the viewer is a script that
// shows every file that exists in the sent-items folder.
struct SentItemsNavigation : FolderViewsFixture {
    QStringList opened;
    void SetUp() override {
        for (const char* name : {"26121001.out", "26121003.out"}) Write(name, "text");  // 26121002.out is gone
        Write("OUT.IDX", Lines({SubmissionLine("26121001.out", "112", "1", "Delivered"),
                                SubmissionLine("26121002.out", "112", "2", "Delivered"),
                                SubmissionLine("26121003.out", "112", "3", "Delivered"), DistressLine("Conf.Ok")}));
        LoadSentItemsGrid(m);
        views.Seams.LoadText = [this](const QString& folder, const QString& file, bool next, bool previous, int type) {
            opened.append(QString("%1 %2 %3 %4").arg(file).arg(next).arg(previous).arg(type));
            return !QFile::exists(folder + file);
        };
    }
};

TEST_F(SentItemsNavigation, OpensTheCurrentRowWithItsNeighboursNamed) {
    sent->SetRow(1);
    EXPECT_FALSE(views.OpenSelectedSentItem());
    sent->SetRow(3);
    EXPECT_FALSE(views.OpenSelectedSentItem());
    EXPECT_EQ(opened, (QStringList{"26121003.out 0 1 2", "26121001.out 1 1 2"}));
}

TEST_F(SentItemsNavigation, ADistressAlertOpensNothing) {
    sent->SetRow(4);
    EXPECT_FALSE(views.OpenSelectedSentItem());
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(SentItemsNavigation, NextAndPreviousStepAndComeBackFromAMissingFile) {
    sent->SetRow(1);
    views.GetNextOutboxMessage();
    EXPECT_EQ(sent->Row(), 1) << "nothing above the newest";
    EXPECT_EQ(opened.last(), "26121003.out 0 1 2");

    views.GetPrevOutboxMessage();  // onto 26121002.out, whose file is gone
    EXPECT_EQ(opened.last(), "26121002.out 1 1 2");
    EXPECT_EQ(sent->Row(), 1) << "back on the row it came from";
    EXPECT_EQ(sent->ColSel(), 9);

    sent->SetRow(3);
    views.GetNextOutboxMessage();
    EXPECT_EQ(sent->Row(), 3);
    sent->SetRow(2);
    views.GetPrevOutboxMessage();
    EXPECT_EQ(sent->Row(), 3);
    EXPECT_EQ(opened.last(), "26121001.out 1 1 2");
}

TEST_F(SentItemsNavigation, EmptyGridOpensNothing) {
    sent->SetRows(1);
    EXPECT_FALSE(views.OpenSelectedSentItem());
    int key = 13;
    views.Grid_KeyDown(FolderGridKind::SentItems, key, 0);
    EXPECT_TRUE(opened.isEmpty());
}

}  // namespace
