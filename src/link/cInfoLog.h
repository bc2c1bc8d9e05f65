#pragma once
#include <QDateTime>
#include <QList>
#include <QString>

namespace tidepost {

struct Foundation;

// One entry of the info log as the reader returns it. An entry the reader could not take in
// keeps these defaults: no date, kind 0, number 0, no text.
struct InfoLogEntry {
    quint8 InfoType = 0;  // 1 INFO, 2 ERROR, 4 in-harbour signal
    qint16 InfoNumber = 0;
    QString InfoMessage;
    QDateTime oDate;
};

// "InfoLog.txt" in the data folder: the transceiver's notifications and a few events of other
// parts of the program, newest first, at most 500 lines. A line holds four fields separated by
// STX: "yyyy-mm-dd hh:nn:ss", kind, number, text in one-line form.
class cInfoLog {
public:
    static constexpr int kMaxLines = 500;

    explicit cInfoLog(Foundation& f) : m_f(f) {}

    // The number of lines the last ReadInfoLog read.
    qint32 LineCount() const { return m_lineCount; }

    // Puts one entry on top of the log, dropping the lines beyond the limit. True when written.
    // A full disk queues a box; any other failure goes to the error log. Either way the log
    // keeps its previous content.
    bool AddInfo(const QDateTime& DateTime, quint8 InfoType, qint16 Number, const QString& InfoText);

    // Every line of the log in file order, newest first; one element per line. A line that is
    // not four well-formed fields leaves an empty entry at its place. A missing or unreadable log
    // gives no entries and LineCount 0.
    QList<InfoLogEntry> ReadInfoLog();

private:
    Foundation& m_f;
    qint32 m_lineCount = 0;
};

}  // namespace tidepost
