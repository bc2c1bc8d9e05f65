#include "platform/QtWebBrowser.h"

#include <QDesktopServices>

namespace tidepost {

bool QtWebBrowser::OpenUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

}  // namespace tidepost
