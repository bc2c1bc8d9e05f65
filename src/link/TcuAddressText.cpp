#include "link/TcuAddressText.h"

#include <QStringList>

namespace tidepost {

namespace {

// A decimal number 0..255 written without a leading zero; -1 otherwise.
int Octet(const QString& text) {
    if (text.isEmpty() || text.size() > 3) return -1;
    for (const QChar c : text)
        if (c < '0' || c > '9') return -1;
    if (text.size() > 1 && text.front() == '0') return -1;
    const int value = text.toInt();
    return value <= 255 ? value : -1;
}

}  // namespace

std::optional<QString> CheckFixedIpAddress(const QString& typed) {
    const QString address = typed.trimmed();
    const QStringList parts = address.split('.');
    if (parts.size() != 4) return std::nullopt;
    int octets[4];
    for (int i = 0; i < 4; ++i) {
        octets[i] = Octet(parts[i]);
        if (octets[i] < 0) return std::nullopt;
    }
    const bool allZero = octets[0] == 0 && octets[1] == 0 && octets[2] == 0 && octets[3] == 0;
    if (allZero || octets[0] == 127 || octets[0] >= 224) return std::nullopt;
    return address;
}

QString TcuAddressToSave(const QString& text) {
    const QString address = text.trimmed();
    if (address.startsWith('<') && address.endsWith('>')) return {};
    return address;
}

bool HasControlCharacter(const QString& text) {
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control) return true;
    return false;
}

}  // namespace tidepost
