#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/QtMessageBoxes.h"

using namespace tidepost;

namespace {

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
