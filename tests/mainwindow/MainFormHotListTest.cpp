#include <QAction>
#include <QMenu>
#include <QTimer>
#include <optional>
#include <QTest>

#include "mainwindow/cPopupMenu.h"

#include "mainwindow/HotList.h"
#include "support/ListItems.h"
#include "mainwindow/StartUpFixture.h"
#include "mainwindow/cMainForm.h"

namespace tidepost {
namespace {

const QByteArray kEmptyFile = "<?xml version='1.0'?>\r\n<HotList>\r\n    <Version>2</Version>\r\n</HotList>\r\n";

QByteArray ItemText(const QByteArray& id, int parent, int hits) {
    return "    <Item>\r\n        <MenuId>" + id + "</MenuId>\r\n        <ParentMenuId>" + QByteArray::number(parent) +
           "</ParentMenuId>\r\n        <Hits>" + QByteArray::number(hits) + "</Hits>\r\n    </Item>\r\n";
}

QByteArray FileWith(const QByteArray& items, const QByteArray& version = "2") {
    return "<?xml version='1.0'?>\r\n<HotList>\r\n    <Version>" + version + "</Version>\r\n" + items + "</HotList>\r\n";
}

struct MainFormHotList : StartUp {
    void Start() {
        LoadAccepted({{"[HOST Interface]", "COM"}});
        form->LeaveEventLoop = [] {};
        form->show();
    }
    QList<std::pair<int, int>> Ranks() const {
        QList<std::pair<int, int>> out;
        for (const HotListItem& item : form->HotListObject()->GetItems()) out.append({item.MenuId, item.Hits});
        return out;
    }
};

TEST_F(MainFormHotList, OrderlyExitWithoutCommandsWritesTheEmptyList) {
    Start();
    ASSERT_NE(form->HotListObject(), nullptr);
    form->CloseWithoutQuestion();
    ASSERT_TRUE(form->ProgramEnded());
    EXPECT_EQ(form->HotListObject(), nullptr);
    EXPECT_EQ(platform.ReadDataFile("Hotlist.xml"), kEmptyFile);
}

TEST_F(MainFormHotList, SeededFileComesBackWithoutEntriesThatHaveNoCaption) {
    platform.WriteDataFile("Hotlist.xml", FileWith(ItemText("2020", 0, 5) + ItemText("986", 0, 4) +
                                                   ItemText("form.htm", 0, 3) + ItemText("1990", 1989, 1)));
    Start();
    EXPECT_EQ(Ranks(), (QList<std::pair<int, int>>{{2020, 5}, {1990, 1}}));
    form->mnuAbout_Click();
    form->mnuAbout_Click();
    // Equal hits: the newcomer stays below.
    EXPECT_EQ(Ranks(), (QList<std::pair<int, int>>{{2020, 5}, {1990, 1}, {2064, 1}}));
    EXPECT_TRUE(form->close());
    EXPECT_EQ(platform.ReadDataFile("Hotlist.xml"),
              FileWith(ItemText("2020", 0, 5) + ItemText("1990", 1989, 1) + ItemText("2064", 0, 1)));
}

TEST_F(MainFormHotList, VersionThatIsNoNumberStartsNormallyWithAnEmptyList) {
    platform.WriteDataFile("Hotlist.xml", FileWith(ItemText("2020", 0, 5), "x"));
    Start();
    EXPECT_TRUE(form->HotListObject()->GetItems().isEmpty());
    EXPECT_TRUE(platform.Serial.PortOpen()) << "the start-up went on to open the link";
    form->CloseWithoutQuestion();
    EXPECT_EQ(platform.ReadDataFile("Hotlist.xml"), kEmptyFile);
}

TEST_F(MainFormHotList, MenuCommandsAreWrittenWithTheirIdsAndParents) {
    Start();
    form->PreferredEastMenu_Click();
    form->PreferredEastMenu_Click();
    form->LoginWestMenu_Click();
    form->mnuAbortTransmission_Click();  // never counted
    form->SetPcTimeMenu_Click();
    form->CloseWithoutQuestion();
    // A new entry starts with no hits; each further use adds one.
    EXPECT_EQ(platform.ReadDataFile("Hotlist.xml").toStdString(),
              FileWith(ItemText("2049", 2056, 1) + ItemText("2052", 2048, 0) + ItemText("2041", 0, 0)).toStdString());
}

TEST_F(MainFormHotList, ResetWritesAtOnce) {
    Start();
    form->mnuAbout_Click();
    EXPECT_TRUE(form->ResetHotList());
    EXPECT_EQ(platform.ReadDataFile("Hotlist.xml"), kEmptyFile);
    EXPECT_TRUE(form->HotListObject()->GetItems().isEmpty());
}

TEST_F(MainFormHotList, FormsMenuLookupOverItsItems) {
    Start();
    auto* forms = Find<QMenu>("mnuForms");
    ASSERT_NE(forms, nullptr);
    cMainForm lookup(*forms);
    ASSERT_NE(lookup.mnuForm(0), nullptr);
    ASSERT_NE(lookup.mnuForm(63), nullptr);
    EXPECT_EQ(lookup.mnuForm(64), nullptr);
    EXPECT_FALSE(lookup.mnuForm(0)->isEnabled()) << "the placeholder of a Forms menu without forms";
    EXPECT_FALSE(lookup.mnuForm(1)->isVisible());
    lookup.mnuForm(4)->setText("Weather");
    lookup.mnuForm(4)->setData("Weather.htm");
    lookup.mnuForm(6)->setText("Hidden");
    lookup.mnuForm(6)->setData("hidden.htm");
    lookup.mnuForm(4)->setVisible(true);
    EXPECT_EQ(form->GetMnuFomsIndex("WEATHER.HTM"), 4);
    EXPECT_EQ(form->GetMnuFomsIndex("gone.htm"), -1);
    EXPECT_EQ(form->GetMnuFomsFileName(6), "hidden.htm");
    EXPECT_EQ(form->GetMnuFomsFileName(60), "");
    EXPECT_EQ(form->GetMnuFomsName(4), "Weather");
    EXPECT_EQ(form->GetMnuFomsName(6), "") << "a hidden position holds no form";
    EXPECT_EQ(form->GetMnuFomsName(-1), "");
    // A form entry is counted by its position and stored by its file name.
    form->HotList.Add(4, 0);
    form->CloseWithoutQuestion();
    EXPECT_EQ(platform.ReadDataFile("Hotlist.xml"), FileWith(ItemText("Weather.htm", 0, 0)));
}

TEST_F(MainFormHotList, WindowGoneWithoutAnExitLeavesTheFile) {
    platform.WriteDataFile("Hotlist.xml", "old");
    Start();
    form.reset();
    EXPECT_EQ(platform.ReadDataFile("Hotlist.xml"), "old");
}

}  // namespace
}  // namespace tidepost

