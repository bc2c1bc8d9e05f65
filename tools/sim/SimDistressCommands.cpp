#include "sim/SimDistressCommands.h"

#include <algorithm>

namespace tidepost::sim {

namespace {

QString Line(const SimShell& shell, const QString& label, const QString& value) {
    return label.leftJustified(18) + ": " + value + shell.LineEnd;
}

const QString kIllegal = QStringLiteral("Illegal argument");
const QString kInvalidParameter = QStringLiteral("ERROR 301: Invalid parameter");
// The twelve fields after LES and nature that ask for the unit's own position.
const QString kOwnPosition = QStringLiteral("S,127,63,0,W,255,63,0,23,59,359,180");

// A line of the reply body that must follow a CR LF, whatever line end follows the echo.
QString AfterCrLf(const SimShell& shell, const QString& line) {
    return (shell.EchoTerminator.endsWith(QLatin1String("\r\n")) ? QString() : QStringLiteral("\r\n")) + line +
           shell.LineEnd;
}

// The waiting refusal of the next generator reply, once.
QString TakeNextError(SimShell& shell) {
    QString& next = shell.Transceiver.Generator.NextError;
    if (next.isEmpty()) return {};
    const QString line = AfterCrLf(shell, next);
    next.clear();
    return line;
}

QString GeneratorSettings(SimShell& shell, const QString&) {
    const SimTransceiver& t = shell.Transceiver;
    const SimDistressGenerator& g = t.Generator;
    if (!g.Present) return kIllegal + shell.LineEnd;
    const QString error = TakeNextError(shell);
    const bool own = g.UsesOwnPosition;
    const QString position = own ? t.Position : g.Position;
    const QString time = own ? t.UtcNow().toString("hh:mm") : g.TimeOfPosition;
    const int course = own ? t.Course : g.Course;
    const int speed = own ? t.Speed : g.Speed;
    return error + "Parameters for Distress Alert Generator" + shell.LineEnd + "Current LES/NCS Id: " +
           QString::number(t.DistressLes) + shell.LineEnd + Line(shell, "Nature of Distress", t.DistressNature) +
           Line(shell, "Position", position) + Line(shell, "Time of Position", time) +
           Line(shell, "Course", QString::number(course).rightJustified(3, '0') + " deg/true") +
           Line(shell, "Speed", QString::number(speed) + " knots");
}

// A field of digits from 0 to highest.
bool InRange(const QString& field, int highest, int& value) {
    if (field.isEmpty() || field.size() > 3) return false;
    for (QChar c : field)
        if (!c.isDigit()) return false;
    value = field.toInt();
    return value <= highest;
}

const QString kNatureLetters = QStringLiteral("UEFCGLSDARP");

// "se -g LES,nature,NS,deg,min,hund,EW,deg,min,hund,hh,mm,course,speed".
QString SetGenerator(SimShell& shell, const QString& line) {
    SimTransceiver& t = shell.Transceiver;
    SimDistressGenerator& g = t.Generator;
    if (!g.Present) return kIllegal + shell.LineEnd;
    if (const QString error = TakeNextError(shell); !error.isEmpty()) return error;
    const QString args = line.mid(6);
    const QStringList f = args.split(',');
    auto refuse = [&shell] { return AfterCrLf(shell, kInvalidParameter); };
    if (f.size() != 14) return refuse();
    int les = 0;
    if (!InRange(f[0], 999, les) || f[1].size() != 1 || !kNatureLetters.contains(f[1])) return refuse();
    if (QStringList(f.mid(2)).join(',') == kOwnPosition) {
        t.DistressLes = les;
        t.DistressNature = f[1];
        g.UsesOwnPosition = true;
        return {};
    }
    int v[10] = {};
    const int highest[10] = {90, 59, 99, 180, 59, 99, 23, 59, 360, 200};
    const int at[10] = {3, 4, 5, 7, 8, 9, 10, 11, 12, 13};
    for (int i = 0; i < 10; ++i)
        if (!InRange(f[at[i]], highest[i], v[i])) return refuse();
    if ((f[2] != "N" && f[2] != "S") || (f[6] != "E" && f[6] != "W")) return refuse();
    auto two = [](int n) { return QString::number(n).rightJustified(2, '0'); };
    t.DistressLes = les;
    t.DistressNature = f[1];
    g.UsesOwnPosition = false;
    g.Position = two(v[0]) + ' ' + two(v[1]) + ' ' + two(v[2]) + ' ' + f[2] + ' ' +
                 QString::number(v[3]).rightJustified(3, '0') + ' ' + two(v[4]) + ' ' + two(v[5]) + ' ' + f[6];
    g.TimeOfPosition = two(v[6]) + ':' + two(v[7]);
    g.Course = v[8];
    g.Speed = v[9];
    return {};
}

bool IsLandMobile(const SimTransceiver& t) { return t.MobileType.compare("Landmobile", Qt::CaseInsensitive) == 0; }

// "se -m ALL_OCEANS": the alert LES of every ocean region, each between STX and ETX after its
// label; land mobile units head the list differently, and some units give only the ids.
QString AlertLesReport(SimShell& shell, const QString&) {
    const SimTransceiver& t = shell.Transceiver;
    const std::array<QString, 4>& les = t.Generator.AlertLes;
    if (t.Generator.AlertForm == "ids")
        return "LES IDs           : " + les[0] + ", " + les[1] + ", " + les[2] + ", " + les[3] + shell.LineEnd;
    static const char* const kOceans[] = {"AOR-W", "AOR-E", "POR", "IOR"};
    QString body = (IsLandMobile(t) ? QStringLiteral("Land Mobile Alert LES") : QStringLiteral("Alert LES")) +
                   shell.LineEnd;
    for (int n = 0; n < 4; ++n)
        body += ("ocean " + QString::number(n) + ' ' + kOceans[n] + ':').leftJustified(14) + QChar(2) + les[n] +
                QChar(3) + shell.LineEnd;
    return body;
}

// The words the unit prints for each nature letter, maritime and land mobile.
struct NatureWords {
    char Letter;
    const char* Maritime;
    const char* LandMobile;
};
const NatureWords kNatureWords[] = {
    {'U', "Unspecified", "Unspecified"},
    {'E', "Explosion", "Ambulance"},
    {'F', "Flooding", "Fire"},
    {'C', "Collision", "Police"},
    {'G', "Grounding", "Hijack"},
    {'L', "Listing", "Under attack/threat of attack"},
    {'S', "Sinking", "Dangerous cargo leak/spill"},
    {'D', "Disabled and adrift", "Accident"},
    {'A', "Abandoning ship", "Vehicle breakdown"},
    {'R', "Require assistance", "Severe weather"},
    {'P', "Piracy", "Unspecified"},
};

// "se -m ": the nature of distress the unit sends.
QString NatureReport(SimShell& shell, const QString&) {
    const SimTransceiver& t = shell.Transceiver;
    const bool landMobile = IsLandMobile(t);
    QString word = QStringLiteral("Unspecified");
    for (const NatureWords& w : kNatureWords)
        if (t.DistressNature == QChar(QLatin1Char(w.Letter))) word = QString::fromLatin1(landMobile ? w.LandMobile : w.Maritime);
    return (landMobile ? QStringLiteral("Land Mobile") : QStringLiteral("Maritime")) + " nature of distress: " + word +
           shell.LineEnd;
}

bool IsLesId(const QString& id) {
    int value = 0;
    return id.size() == 3 && InRange(id, 999, value);
}

// "se -m a,b,c,d" (the alert LES of the four oceans) and "se -m id,n,L" (the nature).
QString SetAlert(SimShell& shell, const QString& line) {
    SimTransceiver& t = shell.Transceiver;
    if (const QString error = TakeNextError(shell); !error.isEmpty()) return error;
    const QStringList f = line.mid(6).split(',');
    if (f.size() == 4 && std::all_of(f.begin(), f.end(), IsLesId)) {
        for (int n = 0; n < 4; ++n) t.Generator.AlertLes[n] = f[n];
        return {};
    }
    if (f.size() == 3 && IsLesId(f[0]) && f[1] == "n" && f[2].size() == 1 && kNatureLetters.left(10).contains(f[2])) {
        t.DistressNature = f[2];
        return {};
    }
    return AfterCrLf(shell, kInvalidParameter);
}

const QString kTestOnInfo = QStringLiteral("Distress buttons test mode entered");
const QString kTestOffInfo = QStringLiteral("Distress buttons test mode ended");

QString TestModeState(const SimShell& shell) {
    return (shell.Transceiver.DistressTestMode ? QStringLiteral("Distress functionality disabled")
                                               : QStringLiteral("Distress functionality enabled")) +
           shell.LineEnd;
}

void SetTestMode(SimShell& shell, bool on) {
    if (shell.Transceiver.DistressTestMode == on) return;
    shell.Transceiver.DistressTestMode = on;
    if (on) shell.AddInfo("733", kTestOnInfo);
    else shell.AddInfo("803", kTestOffInfo);
}

QString TestModeQuery(SimShell& shell, const QString&) {
    if (shell.Transceiver.TestModeAnswer == "not-implemented") return "NOT implemented" + shell.LineEnd;
    return TestModeState(shell);
}

QString TestModeSwitch(SimShell& shell, const QString& line) {
    const QString& answer = shell.Transceiver.TestModeAnswer;
    if (answer == "not-implemented") return "NOT implemented" + shell.LineEnd;
    if (answer == "illegal") return "Illegal argument" + shell.LineEnd;
    SetTestMode(shell, line.endsWith('1'));
    return TestModeState(shell);
}

}  // namespace

const QList<SimCommand>& SimDistressCommands() {
    static const QList<SimCommand> commands = {
        {"se -g", false, GeneratorSettings},
        {"se -g ", true, SetGenerator},
        {"se -m ALL_OCEANS", false, AlertLesReport},
        {"se -m ", false, NatureReport},
        {"se -m ", true, SetAlert},
        {"se -q", false, TestModeQuery},
        {"se -q 1", false, TestModeSwitch},
        {"se -q 0", false, TestModeSwitch},
    };
    return commands;
}

bool DistressControl(SimShell& shell, const QString& word, const QString& rest, QString& said) {
    said.clear();
    if (word == "test-mode") {
        if (rest == "normal" || rest == "not-implemented" || rest == "illegal") shell.Transceiver.TestModeAnswer = rest;
        else said = "? test-mode normal|not-implemented|illegal";
        return true;
    }
    if (word == "test-end") {
        SetTestMode(shell, false);
        return true;
    }
    if (word == "alert-form") {
        if (rest == "ids" || rest == "auto") shell.Transceiver.Generator.AlertForm = rest;
        else said = "? alert-form ids|auto";
        return true;
    }
    if (word == "next-error") {
        if (rest.isEmpty()) said = "? next-error <text>";
        else shell.Transceiver.Generator.NextError = rest;
        return true;
    }
    if (word == "distress") {
        said = shell.Transceiver.DistressTestMode ? "test-mode on" : "test-mode off";
        return true;
    }
    return false;
}

QString DistressControlNames() { return QStringLiteral("test-mode|test-end|distress|alert-form|next-error"); }

}  // namespace tidepost::sim
