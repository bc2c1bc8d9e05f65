#include "foundation/UsefullRoutines.h"

#include <cmath>
#include <limits>

#include <QStringView>

namespace tidepost {

namespace {
constexpr QChar kCr = u'\r';
constexpr QChar kLf = u'\n';
constexpr QChar kStx = QChar(2);
constexpr QChar kEtx = QChar(3);

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Digits with at most one decimal point and at least one digit.
bool IsUnsignedNumber(QStringView s) {
    bool digit = false;
    bool point = false;
    for (QChar c : s) {
        if (IsAsciiDigit(c)) {
            digit = true;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

}  // namespace

int CountLines(const QString& text) { return static_cast<int>(text.count(kCr)) + 1; }

QString GetLine(int n, const QString& text, const QString& echoTerminator) {
    QString current;
    int lineNumber = 1;
    const QStringView view(text);
    for (qsizetype i = 0; i < view.size() && lineNumber <= n; ++i) {
        if (lineNumber == n) current += view.at(i);
        if (view.mid(i).startsWith(echoTerminator)) ++lineNumber;
    }
    current.remove(kLf);
    return current;
}

QString GetField(int n, const QString& separator, const QString& text) {
    QString result;
    int fieldCount = 1;
    const bool oneChar = separator.size() == 1;
    for (qsizetype i = 0; i < text.size() && fieldCount <= n; ++i) {
        const QChar c = text.at(i);
        if (oneChar && c == separator.at(0)) {
            ++fieldCount;
        } else if (fieldCount == n) {
            result += c;
        }
    }
    return result;
}

QString DropLastChar(const QString& text) { return text.isEmpty() ? text : text.left(text.size() - 1); }

QString RemoveChar(const QString& text, const QString& c) {
    // Most texts hold none: they are handed back shared, without a copy.
    if (c.size() != 1 || !text.contains(c.at(0))) return text;
    QString out = text;
    out.remove(c.at(0));
    return out;
}

QString RemoveSpaces(const QString& text) { return RemoveChar(text, QStringLiteral(" ")); }

QString RemoveColons(const QString& text) { return RemoveChar(text, QStringLiteral(":")); }

QString RemoveStxEtx(const QString& text) {
    QString out = text;
    out.remove(kStx);
    out.remove(kEtx);
    return out;
}

QString FlattenText(const QString& text) {
    QString out = RemoveStxEtx(text);
    out.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    out.replace(kCr, u' ');
    out.replace(kLf, u' ');
    return out;
}

QString NormalizeCrLf(const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / 8);
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        const QChar next = i + 1 < size ? text.at(i + 1) : QChar();
        if ((c == kCr && next == kLf) || (c == kLf && next == kCr)) {
            out += QStringLiteral("\r\n");
            ++i;
        } else if (c == kCr || c == kLf) {
            out += QStringLiteral("\r\n");
        } else {
            out += c;
        }
    }
    return out;
}

QString LfToCrLf(const QString& text) {
    QString out = text;
    out.replace(kLf, QStringLiteral("\r\n"));
    out.replace(QStringLiteral("\r\r"), QStringLiteral("\r"));
    return out;
}

QStringView TrimBlanks(QStringView text) {
    while (!text.isEmpty() && text.front() == u' ') text = text.mid(1);
    while (!text.isEmpty() && text.back() == u' ') text.chop(1);
    return text;
}

bool IsAllDigits(const QString& text) {
    if (text.isEmpty()) return false;
    for (const QChar ch : text)
        if (ch < u'0' || ch > u'9') return false;
    return true;
}

qint64 LeadingNumber(QStringView text) {
    constexpr qint64 kLimit = std::numeric_limits<qint64>::max() / 10 - 10;
    qint64 sign = 1;
    qint64 value = 0;
    bool signAllowed = true;
    for (const QChar ch : text) {
        if (ch == u' ' || ch == u'\t') continue;
        if (signAllowed && (ch == u'-' || ch == u'+')) {
            if (ch == u'-') sign = -1;
            signAllowed = false;
            continue;
        }
        if (ch < u'0' || ch > u'9') break;
        signAllowed = false;
        if (value < kLimit) value = value * 10 + (ch.unicode() - u'0');
    }
    return sign * value;
}

QString FormatThreeDigits(QString& text) {
    const QStringView trimmed = TrimBlanks(text);

    QString result;
    if (trimmed.startsWith(u'-') || !IsUnsignedNumber(trimmed)) {
        // "-0" counts as negative too: padding it would give the meaningless "0-0".
        result = QStringLiteral("Unk");
    } else {
        result = trimmed.toString();
        if (result.size() < 3) result.prepend(u'0');
        if (result.size() == 2) result.prepend(u'0');
    }
    text = result;
    return result;
}

std::optional<bool> TruthValue(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value != 0;
}

int FilterKey(int& code, const QString& allowed) {
    if (code == 8) return code;
    if (code < 0 || code > 0xFFFF || !allowed.contains(QChar(code), Qt::CaseSensitive)) code = 0;
    return code;
}

QString AddBackslash(const QString& path) {
    if (path.endsWith(u'/') || path.endsWith(u'\\')) return path;
    return path + u'/';
}

std::uint8_t GetOceanOfLes(int id) {
    if (id < 100) return 0;
    if (id < 200) return 1;
    if (id < 300) return 2;
    if (id < 400) return 3;
    return 4;
}

bool IsValidLesId(int id) {
    if (id < 0) return false;
    const int n = id % 100;
    return n >= 1 && n <= 64 && GetOceanOfLes(id) != 4;
}

}  // namespace tidepost
