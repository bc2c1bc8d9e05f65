#include <gtest/gtest.h>

#include "foundation/ErrorHandling.h"
#include "foundation/Foundation.h"
#include "foundation/LogHandling.h"
#include "support/QueuedTexts.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {
class ErrorHandlingTest : public ::testing::Test {
protected:
    test::TestPlatform platform;
    Foundation f{platform.Os};
};

const QString kCantOpen =
    "Could not open the file 'C:/x/in.idx'.\r\nPlease make sure you have write access to this directory and "
    "file, and that the file is not opened by another process.";
}  // namespace

TEST_F(ErrorHandlingTest, FileErrorTexts) {
    const struct {
        int number;
        QString text;
    } cases[] = {
        {61,
         "Could not save the file 'C:/x/in.idx'.\r\nMessage not saved due to very low disk space. Information was "
         "lost. \r\nPlease provide more space on the disk drive immediately by removing unused files."},
        {70, kCantOpen},
        {75, kCantOpen},
        {76, kCantOpen},
        {53, ""},
        {0, ""},
        {71, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(GetFileErrorText(f, c.number, "C:/x/in.idx"), c.text) << c.number;
}

TEST_F(ErrorHandlingTest, ErrorTextPattern) {
    EXPECT_EQ(ComposeErrorText("GetFileContent", 53, "File not found"), "(GetFileContent) Error '53': File not found.");
    EXPECT_EQ(WithFileErrorText(f, "(GetFileContent) Error '53': File not found.", 53, "a.txt"),
              "(GetFileContent) Error '53': File not found.\r\n");
    EXPECT_EQ(WithFileErrorText(f, "(X) Error '76': Path not found.", 76),
              "(X) Error '76': Path not found.\r\n" + QString(kCantOpen).replace("C:/x/in.idx", "<Unknown file name>"));
    EXPECT_EQ(FormatErrorText(f, 2706, "(MainForm.Load) Error '%0': %1.", 61, "Disk full"),
              "(MainForm.Load) Error '61': Disk full.");
    EXPECT_EQ(ErrorTitle(70), "Error 70");
    EXPECT_EQ(MlErrorTitle(f, 70), "Error70");
}

TEST_F(ErrorHandlingTest, ReplyErrorNeedsALineStartingWithError) {
    const struct {
        const char* reply;
        bool shown;
        const char* line;
    } cases[] = {
        {"dg -s 1\r\nERROR: bad parameter\r\n>", true, "ERROR: bad parameter"},
        {"dg -s 1\r\nok\r\nERROR 12\r\nmore\r\n>", true, "ERROR 12"},
        {"dg -s 1\r\nERROR at the end", true, "ERROR at the end"},
        {"ERROR: at the start\r\n>", false, ""},
        {"dg -s 1\r\nNo ERROR here\r\n>", false, ""},
        {"dg -s 1\nERROR: lone LF\n>", true, "ERROR: lone LF"},
        {"dg -s 1\r\r\nERROR: CR CR LF\r\r\n>", true, "ERROR: CR CR LF"},
        {"dg -s 1\nERROR: ends at CR\r>", true, "ERROR: ends at CR"},
        {"dg -s 1\rERROR: after a lone CR\r>", false, ""},
        {"dg -s 1\r\nerror: lower case\r\n>", false, ""},
        {"", false, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShowReplyError(f, c.reply, "Distress Generator", "Distress generator not updated."), c.shown)
            << c.reply;
        // Never at once: the reply handler that calls it must not wait for a click.
        EXPECT_TRUE(platform.Boxes.Shown.isEmpty()) << c.reply;
        const QStringList queued = test::DrainErrorQueue(f);
        if (!c.shown) {
            EXPECT_TRUE(queued.isEmpty()) << c.reply;
            continue;
        }
        EXPECT_EQ(queued, QStringList{QString(c.line) + "\r\n\r\nDistress generator not updated."}) << c.reply;
    }
}

