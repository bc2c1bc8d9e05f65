#include "platform/QtFileDialogs.h"

#include <QDir>
#include <QFileDialog>

namespace tidepost {

QString QtFileDialogs::GetSaveFileName(QWidget* owner, const SaveFileRequest& request) {
    QFileDialog dialog(owner, request.Title, request.Folder, request.Filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.DefaultSuffix);
    dialog.selectFile(request.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QDir::fromNativeSeparators(dialog.selectedFiles().first());
}

QString QtFileDialogs::GetExistingDirectory(QWidget* owner, const QString& title, const QString& startFolder) {
    QFileDialog dialog(owner, title, startFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    // Closed without a button it answers as Cancel does.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QDir::fromNativeSeparators(dialog.selectedFiles().first());
}

}  // namespace tidepost
