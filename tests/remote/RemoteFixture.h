#pragma once
#include <QDir>
#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

#include "foundation/Foundation.h"
#include "foundation/ILog.h"
#include "link/Link.h"
#include "messages/Messages.h"
#include "remote/MD5Driver.h"
#include "support/TestPlatform.h"

namespace tidepost::test {

// Keeps the lines a decoder or executor writes.
struct LinesLog : ILog {
    bool Log(const QString& text) override {
        Lines.append(text);
        return true;
    }
    QStringList Lines;
};

// The remote area's parts on a temporary data folder; the clock stands at 14:20 local time on
// 10 December 2026.
struct RemoteFixture : ::testing::Test {
    TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    Messages m{f, link};

    RemoteFixture() {
        f.gConfiguration.DataPath = platform.DataFolder();
        platform.Clock.Set(QDateTime(QDate(2026, 12, 10), QTime(14, 20, 5)));
    }
    // The token of a UTC hour ("yyyyMMddHH") and a password.
    QString Token(const QString& hour, const QString& password = "secret123") const {
        return GetMD5Hex(f.Os.Codec, hour + password);
    }
    QByteArray Data(const QString& name) const { return platform.ReadDataFile(name); }
    bool Exists(const QString& name) const { return QFile::exists(platform.DataFolder() + "/" + name); }
    // The lines of RemoteLog.txt without their time stamps.
    QStringList RemoteLogLines() const {
        QStringList lines;
        for (const QString& line : QString::fromLatin1(Data("RemoteLog.txt")).split("\r\n", Qt::SkipEmptyParts)) {
            EXPECT_EQ(line.mid(19, 2), "  ") << line.toStdString();
            lines.append(line.mid(21));
        }
        return lines;
    }
};

}  // namespace tidepost::test
