#pragma once
#include <QList>
#include <QString>
#include <QStringList>

namespace tidepost {

struct Foundation;

struct EnidEntry {
    qint32 Enid = 0;
    QString Provider;
    quint8 Enabled = 1;
    bool operator==(const EnidEntry&) const = default;
};

// The EGC network IDs the transceiver holds, as its last "st -g" reply listed them.
class cENID {
public:
    explicit cENID(Foundation& f) : m_f(f) {}

    bool m_IsLoaded() const { return m_isLoaded; }
    qint16 m_CountEnids() const { return static_cast<qint16>(m_enids.size()); }
    // Replaces the list with the reply's; lines are ended by `echoTerminator`. Broken lines are
    // logged and skipped.
    void SaveData(const QString& buffer, const QString& echoTerminator);
    // A sample reply for trying the list without a transceiver.
    static QString LoadTestData(const QString& echoTerminator);
    QList<EnidEntry> GetEnids() const { return m_enids; }

private:
    Foundation& m_f;
    bool m_isLoaded = false;
    QList<EnidEntry> m_enids;
};

// The commands that switch the rows whose box differs from the state read ("st -g e89",
// "st -g d89"), in row order.
QStringList EnidSwitchCommands(const QList<EnidEntry>& read, const QList<bool>& ticked);

}  // namespace tidepost
