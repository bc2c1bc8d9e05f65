#include "sim/SimTransceiver.h"

#include <functional>

namespace tidepost::sim {

namespace {

std::optional<bool> YesNo(const QString& value) {
    const QString v = value.trimmed().toLower();
    if (v == "yes") return true;
    if (v == "no") return false;
    return std::nullopt;
}

std::optional<int> Number(const QString& value, int lowest, int highest) {
    bool ok = false;
    const int n = value.trimmed().toInt(&ok);
    if (!ok || n < lowest || n > highest) return std::nullopt;
    return n;
}

struct Setter {
    const char* Name;
    std::function<bool(SimTransceiver&, const QString&)> Set;
};

bool Text(QString& field, const QString& value) {
    field = value;
    return true;
}

bool Flag(bool& field, const QString& value) {
    const auto v = YesNo(value);
    if (v) field = *v;
    return v.has_value();
}

template <typename T>
bool Whole(T& field, const QString& value, int lowest, int highest) {
    const auto v = Number(value, lowest, highest);
    if (v) field = static_cast<T>(*v);
    return v.has_value();
}

const QList<Setter>& Setters() {
    static const QList<Setter> setters = {
        {"model", [](SimTransceiver& t, const QString& v) { return Text(t.Model, v); }},
        {"mobile-type", [](SimTransceiver& t, const QString& v) { return Text(t.MobileType, v); }},
        {"solas", [](SimTransceiver& t, const QString& v) { return Text(t.SolasType, v); }},
        {"version", [](SimTransceiver& t, const QString& v) { return Text(t.Version, v); }},
        {"cpu", [](SimTransceiver& t, const QString& v) { return Text(t.CpuVersion, v); }},
        {"510ab", [](SimTransceiver& t, const QString& v) { return Flag(t.Legacy510, v); }},
        {"sync", [](SimTransceiver& t, const QString& v) { return Flag(t.Synchronized, v); }},
        {"tdm", [](SimTransceiver& t, const QString& v) { return Whole(t.TdmOrigin, v, 0, 999); }},
        {"logged-in", [](SimTransceiver& t, const QString& v) { return Flag(t.LoggedIn, v); }},
        {"protocol", [](SimTransceiver& t, const QString& v) { return Text(t.Protocol, v); }},
        {"channel", [](SimTransceiver& t, const QString& v) { return Text(t.Channel, v); }},
        {"serial", [](SimTransceiver& t, const QString& v) { return Text(t.SerialNo, v); }},
        {"mobile-no",
         [](SimTransceiver& t, const QString& v) { return Whole(t.MobileNumber, v, 0, 999999999); }},
        {"ocean",
         [](SimTransceiver& t, const QString& v) {
             if (v.size() != 1 || !QString("EWPIN").contains(v)) return false;
             t.PreferredOcean = v.at(0);
             return true;
         }},
        {"signal", [](SimTransceiver& t, const QString& v) { return Whole(t.SignalStrength, v, 0, 9); }},
        {"position", [](SimTransceiver& t, const QString& v) { return Text(t.Position, v); }},
        {"course", [](SimTransceiver& t, const QString& v) { return Whole(t.Course, v, 0, 359); }},
        {"speed", [](SimTransceiver& t, const QString& v) { return Whole(t.Speed, v, 0, 999); }},
        {"position-valid", [](SimTransceiver& t, const QString& v) { return Flag(t.PositionValid, v); }},
        {"gps", [](SimTransceiver& t, const QString& v) { return Flag(t.GpsOk, v); }},
        {"link-test",
         [](SimTransceiver& t, const QString& v) {
             if (v.trimmed().toLower() == "none") {
                 t.LinkTestDone = false;
                 return true;
             }
             t.LinkTestDone = true;
             t.LinkTestResult = v;
             return true;
         }},
        {"latest-distress", [](SimTransceiver& t, const QString& v) { return Text(t.LatestDistress, v); }},
        {"latest-distress-test", [](SimTransceiver& t, const QString& v) { return Text(t.LatestDistressTest, v); }},
        {"les", [](SimTransceiver& t, const QString& v) { return Text(t.LesIds, v.trimmed()); }},
        {"les-end", [](SimTransceiver& t, const QString& v) { return Flag(t.LesListEnded, v); }},
        {"generator", [](SimTransceiver& t, const QString& v) { return Flag(t.Generator.Present, v); }},
        {"ti-error", [](SimTransceiver& t, const QString& v) { return Flag(t.TimeCommandRefused, v); }},
        {"ti-nodate", [](SimTransceiver& t, const QString& v) { return Flag(t.TimeWithoutDate, v); }},
        {"utc",
         [](SimTransceiver& t, const QString& v) {
             if (v.trimmed().toLower() == "pc") {
                 t.Utc.reset();
                 return true;
             }
             QDateTime utc = QDateTime::fromString(v.trimmed(), "yyyy-MM-dd hh:mm:ss");
             if (!utc.isValid()) return false;
             utc.setTimeSpec(Qt::UTC);
             t.Utc = utc;
             return true;
         }},
    };
    return setters;
}

}  // namespace

bool SetTransceiverValue(SimTransceiver& t, const QString& name, const QString& value) {
    if (name.startsWith(QLatin1String("route"), Qt::CaseInsensitive)) {
        bool ok = false;
        const int routeClass = name.mid(5).toInt(&ok);
        if (!ok || !t.Routes.contains(routeClass)) return false;
        return Whole(t.Routes[routeClass], value, 0, 7);
    }
    if (name.compare(QLatin1String("ro-omit"), Qt::CaseInsensitive) == 0) {
        const QString v = value.trimmed().toLower();
        bool isClass = false;
        const int routeClass = v.toInt(&isClass);
        if (v != "header" && v != "none" && !(isClass && t.Routes.contains(routeClass))) return false;
        t.RoutingOmit = v;
        return true;
    }
    for (const Setter& s : Setters())
        if (name.compare(QLatin1String(s.Name), Qt::CaseInsensitive) == 0) return s.Set(t, value);
    return SetEgcReceiverValue(t.EgcReceiver, name, value);
}

QString TransceiverValueNames() {
    QStringList names;
    for (const Setter& s : Setters()) names << s.Name;
    names << "route<class>" << "ro-omit";
    return names.join(", ") + ", " + EgcReceiverValueNames();
}

}  // namespace tidepost::sim
