#include "sim/SimReportingPrograms.h"

namespace tidepost::sim {

namespace {

const QStringList kTypes = {"closed", "local", "remote"};
const QStringList kStatuses = {"none", "started", "stopped", "ads-started", "ads-stopped"};

// "LES,DNID,member" of three whole numbers, written back without leading zeros; "" when it is not.
QString NormalSlot(const QString& slot) {
    const QStringList parts = slot.split(',');
    if (parts.size() != 3) return {};
    QStringList numbers;
    for (const QString& part : parts) {
        bool ok = false;
        const int n = part.toInt(&ok);
        if (!ok || n < 0 || part.startsWith('+') || part.startsWith('-')) return {};
        numbers.append(QString::number(n));
    }
    return numbers.join(',');
}

}  // namespace

QString ProgramStatusToken(const QString& status) {
    if (status == "started") return "PU[i";
    if (status == "stopped") return "PU[s";
    if (status == "ads-started") return "CN[i";
    if (status == "ads-stopped") return "CN[s";
    return "PU[-";
}

bool SetReportingProgram(SimReportingPrograms& programs, int number, const QStringList& words) {
    if (number < 0 || number > 3 || words.size() < 2 || words.size() > 6) return false;
    const QString type = words.at(0).toLower();
    const QString status = words.at(1).toLower();
    if (!kTypes.contains(type) || !kStatuses.contains(status)) return false;
    QStringList entries;
    for (const QString& word : words.mid(2)) {
        const QString slot = NormalSlot(word);
        if (slot.isEmpty()) return false;
        entries.append(slot);
    }
    programs.Programs[number] = {type, status, entries};
    return true;
}

}  // namespace tidepost::sim
