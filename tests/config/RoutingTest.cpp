#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ConfigFixture.h"
#include "support/QueuedTexts.h"

namespace tidepost::test {
namespace {

// One menu line as the transceiver writes it: the item, its label padded so that the value's
// colon stands `colonAt` characters after the item's start, then the mask.
QString MenuLine(int routeClass, const QString& label, int mask, int colonAt = 35) {
    const QString item = QString::number(routeClass) + " : " + label;
    return item.leftJustified(colonAt, ' ') + ": " + QString::number(mask);
}

QString Menu(const QString& end, const QList<std::pair<int, int>>& classes, int colonAt = 35) {
    QString text = "Configuration" + end;
    for (const auto& [routeClass, mask] : classes) text += MenuLine(routeClass, "Routing", mask, colonAt) + end;
    return text + "0  : Exit" + end + "Enter filenumber > ";
}

const QList<std::pair<int, int>> kAllClasses = {{10, 3}, {30, 0}, {31, 4}, {32, 5}, {33, 7}};

TEST(RoutingMenu, ReadsEachClassMaskWhateverTheLineEnd) {
    for (const char* end : {"\r\n", "\n", "\r\r\n"}) {
        for (int mask = 0; mask <= 7; ++mask) {
            const auto masks = ReadRoutingMenu("ro" + QString(end) +
                                               Menu(end, {{10, mask}, {30, mask}, {31, mask}, {32, mask}, {33, mask}}));
            ASSERT_TRUE(masks) << end;
            for (const auto& m : *masks) EXPECT_EQ(m, mask);
        }
    }
}

TEST(RoutingMenu, WhatCannotBeReadIsLeftUnread) {
    struct Case {
        const char* what;
        QString reply;
        bool readable;
        std::array<std::optional<int>, 5> masks;
    };
    const std::optional<int> none;
    const QString e = "\r\n";
    const Case cases[] = {
        {"class 31 missing", Menu(e, {{10, 3}, {30, 0}, {32, 5}, {33, 7}}), true, {3, 0, none, 5, 7}},
        {"no header", "ro\r\n" + Menu(e, kAllClasses).mid(15), false, {}},
        {"header in another case", "ro\r\nCONFIGURATION\r\n" + Menu(e, kAllClasses).mid(15), false, {}},
        {"no prompt", Menu(e, kAllClasses).chopped(19) + "can0:/$ ", false, {}},
        {"prompt in another case", Menu(e, kAllClasses).replace("Enter filenumber", "ENTER FILENUMBER"), true,
         {3, 0, 4, 5, 7}},
        // The value's colon must stand 34 or more characters after the item: nearer, the line
        // has no value and the next line's colon is not taken for it.
        {"colon 33 on", Menu(e, kAllClasses, 33), true, {none, none, none, none, none}},
        {"colon 34 on", Menu(e, kAllClasses, 34), true, {3, 0, 4, 5, 7}},
        {"value no mask", "Configuration\r\n" + MenuLine(10, "Mail", 9) + "\r\n" + MenuLine(30, "x", 0).replace(": 0", ":  ") +
                              "\r\nEnter filenumber > ",
         true, {none, 0, none, none, none}},
        {"class after the prompt", "Configuration\r\nEnter filenumber > \r\n" + MenuLine(10, "Mail", 3), true,
         {none, none, none, none, none}},
    };
    for (const Case& c : cases) {
        const auto masks = ReadRoutingMenu(c.reply);
        ASSERT_EQ(masks.has_value(), c.readable) << c.what;
        if (masks) {
            EXPECT_EQ(*masks, c.masks) << c.what;
        }
    }
}

TEST_F(ConfigFixture, PrinterReplyChoosesTheLocalPrinterOption) {
    struct Case {
        int product;
        const char* reply;
        bool pc, modem, off;  // chosen
    };
    const Case cases[] = {
        {4, "PRINTER=NO", false, false, true},
        {5, "PRINTER=YES", false, false, true},
        {1, "PRINTER=NO\r\nFFEED=NO", true, false, false},
        {1, "PRINTER=OFF", false, false, true},
        {1, "PRINTER=NO PRINTER=OFF", false, false, true},
        {1, "PRINTER=YES", false, true, false},
        {0, "", false, true, false},
        {2, "printer=no", true, false, false},
        {3, "Printer=Off", false, false, true},
    };
    for (const Case& k : cases) {
        f.gSession.SetProductType(k.product);
        Dispatch(QString("set -z\r\n") + k.reply + "\r\ncan0:/$ ");
        ASSERT_TRUE(c.RoutingForm.isLoaded());
        RoutingForm& form = c.RoutingForm.get();
        const bool pcOnly = k.product == 4 || k.product == 5;
        EXPECT_EQ(form.LocalPrinterPC, !pcOnly) << k.reply;
        EXPECT_EQ(form.LocalPrinterModem, !pcOnly) << k.reply;
        EXPECT_EQ(form.LocalPrinterOFF, pcOnly) << k.reply;
        EXPECT_EQ(form.LocalPrinterPCValue, k.pc) << k.reply;
        EXPECT_EQ(form.LocalPrinterModemValue, k.modem) << k.reply;
        EXPECT_EQ(form.LocalPrinterOFFValue, k.off) << k.reply;
        c.RoutingForm.unload();
    }
}

TEST_F(ConfigFixture, OpeningAsksForPrinterAndMenuInTwoWholeLines) {
    link.Dialogue.EchoTerminator = "\r\r\n";
    f.gSession.SetMesConnected(true);
    OpenRoutingSetup(c);
    EXPECT_EQ(link.Dialogue.CommandQueue, "set -z\r\nro\r\n");
    EXPECT_EQ(window.Calls, QStringList{"ShowWaitForm"});
    EXPECT_FALSE(c.RoutingForm.isLoaded());

    link.Dialogue.CommandQueue.clear();
    f.gSession.SetMesConnected(false);
    OpenRoutingSetup(c);
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    ASSERT_TRUE(c.RoutingForm.isLoaded());
    RoutingForm& form = c.RoutingForm.get();
    EXPECT_TRUE(form.isVisible());
    for (QRadioButton* o : {form.OptionPC, form.OptionModem, form.OptionOFF}) {
        EXPECT_FALSE(o->isEnabled());
        EXPECT_FALSE(o->isChecked());
    }
    for (auto& row : form.RouteBoxes)
        for (QCheckBox* box : row) EXPECT_FALSE(box->isChecked());
}

TEST_F(ConfigFixture, MenuReplyLeavesTheMenuFirstAndShowsTheMasks) {
    for (const char* end : {"\r\n", "\n", "\r\r\n"}) {
        link.Dialogue.EchoTerminator = end;
        link.Dialogue.EchoTerminatorLength = static_cast<qint16>(QString(end).size());
        link.Dialogue.CommandQueue = "st -l\r\nse -p\r\n";
        window.Calls.clear();
        Dispatch("ro" + QString(end) + Menu(end, kAllClasses));
        EXPECT_EQ(link.Dialogue.CommandQueue, "0\nst -l\r\nse -p\r\n") << end;
        EXPECT_EQ(window.Calls, QStringList{"UnloadWaitForm"});
        ASSERT_TRUE(c.RoutingForm.isLoaded());
        RoutingForm& form = c.RoutingForm.get();
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.Route10, 3);
        EXPECT_EQ(form.Route33, 7);
        const int masks[5] = {3, 0, 4, 5, 7};
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col)
                EXPECT_EQ(form.RouteBoxes[row][col]->isChecked(), (masks[row] >> col & 1) == 1) << row << col;
        c.RoutingForm.unload();
    }
    EXPECT_TRUE(DrainErrorQueue(f).isEmpty());
}

