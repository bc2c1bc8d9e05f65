#include "reporting/MessageReportingSetup.h"

#include "foundation/MlStrings.h"
#include "foundation/MlText.h"
#include "foundation/UsefullRoutines.h"

namespace tidepost {

namespace {

const QString kColon = QStringLiteral(":");

bool OnlyOf(const QString& text, bool (*allowed)(QChar)) {
    for (const QChar c : text)
        if (!allowed(c)) return false;
    return true;
}

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The leading digits of a field as a decimal number without leading zeros; "0" when none.
QString LeadingNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype end = 0;
    while (end < trimmed.size() && IsAsciiDigit(trimmed.at(end))) ++end;
    QString digits = trimmed.left(end);
    while (digits.size() > 1 && digits.startsWith(u'0')) digits.remove(0, 1);
    return digits.isEmpty() ? QStringLiteral("0") : digits;
}

// The command that names the network and its protocol, by the address book's type word.
std::optional<QString> TypePart(const QString& type, const QString& address) {
    if (type == QLatin1String("Fax")) return QStringLiteral("rs -e T30 -t 1");
    if (type == QLatin1String("PSTN")) return QStringLiteral("rs -e V22B -t 1");
    if (type == QLatin1String("SAC")) return "rs -e " + address + " -t 6";
    if (type == QLatin1String("DNID")) return "rs -e " + address + " -t 5";
    if (type == QLatin1String("Telex") || type == QLatin1String("InmC")) return QStringLiteral("rs -t 0");
    if (type == QLatin1String("X25")) return QStringLiteral("rs -t 3");
    return std::nullopt;
}

QString FormatPart(const QString& format) {
    if (format == QLatin1String("5")) return QStringLiteral(" -l 6");
    if (format == QLatin1String("7")) return QStringLiteral(" -l 0");
    if (format == QLatin1String("8")) return QStringLiteral(" -l 7");
    return {};
}

}  // namespace

std::optional<MessageReportingEntry> FindMessageReportingEntry(const QStringList& addressBookLines,
                                                               const QString& name) {
    std::optional<MessageReportingEntry> found;
    for (const QString& line : addressBookLines) {
        if (GetField(1, kColon, line).compare(name, Qt::CaseInsensitive) != 0) continue;
        found = MessageReportingEntry{GetField(2, kColon, line), GetField(3, kColon, line), GetField(4, kColon, line)};
    }
    return found;
}

std::optional<QString> ReportingAddressNumber(const QString& address) {
    QString digits = address.trimmed();
    if (digits.startsWith(u'+')) digits.remove(0, 1);
    if (digits.isEmpty() || !OnlyOf(digits, IsAsciiDigit)) return std::nullopt;
    while (digits.size() > 1 && digits.startsWith(u'0')) digits.remove(0, 1);
    return digits;
}

bool IsScheduleText(const QString& text) {
    return OnlyOf(text, [](QChar c) { return IsAsciiDigit(c) || c == u',' || c == u'-' || c == u'*'; });
}

bool IsPinCodeText(const QString& text) {
    return OnlyOf(text, [](QChar c) { return IsAsciiDigit(c) || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); });
}

MessageReportingBatch BuildMessageReportingBatch(const Foundation& f, const MessageReportingSettings& s,
                                                 const QString& destination, const MessageReportingEntry& entry,
                                                 const std::array<QString, 4>& defaultLes) {
    MessageReportingBatch result;
    const std::optional<QString> address = ReportingAddressNumber(entry.Address);
    const std::optional<QString> type = address ? TypePart(entry.Type, *address) : std::nullopt;
    if (!type) {
        result.Refusal = FormatMlString(
            MlText(f, 3561,
                   "Position reports cannot be sent to '%0': the transceiver sends them only to a telex, fax, "
                   "PSTN, Inmarsat-C, special access code, DNID or X.25 address given as a number."),
            {destination});
        result.Box = QStringLiteral("rsDestinationAddressText");
        return result;
    }
    const QString format = LeadingNumber(entry.Format);
    const QString function = s.Enabled ? " -f 1 " + defaultLes[1] + ' ' + defaultLes[2] + ' ' + defaultLes[3] + ' ' +
                                             defaultLes[0]
                                       : QStringLiteral(" -f 0");
    const QStringList lines = {
        QStringLiteral("rs -f 6"),
        "rs -m " + s.Month + " -d " + s.DayOfMonth,
        "rs -w " + s.DayOfWeek + " -h " + s.Hour,
        "rs -u " + s.Minute + (s.Print ? " -n 1" : " -n 0") + (s.Confirmation ? " -v 1" : " -v 0") + " -p " + s.PinCode,
        *type + FormatPart(format) + " -a " + *address + function,
    };
    result.Batch = lines.join(QStringLiteral("\r\n"));
    return result;
}

}  // namespace tidepost
