#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>

#include <memory>

#include "foundation/Foundation.h"
#include "foundation/LanguageSelect.h"
#include "foundation/MlStrings.h"
#include "foundation/StringTable.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

const StringTable& BuiltIn() {
    static MlStrings strings;
    strings.InitMlStrings();
    return strings.Table();
}

struct Translation {
    int language;
    const char* name;
};
const Translation kTranslations[] = {{1036, "French"}, {1049, "Russian"}};

// The placeholders of a text, each as often as it occurs, in a fixed order.
QMap<QString, int> Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    QMap<QString, int> found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) ++found[it.next().captured()];
    return found;
}

// "&&" shows one ampersand; every other "&" marks an access key (or is a stray one).
QString WithoutLiteralAmpersands(QString text) { return text.remove(QStringLiteral("&&")); }
int Ampersands(const QString& text) { return static_cast<int>(WithoutLiteralAmpersands(text).count(u'&')); }
bool HasAccessKey(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("&\\w"), QRegularExpression::UseUnicodePropertiesOption);
    return marker.match(WithoutLiteralAmpersands(text)).hasMatch();
}

// Calls `check(id, english, translated, language name)` for every translation of every id.
template <class Check>
void ForEachTranslation(Check check) {
    for (int id : BuiltIn().Ids()) {
        const QString english = BuiltIn().GetString(id, 1033);
        for (const Translation& t : kTranslations) check(id, english, BuiltIn().GetString(id, t.language), t.name);
    }
}

}  // namespace

TEST(StringTableTranslations, EveryIdHasItsTextInAllThreeLanguages) {
    EXPECT_TRUE(BuiltIn().BadLines().isEmpty());
    EXPECT_EQ(BuiltIn().Count(1036), BuiltIn().Count(1033));
    EXPECT_EQ(BuiltIn().Count(1049), BuiltIn().Count(1033));
    ForEachTranslation([](int id, const QString& english, const QString& translated, const char* language) {
        EXPECT_FALSE(english.isEmpty()) << "id " << id;
        EXPECT_FALSE(translated.isEmpty()) << "id " << id << " has no " << language << " text";
    });
}

TEST(StringTableTranslations, KeepThePlaceholdersLineBreaksAndAccessKeysOfTheEnglishText) {
    // The short forms of "&Cancel" carry no access key.
    const QList<int> accessKeyDropped{4};
    ForEachTranslation([&](int id, const QString& english, const QString& translated, const char* language) {
        EXPECT_EQ(Placeholders(translated), Placeholders(english)) << "id " << id << " " << language;
        EXPECT_EQ(translated.count(QStringLiteral("\r\n")), english.count(QStringLiteral("\r\n")))
            << "id " << id << " " << language;
        EXPECT_LE(Ampersands(translated), 1) << "id " << id << " " << language;
        if (!accessKeyDropped.contains(id)) {
            EXPECT_EQ(HasAccessKey(translated), HasAccessKey(english)) << "id " << id << " " << language;
        }
    });
}

TEST(StringTableTranslations, KeepTheEdgesAtWhichTextsAreJoinedToValues) {
    // The English text lacks the blank before the value that follows it; the translations have it.
    const QList<int> blankAdded{2609};
    ForEachTranslation([&](int id, const QString& english, const QString& translated, const char* language) {
        if (blankAdded.contains(id)) {
            EXPECT_TRUE(translated.endsWith(u' ')) << "id " << id << " " << language;
            return;
        }
        for (const QChar edge : {QChar(u' '), QChar(u'\'')}) {
            EXPECT_EQ(translated.startsWith(edge), english.startsWith(edge)) << "id " << id << " " << language;
            EXPECT_EQ(translated.endsWith(edge), english.endsWith(edge)) << "id " << id << " " << language;
        }
    });
}

TEST(StringTableTranslations, KeepProtocolWordsNamesAndFileNames) {
    static const QStringList kept{
        "Tidepost", "LES",      "EGC",    "DNID",          "ENID",          "SafetyNET",     "FleetNET",
        "SAC",      "X.25",     "MRCC",   "GPS",           "TCU",           "ISP",           "SMS",
        "IMN",      "NCS",      "SOLAS",  "UTC",           "TCP/IP",        "Inmarsat",      "Inm-C",
        "Mini-C",   "Kalvenor", "F1",     "Esc",           "RemoteLog.txt", "Commlog.txt",   "Errorlog.txt",
        "isp.dat",  "inpout32.dll", "MES", "NAVAREA",      "METAREA",       "Remotelog.txt", "Windows"};
    ForEachTranslation([](int id, const QString& english, const QString& translated, const char* language) {
        for (const QString& word : kept) {
            const QRegularExpression whole(QStringLiteral("(?<![\\w.])") + QRegularExpression::escape(word) +
                                           QStringLiteral("(?!\\w)"));
            if (english.contains(whole)) {
                EXPECT_TRUE(translated.contains(whole)) << "id " << id << " " << language << " lost " << word.toStdString();
            }
        }
    });
}