TEST_F(ConfigFixture, UnreadableMenuIsLeftAndTheOperatorTold) {
    struct Case {
        const char* what;
        QString reply;
        bool answered;  // the menu still waits, so "0" goes first
    };
    const Case cases[] = {
        {"no header, menu prompt", "ro\r\n10 : Mail\r\nEnter filenumber > ", true},
        {"header, no filenumber prompt", "ro\r\nConfiguration\r\nChoose > ", true},
        {"cut by the time-out", "ro\r\nConfigur", true},
        {"shell's own prompt", "ro\r\nro: command not found\r\ncan0:/$ ", false},
    };
    for (const Case& k : cases) {
        link.Dialogue.CommandQueue = "st -l\r\n";
        window.Calls.clear();
        Dispatch(k.reply);
        EXPECT_EQ(link.Dialogue.CommandQueue, QString(k.answered ? "0\n" : "") + "st -l\r\n") << k.what;
        EXPECT_TRUE(window.Calls.contains("UnloadWaitForm")) << k.what;
        EXPECT_EQ(DrainErrorQueue(f),
                  QStringList{"The routing of received traffic could not be read from the transceiver."})
            << k.what;
        EXPECT_FALSE(c.RoutingForm.isLoaded() && c.RoutingForm.get().isVisible()) << k.what;
    }
}

