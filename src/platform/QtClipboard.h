#pragma once
#include "platform/IClipboard.h"

namespace tidepost {

// QGuiApplication's clipboard; it fails where there is none.
class QtClipboard : public IClipboard {
public:
    bool SetText(const QString& text) override;
    bool Text(QString& text) override;
};

}  // namespace tidepost
