#pragma once
#include <QUrl>

namespace tidepost {

// The user's web browser: opens an address in it without waiting for the browser.
class IWebBrowser {
public:
    virtual ~IWebBrowser() = default;
    // False when no browser could be started.
    virtual bool OpenUrl(const QUrl& url) = 0;
};

}  // namespace tidepost
