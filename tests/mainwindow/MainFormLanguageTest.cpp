#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QListWidget>
#include <QPushButton>

#include "foundation/LanguageSelect.h"
#include "mainwindow/StartUpFixture.h"
#include "support/FakeMessagesWindow.h"

using namespace tidepost;

namespace {

struct Language : StartUp {
    test::FakeMessagesWindow views;
    void SetUp() override {
        LoadAccepted({});
        messages.Window = &views;
    }
    void TearDown() override { messages.Window = nullptr; }
    QString Text(const char* name) { return Find<QAction>(name)->text(); }
};

}  // namespace

TEST_F(Language, StartUpCaptionsTheWindowInItsLanguage) {
    f.Strings.CurrentLanguageId = 1049;
    LoadAccepted({});
    EXPECT_EQ(Text("FileMenu"), f.Strings.GetString(1977, 1049));
    EXPECT_EQ(Text("DistressTestModeMenu"), f.Strings.GetString(2024, 1049));
    EXPECT_EQ(Find<QWidget>("MobileStatusField")->property("LanguageCharset").toInt(), 204);
}

// The event re-captions the window and loads the grid of a folder view again; the editor keeps
// what it shows.
TEST_F(Language, ChangeReopensTheFolderViewOnly) {
    const struct {
        int view;
        QStringList calls;
    } cases[] = {{2, {"OutboxButton_Click"}}, {0, {}}, {5, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.view);
        views.Shown = c.view;
        views.Calls.clear();
        f.Strings.Notifier.AnnounceLanguage(1049, "Russian");
        EXPECT_EQ(f.Strings.CurrentLanguageId, 1049);
        EXPECT_EQ(Text("SendMenu"), f.Strings.GetString(2012, 1049));
        EXPECT_EQ(views.Calls, c.calls);
        f.Strings.Notifier.AnnounceLanguage(1033, "English");
    }
    int inbox = 0, egc = 0, infoLog = 0;
    form->InboxButton_Click = [&] { ++inbox; };
    form->AreaHandlers.EGCButton_Click = [&] { ++egc; };
    form->AreaHandlers.mnuInfoLog_Click = [&] { ++infoLog; };
    for (int view : {1, 3, 4}) {
        views.Shown = view;
        f.Strings.Notifier.AnnounceLanguage(1049, "Russian");
    }
    EXPECT_EQ(inbox, 1);
    EXPECT_EQ(egc, 1);
    EXPECT_EQ(infoLog, 1);
}

// The table would put back "F1" and "Empty": the stored default messages and existing forms
// keep their names.
TEST_F(Language, FunctionKeyAndFormsCaptionsSurvive) {
    form->AreaHandlers.UpdateFMenu = [&] { Find<QAction>("mnuF(0)")->setText("F1 [Noon report]"); };
    form->AreaHandlers.FormsMenuRebuild = [&] { Find<QAction>("mnuForm(0)")->setText("Crew list"); };
    form->FormsFolderExists = true;
    f.Strings.Notifier.AnnounceLanguage(1049, "Russian");
    EXPECT_EQ(Text("mnuF(0)"), "F1 [Noon report]");
    EXPECT_EQ(Text("mnuForm(0)"), "Crew list");
    EXPECT_EQ(Text("mnuF(1)"), f.Strings.GetString(1403, 1049));
}

TEST_F(Language, MenuChoiceEndsTheProgramWithoutTheExitQuestion) {
    const struct {
        const char* button;
        bool ends;
    } cases[] = {{"CancelButton", false}, {"OKButton", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        platform.Boxes.Shown.clear();
        Find<QAction>("mnuLanguage")->trigger();
        LanguageSelect* dialog = f.Windows.LanguageSelect.get();
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isVisible());
        // OK on the language already in use still asks for the restart.
        dialog->findChild<QPushButton*>(c.button)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(form->ProgramEnded(), c.ends);
        EXPECT_EQ(f.Strings.CurrentLanguageId, 1033);
        ASSERT_EQ(platform.Boxes.Shown.size(), c.ends ? 1 : 0);
        if (c.ends) {
            EXPECT_EQ(platform.Boxes.Shown.first().text,
                      "Tidepost must be closed to change language. Please run it again manually.");
            EXPECT_EQ(platform.Boxes.Shown.first().title, "Restart Tidepost");
        }
    }
}
