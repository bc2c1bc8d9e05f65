#include <gtest/gtest.h>

#include <QFontDatabase>

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QStatusBar>

#include "foundation/AccessKeys.h"
#include "foundation/Foundation.h"
#include "foundation/MlStrings.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/MainFormCaptions.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// Controls the captions name that belong to the window's layout and the editor, built by those
// areas; until they are there their rows are passed over.
const QSet<QString> kBuiltByLayout = {
    "LogFrame",     "EditorButton", "DistressEditorButton", "InboxButton",  "OutboxButton", "EGCButton",
    "FormsButton",  "ToButton",     "ToFieldText",          "CCButton",     "CCFieldText",  "BccButton",
    "BccFieldText", "SubjectLabel", "AddrbookButton",       "SendButton",   "Label16",      "StatusFrame",
    "MobileNumberLabel", "InHarbourButton"};

struct Captions : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    MainForm form{f, link};

    QObject* Control(const CaptionAssignment& row) {
        if (row.panel > 0)
            return form.findChild<QStatusBar*>(row.control)->findChild<QLabel*>(QString("Panel%1").arg(row.panel));
        if (QAction* a = form.findChild<QAction*>(row.control)) return a;
        return form.findChild<QWidget*>(row.control);
    }
    static QString Read(QObject* control, const CaptionAssignment& row) {
        const bool tip = row.property == CaptionAssignment::ToolTipText ||
                         row.property == CaptionAssignment::PanelToolTipText;
        if (auto* a = qobject_cast<QAction*>(control)) return tip ? a->toolTip() : a->text();
        auto* w = qobject_cast<QWidget*>(control);
        if (tip) return w->toolTip();
        if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
        return {};
    }
    // Runs the captions as the language change does.
    void SwitchTo(int language) { form.ml_RuntimeSupport_LanguageChanged(language, GetLanguageName(language)); }
};

}  // namespace

// The table's English texts are the string table's, so a caption shows what the table holds in
// either language.
TEST_F(Captions, EveryRowWritesTheStringOfItsLanguage) {
    for (const CaptionAssignment& row : MainFormCaptionsTable())
        EXPECT_EQ(f.Strings.GetString(row.stringId, 1033), row.english) << row.control.toStdString();
    for (int language : {1049, 1033}) {
        SwitchTo(language);
        for (const CaptionAssignment& row : MainFormCaptionsTable()) {
            QObject* control = Control(row);
            if (control == nullptr) continue;
            if (auto* separator = qobject_cast<QAction*>(control); separator && separator->isSeparator()) {
                EXPECT_TRUE(separator->text().isEmpty()) << "a separator shows no text";
                continue;
            }
            // The window may move an access key where two would clash; the text stays the table's.
            EXPECT_EQ(WithoutAccessKey(Read(control, row)), WithoutAccessKey(f.Strings.GetString(row.stringId, language)))
                << row.control.toStdString() << " in " << language;
        }
    }
}

TEST_F(Captions, TheTableCoversEveryAssignmentAndItsSharedIds) {
    const QList<CaptionAssignment>& table = MainFormCaptionsTable();
    QMap<int, int> uses;
    for (const CaptionAssignment& row : table) ++uses[row.stringId];
    EXPECT_EQ(table.size(), 241);
    EXPECT_EQ(uses.size(), 162);
    const struct {
        int id, count;
    } shared[] = {{1940, 3}, {1969, 3}, {1982, 4}, {2049, 2}, {2050, 2}, {2051, 2}, {2052, 2}, {2060, 64}, {1924, 2}};
    for (const auto& s : shared) EXPECT_EQ(uses.value(s.id), s.count) << s.id;

    SwitchTo(1049);
    const QString empty = f.Strings.GetString(2060, 1049);
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(form.findChild<QAction*>(QString("mnuForm(%1)").arg(i))->text(), empty) << i;
    for (const char* name : {"LoginEastMenu", "PreferredEastMenu"})
        EXPECT_EQ(form.findChild<QAction*>(name)->text(), f.Strings.GetString(2049, 1049)) << name;
}

// A row whose control is not in the window is passed over; only the layout's controls may be
// missing, never a menu item, a status panel or a control this window already has.
TEST_F(Captions, OnlyTheLayoutsControlsMayBeMissing) {
    SwitchTo(1033);
    for (const QString& name : form.SkippedCaptionControls())
        EXPECT_TRUE(kBuiltByLayout.contains(name)) << name.toStdString() << " has no control";
    for (const CaptionAssignment& row : MainFormCaptionsTable()) {
        if (!form.SkippedCaptionControls().contains(row.control)) {
            EXPECT_NE(Control(row), nullptr) << row.control.toStdString();
        }
    }
}

