#include "EditorFixture.h"

using namespace tidepost;

namespace {

using DistressEditorTest = test::EditorTest;

TEST_F(DistressEditorTest, NoLeavesEverythingAndTheFormerView) {
    host.View = 1;  // the inbox is on screen
    controls.ToFieldText->setText("Alice;");
    controls.SubjectFieldText->setText("Noon");
    SetBodyText(controls, "Draft");
    AnswerDistressQuestion(false);
    editor->DistressEditorButton_Click();
    EXPECT_EQ(host.View, 1) << "the view mode says what is on screen";
    EXPECT_EQ(f.gSession.MessagePriority(), 0);
    EXPECT_EQ(controls.ToFieldText->text(), "Alice;");
    EXPECT_EQ(controls.SubjectFieldText->text(), "Noon");
    EXPECT_EQ(Body(), "Draft");
    EXPECT_TRUE(host.HotList.isEmpty());
    EXPECT_EQ(platform.Boxes.DialogsShown, QStringList{"DistressEditorInfo1"});
}

TEST_F(DistressEditorTest, ClosingTheQuestionCountsAsNo) {
    platform.Boxes.OnDialog = [](QDialog& dialog) { dialog.close(); };
    editor->DistressEditorButton_Click();
    EXPECT_EQ(f.gSession.MessagePriority(), 0);
    EXPECT_EQ(platform.Boxes.DialogsShown, QStringList{"DistressEditorInfo1"});
}

TEST_F(DistressEditorTest, InsertedLinesWithAndWithoutALink) {
    platform.Settings.Save("Tidepost", "Settings", "VesselName", "Nordlys");
    f.gSession.SetMobileNumber(492123456);
    for (bool connected : {false, true}) {
        SCOPED_TRACE(connected ? "link" : "no link");
        editor->ChangeViewEditor();
        host.HotList.clear();
        SetBodyText(controls, "Earlier");
        f.gSession.SetMesConnected(connected);
        AnswerDistressQuestion(true);
        editor->DistressEditorButton_Click();
        const QString expected =
            (connected ? QString("Position: not available\r\n") : QString()) +
                                 "Mobile No.: 492123456\r\nVessel name: Nordlys\r\nEarlier";
        EXPECT_EQ(Body(), expected);
        EXPECT_EQ(host.HotList.contains(qMakePair(1990, 1989)), connected);
        EXPECT_TRUE(host.HotList.contains(qMakePair(1993, 1989)));
        EXPECT_EQ(controls.Editor->textCursor().position(), controls.Editor->toPlainText().size() - 7)
            << "the caret after the vessel data";
        EXPECT_EQ(controls.ToFieldText->text(), "SEARCH & RESCUE;");
    }
}

}  // namespace
