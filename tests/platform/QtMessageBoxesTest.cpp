#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

#include "platform/QtMessageBoxes.h"

using namespace tidepost;

namespace {

// Runs `act` on the box once it is open, then returns what the box answered.
MsgAnswer ShowAndAct(MsgButtons buttons, const std::function<void(QMessageBox&)>& act) {
    QtMessageBoxes boxes;
    bool acted = false;
    // Polled rather than posted once: the box's own event loop must be running first.
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || acted) return;
        acted = true;
        act(*box);
    });
    poll.start();
    MessageBoxRequest request;
    request.text = "Question?";
    request.buttons = buttons;
    const MsgAnswer answer = boxes.Show(request);
    EXPECT_TRUE(acted);
    return answer;
}

// Runs `look` on the box or dialog once it is open, then closes it with its button.
void WhenOpen(std::function<void(QWidget* modal)> look) {
    QTimer::singleShot(0, [look] {
        QWidget* modal = QApplication::activeModalWidget();
        look(modal);
        if (auto* box = qobject_cast<QMessageBox*>(modal)) box->button(QMessageBox::Ok)->click();
        else if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->accept();
    });
}

// A window without an owner (an alarm window) must stay answerable while a box of the main
// window is open, so the boxes block only their own window.
TEST(QtMessageBoxes, BoxesAndDialogsBlockOnlyTheirOwnWindow) {
    QWidget owner;
    owner.show();
    QtMessageBoxes boxes;
    Qt::WindowModality modality = Qt::NonModal;
    WhenOpen([&](QWidget* modal) { modality = modal ? modal->windowModality() : Qt::NonModal; });
    MessageBoxRequest request;
    request.text = "text";
    request.title = "title";
    EXPECT_EQ(boxes.Show(request, &owner), MsgAnswer::Ok);
    EXPECT_EQ(modality, Qt::WindowModal);

    QDialog dialog(&owner);
    modality = Qt::NonModal;
    WhenOpen([&](QWidget* modal) { modality = modal ? modal->windowModality() : Qt::NonModal; });
    EXPECT_EQ(boxes.ShowDialog(dialog), QDialog::Accepted);
    EXPECT_EQ(modality, Qt::WindowModal);
}

}  // namespace

// A box the program ends itself (a signal, the application quitting) has no clicked button: it
// must not read as the operator's OK or Yes.
TEST(QtMessageBoxes, BoxEndedWithoutAButtonAnswersCancelOrNo) {
    const struct {
        MsgButtons buttons;
        MsgAnswer closed;
    } cases[] = {
        {MsgButtons::Ok, MsgAnswer::Ok},
        {MsgButtons::OkCancel, MsgAnswer::Cancel},
        {MsgButtons::YesNo, MsgAnswer::No},
        {MsgButtons::YesNoCancel, MsgAnswer::Cancel},
        {MsgButtons::RetryCancel, MsgAnswer::Cancel},
        {MsgButtons::AbortRetryIgnore, MsgAnswer::Abort},
        {MsgButtons::YesYesToAllNoToAll, MsgAnswer::NoToAll},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.buttons));
        EXPECT_EQ(ShowAndAct(c.buttons, [](QMessageBox& box) { box.reject(); }), c.closed);
        EXPECT_EQ(ShowAndAct(c.buttons, [](QMessageBox& box) { box.done(0); }), c.closed);
    }
}

TEST(QtMessageBoxes, ClickedButtonIsTheAnswer) {
    const struct {
        MsgButtons buttons;
        QMessageBox::StandardButton click;
        MsgAnswer answer;
    } cases[] = {
        {MsgButtons::OkCancel, QMessageBox::Ok, MsgAnswer::Ok},
        {MsgButtons::OkCancel, QMessageBox::Cancel, MsgAnswer::Cancel},
        {MsgButtons::YesNo, QMessageBox::Yes, MsgAnswer::Yes},
        {MsgButtons::YesNoCancel, QMessageBox::No, MsgAnswer::No},
        {MsgButtons::YesYesToAllNoToAll, QMessageBox::YesToAll, MsgAnswer::YesToAll},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.click));
        EXPECT_EQ(ShowAndAct(c.buttons, [&](QMessageBox& box) { box.button(c.click)->click(); }), c.answer);
    }
}

// Once the program is ending, a box neither opens nor waits: it answers as closed at once.
TEST(QtMessageBoxes, AfterEndWaitingNothingWaits) {
    QtMessageBoxes boxes;
    boxes.EndWaiting();
    bool opened = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* open = QApplication::activeModalWidget()) {
            opened = true;
            if (auto* box = qobject_cast<QMessageBox*>(open)) box->reject();
        }
    });
    poll.start();
    MessageBoxRequest request;
    request.buttons = MsgButtons::OkCancel;
    EXPECT_EQ(boxes.Show(request), MsgAnswer::Cancel);
    request.buttons = MsgButtons::YesNo;
    EXPECT_EQ(boxes.Show(request), MsgAnswer::No);
    QDialog dialog;
    EXPECT_EQ(boxes.ShowDialog(dialog), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(opened);
}
