#pragma once
#include <QDir>
#include <QFile>
#include <QStringList>

#include "foundation/IniFile.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/cErrorQueue.h"
#include "messages/cOutBox.h"
#include "support/FakeFlexGrid.h"
#include "support/FakeMessagesWindow.h"
#include "messages/MessagesFixture.h"

namespace tidepost::test {

// The message area with a sent-items folder ("sent items/" of the data folder, also the
// settings-file key "[outbox]"), the fake main window's message views and a sent-items grid that
// holds only its caption row.
struct OutboxFixture : MessagesFixture {
    FakeFlexGrid grid;
    FakeMessagesWindow views;
    QString outbox;  // the folder, without a final separator

    OutboxFixture() {
        outbox = platform.DataFolder() + "/sent items";
        QDir().mkpath(outbox);
        f.gOutboxDir = outbox + "/";
        f.gIniEntries.Loaded = true;
        f.gIniEntries.LoadTried = true;
        f.gIniEntries.Items = {{"[outbox]", f.gOutboxDir}};
        m.Window = &views;
        m.OutboxMSGrid = &grid;
    }

    cOutBox& OutBox() { return GetOutBox(m); }

    void Write(const QString& name, const QByteArray& bytes) const {
        QFile file(outbox + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray Read(const QString& name) const {
        QFile file(outbox + "/" + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QStringList Entries() const {
        return QDir(outbox).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    }
    // The texts waiting in the message-box queue, oldest first.
    QStringList QueuedTexts() {
        QStringList texts;
        cErrorQueue& queue = ErrorQueue(f);
        while (queue.Count() > 0) texts.append(queue.Dequeue().toString());
        return texts;
    }
};

// A submission line of 21 fields as the send road writes it.
inline QByteArray SubmissionLine(const QString& file, const QString& les, const QString& ref, const QString& status,
                                 const QString& to = "Alice", const QString& cc = "", const QString& bcc = "") {
    return (file + ";alice@example.org;" + les + ";E-Mail 7 Bit;12-07-03;09:05; 12;" + ref + ";" + status +
            ";0;0;0;0;03;07;09;05;" + to + ";" + cc + ";" + bcc + ";Hello")
        .toLatin1();
}

// The text of a log of these lines, each ending CR LF.
inline QByteArray Lines(const QList<QByteArray>& lines) {
    QByteArray text;
    for (const QByteArray& line : lines) text += line + "\r\n";
    return text;
}

// A distress-alert line with the given status.
inline QByteArray DistressLine(const QString& status) {
    return ("-;MRCC;Auto;Distress Alert;12-07-02;18:30;-;-;" + status +
            ";0;0;0;0;0;0;0;0;SEARCH & RESCUE;;;SEARCH & RESCUE")
        .toLatin1();
}

}  // namespace tidepost::test
