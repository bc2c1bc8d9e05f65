#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <functional>
#include <memory>

#include "foundation/Captions.h"
#include "foundation/MlStrings.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// Id 4 has English and Russian texts, id 9 English only.
class Captions : public ::testing::Test {
protected:
    Captions()
        : strings(platform.WriteDataFile("strings.tsv",
                                         "4\t&Cancel\t\t\xD0\x9E\xD1\x82\xD0\xBC\xD0\xB5\xD0\xBD\xD0\xB0\n"
                                         "9\tCancel\t\t\n")) {
        strings.InitMlStrings();
    }
    test::TestPlatform platform;
    MlStrings strings;
};

struct Kind {
    const char* name;
    std::function<QWidget*()> make;
    std::function<QString(QWidget*)> caption;
};

std::vector<Kind> Kinds() {
    return {
        {"button", [] { return new QPushButton("design"); }, [](QWidget* w) { return static_cast<QPushButton*>(w)->text(); }},
        {"check box", [] { return new QCheckBox("design"); }, [](QWidget* w) { return static_cast<QCheckBox*>(w)->text(); }},
        {"option button", [] { return new QRadioButton("design"); },
         [](QWidget* w) { return static_cast<QRadioButton*>(w)->text(); }},
        {"label", [] { return new QLabel("design"); }, [](QWidget* w) { return static_cast<QLabel*>(w)->text(); }},
        {"frame", [] { return new QGroupBox("design"); }, [](QWidget* w) { return static_cast<QGroupBox*>(w)->title(); }},
        {"menu", [] { return new QMenu("design"); }, [](QWidget* w) { return static_cast<QMenu*>(w)->title(); }},
        {"window",
         [] {
             auto* w = new QWidget;
             w->setWindowTitle("design");
             return w;
         },
         [](QWidget* w) { return w->windowTitle(); }},
    };
}

}  // namespace

TEST_F(Captions, SetTheTextOfEachKindOfControlOnlyWhenTheLookupGivesOne) {
    for (const Kind& kind : Kinds()) {
        std::unique_ptr<QWidget> control(kind.make());
        strings.SetMlLanguage(1049);
        EXPECT_FALSE(SetCaption(strings, control.get(), 9)) << kind.name;  // no Russian text
        EXPECT_EQ(kind.caption(control.get()), "design") << kind.name;
        EXPECT_FALSE(SetCaption(strings, control.get(), 777)) << kind.name;  // unknown id
        EXPECT_EQ(kind.caption(control.get()), "design") << kind.name;
        EXPECT_TRUE(SetCaption(strings, control.get(), 4)) << kind.name;
        EXPECT_EQ(kind.caption(control.get()), QString::fromUtf8("Отмена")) << kind.name;
    }
}

TEST_F(Captions, ACaptionWithoutTextInTheNewLanguageKeepsItsPreviousText) {
    QWidget form;
    auto* cancel = new QPushButton("design", &form);
    auto* tip = new QPushButton(&form);
    auto apply = [&] {
        SetCaption(strings, cancel, 9);
        SetToolTip(strings, tip, 9);
    };
    apply();
    QObject::connect(&strings.Notifier, &LanguageNotifier::LanguageChanged, &form, [&](int id, const QString& name) {
        strings.SetMlLanguage(id, name);
        apply();
    });
    strings.Notifier.AnnounceLanguage(1049, "Russian");
    EXPECT_EQ(strings.CurrentLanguageId, 1049);
    EXPECT_EQ(cancel->text(), "Cancel");
    EXPECT_EQ(tip->toolTip(), "Cancel");
}

TEST_F(Captions, WindowTitleToolTipsAndActions) {
    QWidget form;
    auto* child = new QLabel("label", &form);
    EXPECT_TRUE(SetWindowCaption(strings, child, 4));  // a window title even for an inner control
    EXPECT_EQ(child->windowTitle(), "&Cancel");
    EXPECT_EQ(child->text(), "label");

    EXPECT_TRUE(SetToolTip(strings, child, 9));
    EXPECT_EQ(child->toolTip(), "Cancel");

    QAction action("design");
    action.setToolTip("design tip");
    EXPECT_TRUE(SetCaption(strings, &action, 4));
    EXPECT_EQ(action.text(), "&Cancel");
    strings.SetMlLanguage(1049);
    EXPECT_FALSE(SetCaption(strings, &action, 9));
    EXPECT_FALSE(SetToolTip(strings, &action, 9));
    EXPECT_EQ(action.text(), "&Cancel");
    EXPECT_EQ(action.toolTip(), "design tip");
    EXPECT_TRUE(SetToolTip(strings, &action, 4));
    EXPECT_EQ(action.toolTip(), QString::fromUtf8("Отмена"));
}

TEST_F(Captions, ControlsWithoutACaptionAndMissingControlsAreLeftAlone) {
    QWidget form;
    auto* box = new QLineEdit("content", &form);
    EXPECT_FALSE(SetCaption(strings, box, 4));
    EXPECT_EQ(box->text(), "content");
    EXPECT_EQ(box->windowTitle(), QString());

    EXPECT_FALSE(SetCaption(strings, static_cast<QWidget*>(nullptr), 4));
    EXPECT_FALSE(SetCaption(strings, static_cast<QAction*>(nullptr), 4));
    EXPECT_FALSE(SetToolTip(strings, static_cast<QWidget*>(nullptr), 4));
    EXPECT_FALSE(SetWindowCaption(strings, nullptr, 4));
}
