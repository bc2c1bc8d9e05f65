#include "sim/SimTcuControl.h"

#include "sim/SimShell.h"
#include "sim/SimTcu.h"

namespace tidepost::sim {

namespace {

const QString kDefaultBridgeAnswer = QStringLiteral("Connected to transceiver");

// The line in quotes, with control characters, the quote and the backslash written as \xHH.
QString Quoted(const QString& line) {
    QString out = "\"";
    for (const QChar c : line) {
        if (c.unicode() < 0x20 || c == '"' || c == '\\' || c.unicode() == 0x7F)
            out += QString("\\x%1").arg(c.unicode(), 2, 16, QChar('0'));
        else
            out += c;
    }
    return out + "\"";
}

}  // namespace

bool TcuControl(SimTcuServer& tcu, const QString& word, const QString& rest) {
    if (word == "tcu-answer") {
        tcu.Tcu.BridgeAnswer = rest.isEmpty() ? kDefaultBridgeAnswer : rest;
        return true;
    }
    if (word == "tcu-mute" || word == "tcu-unmute") {
        tcu.Tcu.Mute = word == "tcu-mute";
        return true;
    }
    return false;
}

QString TcuControlNames() { return QStringLiteral("tcu-answer|tcu-mute|tcu-unmute"); }

void TraceShells(SimShell& transceiver, SimTcuServer* tcu, const std::function<void(const QString&)>& print) {
    transceiver.OnLineRead = [print](const QString& line) { print("MES reads " + Quoted(line)); };
    if (tcu) tcu->Tcu.OnLineRead = [print](const QString& line) { print("TCU reads " + Quoted(line)); };
}

}  // namespace tidepost::sim
