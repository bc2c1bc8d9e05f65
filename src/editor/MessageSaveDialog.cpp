#include <QFileDialog>

#include "editor/MessageFormLinks.h"

namespace tidepost {

QString ShowMessageSaveDialog(QWidget* owner, const MessageSaveRequest& request) {
    QFileDialog dialog(owner, request.title, request.folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(request.filters);
    if (!request.filters.isEmpty()) dialog.selectNameFilter(request.filters.first());
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(request.proposedName);
    dialog.setObjectName("SaveMessageDialog");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

}  // namespace tidepost
