#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QWidget>

#include "foundation/MlStrings.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// A small table in a real file: id 4 in all three languages, id 9 in English only.
class MlStringsFile : public ::testing::Test {
protected:
    QString WriteTable(const QByteArray& text) { return platform.WriteDataFile("strings.tsv", text); }
    QString SmallTable() {
        return WriteTable("4\t&Cancel\tAnnuler\t\xD0\x9E\xD1\x82\xD0\xBC\xD0\xB5\xD0\xBD\xD0\xB0\n"
                          "9\tCancel\t\t\n");
    }
    test::TestPlatform platform;
};

}  // namespace

TEST(FormatMlString, FillsPlaceholdersInIndexOrder) {
    QVariantList eleven;
    for (int i = 0; i <= 10; ++i) eleven << QString("v%1").arg(i);
    struct Case {
        const char* name;
        QString text;
        QVariantList values;
        QString expected;
    } const cases[] = {
        {"error pattern", "(MainForm.Load) Error '%0': %1.", {53, "File not found"},
         "(MainForm.Load) Error '53': File not found."},
        {"every occurrence", "%0 and %0 again", {7}, "7 and 7 again"},
        {"%10 is reached by the step for %1 first", "[%10] [%1]", eleven, "[v10] [v1]"},
        {"a value for %0 holding %1 is filled in turn", "<%0>", {"a%1b", "X"}, "<aXb>"},
        {"a placeholder without a value stays", "%0 then %1", {"only"}, "only then %1"},
        {"no values", "100% sure %0", {}, "100% sure %0"},
        {"no escape for a per-cent sign", "%%0", {5}, "%5"},
        {"a value is not scanned again by its own step", "%0|%0", {"%0"}, "%0|%0"},
        {"negative number", "%0", {-12}, "-12"},
        {"large whole number", "%0", {qint64(9876543210)}, "9876543210"},
        {"fraction in plain decimal", "%0", {2.5}, "2.5"},
        {"large real without exponent", "%0", {1e20}, "100000000000000000000"},
        {"placeholders compare exactly", "%O is not %0", {"x"}, "%O is not x"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatMlString(c.text, c.values), c.expected) << c.name;
}

TEST(FormatMlString, ElevenValuesTurnPercentTenIntoValueOneAndADigit) {
    QVariantList values;
    for (int i = 0; i <= 10; ++i) values << i * 100;
    EXPECT_EQ(FormatMlString("%10", values), "1000");  // value 1 ("100") followed by "0"
}

TEST(SetMlLanguage, SelectsAnOfferedLanguageOrEnglish) {
    struct Case {
        int start;
        int id;
        const char* name;
        int expected;
    } const cases[] = {
        {1033, 1049, "", 1049},        {1033, 1036, "French", 1033}, {1049, 1036, "French", 1033},
        {1049, 1033, "English", 1033}, {1049, 0, "", 1033},          {1049, 2052, "Chinese", 1033},
        {1049, 1049, "Russian", 1049}, {1033, -1, "", 1033},
    };
    for (const Case& c : cases) {
        MlStrings strings("/nonexistent");
        strings.CurrentLanguageId = c.start;
        strings.SetMlLanguage(c.id, c.name);
        EXPECT_EQ(strings.CurrentLanguageId, c.expected) << c.start << " -> " << c.id;
    }
}

TEST(Languages, OfferedListNamesAndCharsets) {
    EXPECT_EQ(GetSupportedLanguages(), (QList<int>{1033, 1049}));

    const std::pair<int, const char*> names[] = {{1033, "English (United States)"}, {1036, "French"},
                                                 {1049, "Russian"}, {0, "Invalid Language Index"},
                                                 {1031, "Invalid Language Index"}, {-1, "Invalid Language Index"}};
    for (const auto& [id, name] : names) EXPECT_EQ(GetLanguageName(id), name) << id;

    MlStrings strings("/nonexistent");
    EXPECT_EQ(strings.CurrentLanguageId, 1033);
    EXPECT_EQ(strings.GetLanguageCharset(), 0);
    strings.SetMlLanguage(1049);
    EXPECT_EQ(strings.GetLanguageCharset(), 204);
    strings.CurrentLanguageId = 1036;  // not reachable through SetMlLanguage, but its set is 0
    EXPECT_EQ(strings.GetLanguageCharset(), 0);
}

TEST(Languages, NativeNamesAreWrittenInTheirOwnLanguage) {
    EXPECT_EQ(GetNativeLanguageName(1049), QString::fromUtf8("русский"));
    EXPECT_EQ(GetNativeLanguageName(1036), QString::fromUtf8("français"));
    EXPECT_TRUE(GetNativeLanguageName(1033).contains("English"));
    EXPECT_EQ(GetNativeLanguageName(0), QString());
}

TEST(ApplyLanguageCharset, MarksEveryControlOfTheFormAndLeavesFontsAlone) {
    QWidget form;
    auto* frame = new QGroupBox(&form);
    auto* inner = new QCheckBox(frame);
    auto* button = new QPushButton(&form);
    const QFont fontBefore = inner->font();

    MlStrings strings("/nonexistent");
    strings.SetMlLanguage(1049);
    strings.ApplyLanguageCharset(&form);
    for (QWidget* control : {static_cast<QWidget*>(frame), static_cast<QWidget*>(inner), static_cast<QWidget*>(button)})
        EXPECT_EQ(control->property(MlStrings::CharsetProperty).toInt(), 204);
    EXPECT_EQ(inner->font(), fontBefore);

    strings.SetMlLanguage(1033);
    strings.ApplyLanguageCharset(&form);
    EXPECT_EQ(inner->property(MlStrings::CharsetProperty).toInt(), 0);

    strings.ApplyLanguageCharset(nullptr);  // nothing to walk, no failure
}

TEST_F(MlStringsFile, LooksUpInTheCurrentLanguage) {
    MlStrings strings(SmallTable());
    ASSERT_TRUE(strings.InitMlStrings());
    EXPECT_EQ(strings.GetMlString(4, "&Cancel"), "&Cancel");
    strings.SetMlLanguage(1049);
    EXPECT_EQ(strings.GetMlString(4, "&Cancel"), QString::fromUtf8("Отмена"));
    EXPECT_EQ(strings.GetMlString(9, "Cancel"), QString());  // no Russian text: the caller keeps its own
    EXPECT_EQ(strings.GetMlString(1234, "not in the table"), QString());
    EXPECT_EQ(strings.GetString(4, 1036), "Annuler");
}

TEST_F(MlStringsFile, TheEnglishArgumentIsNotUsedByTheLookup) {
    MlStrings strings(SmallTable());
    EXPECT_EQ(strings.GetMlString(4, "Something else"), "&Cancel");
    EXPECT_EQ(strings.GetMlString(4), "&Cancel");
}

TEST_F(MlStringsFile, InitLoadsOnceAndALookupBeforeInitLoadsTheTable) {
    const QString path = SmallTable();
    MlStrings early(path);
    EXPECT_EQ(early.GetMlString(4), "&Cancel");  // first lookup creates the table

    MlStrings strings(path);
    ASSERT_TRUE(strings.InitMlStrings());
    WriteTable("4\tChanged\t\t\n");
    EXPECT_TRUE(strings.InitMlStrings());
    EXPECT_EQ(strings.GetMlString(4), "&Cancel");
    EXPECT_EQ(early.GetMlString(4), "&Cancel");
}

TEST_F(MlStringsFile, AnUnreadableTableGivesEmptyTexts) {
    MlStrings strings(platform.DataFolder() + "/missing.tsv");
    EXPECT_FALSE(strings.InitMlStrings());
    EXPECT_EQ(strings.GetMlString(4, "&Cancel"), QString());
}

TEST(LanguageNotifier, DeliversTheAnnouncementToEveryListener) {
    MlStrings strings("/nonexistent");
    QList<std::pair<int, QString>> heard;
    QObject::connect(&strings.Notifier, &LanguageNotifier::LanguageChanged,
                     [&](int id, const QString& name) { heard.append({id, name}); });
    QObject::connect(&strings.Notifier, &LanguageNotifier::LanguageChanged,
                     [&](int id, const QString& name) { strings.SetMlLanguage(id, name); });
    strings.Notifier.AnnounceLanguage(1049, "Russian");
    EXPECT_EQ(heard, (QList<std::pair<int, QString>>{{1049, "Russian"}}));
    EXPECT_EQ(strings.CurrentLanguageId, 1049);
}