namespace tidepost {
namespace {

struct MainFormPopup : MainFormHotList {
    int shown = 0;
    bool timerActiveWhileOpen = true;
    std::optional<int> choose;
    QList<int> opened;

    void StartWithPopup() {
        Start();
        form->OpenForm = [this](int index) { opened << index; };
        cPopupMenu::Exec = [this](QMenu& menu, const QPoint&) -> QAction* {
            ++shown;
            timerActiveWhileOpen = form->HotListTimer()->isActive();
            for (QAction* action : menu.actions())
                if (choose && action->data().toInt() == *choose) return action;
            return nullptr;
        };
    }
    ~MainFormPopup() override { cPopupMenu::Exec = nullptr; }
};

TEST_F(MainFormPopup, F12ShowsTheListAndTheChoiceCountsAgain) {
    StartWithPopup();
    form->mnuAbout_Click();
    form->mnuAbout_Click();
    ASSERT_EQ(Ranks(), (QList<std::pair<int, int>>{{2064, 1}}));
    QTest::keyClick(form.get(), Qt::Key_F12);
    EXPECT_TRUE(form->HotListTimer()->isActive());
    EXPECT_EQ(shown, 0) << "the popup waits for the key to be handled";
    choose = 2065;
    form->HotListTimer_Timer();
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(timerActiveWhileOpen) << "a tick while the popup is open opens no second one";
    EXPECT_FALSE(form->HotListTimer()->isActive());
    EXPECT_EQ(Ranks(), (QList<std::pair<int, int>>{{2064, 2}}));
}

TEST_F(MainFormPopup, KeyMap) {
    StartWithPopup();
    int sends = 0;
    int pulses = 0;
    form->KeyHandlers.SendButton_Click = [&] { ++sends; };
    form->KeyHandlers.PressInHarbourButton = [&] { ++pulses; };
    struct Case {
        const char* what;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* harbour;  // nullptr: key absent
        int sends, pulses;
        bool hotListTimer;
    } cases[] = {
        {"Ctrl+Enter sends", Qt::Key_Return, Qt::ControlModifier, nullptr, 1, 0, false},
        {"Ctrl+keypad Enter sends", Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier, nullptr, 1, 0, false},
        {"Ctrl+Shift+Enter does not", Qt::Key_Return, Qt::ControlModifier | Qt::ShiftModifier, nullptr, 0, 0, false},
        {"Alt+Enter does not", Qt::Key_Return, Qt::AltModifier, nullptr, 0, 0, false},
        {"F11 with 1", Qt::Key_F11, Qt::NoModifier, "1", 0, 1, false},
        {"F11 with 0", Qt::Key_F11, Qt::NoModifier, "0", 0, 0, false},
        {"F11 absent", Qt::Key_F11, Qt::NoModifier, nullptr, 0, 0, false},
        {"F12 starts the hot-list timer", Qt::Key_F12, Qt::NoModifier, nullptr, 0, 0, true},
    };
    auto* child = new QWidget(form.get());
    child->show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sends = pulses = 0;
        form->HotListTimer()->stop();
        SetIniValue(f, "[InHarbourButton]", c.harbour ? c.harbour : "", false);
        QTest::keyClick(child, c.key, c.modifiers);
        EXPECT_EQ(sends, c.sends);
        EXPECT_EQ(pulses, c.pulses);
        EXPECT_EQ(form->HotListTimer()->isActive(), c.hotListTimer);
    }
}

TEST_F(MainFormPopup, HandlerSettingKeyCodeZeroConsumesTheKey) {
    StartWithPopup();
    form->KeyHandlers.HandleEditorShortcutKeys = [](int& code, int) {
        if (code == 123) code = 0;
    };
    QTest::keyClick(form.get(), Qt::Key_F12);
    EXPECT_FALSE(form->HotListTimer()->isActive());
}

TEST_F(MainFormPopup, EmptyListShowsNothing) {
    StartWithPopup();
    form->HotListTimer_Timer();
    EXPECT_EQ(shown, 0);
}

TEST_F(MainFormPopup, FormsButtonOpensTheLastFormWhenItIsShown) {
    StartWithPopup();
    cMainForm lookup(*Find<QMenu>("mnuForms"));
    lookup.mnuForm(0)->setVisible(true);
    lookup.mnuForm(2)->setVisible(true);
    struct Case {
        QString stored;
        QList<int> opened;
    } cases[] = {{"", {0}}, {"2", {2}}, {"2 ", {2}}, {"3", {}}, {"-1", {}}, {"64", {}}, {"70000", {}}, {"x", {0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        opened.clear();
        SetIniValue(f, "[LastForm]", c.stored, false);
        form->FormsButton_Click();
        EXPECT_EQ(test::Items(opened), test::Items(c.opened));
    }
}

}  // namespace
}  // namespace tidepost
