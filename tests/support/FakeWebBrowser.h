#pragma once
#include <QList>
#include <QUrl>

#include "platform/IWebBrowser.h"

namespace tidepost::test {

// Records the addresses opened; `Starts` says whether a browser "started".
class FakeWebBrowser : public IWebBrowser {
public:
    bool OpenUrl(const QUrl& url) override {
        Opened.append(url);
        return Starts;
    }
    bool Starts = true;
    QList<QUrl> Opened;
};

}  // namespace tidepost::test
