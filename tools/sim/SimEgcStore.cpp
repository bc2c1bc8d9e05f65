#include "sim/SimEgcStore.h"

#include <QStringList>

namespace tidepost::sim {

namespace {

// Whether every value has a place: the number in the name, the size in the listing's columns,
// and no blank inside a log column.
bool Fits(const SimEgc& e) {
    return e.Number >= 0 && e.Number <= 999 && e.Size() <= 99999 && e.Received.isValid() && !e.Routing.isEmpty() &&
           !e.Routing.contains(' ') && e.Reference >= 0;
}

bool WholeNumber(const QString& text, int& out) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok) out = value;
    return ok;
}

}  // namespace

bool SimEgcStore::Add(SimEgc egc) {
    if (egc.Number < 0) {
        egc.Number = 1;
        for (const SimEgc& e : Egcs) egc.Number = qMax(egc.Number, e.Number + 1);
    }
    if (!Fits(egc) || Find(egc.Number) != nullptr) return false;
    Egcs.append(egc);
    return true;
}

const SimEgc* SimEgcStore::Find(int number) const {
    for (const SimEgc& e : Egcs)
        if (e.Number == number) return &e;
    return nullptr;
}

bool SimEgcStore::Remove(int number) {
    for (qsizetype i = 0; i < Egcs.size(); ++i) {
        if (Egcs.at(i).Number == number) {
            Egcs.removeAt(i);
            return true;
        }
    }
    return false;
}

bool AddEgcFromSpec(SimEgcStore& store, const QString& spec, const QDateTime& now, QString* error) {
    SimEgc e;
    e.Received = now;
    QStringList words = spec.split(' ', Qt::SkipEmptyParts);
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    while (!words.isEmpty() && words.first().contains('=')) {
        const QString key = words.first().section('=', 0, 0).toLower();
        const QString value = words.first().section('=', 1);
        words.removeFirst();
        bool ok = true;
        if (key == "number") ok = WholeNumber(value, e.Number);
        else if (key == "les") ok = WholeNumber(value, e.Les);
        else if (key == "service") ok = WholeNumber(value, e.Service);
        else if (key == "priority") ok = WholeNumber(value, e.Priority);
        else if (key == "language") ok = WholeNumber(value, e.Language);
        else if (key == "c9") ok = WholeNumber(value, e.Column9);
        else if (key == "c10") ok = WholeNumber(value, e.Column10);
        else if (key == "size") ok = WholeNumber(value, e.ListedSize);
        else if (key == "routing") e.Routing = value;
        else if (key == "ref") {
            int ref = 0;
            ok = WholeNumber(value, ref);
            e.Reference = ref;
        } else if (key == "date") {
            e.Received = QDateTime::fromString(value, "yyyy-MM-ddThh:mm");
            e.Received.setTimeSpec(Qt::UTC);
            ok = e.Received.isValid();
        } else {
            return fail("unknown key " + key);
        }
        if (!ok) return fail("no fitting value for " + key);
    }
    e.Text = words.join(' ').replace("\\n", "\r\n");
    if (e.Text.isEmpty()) e.Text = "An EGC from the simulated transceiver.";
    if (!store.Add(e)) return fail("the number is taken or a value does not fit");
    return true;
}

bool AddSimulatedEgc(SimEgcStore& store, int kind, const QDateTime& now) {
    struct Kind {
        int Code;
        int Priority;
        int Service;
        const char* Text;
    };
    static const Kind kinds[] = {{200, 0, 31, "Routine MET/NAV forecast from the simulated transceiver."},
                                 {400, 1, 31, "SECURITE navigational warning from the simulated transceiver."},
                                 {4, 2, 14, "PAN PAN urgency broadcast from the simulated transceiver."},
                                 {100, 3, 14, "MAYDAY RELAY distress alert relay from the simulated transceiver."}};
    for (const Kind& k : kinds) {
        if (k.Code != kind) continue;
        SimEgc e;
        e.Received = now;
        e.Priority = k.Priority;
        e.Service = k.Service;
        e.Reference = 1000 + static_cast<int>(store.Egcs.size());
        e.Text = QString::fromLatin1(k.Text) + "\r\n";
        return store.Add(e);
    }
    return false;
}

}  // namespace tidepost::sim