TEST_F(Captions, StatusBarStartsWithItsFirstTexts) {
    form.SetStatusPanelText(1, "12:00 UTC");
    form.SetStatusPanelText(3, "117");
    SwitchTo(1033);
    auto* bar = form.findChild<QStatusBar*>("MainFormStatusBar");
    QLabel* panel1 = bar->findChild<QLabel*>("Panel1");
    EXPECT_EQ(panel1->text(), "No GPS info");
    EXPECT_EQ(panel1->toolTip(), "No GPS info");
    EXPECT_EQ(bar->findChild<QLabel*>("Panel2")->text(), "No infos received");
    EXPECT_EQ(bar->findChild<QLabel*>("Panel3")->text(), "0");
}

// A string table without an id leaves the design text: the distress test item keeps "Test
// Distress buttons", which differs from the table's English entry.
TEST_F(Captions, AnIdTheTableLacksKeepsTheDesignText) {
    QFile builtIn(MlStrings::BuiltInTable);
    ASSERT_TRUE(builtIn.open(QIODevice::ReadOnly));
    QByteArray text;
    for (const QByteArray& line : builtIn.readAll().split('\n'))
        if (!line.startsWith("2024\t") && !line.startsWith("2021\t")) text += line + '\n';
    const QString path = platform.DataFolder() + "/strings.tsv";
    QFile lacking(path);
    ASSERT_TRUE(lacking.open(QIODevice::WriteOnly));
    lacking.write(text);
    lacking.close();
    MlStrings strings(path);
    ASSERT_TRUE(strings.InitMlStrings());
    strings.SetMlLanguage(1049);

    ApplyCaptionsTable(form, strings);
    EXPECT_EQ(form.findChild<QAction*>("DistressTestModeMenu")->text(), "Test Distress buttons");
    EXPECT_EQ(form.findChild<QAction*>("DistressMenu")->text(), "&Distress");
    EXPECT_EQ(form.findChild<QAction*>("FileMenu")->text(), f.Strings.GetString(1977, 1049));
}

TEST(LanguageFonts, ViewButtonsTakeTheFontsOfTheLanguage) {
    const struct {
        int language;
        const char *send, *bcc, *outbox, *forms;
    } cases[] = {
        {1033, "Arial", "Arial", "Arial", "Arial"},
        {1049, "Arial Narrow", "Arial Narrow", "Arial Narrow", "Arial"},
        {1036, "Designed", "Designed", "Designed", "Designed"},  // no rule: nothing changes
    };
    for (const auto& c : cases) {
        QWidget window;
        for (const char* name : {"SendButton", "BccButton", "OutboxButton", "FormsButton", "InboxButton"}) {
            auto* button = new QPushButton(name, &window);
            button->setObjectName(name);
            QFont font("Designed", 9);
            font.setBold(true);
            button->setFont(font);
            button->setFixedHeight(30);
        }
        ApplyLanguageFonts(window, c.language);
        const auto family = [&](const char* name) { return window.findChild<QWidget*>(name)->font().family(); };
        // A family the computer lacks is not set: the designed font stays.
        const auto expected = [](const char* wanted) {
            return QFontDatabase::hasFamily(wanted) ? QString(wanted) : QString("Designed");
        };
        EXPECT_EQ(family("SendButton"), expected(c.send)) << c.language;
        EXPECT_EQ(family("BccButton"), expected(c.bcc)) << c.language;
        EXPECT_EQ(family("OutboxButton"), expected(c.outbox)) << c.language;
        EXPECT_EQ(family("FormsButton"), expected(c.forms)) << c.language;
        EXPECT_EQ(window.findChild<QWidget*>("SendButton")->font().pointSize(), 9) << "only the family changes";
        EXPECT_TRUE(window.findChild<QWidget*>("SendButton")->font().bold());
        const int height = c.language == 1036 ? 30 : 53;  // 800 twips
        EXPECT_EQ(window.findChild<QWidget*>("InboxButton")->height(), height) << c.language;
        EXPECT_EQ(window.findChild<QWidget*>("OutboxButton")->height(), height) << c.language;
    }
}

// A dialog the window owns may have controls of the same names; its texts and fonts are its own.
TEST_F(Captions, DialogsOfTheWindowKeepTheirTexts) {
    auto* dialog = new QDialog(&form);
    auto* send = new QPushButton("Transmit", dialog);
    send->setObjectName("SendButton");
    auto* label = new QLabel("Ship", dialog);
    label->setObjectName("Label16");
    const QString family = send->font().family();
    SwitchTo(1049);
    ApplyLanguageFonts(form, 1049);
    EXPECT_EQ(send->text(), "Transmit");
    EXPECT_EQ(send->font().family(), family);
    EXPECT_EQ(label->text(), "Ship");
    // The window's own Send button is the one the table captions.
    EXPECT_FALSE(form.SkippedCaptionControls().contains("SendButton"));
    SwitchTo(1033);
}
