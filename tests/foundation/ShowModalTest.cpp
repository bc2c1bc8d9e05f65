#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "foundation/cShowModal.h"

using namespace tidepost;

namespace {

// Runs `step` once the nested wait is under way.
void Later(std::function<void()> step, int ms = 0) { QTimer::singleShot(ms, std::move(step)); }

struct ShowModalFixture : ::testing::Test {
    QPointer<QWidget> owner = new QWidget;
    QPointer<QWidget> dialog = new QWidget;
    QLineEdit* field = new QLineEdit(dialog);

    ShowModalFixture() { owner->show(); }
    ~ShowModalFixture() override {
        delete dialog.data();
        delete owner.data();
    }
};

TEST_F(ShowModalFixture, ReturnsOnHideWithTheOwnerEnabledAndTheFieldsReadable) {
    bool ownerWasDisabled = false;
    bool dialogWasUsable = false;
    Later([&] {
        ownerWasDisabled = !owner->isEnabled();
        dialogWasUsable = dialog->isVisible() && dialog->isEnabled();
        field->setText("typed");
        dialog->hide();  // OK
    });
    cShowModal().ShowModal(dialog, owner);
    EXPECT_TRUE(ownerWasDisabled);
    EXPECT_TRUE(dialogWasUsable);
    EXPECT_TRUE(owner->isEnabled());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(field->text(), "typed");
}

TEST_F(ShowModalFixture, ReturnsWhenTheDialogIsDestroyed) {
    Later([&] { delete dialog.data(); });
    cShowModal().ShowModal(dialog, owner);
    EXPECT_TRUE(dialog.isNull());
    EXPECT_TRUE(owner->isEnabled());
}

TEST_F(ShowModalFixture, AnAlreadyVisibleDialogIsWaitedForUntilHidden) {
    dialog->show();
    bool stillWaiting = false;
    Later([&] { stillWaiting = dialog->isVisible(); }, 5);
    Later([&] { dialog->hide(); }, 20);
    cShowModal().ShowModal(dialog, owner);
    EXPECT_TRUE(stillWaiting);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(ShowModalFixture, TimersRunDuringTheWait) {
    int ticks = 0;
    QTimer timer;
    timer.setInterval(1);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (++ticks == 5) dialog->hide();
    });
    timer.start();
    cShowModal().ShowModal(dialog, owner);
    EXPECT_EQ(ticks, 5);
}

TEST_F(ShowModalFixture, TwoDialogsInARow) {
    QPointer<QWidget> second = new QWidget;
    Later([&] { dialog->hide(); });
    cShowModal().ShowModal(dialog, owner);
    Later([&] {
        EXPECT_FALSE(owner->isEnabled());
        second->hide();
    });
    cShowModal().ShowModal(second, owner);
    EXPECT_TRUE(owner->isEnabled());
    delete second.data();
}

TEST_F(ShowModalFixture, TheOwnerDestroyedDuringTheWaitEndsItUntouched) {
    Later([&] {
        // The dialog was given the owner as its window, so it goes with it.
        delete owner.data();
    });
    cShowModal().ShowModal(dialog, owner);
    EXPECT_TRUE(owner.isNull());
    EXPECT_TRUE(dialog.isNull());
}

TEST_F(ShowModalFixture, WithoutAnOwnerItStillWaits) {
    Later([&] { dialog->hide(); });
    cShowModal().ShowModal(dialog, nullptr);
    EXPECT_FALSE(dialog->isVisible());
}

// Minimising hides the windows from the screen only: the dialog is still open and so is the wait.
TEST_F(ShowModalFixture, MinimisingKeepsTheWait) {
    for (const bool minimiseOwner : {false, true}) {
        SCOPED_TRACE(minimiseOwner);
        owner->showNormal();
        bool waitedPastMinimise = false;
        Later([&] { (minimiseOwner ? owner : dialog)->showMinimized(); });
        Later(
            [&] {
                waitedPastMinimise = true;
                dialog->hide();
            },
            40);
        cShowModal().ShowModal(dialog, owner);
        EXPECT_TRUE(waitedPastMinimise);
    }
}

TEST(ShowModal, NoDialogReturnsAtOnce) {
    QWidget owner;
    cShowModal().ShowModal(nullptr, &owner);
    EXPECT_TRUE(owner.isEnabled());
}

}  // namespace
