#include "sim/SimMessageStore.h"

#include <QFile>

#include <QStringList>

namespace tidepost::sim {

namespace {

bool Digit(int value) { return value >= 0 && value <= 9; }

// Whether every value fits the column the listing and the log give it.
bool FitsColumns(const SimMessage& m) {
    return m.Number >= 0 && m.Number <= 999 && m.Les >= 0 && m.Les <= 999 && Digit(m.Column6) &&
           Digit(m.Priority) && Digit(m.Presentation) && Digit(m.Column43) && m.Reference >= 0 &&
           m.Reference <= 99999999 && m.Size() <= 99999 && m.Received.isValid();
}

bool WholeNumber(const QString& text, int& out) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok) out = value;
    return ok;
}

}  // namespace

bool SimMessageStore::Add(SimMessage message) {
    if (message.Number < 0) {
        message.Number = 1;
        for (const SimMessage& m : Messages) message.Number = qMax(message.Number, m.Number + 1);
    }
    if (!FitsColumns(message) || Find(message.Number) != nullptr) return false;
    Messages.append(message);
    return true;
}

const SimMessage* SimMessageStore::Find(int number) const {
    for (const SimMessage& m : Messages)
        if (m.Number == number) return &m;
    return nullptr;
}

bool SimMessageStore::Remove(int number) {
    for (qsizetype i = 0; i < Messages.size(); ++i) {
        if (Messages.at(i).Number == number) {
            Messages.removeAt(i);
            return true;
        }
    }
    return false;
}

namespace {

// Takes the leading "key=value" words of a message spec into `m`; False with the reason for an
// unknown key or a value that does not fit.
bool TakeMessageKeys(QStringList& words, SimMessage& m, QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    while (!words.isEmpty() && words.first().contains('=')) {
        const QString key = words.first().section('=', 0, 0).toLower();
        const QString value = words.first().section('=', 1);
        words.removeFirst();
        bool ok = true;
        if (key == "number") ok = WholeNumber(value, m.Number);
        else if (key == "les") ok = WholeNumber(value, m.Les);
        else if (key == "c6") ok = WholeNumber(value, m.Column6);
        else if (key == "priority") ok = WholeNumber(value, m.Priority);
        else if (key == "presentation") ok = WholeNumber(value, m.Presentation);
        else if (key == "c43") ok = WholeNumber(value, m.Column43);
        else if (key == "size") ok = WholeNumber(value, m.ListedSize);
        else if (key == "routing") m.Routing = value;
        else if (key == "ref") {
            int ref = 0;
            ok = WholeNumber(value, ref);
            m.Reference = ref;
        } else if (key == "date") {
            m.Received = QDateTime::fromString(value, "yyyy-MM-ddThh:mm");
            m.Received.setTimeSpec(Qt::UTC);
            ok = m.Received.isValid();
        } else {
            return fail("unknown key " + key);
        }
        if (!ok) return fail("no fitting value for " + key);
    }
    return true;
}

}  // namespace

bool AddMessageFromSpec(SimMessageStore& store, const QString& spec, const QDateTime& now, QString* error) {
    SimMessage m;
    m.Received = now;
    QStringList words = spec.split(' ', Qt::SkipEmptyParts);
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (!TakeMessageKeys(words, m, error)) return false;
    m.Body = words.join(' ').replace("\\n", "\r\n");
    if (m.Body.isEmpty()) m.Body = "A message from the simulated transceiver.";
    if (!store.Add(m)) return fail("the number is taken or a value does not fit its column");
    return true;
}

bool AddMessageFileFromSpec(SimMessageStore& store, const QString& spec, const QDateTime& now, QString* error) {
    SimMessage m;
    m.Received = now;
    QStringList words = spec.split(' ', Qt::SkipEmptyParts);
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (!TakeMessageKeys(words, m, error)) return false;
    // The rest of the line names the file, blanks included.
    const qsizetype keys = spec.split(' ', Qt::SkipEmptyParts).size() - words.size();
    QString path = spec.trimmed();
    for (qsizetype i = 0; i < keys; ++i) path = path.section(' ', 1).trimmed();
    if (words.isEmpty() || path.isEmpty()) return fail("no file named");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail("cannot read " + path);
    // One character per byte, exactly as the file holds them.
    m.Body = QString::fromLatin1(file.readAll());
    if (!store.Add(m)) return fail("the number is taken or a value does not fit its column");
    return true;
}

void AddSampleMessages(SimMessageStore& store, int count, const QDateTime& now) {
    for (int i = 0; i < count; ++i) {
        SimMessage m;
        m.Received = now.addSecs(-60L * (count - i));
        m.Reference = 1000 + i;
        m.Les = (i % 2) ? 112 : 102;
        m.Routing = (i % 3 == 1) ? "Pr" : "Mem";
        m.Body = QString("Sample message %1 from the simulated transceiver.\r\nSecond line of message %1.")
                     .arg(i + 1);
        if (!store.Add(m)) return;
    }
}

}  // namespace tidepost::sim
