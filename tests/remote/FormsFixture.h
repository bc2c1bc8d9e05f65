#pragma once
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>

#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/cErrorQueue.h"
#include "link/Link.h"
#include "messages/Messages.h"
#include "remote/HttpServerProcessing.h"
#include "support/TestPlatform.h"

namespace tidepost::test {

// The forms server's world: a data folder with its forms folder "html", an inbox and a sent-items
// folder, and one request handler whose sends are recorded instead of queued.
struct FormsFixture : ::testing::Test {
    TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    Messages m{f, link};
    cHttpServerProcessing http{f, m};

    struct SendCall {
        bool toBook = false;
        QString to, subject, text;
        quint8 format = 0;
    };
    QList<SendCall> sends;
    qint16 sendResult = 1000;

    FormsFixture() {
        f.gConfiguration.DataPath = platform.DataFolder();
        QDir().mkpath(platform.DataFolder() + "/html");
        QDir().mkpath(platform.DataFolder() + "/Inbox");
        QDir().mkpath(platform.DataFolder() + "/sent items");
        f.gInboxDir = platform.DataFolder() + "/Inbox/";
        f.gOutboxDir = platform.DataFolder() + "/sent items/";
        f.gIniEntries.Loaded = true;
        f.gIniEntries.LoadTried = true;
        f.gIniEntries.Items = {{"[outbox]", f.gOutboxDir}};
        http.Send = [this](bool toBook, const QString& to, quint8 format, const QString& subject, QString& text,
                           QString& ref) {
            sends.append({toBook, to, subject, text, format});
            ref = "26011501.out";
            return sendResult;
        };
    }
    void Form(const QString& name, const QByteArray& text) const { platform.WriteDataFile("html/" + name, text); }
    QString Get(const QString& target) { return http.ProcessData("GET " + target + " HTTP/1.1\r\nHost: x\r\n\r\n"); }
    QString Post(const QString& target, const QString& body) {
        return http.ProcessData("POST " + target + " HTTP/1.1\r\nHost: x\r\n\r\n" + body);
    }
    QStringList QueuedTexts() {
        QStringList texts;
        cErrorQueue& queue = ErrorQueue(f);
        while (queue.Count() > 0) texts.append(queue.Dequeue().toString());
        return texts;
    }
};

}  // namespace tidepost::test
