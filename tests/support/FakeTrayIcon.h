#pragma once
#include <QStringList>
#include <functional>

#include "platform/ITrayIcon.h"

namespace tidepost::test {

// Records what was asked of the notification-area icon; Activate() plays a click on it.
class FakeTrayIcon : public ITrayIcon {
public:
    void ShowIcon(const QString& toolTip) override {
        ShownTips.append(toolTip);
        Visible = true;
    }
    void RemoveIcon() override {
        ++RemoveCount;
        Visible = false;
    }
    void SetActivatedHandler(std::function<void()> handler) override { m_handler = std::move(handler); }
    void Activate() {
        if (m_handler) m_handler();
    }

    QStringList ShownTips;
    int RemoveCount = 0;
    bool Visible = false;

private:
    std::function<void()> m_handler;
};

}  // namespace tidepost::test
