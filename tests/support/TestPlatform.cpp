#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tidepost::test {

TestPlatform::TestPlatform() {
    Os.Settings = &Settings;
    Os.Boxes = &Boxes;
    Os.Clock = &Clock;
    Os.Serial = &Serial;
    Os.Socket = &Socket;
    Os.OsFacts = &OsFacts;
    Os.Tray = &Tray;
    Os.Sound = &Sound;
    Os.Disk = &Disk;
    Os.Slp = &Slp;
    Os.Printer = &Printer;
    Os.Files = &Files;
    Os.Clipboard = &Clipboard;
    Os.Instance = &Instance;
    Os.ScreenSaver = &ScreenSaver;
    Os.ParallelPort = &ParallelPort;
    Os.ClockSetter = &ClockSetter;
    Os.Browser = &Browser;
    Os.ProgramFolder = m_program.path();
}

QString TestPlatform::WriteDataFile(const QString& name, const QByteArray& bytes) const {
    const QString path = m_data.path() + "/" + name;
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    return path;
}

QByteArray TestPlatform::ReadDataFile(const QString& name) const {
    QFile f(m_data.path() + "/" + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace tidepost::test
