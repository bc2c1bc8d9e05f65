#pragma once
#include "platform/IClipboard.h"

namespace tidepost::test {

// The clipboard in memory; with Fails set every call fails and nothing changes.
class FakeClipboard : public IClipboard {
public:
    bool SetText(const QString& text) override {
        if (Fails) return false;
        Content = text;
        return true;
    }
    bool Text(QString& text) override {
        if (Fails) return false;
        text = Content;
        return true;
    }
    QString Content;
    bool Fails = false;
};

}  // namespace tidepost::test
