#pragma once
#include "platform/IWebBrowser.h"

namespace tidepost {

// The desktop's default browser (QDesktopServices).
class QtWebBrowser : public IWebBrowser {
public:
    bool OpenUrl(const QUrl& url) override;
};

}  // namespace tidepost
