#include "egc/cENID.h"

#include "foundation/cErrorLog.h"

namespace tidepost {

namespace {
constexpr QChar kStx(2);
constexpr QChar kEtx(3);
}  // namespace

void cENID::SaveData(const QString& buffer, const QString& echoTerminator) {
    m_enids.clear();
    m_isLoaded = false;
    const QString end = echoTerminator.isEmpty() ? QStringLiteral("\r\n") : echoTerminator;
    const QString header = end + QStringLiteral("EGC Network ID list") + end;
    const qsizetype at = buffer.indexOf(header);
    if (at < 0) return;
    qsizetype from = at + header.size();
    for (;;) {
        const qsizetype lineEnd = buffer.indexOf(end, from);
        if (lineEnd < 0) break;
        const QString line = buffer.mid(from, lineEnd - from);
        from = lineEnd + end.size();
        const qsizetype stx1 = line.indexOf(kStx);
        if (stx1 < 0) break;
        const qsizetype etx1 = line.indexOf(kEtx, stx1 + 1);
        if (etx1 < 0) {
            ErrorLog(m_f).AddLine(QStringLiteral("ENID.SaveData: <ETX> missing in line"));
            continue;
        }
        const QString provider = line.mid(stx1 + 1, etx1 - stx1 - 1).trimmed();
        const qsizetype stx2 = line.indexOf(kStx, etx1 + 1);
        if (stx2 < 0) {
            ErrorLog(m_f).AddLine(QStringLiteral("ENID.SaveData: <STX> missing in line"));
            continue;
        }
        const qsizetype etx2 = line.indexOf(kEtx, stx2 + 1);
        if (etx2 < 0) {
            ErrorLog(m_f).AddLine(QStringLiteral("ENID.SaveData: <ETX> missing in line"));
            continue;
        }
        const QString number = line.mid(stx2 + 1, etx2 - stx2 - 1).trimmed();
        bool digits = !number.isEmpty() && number.size() <= 9;
        for (QChar c : number) digits = digits && c >= '0' && c <= '9';
        if (!digits) continue;
        EnidEntry entry;
        entry.Enid = number.toInt();
        entry.Provider = provider;
        entry.Enabled = line.mid(etx2 + 1).contains(QStringLiteral("disabled"), Qt::CaseInsensitive) ? 0 : 1;
        m_enids.append(entry);
        if (m_enids.size() >= 32767) break;
    }
    m_isLoaded = !m_enids.isEmpty();
}

QString cENID::LoadTestData(const QString& echoTerminator) {
    const QString e = echoTerminator;
    auto row = [&e](const char* provider, int enid, bool disabled) {
        return QString(kStx) + QString::fromLatin1(provider).leftJustified(20) + kEtx + "  " + kStx +
               QString::number(enid).rightJustified(6) + kEtx + (disabled ? " disabled" : "") + e;
    };
    return "st -g" + e + e + "EGC Network ID list" + e + row("Fleet & Co", 89, true) + row("Harbour Net", 1204, false) +
           " 2 ENID(s) stored" + e + "can0:/$ ";
}

QStringList EnidSwitchCommands(const QList<EnidEntry>& read, const QList<bool>& ticked) {
    QStringList commands;
    for (qsizetype i = 0; i < read.size() && i < ticked.size(); ++i) {
        const bool enabled = read[i].Enabled == 1;
        if (ticked[i] == enabled) continue;
        commands << (ticked[i] ? QStringLiteral("st -g e") : QStringLiteral("st -g d")) + QString::number(read[i].Enid);
    }
    return commands;
}

}  // namespace tidepost
