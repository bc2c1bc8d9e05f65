#pragma once
#include <QDir>
#include <QFile>
#include <ostream>

#include "TransmissionFixture.h"
#include "foundation/Definitions.h"
#include "support/FakeFlexGrid.h"
#include "support/FakeMessageEditor.h"
#include "support/FakeMessagesWindow.h"

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace tidepost::test {

// Sending from the editor or in one call: the sent-items folder "sent items" of the data folder
// with its grid and view, the fake editor, a connected transceiver in the Atlantic West region
// whose default LES is 112 and whose e-mail provider "Shore Mail" (reached by 5678, SMS by 1255,
// with "To: ", "Cc: " and "Subject: " headers and "," between addresses) is served by LES 101.
// The book holds the e-mail names Ops and Crew, the telex name Agent, the SMS name Skipper and
// the DNID name Fleet (DNID 12345, member 7). The manual clock stands at 3 July 2012, 09:05.
class SendTest : public TransmissionTest {
protected:
    SendTest() {
        outbox = platform.DataFolder() + "/sent items";
        QDir().mkpath(outbox);
        f.gOutboxDir = outbox + "/";
        f.gIniEntries.Items.append({"[outbox]", f.gOutboxDir});
        f.gIniEntries.Items.append({QStringLiteral("[Default ISP]"), QStringLiteral("Shore Mail")});
        f.gIniEntries.LoadTried = true;
        f.gIspList[2].ToPrefix = "To: ";
        f.gIspList[2].CcPrefix = "Cc: ";
        f.gIspList[2].SubjectPrefix = "Subject: ";
        f.gIspList[2].Delimiter = ",";
        f.gIspList[2].SmsSac = "1255";
        f.gIspList[2].SmsPrefix = "SMS:";
        f.gIspList[2].SmsPostfix = "#";
        InitDestinationTypeNames(f);
        f.gSession.SetMesConnected(true);
        f.gConfiguration.SetLastOcean(kOceanAorW);
        f.gConfiguration.SetDefaultLes(kOceanAorW, "112");
        f.gConfiguration.SetDefaultISPLes(kOceanAorW, "101");
        m.OutboxMSGrid = &grid;
        m.Editor = &editor;
        m.Window = &views;
        UseBook("Ops:Email:7:ops@owner.example\r\nCrew:Email:7:crew@owner.example\r\nAgent:Telex:7:47123456\r\n"
                "Skipper:SMS:7:4790000000\r\nFleet:DNID:8:12345:7\r\n");
    }

    QByteArray Read(const QString& name) const {
        QFile file(outbox + "/" + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QStringList OutboxFiles() const { return QDir(outbox).entryList(QDir::Files, QDir::Name); }
    QStringList BoxTitles() const {
        QStringList out;
        for (const MessageBoxRequest& box : platform.Boxes.Shown) out << box.title;
        return out;
    }

    // The editor's message: its address fields as the editor keeps them (each name and ";").
    void Compose(const QString& to, const QString& cc = {}, const QString& bcc = {}, const QString& subject = "Noon",
                 const QString& text = "All well") {
        editor.Fields[0] = to;
        editor.Fields[1] = cc;
        editor.Fields[2] = bcc;
        editor.Subject = subject;
        editor.Text = text;
    }
    bool EditorKept() const { return !editor.Fields[0].isEmpty() || !editor.Fields[1].isEmpty(); }

    QString outbox;
    FakeFlexGrid grid;
    FakeMessageEditor editor;
    FakeMessagesWindow views;
};

}  // namespace tidepost::test
