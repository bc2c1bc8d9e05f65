#include "editor/DefaultMessageLoader.h"
#include "editor/cDefaultMessage.h"
#include "messages/AddressBookFixture.h"
#include "support/FakeMessageEditor.h"

using namespace tidepost;

namespace {

// Stored default messages in the data folder, loaded into a fake editor that holds a draft.
class DefaultMessageLoaderTest : public test::AddressBookTest {
protected:
    DefaultMessageLoaderTest() {
        editor.Fields[0] = "Alice;";
        editor.Fields[1] = "Bob;";
        editor.Fields[2] = "";
        editor.Subject = "Draft";
        editor.Text = "draft body";
    }
    void Store(int n, const QString& name, const QString& body) {
        cDefaultMessage message(f);
        message.Init(static_cast<std::int16_t>(n));
        ASSERT_TRUE(message.CreateMessage(name, body, "Noon", "Ops;", "Crew;", "Owner;"));
    }
    DefaultMessageLoad Load(int n) {
        return LoadDefaultMessage(f, editor, n, nullptr, [this](int key) { setUpOpenedOn << key; });
    }
    QStringList Editor() const {
        return {editor.Fields[0], editor.Fields[1], editor.Fields[2], editor.Subject, editor.Text};
    }
    const QStringList draft{"Alice;", "Bob;", "", "Draft", "draft body"};

    test::FakeMessageEditor editor;
    QList<int> setUpOpenedOn;
};

TEST_F(DefaultMessageLoaderTest, AKeyWithoutAMessageOpensTheSetUpOnThatKey) {
    EXPECT_EQ(Load(5), DefaultMessageLoad::SetUpOpened);
    EXPECT_EQ(setUpOpenedOn, QList<int>{5});
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_EQ(Editor(), draft);
}

TEST_F(DefaultMessageLoaderTest, AFileThatDoesNotParseLeavesTheEditorAlone) {
    platform.WriteDataFile("DefaultMessages/DefaultMsg3.txt", "no brackets, no tags");
    EXPECT_EQ(Load(3), DefaultMessageLoad::NotLoaded);
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Default message error");
    EXPECT_EQ(platform.Boxes.Shown[0].text, "Default message could not be loaded");
    EXPECT_EQ(Editor(), draft);
    EXPECT_TRUE(setUpOpenedOn.isEmpty());
}

TEST_F(DefaultMessageLoaderTest, TheOperatorIsAskedFirst) {
    Store(2, "Position report", "line 1\nline 2\rline 3\r\nline 4");
    platform.Boxes.Answer(MsgAnswer::No);
    EXPECT_EQ(Load(2), DefaultMessageLoad::Declined);
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Load message");
    EXPECT_EQ(platform.Boxes.Shown[0].text, "Load default message: Position report");
    EXPECT_EQ(platform.Boxes.Shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(Editor(), draft);

    platform.Boxes.Answer(MsgAnswer::Yes);
    EXPECT_EQ(Load(2), DefaultMessageLoad::Loaded);
    EXPECT_EQ(Editor(), (QStringList{"Ops;", "Crew;", "Owner;", "Noon", "line 1\r\nline 2\r\nline 3\r\nline 4"}));
}

TEST_F(DefaultMessageLoaderTest, DistressPriorityKeepsTheRescueHeader) {
    Store(1, "Fire", "Fire in the engine room");
    f.gSession.SetMessagePriority(1);
    editor.Fields[0] = "SEARCH & RESCUE;";
    editor.Fields[1] = editor.Fields[2] = editor.Subject = "";
    platform.Boxes.Answer(MsgAnswer::Yes);
    EXPECT_EQ(Load(1), DefaultMessageLoad::Loaded);
    EXPECT_EQ(Editor(), (QStringList{"SEARCH & RESCUE;", "", "", "", "Fire in the engine room"}));
}

TEST_F(DefaultMessageLoaderTest, LineEndsBecomeCrLfAndKeepTheirCount) {
    const struct {
        QString stored;
        QString loaded;
    } cases[] = {
        {"a\nb", "a\r\nb"},       {"a\rb", "a\r\nb"},           {"a\r\nb", "a\r\nb"},
        {"a\n\rb", "a\r\n\r\nb"}, {"a\r\r\nb\n", "a\r\n\r\nb\r\n"}, {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(DefaultMessageBody(c.stored), c.loaded) << c.stored.toStdString();
}

TEST_F(DefaultMessageLoaderTest, CaptionsNameEachStoredMessage) {
    Store(1, "Noon report", "body");
    Store(4, "Arrival", "body");
    platform.WriteDataFile("DefaultMessages/DefaultMsg6.txt", "no brackets, no tags");
    EXPECT_EQ(DefaultMessageCaptions(f), (QStringList{"F1 [Noon report]", "F2 [Empty]", "F3 [Empty]", "F4 [Arrival]",
                                                      "F5 [Empty]", "F6 [Empty]", "F7 [Empty]", "F8 [Empty]"}));
}

}  // namespace
