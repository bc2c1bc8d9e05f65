#pragma once
#include <QString>

namespace tidepost {

// The system clipboard, plain text only. Either call may fail (another program holds it).
class IClipboard {
public:
    virtual ~IClipboard() = default;
    virtual bool SetText(const QString& text) = 0;
    // False when the clipboard could not be read; `text` is then left as it was.
    virtual bool Text(QString& text) = 0;
};

}  // namespace tidepost
