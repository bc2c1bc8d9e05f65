#include <gtest/gtest.h>

#include "ReportingFixture.h"
#include "reporting/PUReportingActions.h"

using namespace tidepost;
using test::ReportingFixture;

namespace {

const QString kRefresh = "pg -d\r\nse -z posformat=pu\r\n";

// The buttons of the dialog, program by program, connected and not.
struct Actions : ReportingFixture {
    Actions() { f.gSession.SetMesConnected(true); }
    // A loaded dialog whose program i has the type code.
    void Program(int i, const QString& type) {
        Form().SetProgramType(i, type, "PU-");
        link.Dialogue.CommandQueue.clear();
        window.Calls.clear();
        platform.Boxes.Shown.clear();
        link.Requests.PUReplyMode = 0;
    }
    QString Queue() const { return link.Dialogue.CommandQueue; }
    QStringList BoxTexts() const {
        QStringList texts;
        for (const MessageBoxRequest& box : platform.Boxes.Shown) texts << box.text;
        return texts;
    }
};

TEST_F(Actions, StartSendsOnlyForALocalProgramAndTheFirstProgramRefreshesOnlyThen) {
    struct Case {
        int program;
        QString type;
        QString queue;
        QStringList boxes;
    } cases[] = {
        {0, "2", "pg -i 0,P\r\n" + kRefresh, {}},
        {0, "1", "", {}},
        {0, "", "", {}},
        {0, "3", "", {"You are not allowed to START a Remote Program!"}},
        {1, "2", "pg -i 1,P\r\n" + kRefresh, {}},
        {1, "1", kRefresh, {}},
        {2, "", kRefresh, {}},
        {3, "3", kRefresh, {"You are not allowed to START a Remote Program!"}},
        {3, "2", "pg -i 3,P\r\n" + kRefresh, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("program %1 type '%2'").arg(c.program).arg(c.type).toStdString());
        Program(c.program, c.type);
        StartButton_Click(r, c.program);
        EXPECT_EQ(Queue(), c.queue);
        EXPECT_EQ(BoxTexts(), c.boxes);
        const bool refreshed = c.queue.endsWith(kRefresh);
        EXPECT_EQ(window.Calls, refreshed ? QStringList{"ShowWaitForm"} : QStringList{});
        EXPECT_EQ(link.Requests.PUReplyMode, refreshed ? 2 : 0);
    }
}

TEST_F(Actions, StopSendsAndRefreshesOnlyForALocalProgram) {
    struct Case {
        int program;
        QString type;
        QString queue;
        QStringList boxes;
    } cases[] = {
        {0, "2", "pg -s 0\r\n" + kRefresh, {}},
        {1, "2", "pg -s 1\r\n" + kRefresh, {}},
        {2, "2", "pg -s 2\r\n" + kRefresh, {}},
        {3, "2", "pg -s 3\r\n" + kRefresh, {}},
        {0, "1", "", {}},
        {3, "", "", {}},
        {2, "3", "", {"You are not allowed to STOP a Remote Program!"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("program %1 type '%2'").arg(c.program).arg(c.type).toStdString());
        Program(c.program, c.type);
        StopButton_Click(r, c.program);
        EXPECT_EQ(Queue(), c.queue);
        EXPECT_EQ(BoxTexts(), c.boxes);
    }
}

TEST_F(Actions, DeleteAsksFirstAndSendsOnlyForALocalProgram) {
    struct Case {
        int program;
        QString type;
        MsgAnswer answer;
        QString queue;
        QString box;
    } cases[] = {
        {2, "2", MsgAnswer::Ok, "pg -c 2\r\n" + kRefresh, "Do you want to delete Program 3?"},
        {0, "2", MsgAnswer::Ok, "pg -c 0\r\n" + kRefresh, "Do you want to delete Program 1?"},
        {1, "2", MsgAnswer::Cancel, "", "Do you want to delete Program 2?"},
        {3, "", MsgAnswer::Ok, "", "Do you want to delete Program 4?"},
        {3, "1", MsgAnswer::Ok, "", "Do you want to delete Program 4?"},
        {1, "3", MsgAnswer::Ok, "", "You are not allowed to DELETE a Remote Program!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("program %1 type '%2'").arg(c.program).arg(c.type).toStdString());
        Program(c.program, c.type);
        platform.Boxes.Answer(c.answer);
        DeleteButton_Click(r, c.program);
        EXPECT_EQ(Queue(), c.queue);
        ASSERT_EQ(platform.Boxes.Shown.size(), 1);
        const MessageBoxRequest& box = platform.Boxes.Shown.first();
        EXPECT_EQ(box.text, c.box);
        if (c.type == "3") {
            EXPECT_EQ(box.buttons, MsgButtons::Ok);
            EXPECT_EQ(box.title, "Tidepost");
        } else {
            EXPECT_EQ(box.buttons, MsgButtons::OkCancel);
            EXPECT_EQ(box.title, "Delete Confimation");
        }
    }
}

TEST_F(Actions, TheDialogStaysWhileItsOwnBoxIsOpen) {
    Program(1, "2");
    bool closedMeanwhile = true;
    platform.Boxes.OnShow = [&](const MessageBoxRequest&) {
        Form().close();
        OKButton_Click(r);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        closedMeanwhile = !r.PUReportingForms.isLoaded();
    };
    DeleteButton_Click(r, 1);
    EXPECT_FALSE(closedMeanwhile);
    EXPECT_EQ(Queue(), "pg -c 1\r\n" + kRefresh);
    // Once the box is answered, OK closes it as usual.
    OKButton_Click(r);
    EXPECT_FALSE(r.PUReportingForms.isLoaded());
}

TEST_F(Actions, AListThatArrivesWhileTheQuestionIsOpenDecides) {
    Program(3, "2");
    link.Requests.PUReplyMode = 2;
    platform.Boxes.OnShow = [&](const MessageBoxRequest&) {
        Dispatch(ListReply({ProgramLine(0, "closed", "PU[-"), ProgramLine(1, "closed", "PU[-"),
                            ProgramLine(2, "closed", "PU[-"), ProgramLine(3, "remote", "PU[i")}));
    };
    DeleteButton_Click(r, 3);
    EXPECT_EQ(Queue(), "") << "the program is remote by the time OK is pressed";
}

TEST_F(Actions, StatusAsksForTheProgramsTextUnderTheBusyWindow) {
    for (int program = 0; program < 4; ++program) {
        Program(program, "3");
        StatusButton_Click(r, program);
        EXPECT_EQ(Queue(), QString("pg -d %1\r\n").arg(program));
        EXPECT_EQ(window.Calls, QStringList{"ShowWaitForm"});
        EXPECT_EQ(link.Requests.PUReplyMode, 0);
    }
}

TEST_F(Actions, WithoutTheTransceiverStartStopDeleteAndStatusDoNothing) {
    f.gSession.SetMesConnected(false);
    for (int program = 0; program < 4; ++program) {
        for (const QString type : {"", "1", "2", "3"}) {
            Program(program, type);
            StartButton_Click(r, program);
            StopButton_Click(r, program);
            DeleteButton_Click(r, program);
            StatusButton_Click(r, program);
            EXPECT_EQ(Queue(), "");
            EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
            EXPECT_TRUE(window.Calls.isEmpty());
        }
    }
}

TEST_F(Actions, NewAsksForTheDnidListForTheSetUpConnectedOrNot) {
    for (bool connected : {true, false}) {
        f.gSession.SetMesConnected(connected);
        for (int program = 0; program < 4; ++program) {
            Program(program, "1");
            r.DnidReplyTarget = 0;
            NewButton_Click(r, program);
            EXPECT_EQ(r.DnidReplyTarget, 1);
            EXPECT_EQ(Queue(), "st -d\r\n");
            EXPECT_EQ(window.Calls, QStringList{"ShowWaitForm"});
        }
    }
}

TEST_F(Actions, OkLetsTheDialogGoAndTheNextOpeningStartsAfresh) {
    link.Requests.PUReplyMode = 2;
    Dispatch(ListReply({ProgramLine(0, "local", "PU[i", "12,12345,1")}));
    ASSERT_TRUE(FormShown());
    OKButton_Click(r);
    EXPECT_FALSE(r.PUReportingForms.isLoaded());
    EXPECT_EQ(Queue(), "");

    f.gSession.SetMesConnected(false);
    OpenPUReporting(r);
    ASSERT_TRUE(FormShown());
    EXPECT_EQ(Form().TypeCode(0), "");
    EXPECT_EQ(Text("PrgType(0)"), "Type:");
    EXPECT_EQ(Text("PrgStatus(0)"), "Status:");
    EXPECT_EQ(Rows(0), (QStringList{"", "", "", ""}));
}

// Which "pg -d" replies reach the dialog.
struct ReplyMode : ReportingFixture {
    QString List() {
        return ListReply({ProgramLine(0, "local", "PU[i", "12,12345,1"), ProgramLine(1, "closed", "PU[-"),
                          ProgramLine(2, "remote", "PU[s"), ProgramLine(3, "local", "PU[s")});
    }
};

TEST_F(ReplyMode, AListBeforeAnyOpeningChangesNothing) {
    f.gSession.SetMesConnected(true);
    Dispatch(List());
    EXPECT_FALSE(r.PUReportingForms.isLoaded());
    EXPECT_TRUE(window.Calls.isEmpty());
}

TEST_F(ReplyMode, AfterOneOpeningEveryListRefreshesAndShowsTheDialog) {
    f.gSession.SetMesConnected(true);
    OpenPUReporting(r);
    EXPECT_EQ(link.Requests.PUReplyMode, 2);
    EXPECT_EQ(link.Dialogue.CommandQueue, kRefresh);
    EXPECT_FALSE(r.PUReportingForms.isLoaded()) << "the reply shows it";
    Dispatch(List());
    ASSERT_TRUE(FormShown());
    EXPECT_EQ(window.Calls, (QStringList{"ShowWaitForm", "UnloadWaitForm"}));

    // Closed by OK; a "pg -d" typed on the command line later opens it again.
    OKButton_Click(r);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Dispatch(List());
    EXPECT_TRUE(FormShown());
    EXPECT_EQ(Buttons(3), "-S-D");
}

TEST_F(ReplyMode, AShortEchoIsReceivedFurther) {
    link.Requests.PUReplyMode = 2;
    Dispatch("pg -d\r\n");
    EXPECT_EQ(link.Dialogue.DialogueState, 1);
    EXPECT_FALSE(r.PUReportingForms.isLoaded());
}

TEST_F(ReplyMode, OpeningWithoutTheTransceiverShowsNoActionAndLeavesTheMode) {
    for (qint16 mode : {0, 2}) {
        link.Requests.PUReplyMode = 2;
        f.gSession.SetMesConnected(true);
        Dispatch(List());
        ASSERT_EQ(Buttons(0), "--TD");
        link.Requests.PUReplyMode = mode;
        f.gSession.SetMesConnected(false);
        window.Calls.clear();
        OpenPUReporting(r);
        EXPECT_TRUE(FormShown());
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(Buttons(i), "----");
            EXPECT_TRUE(Form().StatusButton(i)->isVisibleTo(&Form()));
        }
        EXPECT_TRUE(Form().OKButton()->isVisibleTo(&Form()));
        EXPECT_EQ(Rows(0), (QStringList{"012 12345 1", "", "", ""})) << "what it holds";
        EXPECT_EQ(link.Requests.PUReplyMode, mode);
        EXPECT_EQ(link.Dialogue.CommandQueue, "");
        EXPECT_TRUE(window.Calls.isEmpty());
    }
}

}  // namespace