// The lines OK queued, one per entry.
QStringList QueuedLines(const Link& link) {
    QStringList lines = link.Dialogue.CommandQueue.split("\r\n");
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

TEST_F(ConfigFixture, OkWritesBackEveryClassReadAndThePrinter) {
    f.gSession.SetMesConnected(true);
    f.gSession.SetProductType(1);
    Dispatch("set -z\r\nPRINTER=YES\r\ncan0:/$ ");
    Dispatch("ro\r\n" + Menu("\r\n", {{10, 1}, {30, 0}, {31, 1}, {32, 1}, {33, 1}}));
    link.Dialogue.CommandQueue.clear();
    RoutingForm& form = c.RoutingForm.get();
    EXPECT_TRUE(form.OptionModem->isChecked());
    form.RouteBoxes[0][1]->click();  // Mail, Local Printer
    form.OKButton_Click();
    EXPECT_EQ(QueuedLines(link), (QStringList{"ro 10  3", "ro 30  0", "ro 31  1", "ro 32  1", "ro 33  1",
                                              "se -z PRINTER=YES"}));
    EXPECT_EQ(window.Calls.mid(window.Calls.indexOf("ShowPleaseWait")),
              (QStringList{"ShowPleaseWait", "HidePleaseWait"}));
    EXPECT_FALSE(c.RoutingForm.isLoaded());
}

TEST_F(ConfigFixture, OkLeavesUnreadClassesAloneAndKeepsSafetyOnDisk) {
    f.gSession.SetMesConnected(true);
    Dispatch("set -z\r\nPRINTER=NO\r\ncan0:/$ ");
    // Mail and the SafetyNET classes are missing from the menu.
    Dispatch("ro\r\n" + Menu("\r\n", {{30, 0}, {31, 1}}));
    link.Dialogue.CommandQueue.clear();
    RoutingForm& form = c.RoutingForm.get();
    form.RouteBoxes[4][2]->click();  // Urgent+Distress, Remote Printer, without its disk box
    form.OKButton_Click();
    EXPECT_EQ(QueuedLines(link), (QStringList{"ro 30  0", "ro 31  1", "ro 33  5", "se -z PRINTER=NO"}));
}

TEST_F(ConfigFixture, OkAfterOpeningWithoutTheLinkSendsNoRoutingLine) {
    OpenRoutingSetup(c);
    RoutingForm& form = c.RoutingForm.get();
    f.gSession.SetMesConnected(true);  // the link came back while the dialog was open
    form.OKButton_Click();
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
}

TEST_F(ConfigFixture, LinkLostBeforeOkQueuesOnlyThePrinterLine) {
    f.gSession.SetMesConnected(true);
    f.gSession.SetProductType(4);
    Dispatch("set -z\r\nPRINTER=YES\r\ncan0:/$ ");
    Dispatch("ro\r\n" + Menu("\r\n", kAllClasses));
    link.Dialogue.CommandQueue.clear();
    RoutingForm& form = c.RoutingForm.get();
    EXPECT_TRUE(form.OptionOFF->isChecked());
    for (auto& row : form.RouteBoxes) EXPECT_FALSE(row[1]->isEnabled());
    f.gSession.SetMesConnected(false);
    form.OKButton_Click();
    EXPECT_EQ(QueuedLines(link), QStringList{"se -z PRINTER=OFF"});
}

TEST_F(ConfigFixture, SafetyAndDistressDiskBoxesStayTicked) {
    OpenRoutingSetup(c);
    RoutingForm& form = c.RoutingForm.get();
    for (int row : {3, 4}) {
        form.RouteBoxes[row][0]->setChecked(true);
        form.RouteBoxes[row][0]->click();
        EXPECT_TRUE(form.RouteBoxes[row][0]->isChecked());
    }
    form.RouteBoxes[0][0]->setChecked(true);
    form.RouteBoxes[0][0]->click();
    EXPECT_FALSE(form.RouteBoxes[0][0]->isChecked());
}

TEST_F(ConfigFixture, FolderButtonsTakeTheChosenFolderWithOneTrailingSlash) {
    const QString inbox = platform.DataFolder() + "/inbox/";
    f.gInboxDir = inbox;
    f.gOutboxDir = platform.DataFolder() + "/outbox/";
    f.gEgcDir = platform.DataFolder() + "/egc/";
    struct Case {
        QString answer;
        QString expected;  // "" keeps the folder
    };
    const Case cases[] = {{"/", "/"}, {"/srv/mail", "/srv/mail/"}, {"/srv/mail2/", "/srv/mail2/"}, {"", ""}};
    OpenRoutingSetup(c);
    RoutingForm& form = c.RoutingForm.get();
    for (const Case& k : cases) {
        const QString before = f.gInboxDir;
        platform.Files.FolderAnswers = {k.answer};
        platform.Files.FolderRequests.clear();
        form.FolderButton_Click(0);
        ASSERT_EQ(platform.Files.FolderRequests.size(), 1);
        EXPECT_EQ(platform.Files.FolderRequests[0].first, "Select A Directory");
        EXPECT_EQ(platform.Files.FolderRequests[0].second, before == "/" ? "" : before.chopped(1));
        const QString expected = k.expected.isEmpty() ? before : k.expected;
        EXPECT_EQ(f.gInboxDir, expected) << qPrintable(k.answer);
        EXPECT_EQ(form.PathBoxes[0]->text(), expected) << qPrintable(k.answer);
    }
}

TEST_F(ConfigFixture, FolderNameWithLineBreakIsRefused) {
    f.gOutboxDir = "/data/outbox/";
    OpenRoutingSetup(c);
    platform.Files.FolderAnswers = {"/data/out\nbox"};
    c.RoutingForm.get().FolderButton_Click(1);
    EXPECT_EQ(f.gOutboxDir, "/data/outbox/");
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_TRUE(platform.Boxes.Shown[0].text.contains("line break"));
}

TEST_F(ConfigFixture, EgcFolderButtonAllowsTheLowDiskWarningAgain) {
    f.gEgcDir = "/data/egc/";
    OpenRoutingSetup(c);
    for (const QString& answer : {QString(), QString("/data/egc2")}) {
        link.Polls.LowDiskWarningShown = true;
        platform.Files.FolderAnswers = {answer};
        c.RoutingForm.get().FolderButton_Click(2);
        EXPECT_FALSE(link.Polls.LowDiskWarningShown) << qPrintable(answer);
        link.Polls.LowDiskWarningShown = true;
        c.RoutingForm.get().FolderButton_Click(0);
        EXPECT_TRUE(link.Polls.LowDiskWarningShown) << "the inbox button leaves it";
    }
}

TEST_F(ConfigFixture, OkStoresTheFoldersCancelAndCloseBoxRestoreThem) {
    f.gInboxDir = "/data/inbox/";
    f.gOutboxDir = "/data/outbox/";
    f.gEgcDir = "/data/egc/";
    SetIniValue(f, "[inbox]", f.gInboxDir, true);
    for (int closing = 0; closing < 2; ++closing) {
        OpenRoutingSetup(c);
        platform.Files.FolderAnswers = {"/srv/in", "/srv/egc"};
        c.RoutingForm.get().FolderButton_Click(0);
        c.RoutingForm.get().FolderButton_Click(2);
        EXPECT_EQ(f.gInboxDir, "/srv/in/");
        if (closing == 0) c.RoutingForm.get().CancelButton_Click();
        else c.RoutingForm.get().close();
        EXPECT_EQ(f.gInboxDir, "/data/inbox/");
        EXPECT_EQ(f.gEgcDir, "/data/egc/");
        EXPECT_EQ(GetIniValue(f, "[inbox]"), "/data/inbox/");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    OpenRoutingSetup(c);
    platform.Files.FolderAnswers = {"/srv/in"};
    c.RoutingForm.get().FolderButton_Click(0);
    c.RoutingForm.get().OKButton_Click();
    EXPECT_EQ(f.gInboxDir, "/srv/in/");
    EXPECT_TRUE(Data("Tidepost.ini").contains("[inbox]\r\n/srv/in/\r\n"));
    EXPECT_TRUE(Data("Tidepost.ini").contains("[egc]\r\n/data/egc/\r\n"));
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
}

}  // namespace
}  // namespace tidepost::test
