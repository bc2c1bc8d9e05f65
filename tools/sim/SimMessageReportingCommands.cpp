#include "sim/SimMessageReportingCommands.h"

namespace tidepost::sim {

namespace {

const QString kIllegal = QStringLiteral("Illegal argument");
const QString kUnsupported = QStringLiteral("INFO 999: Message reporting not supported");

struct Option {
    const char* name;   // "m"
    const char* kind;   // "str" or "num"
    const char* label;
    QString SimMessageReporting::*value;
};

const QList<Option>& Options() {
    static const QList<Option> options = {
        {"m", "str", "Month", &SimMessageReporting::Month},
        {"d", "str", "Month day", &SimMessageReporting::DayOfMonth},
        {"w", "str", "Day of week", &SimMessageReporting::DayOfWeek},
        {"h", "str", "Hour of day", &SimMessageReporting::Hour},
        {"u", "str", "Minute of day", &SimMessageReporting::Minute},
        {"n", "num", "Print", &SimMessageReporting::Print},
        {"v", "num", "Confirmation", &SimMessageReporting::Confirmation},
        {"p", "str", "PIN code", &SimMessageReporting::PinCode},
        {"a", "str", "Destination Address", &SimMessageReporting::Address},
    };
    return options;
}

const Option* FindOption(const QString& name) {
    for (const Option& o : Options())
        if (name == QLatin1String(o.name)) return &o;
    return nullptr;
}

QString Entry(const char* name, const char* kind) {
    return QStringLiteral("-%1 (%2)  value is ").arg(QLatin1String(name), QLatin1String(kind));
}

QString Listing(SimShell& shell, const QString&) {
    const SimMessageReporting& m = shell.MessageReporting;
    if (m.Unsupported) return kUnsupported + shell.LineEnd;
    QString body = kIllegal + shell.LineEnd;
    for (const Option& o : Options())
        body += Entry(o.name, o.kind) + (m.*o.value).leftJustified(21) + o.label + shell.LineEnd;
    body += Entry("f", "num") + QString::number(m.Operation).leftJustified(21) +
            (m.Operation ? "Operation 1: enabled" : "Operation 0: disabled") + shell.LineEnd;
    return body;
}

// Sets the options of one "rs -" line; false, changing nothing, when one does not fit.
bool SetOptions(SimMessageReporting& m, const QStringList& words) {
    SimMessageReporting next = m;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words.at(i);
        if (word.size() != 2 || word.at(0) != u'-' || i + 1 >= words.size()) return false;
        const QString name = word.mid(1);
        const QString value = words.at(++i);
        if (name == "f") {
            if (value == "0") {
                next.Operation = 0;
            } else if (value == "1") {
                next.Operation = 1;
                QStringList les;
                while (i + 1 < words.size() && !words.at(i + 1).startsWith(u'-')) les << words.at(++i);
                next.Other["f"] = les.join(' ');
            } else if (value != "6") {
                return false;
            }
        } else if (const Option* o = FindOption(name)) {
            if (QLatin1String(o->kind) == QLatin1String("num") && value != "0" && value != "1") return false;
            next.*o->value = value;
        } else if (name == "e" || name == "t" || name == "l") {
            next.Other[name] = value;
        } else {
            return false;
        }
    }
    m = next;
    return true;
}

QString Set(SimShell& shell, const QString& line) {
    SimMessageReporting& m = shell.MessageReporting;
    if (m.Unsupported) return kUnsupported + shell.LineEnd;
    const QStringList words = line.mid(3).split(u' ', Qt::SkipEmptyParts);
    return SetOptions(m, words) ? QString() : kIllegal + shell.LineEnd;
}

// A whole number from 0 to `max` written with at most `digits` digits.
bool Number(const QString& text, int max, int digits, int& value) {
    if (text.isEmpty() || text.size() > digits) return false;
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= 0 && value <= max && !text.startsWith(u'+') && !text.startsWith(u'-');
}

QString SetPosition(SimShell& shell, const QString& line) {
    const QStringList v = line.mid(6).trimmed().split(u',');
    int n[8] = {};
    const bool fits = v.size() == 10 && Number(v[0], 90, 3, n[0]) && Number(v[1], 59, 2, n[1]) &&
                      Number(v[2], 99, 2, n[2]) && (v[3] == "N" || v[3] == "S") && Number(v[4], 180, 3, n[3]) &&
                      Number(v[5], 59, 2, n[4]) && Number(v[6], 99, 2, n[5]) && (v[7] == "E" || v[7] == "W") &&
                      Number(v[8], 360, 3, n[6]) && Number(v[9], 999, 3, n[7]);
    if (!fits) return kIllegal + shell.LineEnd;
    const auto two = [](int value) { return QString::number(value).rightJustified(2, u'0'); };
    SimTransceiver& t = shell.Transceiver;
    t.Position = two(n[0]) + ' ' + two(n[1]) + ' ' + two(n[2]) + ' ' + v[3] + ' ' +
                 QString::number(n[3]).rightJustified(3, u'0') + ' ' + two(n[4]) + ' ' + two(n[5]) + ' ' + v[7];
    t.Course = n[6];
    t.Speed = n[7];
    return {};
}

}  // namespace

const QList<SimCommand>& SimMessageReportingCommands() {
    static const QList<SimCommand> commands = {
        {"rs", false, Listing},
        {"rs ", true, Set},
        {"se -p ", true, SetPosition},
    };
    return commands;
}

bool MessageReportingControl(SimShell& shell, const QString& word, const QString& rest, QString& problem) {
    SimMessageReporting& m = shell.MessageReporting;
    if (word == "rs") {
        QString name = rest.section(' ', 0, 0);
        const QString value = rest.section(' ', 1).trimmed();
        if (name.startsWith(u'-')) name.remove(0, 1);
        if (name == "f" || name == "operation") {
            if (value == "0" || value == "1") m.Operation = value.toInt();
            else problem = "? rs operation 0|1";
        } else if (const Option* o = FindOption(name)) {
            m.*o->value = value;
        } else {
            problem = "? rs -m|-d|-w|-h|-u|-n|-v|-p|-a|-f <value>";
        }
        return true;
    }
    if (word == "rs-unsupported") {
        const QString value = rest.toLower();
        if (value == "on" || value == "off") m.Unsupported = value == "on";
        else problem = "? rs-unsupported on|off";
        return true;
    }
    return false;
}

QString MessageReportingControlNames() { return QStringLiteral("rs|rs-unsupported"); }

}  // namespace tidepost::sim
