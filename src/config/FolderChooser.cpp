#include "config/FolderChooser.h"

#include "foundation/Foundation.h"
#include "platform/IFileDialogs.h"

namespace tidepost {

QString BrowseForFolder(Foundation& f, QWidget* owner, const QString& title, const QString& startFolder) {
    if (f.Os.Files == nullptr) return {};
    QString path = f.Os.Files->GetExistingDirectory(owner, title, startFolder);
    while (path.size() > 1 && path.endsWith(QLatin1Char('/'))) path.chop(1);
    return path;
}

}  // namespace tidepost
