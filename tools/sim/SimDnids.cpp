#include "sim/SimDnids.h"

namespace tidepost::sim {

namespace {

bool Number(const QString& text, int max, int& value) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return false;
    for (const QChar c : t)
        if (c < '0' || c > '9') return false;
    bool ok = false;
    const int n = t.toInt(&ok);
    if (!ok || n > max) return false;
    value = n;
    return true;
}

}  // namespace

QString DnidListLine(const SimDnid& d) {
    return d.Provider.left(27).leftJustified(27) + QString::number(d.Status).rightJustified(2) + ' ' +
           QString::number(d.Les).rightJustified(3, '0') + ' ' + QString::number(d.Dnid).rightJustified(5) + "   " +
           QString::number(d.Member).rightJustified(3) + "   " + QString::number(d.SubAdr) + "     " +
           QString::number(d.Channel) + "  " + QString::number(d.Random);
}

bool ParseSimDnid(const QString& spec, SimDnid& dnid) {
    const QStringList f = spec.split('|');
    if (f.size() != 8) return false;
    SimDnid d;
    d.Provider = f.at(0).trimmed();
    if (d.Provider.isEmpty() || d.Provider.size() > 27) return false;
    if (!Number(f.at(1), 99, d.Status) || !Number(f.at(2), 999, d.Les) || !Number(f.at(3), 99999, d.Dnid) ||
        !Number(f.at(4), 999, d.Member) || !Number(f.at(5), 9, d.SubAdr) || !Number(f.at(6), 9, d.Channel) ||
        !Number(f.at(7), 9, d.Random))
        return false;
    dnid = d;
    return true;
}

}  // namespace tidepost::sim