TEST(StringTableTranslations, TextsTheProgramReliesOnStayAsTheyAre) {
    struct Case {
        int id;
        const char* text;
    } const cases[] = {
        {1402, "F1"}, {1409, "F8"}, {1982, "-"}, {2161, "0"}, {2158, "E-Mail"}, {3055, "0.0.0.0"},
        // hemisphere letters of positions and the letters the distress generator accepts
        {2892, "N"}, {2893, "S"}, {2894, "E"}, {2895, "W"}, {2226, "N/S"}, {2227, "W/E"},
    };
    for (const Case& c : cases)
        for (const Translation& t : kTranslations)
            EXPECT_EQ(BuiltIn().GetString(c.id, t.language), QString::fromUtf8(c.text)) << "id " << c.id << " " << t.name;
    for (const Translation& t : kTranslations) {
        // The LES id is taken from the first three characters of the entry.
        EXPECT_TRUE(BuiltIn().GetString(2870, t.language).startsWith(QStringLiteral("000, "))) << t.name;
        // The words the transceiver looks for in a poll message.
        EXPECT_TRUE(BuiltIn().GetString(2367, t.language).contains(QStringLiteral("Position request <"))) << t.name;
    }
}

TEST(StringTableTranslations, GivesTheTextsShownAsExamples) {
    struct Case {
        int id;
        const char* french;
        const char* russian;
    } const cases[] = {
        {4, "Annuler", "Отмена"},
        {1906, "OK", "ОК"},
        {2124, "Choisissez la langue", "Выбор языка"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BuiltIn().GetString(c.id, 1036), QString::fromUtf8(c.french)) << "id " << c.id;
        EXPECT_EQ(BuiltIn().GetString(c.id, 1049), QString::fromUtf8(c.russian)) << "id " << c.id;
    }
}

TEST(StringTableTranslations, RussianTextsAreFilledLikeEnglishOnes) {
    MlStrings strings;
    strings.SetMlLanguage(1049);
    EXPECT_EQ(FormatMlString(strings.GetMlString(2706, "(MainForm.Load) Error '%0': %1."),
                             {53, QString::fromUtf8("Файл не найден")}),
              QString::fromUtf8("(MainForm.Load) Ошибка '53': Файл не найден."));
    // The Russian text names the drive before the free space: the values still land by number.
    EXPECT_EQ(FormatMlString(strings.GetMlString(2723), {120, "C:"}),
              QString::fromUtf8("Внимание: на диске 'C:' мало свободного места (120 КБ)."));
    // A value missing for a placeholder leaves it visible rather than dropping it.
    EXPECT_EQ(FormatMlString(strings.GetMlString(2723), {120}),
              QString::fromUtf8("Внимание: на диске '%1' мало свободного места (120 КБ)."));
}

namespace {

// The language dialog, loaded by a start that applies the stored language without showing it.
class TranslatedCaptions : public ::testing::Test {
protected:
    ~TranslatedCaptions() override {
        f.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    LanguageSelect& StartWithStoredLanguage(const QString& id, const QString& name) {
        const QString app = LanguageSettings::Application();
        platform.Settings.Save(app, LanguageSettings::Section, "LangId", id);
        platform.Settings.Save(app, LanguageSettings::Section, "LangName", name);
        platform.Settings.Save(app, LanguageSettings::Section, "ShowDialog", "0");
        f->Windows.LanguageSelect.ShowModal = [](LanguageSelect&) { ADD_FAILURE() << "the dialog was to stay hidden"; };
        f->Windows.LanguageSelect.ShowDialog(true);
        EXPECT_TRUE(f->Windows.LanguageSelect.isLoaded());
        return *f->Windows.LanguageSelect.get();
    }
    static QString Ok(LanguageSelect& d) { return d.findChild<QPushButton*>("OKButton")->text(); }
    static QString Cancel(LanguageSelect& d) { return d.findChild<QPushButton*>("CancelButton")->text(); }

    test::TestPlatform platform;
    std::unique_ptr<Foundation> f = std::make_unique<Foundation>(platform.Os);
};

}  // namespace

TEST_F(TranslatedCaptions, AWindowShowsTheRussianTextsAfterTheSwitchAndTheEnglishOnesAfterSwitchingBack) {
    LanguageSelect& d = StartWithStoredLanguage("1033", "English (United States)");
    EXPECT_EQ(d.windowTitle(), "Select Language");
    EXPECT_EQ(Ok(d), "OK");
    EXPECT_EQ(Cancel(d), "&Cancel");

    f->Strings.Notifier.AnnounceLanguage(1049, "Russian");
    EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Выбор языка"));
    EXPECT_EQ(Ok(d), QString::fromUtf8("ОК"));
    EXPECT_EQ(Cancel(d), QString::fromUtf8("Отмена"));

    f->Strings.Notifier.AnnounceLanguage(1033, "English (United States)");
    EXPECT_EQ(d.windowTitle(), "Select Language");
    EXPECT_EQ(Cancel(d), "&Cancel");
}

TEST_F(TranslatedCaptions, AStartInRussianBuildsTheWindowInRussianAndAStoredFrenchChoiceStaysEnglish) {
    LanguageSelect& russian = StartWithStoredLanguage("1049", "Russian");
    EXPECT_EQ(russian.windowTitle(), QString::fromUtf8("Выбор языка"));
    EXPECT_EQ(Cancel(russian), QString::fromUtf8("Отмена"));

    // French has texts in the table but is never offered: the window stays in English.
    f->Windows.LanguageSelect.unload();
    LanguageSelect& french = StartWithStoredLanguage("1036", "French");
    EXPECT_EQ(f->Strings.CurrentLanguageId, 1033);
    EXPECT_EQ(french.windowTitle(), "Select Language");
    EXPECT_EQ(Cancel(french), "&Cancel");
}
