#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>

#include "foundation/AccessKeys.h"

using namespace tidepost;

namespace {

TEST(AccessKeys, ACaptionGetsAFreeLetterWordStartsFirst) {
    struct Case {
        const char* caption;
        const char* taken;
        const char* expected;
    };
    const Case cases[] = {
        {"Send", "", "&Send"},
        {"Send", "S", "S&end"},
        {"Send", "SE", "Se&nd"},
        {"To: =>", "", "&To: =>"},
        {"Bcc: Addresses", "B", "Bcc: &Addresses"},
        {"&Cancel", "", "&Cancel"},
        {"&Cancel", "C", "C&ancel"},
        {"Save && print", "S", "Save && &print"},
        {"Cc", "C", "Cc"},
        {"Исходящие", "", "&Исходящие"},
        {"Исходящие", "И", "И&сходящие"},
        {"Исходящие", "ИС", "Ис&ходящие"},
        {"Кому...", "КОМУ", "Кому..."},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        QSet<QChar> taken;
        for (QChar ch : QString::fromUtf8(c.taken)) taken.insert(ch);
        const QString result = WithAccessKey(QString::fromUtf8(c.caption), taken);
        EXPECT_EQ(result, QString::fromUtf8(c.expected)) << c.caption << " with " << c.taken << " taken";
        const QChar key = AccessKeyOf(result);
        if (!key.isNull()) {
            EXPECT_TRUE(taken.contains(key)) << c.caption;
        }
    }
}

TEST(AccessKeys, MarkersAreReadAndRemovedLeavingPlainAmpersands) {
    EXPECT_EQ(AccessKeyOf("&File"), QChar(u'F'));
    EXPECT_EQ(AccessKeyOf("Se&nd"), QChar(u'N'));
    EXPECT_TRUE(AccessKeyOf("Save && print").isNull());
    EXPECT_EQ(AccessKeyOf("A && &b"), QChar(u'B'));
    EXPECT_EQ(WithoutAccessKey("Se&nd"), "Send");
    EXPECT_EQ(WithoutAccessKey("Save && print"), "Save && print");
}

TEST(AccessKeys, ButtonsOfAWindowClashWithNoMenuLabelOrOtherButton) {
    QMainWindow window;
    auto* bar = window.menuBar();
    bar->addMenu("&File");
    bar->addMenu("&Send");
    QMenu* hidden = bar->addMenu("&Test");
    hidden->menuAction()->setVisible(false);
    auto* area = new QWidget(&window);
    window.setCentralWidget(area);
    auto* field = new QLineEdit(area);
    auto* label = new QLabel("&Subject:", area);
    label->setBuddy(field);
    auto* fixed = new QPushButton("&Edit", area);
    auto* to = new QPushButton("To...", area);
    auto* send = new QPushButton("Send", area);
    auto* editor = new QPushButton("Editor", area);
    auto* end = new QPushButton("&Send", area);
    AssignAccessKeys(&window, {to, send, editor, end});

    EXPECT_EQ(to->text(), "&To...") << "a hidden menu's key is free";
    EXPECT_EQ(send->text(), "Se&nd");
    EXPECT_EQ(editor->text(), "E&ditor") << "E is the other button's, whose key stays";
    EXPECT_EQ(fixed->text(), "&Edit");
    EXPECT_EQ(end->text(), "Send") << "every letter is taken: no key rather than a clash";
    QSet<QChar> keys;
    for (QPushButton* b : {fixed, to, send, editor, end}) {
        const QChar key = AccessKeyOf(b->text());
        if (key.isNull()) continue;
        EXPECT_FALSE(keys.contains(key)) << b->text().toStdString();
        EXPECT_FALSE(key == u'F' || key == u'S') << b->text().toStdString() << " clashes with a menu or label";
        keys.insert(key);
    }
    // Running it again, as a change of language does, keeps what it gave.
    AssignAccessKeys(&window, {to, send, editor, end});
    EXPECT_EQ(send->text(), "Se&nd");
}

}  // namespace

namespace {

TEST(AccessKeys, MenuTitlesGetUniqueKeysAndHiddenOnesNone) {
    QMenuBar bar;
    QMenu* file = bar.addMenu("&File");
    QMenu* forms = bar.addMenu("&Forms");
    QMenu* test = bar.addMenu("&Test");
    test->menuAction()->setVisible(false);
    AssignMenuAccessKeys(&bar);
    EXPECT_EQ(file->menuAction()->text(), "&File");
    EXPECT_EQ(forms->menuAction()->text(), "F&orms");
    EXPECT_EQ(test->menuAction()->text(), "Test");
}

}  // namespace
