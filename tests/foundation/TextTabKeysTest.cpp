#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "foundation/TextTabKeys.h"

using namespace tidepost;

namespace {

struct TabWindow : ::testing::Test {
    QWidget window;
    QLineEdit* before = new QLineEdit(&window);
    QPlainTextEdit* text = new QPlainTextEdit(&window);
    QPushButton* after = new QPushButton("Next", &window);

    TabWindow() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        layout->addWidget(text);
        layout->addWidget(after);
        after->setFocusPolicy(Qt::StrongFocus);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

TEST_F(TabWindow, TabAndShiftTabLeaveTheTextAndCtrlTabPutsATabIn) {
    LetTabLeaveText(text, true);
    text->setFocus();
    text->setPlainText("ab");
    text->moveCursor(QTextCursor::End);
    QTest::keyClick(text, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(text->toPlainText(), "ab\t");
    EXPECT_TRUE(text->hasFocus());

    QTest::keyClick(text, Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
    EXPECT_EQ(text->toPlainText(), "ab\t") << "Tab types nothing";
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(before->hasFocus());
}

TEST_F(TabWindow, AReadOnlyTextOrOneWithoutTabsTakesNone) {
    LetTabLeaveText(text, false);
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(text->toPlainText(), "");
    QTest::keyClick(text, Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());

    QPlainTextEdit readOnly;
    readOnly.setReadOnly(true);
    LetTabLeaveText(&readOnly, true);
    QTest::keyClick(&readOnly, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(readOnly.toPlainText(), "");
}

}  // namespace
