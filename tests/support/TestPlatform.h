#pragma once
#include <QTemporaryDir>

#include "platform/Platform.h"
#include "support/FakeClipboard.h"
#include "support/FakeClockSetter.h"
#include "support/FakeDiskSpace.h"
#include "support/FakeFileDialogs.h"
#include "support/FakeInstanceLock.h"
#include "support/FakeOsFacts.h"
#include "support/FakeParallelPort.h"
#include "support/FakePrinter.h"
#include "support/FakeSerialControl.h"
#include "support/FakeSettingsStore.h"
#include "support/FakeSlpDiscovery.h"
#include "support/FakeSocketControl.h"
#include "support/ManualClock.h"
#include "support/FakeSoundPlayer.h"
#include "support/FakeTrayIcon.h"
#include "support/FakeScreenSaver.h"
#include "support/FakeWebBrowser.h"
#include "support/ScriptedMessageBoxes.h"

namespace tidepost::test {

// Fakes of every adapter and a fresh temporary program folder and data folder.
struct TestPlatform {
    TestPlatform();
    QString DataFolder() const { return m_data.path(); }
    QString ProgramFolder() const { return m_program.path(); }
    // Writes a file (bytes as given) below the data folder and returns its path.
    QString WriteDataFile(const QString& name, const QByteArray& bytes) const;
    QByteArray ReadDataFile(const QString& name) const;

    FakeSettingsStore Settings;
    ScriptedMessageBoxes Boxes;
    ManualClock Clock;
    FakeSerialControl Serial;
    FakeSocketControl Socket;
    FakeOsFacts OsFacts;
    FakeTrayIcon Tray;
    FakeSoundPlayer Sound;
    FakeDiskSpace Disk;
    FakeSlpDiscovery Slp;
    FakePrinter Printer;
    FakeFileDialogs Files;
    FakeClipboard Clipboard;
    FakeInstanceLock Instance;
    FakeScreenSaver ScreenSaver;
    FakeParallelPort ParallelPort;
    FakeClockSetter ClockSetter;
    FakeWebBrowser Browser;
    Platform Os;

private:
    QTemporaryDir m_data;
    QTemporaryDir m_program;
};

}  // namespace tidepost::test
