#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTreeWidget>

#include "editor/FlexGrid.h"
#include "editor/FolderViews.h"
#include "foundation/Foundation.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"
#include "messages/Messages.h"
#include "support/TestPlatform.h"

using namespace tidepost;

TEST(MainFormFolderGrids, TheThreeGridsAndTheirPopupsAreThereByName) {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    f.gConfiguration.DataPath = platform.DataFolder();
    f.gEgcDir = platform.DataFolder() + "/egc";
    QDir().mkpath(f.gEgcDir);
    Link link{f};
    Messages m{f, link};
    {
        MainForm form{f, link, &m};
        for (const char* name : {"InboxMSGrid", "OutboxMSGrid", "EGCMSGrid"}) {
            auto* grid = form.findChild<FlexGrid*>(name);
            ASSERT_NE(grid, nullptr) << name;
            EXPECT_FALSE(grid->accessibleName().isEmpty());
        }
        EXPECT_EQ(m.OutboxMSGrid, static_cast<IFlexGrid*>(form.findChild<FlexGrid*>("OutboxMSGrid")));
        ASSERT_NE(form.Folders(), nullptr);

        auto* egcPopup = form.findChild<QMenu*>("EGCPopup");
        auto* sentPopup = form.findChild<QMenu*>("SentItemsPopup");
        ASSERT_NE(egcPopup, nullptr);
        ASSERT_NE(sentPopup, nullptr);
        QStringList egcItems, sentItems;
        for (QAction* a : egcPopup->actions()) egcItems.append(a->text());
        for (QAction* a : sentPopup->actions()) sentItems.append(a->text());
        EXPECT_EQ(egcItems, (QStringList{"Open EGC", "Sort by Column", "Mark Unread", "Delete EGC"}));
        EXPECT_EQ(sentItems, (QStringList{"Open Message", "Sort by Column", "Request Confirmation", "Delete Message"}));
        EXPECT_FALSE(form.findChild<QAction*>("EGCSortColumn")->isVisible());

        form.Folders()->EGCButton_Click();
        EXPECT_EQ(form.findChild<FlexGrid*>("EGCMSGrid")->TextMatrix(0, 0), "Disk Filename");
    }
    EXPECT_EQ(m.OutboxMSGrid, nullptr) << "the message area lets the grid go with the window";
}

TEST(MainFormFolderGrids, ViewCommandsReachTheViewsAndTheInfoLogListsOnlyWhenShown) {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    f.gConfiguration.DataPath = platform.DataFolder();
    f.gInboxDir = platform.DataFolder() + "/inbox";
    QDir().mkpath(f.gInboxDir);
    {
        QFile index(f.gInboxDir + "/in.idx");
        ASSERT_TRUE(index.open(QIODevice::WriteOnly));
        index.write("MSG1:112:0:0:26-12-10 09:15: 512:4711:Direct:No:26121001.txt\r\n");
    }
    Link link{f};
    Messages m{f, link};
    MainForm form{f, link, &m};
    ASSERT_TRUE(form.InboxButton_Click);
    form.InboxButton_Click();
    EXPECT_EQ(form.MessageLogShown, 1);
    auto* inbox = form.findChild<FlexGrid*>("InboxMSGrid");
    ASSERT_EQ(inbox->Rows(), 2);
    EXPECT_TRUE(inbox->RowBold(1));
    EXPECT_NE(m.Window, nullptr) << "the message area reaches the views";

    auto* list = form.findChild<QTreeWidget*>("MessageGrid");
    ASSERT_NE(list, nullptr);
    form.AddMessageGridInfoEntry(QDateTime::currentDateTime(), 1, 80, "Sent");
    EXPECT_EQ(list->topLevelItemCount(), 0) << "not while the inbox is shown";
    form.findChild<QAction*>("mnuInfoLog")->trigger();
    EXPECT_EQ(form.MessageLogShown, 4);
    EXPECT_EQ(list->columnCount(), 4);
    form.AddMessageGridInfoEntry(QDateTime::currentDateTime(), 1, 80, "Sent");
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(3), "Sent");
}
