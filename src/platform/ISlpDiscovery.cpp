#include "platform/ISlpDiscovery.h"

namespace tidepost {

std::optional<SlpTarget> ParseSlpTarget(const QString& text) {
    const QString t = text.trimmed();
    QString host;
    QString port;
    if (t.startsWith('[')) {
        const qsizetype close = t.indexOf("]:");
        if (close < 0) return std::nullopt;
        host = t.mid(1, close - 1);
        port = t.mid(close + 2);
    } else {
        const qsizetype colon = t.lastIndexOf(':');
        if (colon < 0 || t.indexOf(':') != colon) return std::nullopt;
        host = t.left(colon);
        port = t.mid(colon + 1);
    }
    bool ok = false;
    const uint number = port.toUInt(&ok);
    if (host.isEmpty() || !ok || number < 1 || number > 65535) return std::nullopt;
    SlpTarget target;
    target.Host = host;
    target.Port = static_cast<quint16>(number);
    return target;
}

}  // namespace tidepost
