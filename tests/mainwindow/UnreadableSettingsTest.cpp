#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <functional>
#include <memory>

#include "foundation/Foundation.h"
#include "link/IPollWindow.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"
#include "link/CommandQueue.h"
#include "foundation/MessageBoxQueue.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// The program with a folder where its settings file should be: what a user meets when a file
// manager or a wrong command made "Tidepost.ini" a folder.
struct UnreadableSettings : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    std::unique_ptr<MainForm> form = std::make_unique<MainForm>(f, link);

    UnreadableSettings() {
        QFile marker(platform.ProgramFolder() + "/DataPath.txt");
        EXPECT_TRUE(marker.open(QIODevice::WriteOnly));
        marker.write(platform.DataFolder().toLocal8Bit());
        marker.close();
        EXPECT_TRUE(QDir().mkdir(platform.DataFolder() + "/Tidepost.ini"));
    }

    // Fires the timer's tick as the event loop would.
    void Fire(const char* timer) {
        ASSERT_TRUE(QMetaObject::invokeMethod(form->findChild<QTimer*>(timer), "timeout")) << timer;
    }
    // A stretch of the program's life: every running timer ticks at its interval (the manual
    // clock moves along), and the message timer shows what was queued.
    void RunFor(int seconds) {
        for (int ms = 10; ms <= seconds * 1000; ms += 10) {
            platform.Clock.AdvanceMs(10);
            // A timer whose interval is no multiple of the step ticks at the first step after it.
            for (const QTimer* timer : form->findChildren<QTimer*>())
                if (timer->isActive() && (timer->interval() == 0 || ms % timer->interval() < 10))
                    Fire(qPrintable(timer->objectName()));
        }
    }
    QList<MessageBoxRequest> ErrorBoxes() const {
        QList<MessageBoxRequest> boxes;
        for (const MessageBoxRequest& box : platform.Boxes.Shown)
            if (box.text.contains(") Error '")) boxes << box;
        return boxes;
    }
};

TEST_F(UnreadableSettings, StartUpShowsOneBoxAndTheProgramRunsOn) {
    form->Form_Load({"tidepost"});
    ASSERT_EQ(platform.Boxes.Shown.size(), 1) << "the start-up's own report, at once";
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Error 75");
    EXPECT_TRUE(platform.Boxes.Shown[0].text.startsWith("(CreateIniFile104) Error '75': "));

    // Later boxes are the data check's notices of the working folders it set up.
    RunFor(65);
    EXPECT_EQ(ErrorBoxes().size(), 1) << (ErrorBoxes().size() > 1 ? ErrorBoxes()[1].text.toStdString() : "");
    // The polls run; the timers with nothing to do rest, and work starts them.
    for (const char* timer : {"Timer2", "Timer_60S"}) EXPECT_TRUE(form->findChild<QTimer*>(timer)->isActive()) << timer;
    QueueCommand(link, "ver", true, false);
    QueueMessageBox(f, "a notice");
    for (const char* timer : {"Timer1", "EventTimer", "Winsock_timer", "MBoxTimer"})
        EXPECT_TRUE(form->findChild<QTimer*>(timer)->isActive()) << timer;
    EXPECT_TRUE(QFileInfo(platform.DataFolder() + "/Tidepost.ini").isDir()) << "nothing replaced the user's folder";
}

TEST_F(UnreadableSettings, FirstReadInsideATickIsQueuedAndShownOnce) {
    f.gConfiguration.DataPath = platform.DataFolder();
    for (const char* timer : {"Timer1", "Timer2", "Timer_60S", "EventTimer", "Winsock_timer", "MBoxTimer"})
        form->findChild<QTimer*>(timer)->start();
    RunFor(65);
    const QList<MessageBoxRequest> errors = ErrorBoxes();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].text.startsWith("(CreateIniFile104) Error '75': "));
    // Shown by the message timer, not inside the tick that met the failure.
    EXPECT_EQ(errors[0].title, "Tidepost Info");
}

// The clock question's window of a later area is modal: its event loop delivers the event
// timer's ticks while it is open.
class ModalSetTimeWindow : public IPollWindow {
public:
    QString Label11Caption() const override { return m_label11; }
    void SetLabel11Caption(const QString& caption) override { m_label11 = caption; }
    bool IsASISFormVisible() const override { return false; }
    void ShowSetTimeForm() override {
        ++Shown;
        if (WhileOpen) WhileOpen();
    }
    int Shown = 0;
    std::function<void()> WhileOpen;

private:
    QString m_label11 = "T2: ";
};

TEST_F(UnreadableSettings, TickIsNotReenteredByTheEventLoopOfAWindowItOpens) {
    ASSERT_TRUE(QDir().rmdir(platform.DataFolder() + "/Tidepost.ini"));
    f.gConfiguration.DataPath = platform.DataFolder();
    ModalSetTimeWindow window;
    link.Windows.PollWindow = &window;
    window.WhileOpen = [&] {
        window.WhileOpen = nullptr;
        link.Dialogue.CommandQueue.clear();
        Fire("EventTimer");
        Fire("EventTimer");
        Fire("Timer2");
        // Other timers tick on under the window.
        EXPECT_TRUE(link.Dialogue.CommandQueue.contains("st -l"));
    };
    Fire("EventTimer");
    EXPECT_EQ(window.Shown, 1);
    Fire("EventTimer");
    EXPECT_EQ(window.Shown, 2) << "the next tick after the window closed runs";
    link.Windows.PollWindow = nullptr;
}

}  // namespace
