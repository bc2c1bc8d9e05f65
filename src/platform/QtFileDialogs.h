#pragma once
#include "platform/IFileDialogs.h"

namespace tidepost {

// QFileDialog, modal over its owner.
class QtFileDialogs : public IFileDialogs {
public:
    QString GetSaveFileName(QWidget* owner, const SaveFileRequest& request) override;
    QString GetExistingDirectory(QWidget* owner, const QString& title, const QString& startFolder) override;
};

}  // namespace tidepost
