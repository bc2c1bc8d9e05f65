#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

#include "foundation/Foundation.h"
#include "foundation/LanguageSelect.h"
#include "foundation/StartProcedure.h"
#include "platform/QtMessageBoxes.h"
#include "support/FakeMainForm.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

const QString kApp = "tidepost";
const QString kNone = "<none>";

struct Announcement {
    int id;
    QString name;
    bool operator==(const Announcement&) const = default;
};

// One program run on a settings store that outlives it, so a test can start the program twice.
struct ProgramRun {
    explicit ProgramRun(Platform& os) : f(os) {
        QObject::connect(&f.Strings.Notifier, &LanguageNotifier::LanguageChanged, &listener,
                         [this](int id, const QString& name) { Announced.append({id, name}); });
        f.Windows.LanguageSelect.ShowModal = [this](LanguageSelect& d) {
            ++ModalShows;
            EXPECT_TRUE(d.isModal());
            if (WhileModal) WhileModal(d);
        };
    }
    // Main, remembering the language in which the main window was built.
    void Start() {
        Main(f, [this] { MainFormLanguage = f.Strings.CurrentLanguageId; });
    }

    Foundation f;
    QObject listener;  // an open window that follows the language
    QList<Announcement> Announced;
    int ModalShows = 0;
    std::function<void(LanguageSelect&)> WhileModal;
    std::optional<int> MainFormLanguage;
};

class LanguageSelectTest : public ::testing::Test {
protected:
    ~LanguageSelectTest() override {
        run.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void Store(const QString& id, const QString& name, const QString& show) {
        platform.Settings.Save(kApp, "MultiLang", "LangId", id);
        platform.Settings.Save(kApp, "MultiLang", "LangName", name);
        platform.Settings.Save(kApp, "MultiLang", "ShowDialog", show);
    }
    QString Stored(const QString& key) { return platform.Settings.Get(kApp, "MultiLang", key, kNone); }
    Foundation& f() { return run->f; }
    void NewRun() {
        run.reset();
        run = std::make_unique<ProgramRun>(platform.Os);
    }

    test::TestPlatform platform;
    std::unique_ptr<ProgramRun> run = std::make_unique<ProgramRun>(platform.Os);
};

QListWidget* List(LanguageSelect& d) { return d.findChild<QListWidget*>("LanguageList"); }
QPushButton* Button(LanguageSelect& d, const char* name) { return d.findChild<QPushButton*>(name); }

void Choose(LanguageSelect& d, int id) {
    QListWidget* list = List(d);
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->data(Qt::UserRole).toInt() == id) list->setCurrentRow(i);
}

QList<int> SelectedIds(LanguageSelect& d) {
    QList<int> ids;
    for (QListWidgetItem* item : List(d)->selectedItems()) ids.append(item->data(Qt::UserRole).toInt());
    return ids;
}

TEST_F(LanguageSelectTest, FirstStartAsksInEnglishAndOkOnRussianSwitchesAndStoresTheChoice) {
    run->WhileModal = [&](LanguageSelect& d) {
        EXPECT_EQ(f().Strings.CurrentLanguageId, 1033);
        EXPECT_TRUE(d.IsStartup());
        EXPECT_EQ(d.windowTitle(), "Select Language");
        QListWidget* list = List(d);
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(0)->text(), GetNativeLanguageName(1033));
        EXPECT_EQ(list->item(1)->text(), GetNativeLanguageName(1049));
        EXPECT_EQ(SelectedIds(d), QList<int>{1033});
        // Nothing is stored while the dialog is open.
        EXPECT_EQ(Stored("LangId"), kNone);
        Choose(d, 1049);
        Button(d, "OKButton")->click();
    };
    run->Start();

    EXPECT_EQ(run->ModalShows, 1);
    // The stored language was announced first (English, nothing stored), then the choice.
    EXPECT_EQ(run->Announced, (QList<Announcement>{{1033, ""}, {1049, "Russian"}}));
    EXPECT_EQ(f().Strings.CurrentLanguageId, 1049);
    // The main window is built only after the choice, so in the chosen language.
    EXPECT_EQ(run->MainFormLanguage, 1049);
    EXPECT_FALSE(f().Windows.LanguageSelect.isLoaded());
    EXPECT_EQ(Stored("LangId"), "1049");
    EXPECT_EQ(Stored("LangName"), "Russian");
    EXPECT_EQ(Stored("ShowDialog"), "0");
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(LanguageSelectTest, NextStartAppliesTheStoredLanguageWithoutShowingTheDialog) {
    Store("1049", "Russian", "0");
    const int savesBefore = platform.Settings.SaveCount;
    run->Start();

    EXPECT_EQ(run->ModalShows, 0);
    EXPECT_EQ(run->Announced, (QList<Announcement>{{1049, "Russian"}}));
    EXPECT_EQ(run->MainFormLanguage, 1049);
    // Loaded and hidden, in the stored language, for the whole run.
    ASSERT_TRUE(f().Windows.LanguageSelect.isLoaded());
    LanguageSelect& d = *f().Windows.LanguageSelect.get();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(SelectedIds(d), QList<int>{1049});
    EXPECT_EQ(List(d)->property(MlStrings::CharsetProperty).toInt(), 204);
    EXPECT_EQ(platform.Settings.SaveCount, savesBefore);

    // The program's shutdown unloads it, which stores the same choice again.
    f().Windows.LanguageSelect.unload();
    EXPECT_EQ(Stored("LangId"), "1049");
    EXPECT_EQ(Stored("LangName"), "Russian");
    EXPECT_EQ(Stored("ShowDialog"), "0");
}

