#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "foundation/IniFile.h"
#include "link/CommandQueue.h"
#include "link/CommonDialogs.h"
#include "link/Link.h"
#include "support/QueuedTexts.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

const QString kPrintFailed = "Error occurred when printing. The text might not have been printed";

class CommonDialogsTest : public ::testing::Test {
public:
    CommonDialogsTest() {
        f.gConfiguration.DataPath = platform.DataFolder();
        f.gIniEntries.Loaded = f.gIniEntries.LoadTried = true;
        f.gSavedFilesDir = platform.DataFolder() + "/saved/";
        QDir().mkpath(f.gSavedFilesDir);
    }
    void Set(const QString& key, const QString& value) { platform.Settings.Save("Tidepost", "Settings", key, value); }
    QByteArray ReadFile(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
};

// --- saving ---

TEST_F(CommonDialogsTest, SavingWritesTheBytesAndRemembersTheFolder) {
    const QString folder = platform.DataFolder() + "/x";
    QDir().mkpath(folder);
    platform.Files.Answers = {folder + "/y.txt"};
    QString initial;  // empty: the saved-files folder is offered and handed back
    const QString before = f.gSavedFilesDir;
    SaveToFile(link, nullptr, QString("Caf\u00e9\r\nline 2"), "Editor.txt", "Save Editor to file", initial);

    EXPECT_EQ(initial, before);
    ASSERT_EQ(platform.Files.Requests.size(), 1);
    const SaveFileRequest& r = platform.Files.Requests.first();
    EXPECT_EQ(r.Folder, before);
    EXPECT_EQ(r.FileName, "Editor.txt");
    EXPECT_EQ(r.Title, "Save Editor to file");
    EXPECT_EQ(r.DefaultSuffix, "txt");
    EXPECT_EQ(ReadFile(folder + "/y.txt"), QByteArray("Caf\xe9\r\nline 2")) << "single-byte text, no line end added";
    EXPECT_EQ(f.gSavedFilesDir, folder + "/");
    EXPECT_EQ(GetIniValue(f, "[Saved files]"), folder + "/");
    EXPECT_TRUE(ReadFile(GetIniFilePath(f)).contains(("[Saved files]\r\n" + folder + "/").toLatin1()))
        << "the settings file is written at once";

    // The next save with an empty folder starts where the last one ended.
    platform.Files.Answers = {""};
    QString again;
    SaveToFile(link, nullptr, "x", "Editor.txt", "t", again);
    EXPECT_EQ(platform.Files.Requests.last().Folder, folder + "/");
}

TEST_F(CommonDialogsTest, AGivenFolderIsKeptAndCancelWritesNothing) {
    platform.Files.Answers = {""};
    QString initial = "/somewhere/else/";
    SaveToFile(link, nullptr, "text", "Status.txt", "Save Transceiver status", initial);
    EXPECT_EQ(platform.Files.Requests.first().Folder, "/somewhere/else/");
    EXPECT_EQ(initial, "/somewhere/else/");
    EXPECT_EQ(f.gSavedFilesDir, platform.DataFolder() + "/saved/");
    EXPECT_TRUE(GetIniValue(f, "[Saved files]").isEmpty());
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(CommonDialogsTest, ReplacingAFileKeepsNoTraceOfTheOldContent) {
    const QString path = f.gSavedFilesDir + "Editor.txt";
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("a much longer text that was there before");
    old.close();
    platform.Files.Answers = {path};
    QString initial;
    SaveToFile(link, nullptr, "new", "Editor.txt", "t", initial);
    EXPECT_EQ(ReadFile(path), "new");
    EXPECT_EQ(QDir(f.gSavedFilesDir).entryList(QDir::Files), QStringList{"Editor.txt"}) << "no staging file left";
}

TEST_F(CommonDialogsTest, AFolderThatCannotBeWrittenShowsTheFileErrorAndKeepsTheSavedFolder) {
    platform.Files.Answers = {platform.DataFolder() + "/no such folder/y.txt"};
    QString initial;
    SaveToFile(link, nullptr, "text", "Editor.txt", "t", initial);
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_TRUE(platform.Boxes.Shown.first().text.startsWith("(CommonDialogs.SaveToFile) Error '76'"))
        << platform.Boxes.Shown.first().text.toStdString();
    EXPECT_EQ(platform.Boxes.Shown.first().title, "Error 76");
    EXPECT_EQ(f.gSavedFilesDir, platform.DataFolder() + "/saved/");
}

// --- printing on the transceiver ---

TEST_F(CommonDialogsTest, TheFirstTransceiverPrintSendsThePrinterSettingsLaterOnesOnlyTheFile) {
    Set("UseMesPrinter", "True");
    QueueCommand(link, "st -l", true, false);
    PrintText(link, nullptr, "Hello\r\nWorld", 0);
    EXPECT_EQ(link.Dialogue.CommandQueue,
              "\r\nse -z PRINTER=YES\r\nst -w\r\nse -z FFEED=NO\r\nst -w\r\nse -z PLINES=53\r\nst -w\r\n"
              "se -z PRTYPEMAX=70\r\nst -w\r\nse -z PRTYPEREM=3\r\nst -w\r\ntr tideprnt.txt -b 12\r\n"
              "print tideprnt.txt -d\r\n\r\nst -l\r\n");
    EXPECT_TRUE(link.Transceiver.MesPrinterConfigured);
    EXPECT_TRUE(link.Transfer.RawTransferMode);
    EXPECT_EQ(link.Transfer.RawTransferText, "Hello\r\nWorld");

    // The upload has been streamed; the next print in the same connection.
    link.Dialogue.CommandQueue = "st -l\r\n";
    link.Transfer.RawTransferMode = false;
    link.Transfer.RawTransferText.clear();
    PrintText(link, nullptr, QString(1250, 'x'), 0);
    EXPECT_EQ(link.Dialogue.CommandQueue, "\r\ntr tideprnt.txt -b 1250\r\nprint tideprnt.txt -d\r\nst -l\r\n");
    EXPECT_TRUE(test::DrainErrorQueue(f).isEmpty());
    EXPECT_TRUE(platform.Printer.Jobs.isEmpty());
}

TEST_F(CommonDialogsTest, PrinterSettingsAreHeldToTheirLimits) {
    const struct {
        const char* pageLines;
        const char* lineWidth;
        const char* wrapMargin;
        const char* expected;  // PLINES, PRTYPEMAX, PRTYPEREM
    } cases[] = {
        {"0", "word", "12", "1 70 9"},
        {"99.6", "9", "-1", "99 10 0"},
        {"0.4", "100", "x", "1 99 3"},
        {"25", "80", "5", "25 80 5"},
        {"", "", "", "53 70 3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        Set("UseMesPrinter", "1");
        Set("PageLines", c.pageLines);
        Set("LineWidth", c.lineWidth);
        Set("WrapMargin", c.wrapMargin);
        link.Dialogue.CommandQueue.clear();
        link.Transceiver.MesPrinterConfigured = false;
        link.Transfer.RawTransferMode = false;
        PrintText(link, nullptr, "x", 0);
        const QString q = link.Dialogue.CommandQueue;
        const QString got = q.section("PLINES=", 1).section('\r', 0, 0) + " " +
                            q.section("PRTYPEMAX=", 1).section('\r', 0, 0) + " " +
                            q.section("PRTYPEREM=", 1).section('\r', 0, 0);
        EXPECT_EQ(got, c.expected);
    }
}

TEST_F(CommonDialogsTest, WhichPrinterIsUsed) {
    const struct {
        const char* useMesPrinter;
        int productType;
        bool transceiver;
    } cases[] = {
        {"True", 1, true}, {"-1", 2, true},  {"1", 4, false},    {"True", 5, false},
        {"0", 1, false},   {"False", 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.useMesPrinter) + " / " + std::to_string(c.productType));
        Set("UseMesPrinter", c.useMesPrinter);
        f.gSession.SetProductType(c.productType);
        link.Dialogue.CommandQueue.clear();
        link.Transfer.RawTransferMode = false;
        platform.Printer.Jobs.clear();
        PrintText(link, nullptr, "A", 0);
        EXPECT_EQ(link.Dialogue.CommandQueue.contains("tr tideprnt.txt"), c.transceiver);
        EXPECT_EQ(platform.Printer.Jobs.size(), c.transceiver ? 0 : 1);
    }
    EXPECT_TRUE(test::DrainErrorQueue(f).isEmpty());
}

TEST_F(CommonDialogsTest, AnUnreadablePrinterChoiceFails) {
    for (const char* value : {"maybe", ""}) {
        SCOPED_TRACE(value);
        Set("UseMesPrinter", value);
        PrintText(link, nullptr, "A", 0);
        EXPECT_EQ(test::DrainErrorQueue(f), QStringList{kPrintFailed});
        EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
        EXPECT_TRUE(platform.Printer.Jobs.isEmpty());
    }
}

TEST_F(CommonDialogsTest, ASecondPrintWhileTheFirstUploadWaitsIsRefusedAndTheFirstTextStays) {
    Set("UseMesPrinter", "1");
    PrintText(link, nullptr, "first", 0);
    const QString queued = link.Dialogue.CommandQueue;
    PrintText(link, nullptr, "second text", 0);
    EXPECT_EQ(link.Dialogue.CommandQueue, queued);
    EXPECT_EQ(link.Transfer.RawTransferText, "first");
    EXPECT_EQ(test::DrainErrorQueue(f), QStringList{kPrintFailed});

    // Its line has gone out and the engine waits for the echo: still refused.
    link.Dialogue.CommandQueue.clear();
    link.Dialogue.DialogueState = 1;
    PrintText(link, nullptr, "second text", 0);
    EXPECT_EQ(link.Transfer.RawTransferText, "first");
    EXPECT_EQ(test::DrainErrorQueue(f), QStringList{kPrintFailed});
}

TEST_F(CommonDialogsTest, ABatchTheQueueRefusesChangesNothing) {
    Set("UseMesPrinter", "1");
    link.Dialogue.ClosingDown = true;  // only download commands pass now
    PrintText(link, nullptr, "text", 0);
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_FALSE(link.Transceiver.MesPrinterConfigured) << "the settings were never sent";
    EXPECT_FALSE(link.Transfer.RawTransferMode);
    EXPECT_TRUE(link.Transfer.RawTransferText.isEmpty());
    EXPECT_EQ(test::DrainErrorQueue(f), QStringList{kPrintFailed});
}

// --- printing on the PC ---

TEST_F(CommonDialogsTest, PcPrintPutsTheMarginsBeforeEveryLine) {
    Set("PCPrnTopMargin", "3");
    Set("PCPrnLeftMargin", "5");
    PrintText(link, nullptr, "A\r\nB", 0);
    ASSERT_EQ(platform.Printer.Jobs.size(), 1);
    EXPECT_EQ(platform.Printer.Jobs.first(), (QStringList{"", "", "", "", "     A", "     B"}));
    EXPECT_EQ(platform.Printer.DialogFlags, 0);
    EXPECT_TRUE(test::DrainErrorQueue(f).isEmpty());
}

TEST_F(CommonDialogsTest, PcPrintUsesWhatTheDialogChoseAndOffersItNextTime) {
    Set("PCPrnTopMargin", "0");
    Set("PCPrnLeftMargin", "0");
    platform.Printer.Names = {"Office", "Bridge"};
    platform.Printer.DialogChoice = PrintSetup{"Bridge", 2, true, 1};
    PrintText(link, nullptr, "A\nB\rC", 0);
    ASSERT_EQ(platform.Printer.JobSetups.size(), 1);
    EXPECT_EQ(platform.Printer.JobSetups.first().PrinterName, "Bridge");
    EXPECT_EQ(platform.Printer.JobSetups.first().Copies, 2);
    EXPECT_TRUE(platform.Printer.JobSetups.first().Landscape);
    EXPECT_EQ(platform.Printer.JobSetups.first().Duplex, 1);
    EXPECT_EQ(platform.Printer.Jobs.first(), (QStringList{"", "A", "B", "C"}));

    PrintText(link, nullptr, "again", 0);
    EXPECT_EQ(platform.Printer.DialogPreset.PrinterName, "Bridge");
    EXPECT_TRUE(platform.Printer.DialogPreset.Landscape);
}

TEST_F(CommonDialogsTest, PcPrintFailures) {
    const struct {
        const char* name;
        std::function<void(test::TestPlatform&, CommonDialogsTest&)> arrange;
        QStringList queued;
        int dialogs;
    } cases[] = {
        {"no printer", [](test::TestPlatform& p, CommonDialogsTest&) { p.Printer.Names.clear(); },
         {"No PC printers available. Please add printer in Windows printer settings."}, 0},
        {"cancelled", [](test::TestPlatform& p, CommonDialogsTest&) { p.Printer.DialogAccepts = false; }, {}, 1},
        {"negative margin", [](test::TestPlatform&, CommonDialogsTest& t) { t.Set("PCPrnLeftMargin", "-2"); },
         {kPrintFailed}, 1},
        {"margin no number", [](test::TestPlatform&, CommonDialogsTest& t) { t.Set("PCPrnTopMargin", "lots"); },
         {kPrintFailed}, 1},
        {"job fails", [](test::TestPlatform& p, CommonDialogsTest&) { p.Printer.Failure = {kErrPrinter, "Printer error"}; },
         {kPrintFailed}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestPlatform p;
        Foundation pf(p.Os);
        Link pl(pf);
        CommonDialogsTest& self = *this;
        // The margins are this fixture's settings; the rest is the fresh platform's.
        platform.Settings.DeleteApplication("Tidepost");
        c.arrange(p, self);
        p.Os.Settings = &platform.Settings;
        PrintText(pl, nullptr, "text", 0);
        EXPECT_EQ(test::DrainErrorQueue(pf), c.queued);
        EXPECT_TRUE(p.Printer.Jobs.isEmpty());
        EXPECT_EQ(p.Printer.DialogsShown, c.dialogs);
    }
}

}  // namespace
