#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "foundation/FormHolder.h"
#include "foundation/cShowModal.h"
#include "platform/QtMessageBoxes.h"

using namespace tidepost;

namespace {

// Runs `act` once, from inside the event loop of whatever waits, as soon as `ready` holds.
class WhileOpen {
public:
    WhileOpen(std::function<bool()> ready, std::function<void()> act) {
        m_poll.setInterval(5);
        QObject::connect(&m_poll, &QTimer::timeout, [this, ready = std::move(ready), act = std::move(act)] {
            if (Done || !ready()) return;
            Done = true;
            act();
        });
        m_poll.start();
    }
    bool Done = false;

private:
    QTimer m_poll;
};

bool BoxIsOpen() { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr; }

void DeleteUnloaded() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

struct WindowUnderItsBox : ::testing::Test {
    QtMessageBoxes boxes;
    FormHolder<QWidget> holder{[] { return new QWidget; }};

    MessageBoxRequest Question() const {
        MessageBoxRequest box;
        box.text = "Continue anyway?";
        box.buttons = MsgButtons::YesNo;
        return box;
    }
};

// The window's own Cancel reached while its question waits (a screen reader can press it): the
// window closes only after the question has returned, which then answers No.
TEST_F(WindowUnderItsBox, UnloadWhileItsBoxIsOpenClosesAfterTheBoxReturns) {
    QWidget& form = holder.get();
    form.show();
    QPointer<QWidget> alive(&form);
    WhileOpen cancel(BoxIsOpen, [this] { holder.unload(); });
    const MsgAnswer answer = boxes.Show(Question(), &form);
    EXPECT_TRUE(cancel.Done);
    EXPECT_EQ(answer, MsgAnswer::No);
    ASSERT_FALSE(alive.isNull()) << "deleted under its own box";
    EXPECT_FALSE(holder.isLoaded());
    DeleteUnloaded();
    EXPECT_TRUE(alive.isNull());
}

// A box over a control of the window counts for the window too.
TEST_F(WindowUnderItsBox, BoxOwnedByAControlOfTheWindowHoldsItsClose) {
    QWidget& form = holder.get();
    auto* control = new QWidget(&form);
    form.show();
    QPointer<QWidget> alive(&form);
    WhileOpen cancel(BoxIsOpen, [this] { holder.unload(); });
    boxes.Show(Question(), control);
    ASSERT_FALSE(alive.isNull());
    DeleteUnloaded();
    EXPECT_TRUE(alive.isNull());
}

TEST_F(WindowUnderItsBox, UnloadWithoutABoxClosesAsBefore) {
    QPointer<QWidget> alive(&holder.get());
    holder.unload();
    EXPECT_FALSE(holder.isLoaded());
    DeleteUnloaded();
    EXPECT_TRUE(alive.isNull());
}

// The owner of a dialog shown with cShowModal is let go during the wait: the dialog's wait ends
// first, and the owner goes only after it has returned.
TEST_F(WindowUnderItsBox, OwnerOfAModalWaitClosesAfterTheWait) {
    QWidget& owner = holder.get();
    owner.show();
    QPointer<QWidget> alive(&owner);
    QPointer<QWidget> dialog = new QWidget;
    WhileOpen unload([&] { return dialog && dialog->isVisible(); }, [this] { holder.unload(); });
    bool ownerThereAfterWait = false;
    cShowModal().ShowModal(dialog, &owner);
    ownerThereAfterWait = !alive.isNull();
    EXPECT_TRUE(unload.Done);
    EXPECT_TRUE(ownerThereAfterWait) << "deleted under the dialog it waited for";
    DeleteUnloaded();
    EXPECT_TRUE(alive.isNull());
    EXPECT_TRUE(dialog.isNull()) << "the dialog went with its owner";
}

// A box over the dialog of a modal wait, and the dialog let go meanwhile: the box returns first.
TEST_F(WindowUnderItsBox, DialogOfAModalWaitWithItsOwnBox) {
    QWidget owner;
    owner.show();
    QWidget& dialog = holder.get();
    QPointer<QWidget> alive(&dialog);
    MsgAnswer answer = MsgAnswer::Yes;
    bool aliveAfterBox = false;
    WhileOpen ask([&] { return dialog.isVisible() && !BoxIsOpen(); },
                  [&] {
                      WhileOpen cancel(BoxIsOpen, [this] { holder.unload(); });
                      answer = boxes.Show(Question(), alive);
                      aliveAfterBox = !alive.isNull();
                  });
    cShowModal().ShowModal(&dialog, &owner);
    EXPECT_TRUE(ask.Done);
    EXPECT_EQ(answer, MsgAnswer::No);
    EXPECT_TRUE(aliveAfterBox);
    DeleteUnloaded();
    EXPECT_TRUE(alive.isNull());
}

}  // namespace