TEST_F(LanguageSelectTest, CancelAtTheFirstStartKeepsEnglishAndAsksAgainAtTheNextStart) {
    // Each way of cancelling: the button, Esc in the dialog, in the list, on the OK button,
    // and the window's close box.
    const struct {
        const char* name;
        std::function<void(LanguageSelect&)> cancel;
    } ways[] = {
        {"Cancel button", [](LanguageSelect& d) { Button(d, "CancelButton")->click(); }},
        {"Esc in the dialog", [](LanguageSelect& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"Esc in the list", [](LanguageSelect& d) { QTest::keyClick(List(d), Qt::Key_Escape); }},
        {"Esc on OK", [](LanguageSelect& d) { QTest::keyClick(Button(d, "OKButton"), Qt::Key_Escape); }},
        {"close box", [](LanguageSelect& d) { d.close(); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        platform.Settings.DeleteApplication(kApp);
        NewRun();
        run->WhileModal = [&](LanguageSelect& d) {
            d.show();  // as the modal show does, so that keys reach it
            Choose(d, 1049);
            way.cancel(d);
        };
        run->Start();
        EXPECT_EQ(run->ModalShows, 1);
        EXPECT_FALSE(f().Windows.LanguageSelect.isLoaded());
        EXPECT_EQ(run->MainFormLanguage, 1033);
        EXPECT_EQ(Stored("LangId"), "1033");
        EXPECT_EQ(Stored("LangName"), GetLanguageName(1033));
        EXPECT_EQ(Stored("ShowDialog"), "-1");

        NewRun();
        run->WhileModal = [](LanguageSelect& d) { Button(d, "CancelButton")->click(); };
        run->Start();
        EXPECT_EQ(run->ModalShows, 1);
    }
}

TEST_F(LanguageSelectTest, OkWithNothingSelectedOnlyUnloads) {
    const struct {
        bool startup;
        const char* storedShow;
    } cases[] = {{true, "-1"}, {false, "0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.startup ? "start-up" : "menu");
        Store("1033", "English (United States)", c.storedShow);
        NewRun();
        test::FakeMainForm mainForm;
        f().Windows.MainForm = &mainForm;
        auto clickOkOnNothing = [](LanguageSelect& d) {
            List(d)->clearSelection();
            Button(d, "OKButton")->click();
        };
        if (c.startup) {
            run->WhileModal = clickOkOnNothing;
            run->Start();
            EXPECT_EQ(run->ModalShows, 1);
        } else {
            f().Windows.LanguageSelect.ShowDialog(false);
            clickOkOnNothing(*f().Windows.LanguageSelect.get());
        }
        EXPECT_FALSE(f().Windows.LanguageSelect.isLoaded());
        EXPECT_EQ(Stored("ShowDialog"), c.storedShow);
        EXPECT_EQ(Stored("LangId"), "1033");
        EXPECT_EQ(mainForm.ExitClicks, 0);
        EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    }
}

TEST_F(LanguageSelectTest, StoredLanguageThatIsNotOfferedStartsInEnglish) {
    // The announcement carries what was stored; every handler maps it to English alike.
    const struct {
        const char* id;
        const char* name;
        int announcedId;
    } cases[] = {{"1036", "French", 1036}, {"0", "", 0}, {"Russian", "Russian", 1033}, {"", "", 1033}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        Store(c.id, c.name, "0");
        NewRun();
        run->Start();
        EXPECT_EQ(run->ModalShows, 0);
        EXPECT_EQ(run->Announced, (QList<Announcement>{{c.announcedId, c.name}}));
        EXPECT_EQ(run->MainFormLanguage, 1033);
        EXPECT_EQ(SelectedIds(*f().Windows.LanguageSelect.get()), QList<int>{1033});
        f().Windows.LanguageSelect.unload();
        EXPECT_EQ(Stored("LangId"), "1033");
    }
}

TEST_F(LanguageSelectTest, StoredShowDialogDecidesWhetherTheStartAsks) {
    const struct {
        const char* stored;
        bool asks;
    } cases[] = {{"-1", true}, {"0", false}, {"1", true}, {"True", true}, {"false", false}, {"x", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        Store("1033", "English (United States)", c.stored);
        NewRun();
        run->WhileModal = [](LanguageSelect& d) { Button(d, "CancelButton")->click(); };
        run->Start();
        EXPECT_EQ(run->ModalShows, c.asks ? 1 : 0);
    }
}

TEST_F(LanguageSelectTest, FromTheMenuOkAsksForARestartAndClosesWithoutTheExitQuestion) {
    Store("1033", "English (United States)", "0");
    run->Start();
    test::FakeMainForm mainForm;
    f().Windows.MainForm = &mainForm;
    const int announcedAtStart = run->Announced.size();

    f().Windows.LanguageSelect.ShowDialog(false);
    LanguageSelect* d = f().Windows.LanguageSelect.get();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_FALSE(d->isModal());
    EXPECT_FALSE(d->IsStartup());

    mainForm.OnExit = [&] {
        // The restart message comes first; the exit asks nothing.
        EXPECT_EQ(platform.Boxes.Shown.size(), 1);
        EXPECT_TRUE(f().Windows.ExitWithoutQuestion);
        // Closing the program unloads every window, this dialog included.
        f().Windows.LanguageSelect.unload();
    };
    Choose(*d, 1049);
    Button(*d, "OKButton")->click();

    EXPECT_EQ(mainForm.ExitClicks, 1);
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    const MessageBoxRequest& box = platform.Boxes.Shown.first();
    // The choice is taken before the box is shown, so the box speaks the chosen language.
    EXPECT_EQ(box.text, QString::fromUtf8("Для смены языка Tidepost необходимо закрыть. Запустите программу снова вручную."));
    EXPECT_EQ(box.title, QString::fromUtf8("Перезапуск Tidepost"));
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    // No announcement: the running program keeps its texts.
    EXPECT_EQ(run->Announced.size(), announcedAtStart);
    EXPECT_FALSE(f().Windows.LanguageSelect.isLoaded());
    EXPECT_EQ(Stored("LangId"), "1049");
    EXPECT_EQ(Stored("LangName"), "Russian");
    EXPECT_EQ(Stored("ShowDialog"), "0");

    // The next start applies it without asking.
    NewRun();
    run->Start();
    EXPECT_EQ(run->ModalShows, 0);
    EXPECT_EQ(run->MainFormLanguage, 1049);
}

// The dialog's Cancel pressed (by a screen reader) while its restart message waits: the dialog
// must not be deleted under its own box; it goes once the box has returned.
TEST_F(LanguageSelectTest, CancelPressedWhileTheRestartMessageWaits) {
    Store("1033", "English (United States)", "0");
    run->Start();
    test::FakeMainForm mainForm;
    f().Windows.MainForm = &mainForm;
    QtMessageBoxes realBoxes;
    platform.Os.Boxes = &realBoxes;
    f().Windows.LanguageSelect.ShowDialog(false);
    QPointer<LanguageSelect> d = f().Windows.LanguageSelect.get();
    ASSERT_FALSE(d.isNull());
    bool pressed = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (pressed || !qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) || !d) return;
        pressed = true;
        Button(*d, "CancelButton")->click();
    });
    poll.start();
    Choose(*d, 1049);
    Button(*d, "OKButton")->click();
    poll.stop();
    platform.Os.Boxes = &platform.Boxes;
    EXPECT_TRUE(pressed);
    EXPECT_FALSE(f().Windows.LanguageSelect.isLoaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(d.isNull());
    EXPECT_EQ(Stored("LangId"), "1049");
}

TEST_F(LanguageSelectTest, FromTheMenuCancelChangesNothing) {
    Store("1049", "Russian", "0");
    run->Start();
    test::FakeMainForm mainForm;
    f().Windows.MainForm = &mainForm;
    const QList<Announcement> announcedAtStart = run->Announced;

    f().Windows.LanguageSelect.ShowDialog(false);
    Choose(*f().Windows.LanguageSelect.get(), 1033);
    Button(*f().Windows.LanguageSelect.get(), "CancelButton")->click();

    EXPECT_FALSE(f().Windows.LanguageSelect.isLoaded());
    EXPECT_EQ(f().Strings.CurrentLanguageId, 1049);
    EXPECT_EQ(run->Announced, announcedAtStart);
    EXPECT_EQ(mainForm.ExitClicks, 0);
    EXPECT_FALSE(f().Windows.ExitWithoutQuestion);
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_EQ(Stored("LangId"), "1049");
    EXPECT_EQ(Stored("ShowDialog"), "0");
}

TEST_F(LanguageSelectTest, ASecondMenuShowRefillsTheListAndShowsItAgain) {
    Store("1033", "English (United States)", "0");
    run->Start();
    f().Windows.LanguageSelect.ShowDialog(false);
    LanguageSelect* d = f().Windows.LanguageSelect.get();
    Choose(*d, 1049);
    d->hide();
    f().Windows.LanguageSelect.ShowDialog(false);
    EXPECT_EQ(f().Windows.LanguageSelect.get(), d);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(List(*d)->count(), 2);
    EXPECT_EQ(SelectedIds(*d), QList<int>{1033});
}

TEST_F(LanguageSelectTest, RealModalShowEndsWithOk) {
    f().Windows.LanguageSelect.ShowModal = nullptr;  // QDialog::exec, as in the program
    bool stillOpen = false;
    QTimer::singleShot(0, [&] {
        LanguageSelect* d = f().Windows.LanguageSelect.get();
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->isVisible());
        Choose(*d, 1049);
        Button(*d, "OKButton")->click();
    });
    // Ends the modal loop should OK fail to, so that a fault cannot hang the test.
    QTimer::singleShot(0, [&] {
        if (LanguageSelect* d = f().Windows.LanguageSelect.get(); d && d->isVisible()) {
            stillOpen = true;
            d->hide();
        }
    });
    run->Start();
    EXPECT_FALSE(stillOpen);
    EXPECT_EQ(run->MainFormLanguage, 1049);
    EXPECT_EQ(Stored("LangId"), "1049");
    EXPECT_EQ(Stored("ShowDialog"), "0");
}

TEST_F(LanguageSelectTest, CentredOnTheScreenAtStartAndOverTheMainWindowFromTheMenu) {
    const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
    QWidget mainWindow;
    mainWindow.setGeometry(40, 30, 500, 400);
    const QPoint mainCentre = mainWindow.frameGeometry().center();
    const struct {
        const char* name;
        bool startup;
        bool minimised;
        QPoint centre;
    } cases[] = {
        {"start-up", true, false, screenCentre},
        {"menu", false, false, mainCentre},
        {"menu, main window minimised", false, true, screenCentre},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Store("1033", "English (United States)", "0");
        NewRun();
        test::FakeMainForm mainForm;
        mainForm.Window = &mainWindow;
        mainWindow.setWindowState(c.minimised ? Qt::WindowMinimized : Qt::WindowNoState);
        f().Windows.MainForm = &mainForm;
        f().Windows.LanguageSelect.ShowDialog(c.startup);
        const QPoint centre = f().Windows.LanguageSelect.get()->frameGeometry().center();
        // Within the few pixels a window frame adds once the dialog is shown.
        EXPECT_LE((centre - c.centre).manhattanLength(), 8) << centre.x() << "," << centre.y();
        f().Windows.LanguageSelect.unload();
    }
}

}  // namespace

// The data folder does not wait for the user: a first start prepares it before asking for a
// language, in the language stored from the last run.
TEST_F(LanguageSelectTest, DataFolderIsPreparedBeforeTheDialogWaits) {
    Store("1049", "Russian", "-1");
    NewRun();
    bool settingsFileThere = false;
    int languageDuringLoad = 0;
    run->WhileModal = [&](LanguageSelect& d) {
        settingsFileThere = QFile::exists(platform.ProgramFolder() + "/Tidepost.ini") &&
                            QFile::exists(platform.ProgramFolder() + "/isp.dat");
        languageDuringLoad = f().Strings.CurrentLanguageId;
        d.CancelButton_Click();
    };
    run->Start();
    EXPECT_TRUE(settingsFileThere);
    EXPECT_EQ(languageDuringLoad, 1049);
    EXPECT_TRUE(f().FoundationLoaded);
}
