#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

#include "editor/MessageEditor.h"
#include "foundation/AppSettings.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/cErrorQueue.h"
#include "mainwindow/FormView.h"
#include "mainwindow/HotList.h"
#include "mainwindow/MainFormEditor.h"
#include "mainwindow/StartUpFixture.h"
#include "mainwindow/cMainForm.h"
#include "remote/FormsServer.h"

namespace tidepost {
namespace {

struct ElectronicForms : StartUp {
    QTemporaryDir runtime;
    FormsServer server{f, messages};

    ElectronicForms() {
        server.RuntimeFolder = runtime.path();
        // Never the privileged default port in a test.
        SaveAppSetting(f, f.gProductName, "ElectronicForms", "LocalPort", "0");
    }
    // The window goes before the server it points to.
    ~ElectronicForms() override { form.reset(); }
    void Start() {
        WriteSettings({{"[AS IS Accepted?]", "YES"}, {"[HOST Interface]", "COM"}});
        f.FoundationLoaded = false;
        form = std::make_unique<MainForm>(f, link, &messages);
        form->Forms = &server;
        form->LeaveEventLoop = [] {};
        form->Form_Load({"tidepost"});
        form->show();
    }
    void WriteForm(const QString& name, const QByteArray& text) { platform.WriteDataFile("html/" + name, text); }
    QAction* Item(int i) { return Find<QAction>(QStringLiteral("mnuForm(%1)").arg(i).toUtf8().constData()); }
    QList<std::pair<QString, QString>> Listed() {
        QList<std::pair<QString, QString>> items;
        for (int i = 0; i < 64; ++i)
            if (Item(i)->isVisible()) items.append({Item(i)->text(), Item(i)->data().toString()});
        return items;
    }
    QStringList QueuedTexts() {
        QStringList texts;
        cErrorQueue& queue = ErrorQueue(f);
        while (queue.Count() > 0) texts.append(queue.Dequeue().toString());
        return texts;
    }
    QAction* Menu() { return Find<QMenu>("mnuForms")->menuAction(); }
};

using Items = QList<std::pair<QString, QString>>;

TEST_F(ElectronicForms, OnlyNonEmptyHtmFilesAreListedUnderTheirTitles) {
    WriteForm("order.htm", "<html><head><TITLE>Catch order</Title></head></html>");
    WriteForm("notes.txt", "<title>Notes</title>");
    WriteForm("empty.htm", "");
    WriteForm("REPORT.HTM", "<title>Report</title>");
    WriteForm("page.html", "<title>Page</title>");
    WriteForm("untitled.htm", "<title></title>");
    WriteForm("no title.htm", "plain");
    WriteForm("tricky.htm", "<title>\t Fish &amp; chips\x01\r\n</title>");
    Start();
    EXPECT_EQ(Listed(), (Items{{"no title", "no title.htm"}, {"Catch order", "order.htm"},
                               {"Fish &&amp; chips", "tricky.htm"}, {"untitled", "untitled.htm"}}));
    EXPECT_TRUE(Menu()->isVisible());
    EXPECT_TRUE(Menu()->isEnabled());
    EXPECT_TRUE(server.IsListening()) << "forms exist: the server starts with the program";
    form->CloseWithoutQuestion();
    EXPECT_FALSE(server.IsListening());
    EXPECT_TRUE(server.RedirectFile().isEmpty());
}

TEST_F(ElectronicForms, NoFolderHidesTheMenuAndStartsNoServer) {
    Start();
    EXPECT_EQ(form->UpdateElectronicFormsMenu(), 0);
    EXPECT_FALSE(Menu()->isVisible());
    EXPECT_FALSE(server.IsListening());
}

TEST_F(ElectronicForms, AFolderWithoutFormsHidesTheMenu) {
    WriteForm("notes.txt", "x");
    Start();
    EXPECT_EQ(form->UpdateElectronicFormsMenu(), 0);
    EXPECT_FALSE(Menu()->isVisible());
    EXPECT_FALSE(Menu()->isEnabled());
    EXPECT_FALSE(server.IsListening());
}

TEST_F(ElectronicForms, AShorterScanHidesTheItemsBeyondIt) {
    for (int i = 0; i < 20; ++i) WriteForm(QString("f%1.htm").arg(i, 2, 10, QChar('0')), "x");
    Start();
    EXPECT_EQ(Listed().size(), 20);
    for (int i = 5; i < 20; ++i) QFile::remove(platform.DataFolder() + QString("/html/f%1.htm").arg(i, 2, 10, QChar('0')));
    EXPECT_EQ(form->UpdateElectronicFormsMenu(), 5);
    EXPECT_EQ(Listed().size(), 5);
    for (int i = 5; i < 64; ++i) {
        EXPECT_FALSE(Item(i)->isVisible()) << i;
        EXPECT_EQ(Item(i)->data().toString(), "") << i;
    }
}

TEST_F(ElectronicForms, SixtyFiveFormsListSixtyFourAndSaySo) {
    for (int i = 0; i < 65; ++i) WriteForm(QString("f%1.htm").arg(i, 2, 10, QChar('0')), "x");
    Start();
    QueuedTexts();
    EXPECT_EQ(form->UpdateElectronicFormsMenu(), 64);
    EXPECT_EQ(Listed().size(), 64);
    EXPECT_EQ(Listed().last().second, "f63.htm");
    EXPECT_EQ(QueuedTexts(), QStringList{"Not all electronic forms could be shown in the menu. Only 64 forms can be "
                                         "shown. Please delete unused forms from '" +
                                         platform.DataFolder() + "/html'"});
}

TEST_F(ElectronicForms, ChoosingAFormShowsItsViewAndOpensTheBrowser) {
    WriteForm("a.htm", "<title>A</title>");
    WriteForm("b c.htm", "<title>Catch & order</title>");
    Start();
    Item(1)->trigger();
    EXPECT_EQ(form->MessageLogShown, 5);
    FormView* view = form->FormsView();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->FormTitle()->text(), "Catch & order");
    EXPECT_EQ(view->FormAddress()->text(), server.Origin() + "/b%20c.htm");
    EXPECT_TRUE(view->FormAddress()->isReadOnly());
    EXPECT_EQ(view->FormAddress()->accessibleName(), "Address");
    EXPECT_FALSE(view->NoBrowserLine()->isVisible());
    ASSERT_EQ(platform.Browser.Opened.size(), 1);
    EXPECT_EQ(platform.Browser.Opened[0], server.BrowserAddress("b c.htm"));
    EXPECT_EQ(GetIniValue(f, "[LastForm]"), "1");
    const QList<HotListItem> hot = form->HotListObject()->GetItems();
    EXPECT_TRUE(std::any_of(hot.begin(), hot.end(), [](const HotListItem& h) { return h.Caption.contains("Catch"); }));

