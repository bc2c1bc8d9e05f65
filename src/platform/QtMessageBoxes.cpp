#include "platform/QtMessageBoxes.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "platform/NoticeWidth.h"
#include "platform/OpenBoxes.h"

namespace tidepost {

namespace {
std::vector<QMessageBox::StandardButton> ButtonsOf(MsgButtons b) {
    switch (b) {
    case MsgButtons::Ok: return {QMessageBox::Ok};
    case MsgButtons::OkCancel: return {QMessageBox::Ok, QMessageBox::Cancel};
    case MsgButtons::YesNo: return {QMessageBox::Yes, QMessageBox::No};
    case MsgButtons::YesNoCancel: return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case MsgButtons::RetryCancel: return {QMessageBox::Retry, QMessageBox::Cancel};
    case MsgButtons::AbortRetryIgnore: return {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore};
    case MsgButtons::YesYesToAllNoToAll: return {QMessageBox::Yes, QMessageBox::YesToAll, QMessageBox::NoToAll};
    }
    return {QMessageBox::Ok};
}

QMessageBox::Icon IconOf(MsgIcon i) {
    switch (i) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

MsgAnswer AnswerOf(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Ok: return MsgAnswer::Ok;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Retry: return MsgAnswer::Retry;
    case QMessageBox::Abort: return MsgAnswer::Abort;
    case QMessageBox::Ignore: return MsgAnswer::Ignore;
    case QMessageBox::YesToAll: return MsgAnswer::YesToAll;
    case QMessageBox::NoToAll: return MsgAnswer::NoToAll;
    default: return MsgAnswer::Cancel;
    }
}
}  // namespace

void QtMessageBoxes::EndWaiting() {
    m_ending = true;
    if (auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget())) open->reject();
}

MsgAnswer QtMessageBoxes::Show(const MessageBoxRequest& request, QWidget* owner) {
    if (m_ending) return ClosedWithoutButton(request.buttons);
    QWidget* const over = owner ? owner : m_owner;
    QMessageBox box(IconOf(request.icon), request.title, request.text, QMessageBox::NoButton, over);
    // Modal to its own window only: an alarm window (which has no owner) stays answerable.
    if (box.parentWidget()) box.setWindowModality(Qt::WindowModal);
    const auto buttons = ButtonsOf(request.buttons);
    for (size_t i = 0; i < buttons.size(); ++i) {
        QPushButton* b = box.addButton(buttons[i]);
        if (i < static_cast<size_t>(request.buttonCaptions.size()) && !request.buttonCaptions.at(i).isEmpty())
            b->setText(request.buttonCaptions.at(i));
        else if (const QString own = ButtonCaption ? ButtonCaption(AnswerOf(buttons[i])) : QString(); !own.isEmpty())
            b->setText(own);
        if (static_cast<int>(i) == request.defaultButton) box.setDefaultButton(b);
    }
    // Lines the text breaks itself stay whole, and the title is not cut.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        const QScreen* screen = over ? over->screen() : QGuiApplication::primaryScreen();
        const int limit = screen ? screen->availableGeometry().width() * 4 / 5 - 100 : 800;
        label->setMinimumWidth(NoticeTextWidth(label->fontMetrics(), request.text,
                                               QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")),
                                               request.title, limit));
    }
    // Closing the batch question stops the whole batch rather than guessing at a yes.
    if (request.buttons == MsgButtons::YesYesToAllNoToAll) box.setEscapeButton(box.button(QMessageBox::NoToAll));
    {
        const BoxOpenOn open(over, &box);
        box.exec();
    }
    // A box ended by the program (a signal, the application quitting) has no clicked button; its
    // result then says nothing about what the operator wanted.
    QAbstractButton* clicked = box.clickedButton();
    if (clicked == nullptr) return ClosedWithoutButton(request.buttons);
    return AnswerOf(box.standardButton(clicked));
}

int QtMessageBoxes::ShowDialog(QDialog& dialog) {
    if (m_ending) return QDialog::Rejected;
    // As the boxes: modal to its own window, so an alarm window stays answerable.
    if (dialog.parentWidget() && dialog.windowModality() == Qt::NonModal) dialog.setWindowModality(Qt::WindowModal);
    const BoxOpenOn open(dialog.parentWidget(), &dialog);
    return dialog.exec();
}

QString QtMessageBoxes::GetOpenFileName(const OpenFileRequest& request, QWidget* owner) {
    if (m_ending) return {};
    QFileDialog dialog(owner ? owner : m_owner, request.title, request.folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(request.filters);
    if (!request.filters.isEmpty()) dialog.selectNameFilter(request.filters.first());
    dialog.setDefaultSuffix(request.defaultSuffix);
    // Links are opened as the files they are, not followed to their targets.
    dialog.setOption(QFileDialog::DontResolveSymlinks);
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    int result = QDialog::Rejected;
    {
        const BoxOpenOn open(owner ? owner : m_owner, &dialog);
        result = dialog.exec();
    }
    if (result != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

}  // namespace tidepost
