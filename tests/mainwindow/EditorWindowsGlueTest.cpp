#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "foundation/Foundation.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/MainFormEditorWindows.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// The main window with its editor controls and menu items.
struct EditorWindowsGlue : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    MainForm form{f, link};
    EditorWindows windows{f};
    QPlainTextEdit* editor = form.findChild<QPlainTextEdit*>("Editor");
    QLineEdit* subject = form.findChild<QLineEdit*>("SubjectFieldText");
    QPushButton* editorButton = form.findChild<QPushButton*>("EditorButton");

    EditorWindowsGlue() {
        f.gConfiguration.DataPath = platform.DataFolder();
    }
    ~EditorWindowsGlue() override {
        windows.Keys.Form.unload();
        windows.Viewer.Form.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QAction* Item(const char* name) { return form.findChild<QAction*>(name); }
};

TEST_F(EditorWindowsGlue, MenuItemsAndKeysReachTheDefaultMessages) {
    ConnectEditorWindows(form, link, windows);
    QList<int> loaded;
    windows.Keys.LoadDefaultMessage = [&](int n) { loaded << n; };
    Item("mnuF(2)")->trigger();
    int ctrlF1 = 112;
    form.Form_KeyDown(ctrlF1, 2);
    EXPECT_EQ(loaded, QList<int>{3});

    QList<int> hot;
    form.HotList.Add = [&](int id, int) { hot << id; };
    subject->setText("Crew change");
    windows.Keys.Form.get().KeyIndex = 4;
    Item("mnuFunctionKeySetup")->trigger();
    ASSERT_TRUE(windows.Keys.Form.get().isVisible());
    EXPECT_EQ(windows.Keys.Form.get().findChild<QLineEdit*>("NameBox")->text(), "Crew change");
    EXPECT_EQ(hot, QList<int>{2015});
}

// The question a key opens runs an event loop, in which the key's release arrives; the editor then
// leaves F1 to its parents. One press must ask once, and the next press (whose event may sit at the
// same address) once more.
TEST_F(EditorWindowsGlue, OneFunctionKeyPressAsksOnce) {
    ConnectEditorWindows(form, link, windows);
    int asked = 0;
    windows.Keys.LoadDefaultMessage = [&](int n) {
        EXPECT_EQ(n, 1);
        ++asked;
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(editor, &release);
    };
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(editor, &press);
    EXPECT_EQ(asked, 1);
    QApplication::sendEvent(editor, &press);
    EXPECT_EQ(asked, 2);
}

TEST_F(EditorWindowsGlue, ForwardFillsTheEditorAndShowsIt) {
    ConnectEditorWindows(form, link, windows);
    int editorViews = 0;
    QObject::connect(editorButton, &QPushButton::clicked, [&] { ++editorViews; });
    platform.WriteDataFile("Inbox/in.idx", "");
    platform.WriteDataFile("Inbox/m.in", "From the ship");
    MessageForm& viewer = windows.Viewer.Form.get();
    viewer.LoadText(platform.DataFolder() + "/Inbox", "m.in", false, false, 1);
    viewer.ForwardButton_Click();
    EXPECT_EQ(editor->toPlainText(), "From the ship");
    EXPECT_EQ(editorViews, 1);
}

}  // namespace
