#include <QFile>
#include <QMap>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "foundation/Foundation.h"
#include "foundation/GeneralRoutines.h"
#include "mainwindow/HotList.h"
#include "support/FakeMainForm.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// A Forms menu: position -> {file name, title, visible}.
struct FormsMenu : test::FakeMainForm {
    struct Form {
        QString file;
        QString title;
        bool visible = true;
    };
    QMap<int, Form> forms;
    int GetMnuFomsIndex(const QString& fileName) const override {
        for (auto it = forms.begin(); it != forms.end(); ++it)
            if (it->file.toLower() == fileName.toLower()) return it.key();
        return -1;
    }
    QString GetMnuFomsFileName(int index) const override { return forms.value(index).file; }
    QString GetMnuFomsName(int index) const override {
        const Form form = forms.value(index);
        return form.visible ? form.title : QString();
    }
};

class HotList : public ::testing::Test {
protected:
    test::TestPlatform platform;
    Foundation f{platform.Os};
    FormsMenu menu;
    QString path = platform.DataFolder() + "/Hotlist.xml";

    std::unique_ptr<cHotList> Make() {
        auto list = std::make_unique<cHotList>(f);
        list->FilePath(path);
        list->MenuInterface(&menu);
        return list;
    }
    QByteArray FileText() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void WriteFile(const QByteArray& text) const {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    static std::vector<std::pair<int, int>> Ranks(const cHotList& list) {
        std::vector<std::pair<int, int>> out;
        for (const HotListItem& item : list.GetItems()) out.emplace_back(item.MenuId, item.Hits);
        return out;
    }
};

const QByteArray kEmptyFile = "<?xml version='1.0'?>\r\n<HotList>\r\n    <Version>2</Version>\r\n</HotList>\r\n";

QByteArray ItemText(const QByteArray& id, int parent, int hits) {
    return "    <Item>\r\n        <MenuId>" + id + "</MenuId>\r\n        <ParentMenuId>" + QByteArray::number(parent) +
           "</ParentMenuId>\r\n        <Hits>" + QByteArray::number(hits) + "</Hits>\r\n    </Item>\r\n";
}

QByteArray FileWith(const QByteArray& items, const QByteArray& version = "2") {
    return "<?xml version='1.0'?>\r\n<HotList>\r\n    <Version>" + version + "</Version>\r\n" + items + "</HotList>\r\n";
}

TEST_F(HotList, RankingFollowsUse) {
    struct Case {
        const char* what;
        std::vector<int> uses;
        std::vector<std::pair<int, int>> ranks;
    };
    const std::vector<Case> cases = {
        {"a first use enters at the bottom with no hits", {2020, 2064}, {{2020, 0}, {2064, 0}}},
        {"a second use moves above an entry without hits", {2020, 2064, 2064}, {{2064, 1}, {2020, 0}}},
        {"equal hits never swap", {2020, 2064, 2020, 2064}, {{2020, 1}, {2064, 1}}},
        {"one place at most", {2020, 2046, 2064, 2064}, {{2020, 0}, {2064, 1}, {2046, 0}}},
        {"an id without text never enters", {986, 987, 988, 1854, 1855, 2716}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        cHotList list(f);
        for (int id : c.uses) list.add(id, 0);
        EXPECT_EQ(Ranks(list), c.ranks);
    }
}

TEST_F(HotList, AddAnswersWhetherAnEntryWasCounted) {
    cHotList list(f);
    EXPECT_FALSE(list.add(2020, 0));
    EXPECT_TRUE(list.add(2020, 0));
    EXPECT_FALSE(list.add(986, 0));
}

TEST_F(HotList, TopReaching255RenormalisesInOrder) {
    cHotList list(f);
    const std::vector<int> ids = {2020, 2021, 2022, 2023, 2024, 2025, 2026, 2027, 2028, 2029};
    for (int id : ids) ASSERT_FALSE(list.add(id, 0)) << id;
    ASSERT_EQ(list.GetItems().size(), 10);
    for (int i = 0; i < 254; ++i) list.add(2020, 0);
    EXPECT_EQ(list.GetItems().first().Hits, 254);
    list.add(2020, 0);
    std::vector<std::pair<int, int>> expected;
    for (int k = 0; k < 10; ++k) expected.emplace_back(ids[k], 10 - k);
    EXPECT_EQ(Ranks(list), expected);
}

TEST_F(HotList, EntryReaching255WhileMovingUpKeeps255) {
    cHotList list(f);
    list.add(2020, 0);
    list.add(2064, 0);
    for (int i = 0; i < 254; ++i) list.add(2020, 0);  // top at 254
    for (int i = 0; i < 254; ++i) list.add(2064, 0);  // second at 254, equal: stays below
    EXPECT_EQ(Ranks(list), (std::vector<std::pair<int, int>>{{2020, 254}, {2064, 254}}));
    list.add(2064, 0);  // reaches 255 and moves up; the one moved down has 254
    EXPECT_EQ(Ranks(list), (std::vector<std::pair<int, int>>{{2064, 255}, {2020, 254}}));
    list.add(2064, 0);  // no longer moves: renormalised
    EXPECT_EQ(Ranks(list), (std::vector<std::pair<int, int>>{{2064, 2}, {2020, 1}}));
}

TEST_F(HotList, LaterParentKeepsTheFirstCaption) {
    cHotList list(f);
    list.add(1990, 1989);
    list.add(1990, 2056);
    ASSERT_EQ(list.GetItems().size(), 1);
    EXPECT_EQ(list.GetItems().first().ParentMenuId, 1989);
    EXPECT_EQ(list.GetItems().first().Caption, GetCaptionPair(f, 1990, 1989));
    EXPECT_EQ(list.GetItems().first().Hits, 1);
}

TEST_F(HotList, EnableSetsTheFirstEntry) {
    cHotList list(f);
    list.add(2020, 0);
    EXPECT_TRUE(list.Enable(2020, false));
    EXPECT_FALSE(list.GetItems().first().Enabled);
    EXPECT_FALSE(list.Enable(2064, true));
}

TEST_F(HotList, FileIsWrittenByteForByteWhenTheListGoes) {
    menu.forms[3] = {"Weather Report.htm", "Weather & sea", true};
    {
        auto list = Make();
    }
    EXPECT_EQ(FileText(), kEmptyFile);
    {
        auto list = Make();
        list->add(2020, 0);
        list->add(1990, 1989);
        list->add(3, 0);
        list->add(3, 0);
    }
    EXPECT_EQ(FileText(),
              FileWith(ItemText("2020", 0, 0) + ItemText("Weather Report.htm", 0, 1) + ItemText("1990", 1989, 0)));
}

TEST_F(HotList, FileNamesAreEscaped) {
    menu.forms[0] = {"a&b<c>.htm", "Odd", true};
    {
        auto list = Make();
        list->add(0, 0);
    }
    EXPECT_EQ(FileText(), FileWith(ItemText("a&amp;b&lt;c&gt;.htm", 0, 0)));
    auto list = Make();
    list->Load();
    ASSERT_EQ(list->GetItems().size(), 1);
    EXPECT_EQ(list->GetItems().first().MenuId, 0);
}

TEST_F(HotList, LoadTable) {
    menu.forms[5] = {"Weather Report.htm", "Weather", true};
    menu.forms[7] = {"hidden.htm", "Hidden", false};
    struct Case {
        const char* what;
        QByteArray file;  // "<none>": no file
        std::vector<std::pair<int, int>> ranks;
    };
    const QByteArray two = ItemText("2020", 0, 7) + ItemText("2064", 0, 3);
    const std::vector<Case> cases = {
        {"missing", "<none>", {}},
        {"malformed", "<?xml version='1.0'?>\r\n<HotList><Version>2</Version><Item>", {}},
        {"no version", "<?xml version='1.0'?>\r\n<HotList>\r\n" + two + "</HotList>\r\n", {}},
        {"version 1", FileWith(two, "1"), {}},
        {"version not a number", FileWith(two, "x"), {}},
        {"version too large", FileWith(two, "70000"), {}},
        {"version 2", FileWith(two), {{2020, 7}, {2064, 3}}},
        {"version 3", FileWith(two, "3"), {{2020, 7}, {2064, 3}}},
        {"an id without text", FileWith(ItemText("986", 0, 4) + two), {{2020, 7}, {2064, 3}}},
        {"a form by file name, any case, at its position now",
         FileWith(ItemText("weather report.htm", 12, 9)), {{5, 9}}},
        {"a form gone or hidden", FileWith(ItemText("gone.htm", 0, 9) + ItemText("hidden.htm", 0, 2) + two),
         {{2020, 7}, {2064, 3}}},
        {"hits out of range or not numbers",
         FileWith(ItemText("2020", 0, 256) + ItemText("2064", 0, -1) + "    <Item><MenuId>2046</MenuId>"
                                                                        "<ParentMenuId>0</ParentMenuId>"
                                                                        "<Hits>many</Hits></Item>\r\n"),
         {{2020, 0}, {2064, 0}, {2046, 0}}},
        {"an item without id", FileWith("    <Item><Hits>3</Hits></Item>\r\n" + two), {{2020, 7}, {2064, 3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(path);
        if (c.file != "<none>") WriteFile(c.file);
        auto list = Make();
        list->Load();
        EXPECT_EQ(Ranks(*list), c.ranks);
        for (const HotListItem& item : list->GetItems()) {
            EXPECT_FALSE(item.Caption.isEmpty());
            EXPECT_TRUE(item.Enabled);
        }
        list->FilePath(QString());  // no write on the way out
    }
}

TEST_F(HotList, LoadedFormKeepsParentZeroAndItsTitle) {
    menu.forms[5] = {"Weather Report.htm", "Weather", true};
    WriteFile(FileWith(ItemText("Weather Report.htm", 2056, 4) + ItemText("1990", 1989, 2)));
    auto list = Make();
    list->Load();
    ASSERT_EQ(list->GetItems().size(), 2);
    EXPECT_EQ(list->GetItems().at(0).ParentMenuId, 0);
    EXPECT_EQ(list->GetItems().at(0).Caption, "Weather");
    EXPECT_EQ(list->GetItems().at(1).Caption, GetCaptionPair(f, 1990, 1989));
}

TEST_F(HotList, UnreadableVersionIsRewrittenAsAnEmptyList) {
    WriteFile(FileWith(ItemText("2020", 0, 7), "x"));
    {
        auto list = Make();
        list->Load();
        EXPECT_TRUE(list->GetItems().isEmpty());
    }
    EXPECT_EQ(FileText(), kEmptyFile);
}

TEST_F(HotList, LoadedListComesBackInOrderWithItsHits) {
    const QByteArray items = ItemText("2064", 0, 9) + ItemText("2020", 0, 9) + ItemText("1990", 1989, 1);
    WriteFile(FileWith(items));
    {
        auto list = Make();
        list->Load();
    }
    EXPECT_EQ(FileText(), FileWith(items));
}

TEST_F(HotList, ResetWritesAtOnceAndExitKeepsItEmpty) {
    auto list = Make();
    list->add(2020, 0);
    EXPECT_TRUE(list->Reset());
    EXPECT_TRUE(list->GetItems().isEmpty());
    EXPECT_EQ(FileText(), kEmptyFile);
    list.reset();
    EXPECT_EQ(FileText(), kEmptyFile);
}

TEST_F(HotList, ResetAnswersFalseWhenTheFileCannotBeWritten) {
    auto list = Make();
    list->FilePath(platform.DataFolder() + "/no such folder/Hotlist.xml");
    list->add(2020, 0);
    EXPECT_FALSE(list->Reset());
    list->FilePath(QString());
}

TEST_F(HotList, FilePathIsInTheDataFolder) {
    f.gConfiguration.DataPath = platform.DataFolder();
    EXPECT_EQ(HotListFilePath(f), platform.DataFolder() + "/Hotlist.xml");
}

}  // namespace
