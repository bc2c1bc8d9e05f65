#include <QPushButton>
#include <gtest/gtest.h>

#include "ReportingFixture.h"
#include "reporting/ProgramStatusReply.h"

using namespace tidepost;
using test::ReportingFixture;

namespace {

TEST(ProgramStatusCut, TheTextStartsTwoCharactersAfterTheEchoLineAndEndsBeforeThePromptsLastCharacter) {
    const QString prompt = "can0:/$ ";
    struct Case {
        const char* what;
        QString reply;
        int terminatorLength;
        QString title;
        bool shown;
        QString text;
    } cases[] = {
        {"with the empty line: the text and the CR before the prompt", "pg -d 2\r\n\r\nReporting program 2\r\n" + prompt, 2,
         "Program 3 Status", true, "Reporting program 2\r"},
        {"without the empty line the text loses two characters", "pg -d 2\r\nReporting program 2\r\n" + prompt, 2,
         "Program 3 Status", true, "porting program 2\r"},
        {"LF after the echo and the lines", "pg -d 0\n\r\nReporting program 0: local, started\n" + prompt, 1,
         "Program 1 Status", true, "Reporting program 0: local, started"},
        {"CR CR LF after the echo", "pg -d 3\r\r\n\r\nText\r\n" + prompt, 3, "Program 4 Status", true, "Text\r"},
        {"a later program named in the text wins the title", "pg -d 1\r\n\r\nsee pg -d 3 too\r\n" + prompt, 2,
         "Program 4 Status", true, "see pg -d 3 too\r"},
        {"15 characters in all show nothing", "pg -d 1\r\nabcdef", 2, "Program 2 Status", false, ""},
        {"too short for the cut shows nothing", "pg -d 1\r\n\r\n" + prompt, 2, "Program 2 Status", false, ""},
        {"exactly long enough gives an empty text", "pg -d 1\r\n\r\nx" + prompt, 2, "Program 2 Status", true, ""},
        {"the echo is found in any letter case", "PG -D 2\r\n\r\nT\r\n" + prompt, 2, "Program 3 Status", true, "T\r"},
        {"no echo at all", QString(40, 'x'), 2, "", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ProgramStatusCut cut = CutProgramStatusReply(c.reply, c.terminatorLength, prompt.size());
        EXPECT_EQ(cut.Title, c.title);
        EXPECT_EQ(cut.Shown, c.shown);
        EXPECT_EQ(cut.Text, c.text);
    }
}

struct StatusViewer : ReportingFixture {};

TEST_F(StatusViewer, TheReplyFillsTitlesAndShowsTheViewerAndClosesTheBusyWindow) {
    Dispatch("pg -d 2\r\n\r\nReporting program 2: remote, stopped\r\ncan0:/$ ");
    ASSERT_TRUE(r.ProgramStatusForms.isLoaded());
    ProgramStatusForm& form = *r.ProgramStatusForms.loaded();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), "Program 3 Status");
    EXPECT_EQ(form.Status()->text(), "Reporting program 2: remote, stopped\r");
    EXPECT_EQ(form.Status()->textFormat(), Qt::PlainText);
    EXPECT_EQ(window.Calls, QStringList{"UnloadWaitForm"});

    // A second reply replaces text and title in the same window.
    Dispatch("pg -d 0\r\n\r\n<b>local</b>\r\ncan0:/$ ");
    EXPECT_EQ(r.ProgramStatusForms.loaded(), &form);
    EXPECT_EQ(form.windowTitle(), "Program 1 Status");
    EXPECT_EQ(form.Status()->text(), "<b>local</b>\r");
}

TEST_F(StatusViewer, AShortReplyOnlyTitlesTheHiddenViewerAndLeavesTheBusyWindow) {
    Dispatch("pg -d 1\r\nabcdef");
    ASSERT_TRUE(r.ProgramStatusForms.isLoaded());
    EXPECT_FALSE(r.ProgramStatusForms.loaded()->isVisible());
    EXPECT_EQ(r.ProgramStatusForms.loaded()->windowTitle(), "Program 2 Status");
    EXPECT_EQ(r.ProgramStatusForms.loaded()->Status()->text(), "Program Status Info");
    EXPECT_TRUE(window.Calls.isEmpty());
}

TEST_F(StatusViewer, ALanguageChangeGivesTheGeneralTitleAndOkStartsAfresh) {
    Dispatch("pg -d 3\r\n\r\nText\r\ncan0:/$ ");
    ProgramStatusForm* form = r.ProgramStatusForms.loaded();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->CloseButton()->text(), "OK");
    f.Strings.Notifier.AnnounceLanguage(1049, "Russian");
    EXPECT_EQ(form->windowTitle(), "Состояние программы");
    EXPECT_EQ(form->Status()->text(), "Text\r");
    f.Strings.Notifier.AnnounceLanguage(1033, "English");
    EXPECT_EQ(form->windowTitle(), "Program Status");

    form->CloseButton()->click();
    EXPECT_FALSE(r.ProgramStatusForms.isLoaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Dispatch("pg -d 1\r\nabcdef");
    EXPECT_EQ(r.ProgramStatusForms.loaded()->Status()->text(), "Program Status Info");
}

}  // namespace
