#include "reporting/MessageReportingReply.h"

#include <cstring>
#include <optional>

#include "foundation/UsefullRoutines.h"

namespace tidepost {

namespace {

constexpr Qt::CaseSensitivity kAnyCase = Qt::CaseInsensitive;

// The listing between "Illegal argument" and the tenth character after the ":" that follows the
// first "Operation " after it; nothing when one of them is missing.
std::optional<QString> WorkText(const QString& reply) {
    const qsizetype start = reply.indexOf(QLatin1String("Illegal argument"), 0, kAnyCase);
    if (start < 0) return std::nullopt;
    const qsizetype operation = reply.indexOf(QLatin1String("Operation "), start, kAnyCase);
    if (operation < 0) return std::nullopt;
    const qsizetype colon = reply.indexOf(QLatin1Char(':'), operation);
    if (colon < 0) return std::nullopt;
    return reply.mid(start, colon + 10 - start + 1);
}

// A "(str)" value: from the end of its entry up to its label, blanks dropped.
std::optional<QString> TextValue(const QString& work, const char* entry, const char* label) {
    const qsizetype at = work.indexOf(QLatin1String(entry), 0, kAnyCase);
    if (at < 0) return std::nullopt;
    const qsizetype valueStart = at + qsizetype(std::strlen(entry));
    const qsizetype labelAt = work.indexOf(QLatin1String(label), at, kAnyCase);
    if (labelAt < valueStart) return std::nullopt;
    return RemoveSpaces(work.mid(valueStart, labelAt - valueStart));
}

// A "(num)" flag: the one character after its entry is "1".
std::optional<bool> FlagValue(const QString& work, const char* entry) {
    const qsizetype at = work.indexOf(QLatin1String(entry), 0, kAnyCase);
    if (at < 0) return std::nullopt;
    return work.mid(at + qsizetype(std::strlen(entry)), 1) == QLatin1String("1");
}

}  // namespace

MessageReportingReply ReadMessageReportingReply(const QString& reply) {
    MessageReportingReply result;
    if (reply.contains(QLatin1String("INFO 999:"), kAnyCase)) {
        result.Unsupported = true;
        return result;
    }
    const std::optional<QString> work = WorkText(reply);
    if (!work) return result;
    MessageReportingSettings& s = result.Settings;
    struct TextRow {
        const char* entry;
        const char* label;
        QString* into;
    };
    const TextRow schedule[] = {
        {"-m (str)  value is ", "Month", &s.Month},
        {"-d (str)  value is ", "Month day", &s.DayOfMonth},
        {"-w (str)  value is ", "Day of week", &s.DayOfWeek},
        {"-h (str)  value is ", "Hour of day", &s.Hour},
        {"-u (str)  value is ", "Minute of day", &s.Minute},
    };
    for (const TextRow& row : schedule) {
        const std::optional<QString> value = TextValue(*work, row.entry, row.label);
        if (!value) return result;
        *row.into = *value;
        ++result.Read;
    }
    for (const auto& [entry, into] : {std::pair{"-n (num)  value is ", &s.Print},
                                      std::pair{"-v (num)  value is ", &s.Confirmation}}) {
        const std::optional<bool> value = FlagValue(*work, entry);
        if (!value) return result;
        *into = *value;
        ++result.Read;
    }
    for (const TextRow& row : {TextRow{"-p (str)  value is ", "PIN code", &s.PinCode},
                               TextRow{"-a (str)  value is ", "Destination Address", &s.Address}}) {
        const std::optional<QString> value = TextValue(*work, row.entry, row.label);
        if (!value) return result;
        *row.into = *value;
        ++result.Read;
    }
    s.Enabled = work->contains(QLatin1String("Operation 1"), kAnyCase);
    ++result.Read;
    return result;
}

MessageReportingDestinations FindMessageReportingDestinations(const QStringList& addressBookLines,
                                                              const QString& address) {
    MessageReportingDestinations found;
    for (const QString& line : addressBookLines) {
        const QString name = GetField(1, QStringLiteral(":"), line);
        const QString type = GetField(2, QStringLiteral(":"), line);
        QString number = GetField(4, QStringLiteral(":"), line);
        if (number.startsWith(QLatin1String("00"))) number.remove(0, 2);
        if (number == address) found.Destination = name;
        if (type.toUpper() != QLatin1String("EMAIL")) found.Names.append(name);
    }
    return found;
}

}  // namespace tidepost
