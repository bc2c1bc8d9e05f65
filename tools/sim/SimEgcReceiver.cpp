#include "sim/SimEgcReceiver.h"

#include <QStringList>

namespace tidepost::sim {

namespace {

bool Bit(int& field, const QString& v) {
    const QString t = v.trimmed();
    if (t != "0" && t != "1") return false;
    field = t.toInt();
    return true;
}

bool YesNo(bool& field, const QString& v) {
    const QString t = v.trimmed().toLower();
    if (t != "yes" && t != "no") return false;
    field = t == "yes";
    return true;
}

bool Letters(QString& field, const QString& v) {
    const QString t = v.trimmed().toUpper();
    if (t == ".") {
        field.clear();
        return true;
    }
    for (QChar c : t)
        if (c < 'A' || c > 'Z') return false;
    field = t;
    return true;
}

}  // namespace

bool SetEgcReceiverValue(SimEgcReceiver& r, const QString& name, const QString& value) {
    const QString n = name.toLower();
    if (n == "egc-only") return Bit(r.ReceiverOnly, value);
    if (n == "egc-system") return Bit(r.SystemMessages, value);
    if (n == "egc-safetynet") return Bit(r.SafetyNet, value);
    if (n == "egc-types") return Letters(r.Types, value);
    if (n == "egc-coastal") return Letters(r.Coastal, value);
    if (n == "egc-navareas-in-use") return YesNo(r.NavareasInUse, value);
    if (n == "egc-spare-header") return YesNo(r.SpareHeader, value);
    if (n == "fx-support") return YesNo(r.FixedPositions, value);
    if (n == "egc-navareas") {
        const QStringList parts = value.split(',');
        if (parts.size() > 4) return false;
        std::array<int, 4> numbers{0, 0, 0, 0};
        for (qsizetype i = 0; i < parts.size(); ++i) {
            bool ok = false;
            numbers[i] = parts[i].trimmed().toInt(&ok);
            if (!ok || numbers[i] < 0 || numbers[i] > 99) return false;
        }
        r.Navareas = numbers;
        return true;
    }
    if (n == "egc-drop") {
        const QString m = value.trimmed().toLower();
        if (m == "none") r.DroppedMarker.clear();
        else if (m.size() == 1 && QString("eawy").contains(m)) r.DroppedMarker = "-" + m + " ";
        else return false;
        return true;
    }
    if (n == "enid-add") {
        const QStringList parts = value.split(',');
        bool ok = false;
        const int enid = parts.value(1).trimmed().toInt(&ok);
        if (parts.size() < 2 || parts.size() > 3 || !ok || enid < 0) return false;
        r.Enids.append({parts[0].trimmed(), enid, parts.value(2).trimmed().toLower() != "disabled"});
        return true;
    }
    if (n == "enid-clear") {
        r.Enids.clear();
        return true;
    }
    return false;
}

QString EgcReceiverValueNames() {
    return "egc-only, egc-system, egc-safetynet, egc-types, egc-coastal, egc-navareas, egc-navareas-in-use, "
           "egc-spare-header, fx-support, egc-drop, enid-add, enid-clear";
}

}  // namespace tidepost::sim