    // No browser: the view says so; the button tries again.
    platform.Browser.Starts = false;
    Item(0)->trigger();
    EXPECT_TRUE(view->NoBrowserLine()->isVisible());
    platform.Browser.Starts = true;
    view->OpenButton()->click();
    EXPECT_FALSE(view->NoBrowserLine()->isVisible());
    EXPECT_EQ(platform.Browser.Opened.size(), 3);

    // The Forms button opens the last one.
    form->FormsButton_Click();
    EXPECT_EQ(platform.Browser.Opened.last(), server.BrowserAddress("a.htm"));

    form->CloseWithoutQuestion();
    EXPECT_TRUE(platform.ReadDataFile("Tidepost.ini").contains("[LastForm]\r\n0\r\n"));
}

TEST_F(ElectronicForms, TheFormViewPutsBackTheHeaderTheDistressEditorSaved) {
    WriteForm("a.htm", "<title>A</title>");
    Start();
    MessageEditor* editor = form->EditorGlue()->Editor();
    ASSERT_NE(editor, nullptr);
    Find<QLineEdit>("ToFieldText")->setText("SEARCH & RESCUE;");
    Find<QLineEdit>("SubjectFieldText")->setText("");
    editor->SavedToText = "Office;";
    editor->SavedSubjectText = "Catch";
    f.gSession.SetMessagePriority(1);
    form->PrepareBrowserView();
    EXPECT_EQ(Find<QLineEdit>("ToFieldText")->text(), "Office;");
    EXPECT_EQ(Find<QLineEdit>("SubjectFieldText")->text(), "Catch");
    EXPECT_TRUE(editor->SavedToText.isEmpty());
    EXPECT_TRUE(editor->SavedSubjectText.isEmpty());
    EXPECT_EQ(f.gSession.MessagePriority(), 0);
    EXPECT_FALSE(Find<QLineEdit>("SubjectFieldText")->isEnabled());
    EXPECT_EQ(form->MessageLogShown, 5);
}

TEST_F(ElectronicForms, AServerThatCannotListenLeavesTheAddressEmpty) {
    WriteForm("a.htm", "<title>A</title>");
    Start();
    server.ShutDown();
    QTcpServer other;
    ASSERT_TRUE(other.listen(QHostAddress::LocalHost, 0));
    SaveAppSetting(f, f.gProductName, "ElectronicForms", "LocalPort", QString::number(other.serverPort()));
    QueuedTexts();
    Item(0)->trigger();
    EXPECT_FALSE(server.IsListening());
    EXPECT_EQ(QueuedTexts().size(), 1);
    EXPECT_TRUE(form->FormsView()->NoBrowserLine()->isVisible());
    EXPECT_TRUE(platform.Browser.Opened.isEmpty());
}

}  // namespace
}  // namespace tidepost
