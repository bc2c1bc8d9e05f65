#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "foundation/Foundation.h"
#include "messages/IspAccessFields.h"
#include "messages/RxErrorCounters.h"
#include "messages/TestForm.h"
#include "platform/QtSettingsStore.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

constexpr quint8 kMsg = kRxErrorKindMessage;
constexpr quint8 kEgc = kRxErrorKindEgc;

struct RxErrorCounters : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    QString Stored(const char* key) { return platform.Settings.Get("Tidepost", "Messages", key, "<none>"); }
};

TEST_F(RxErrorCounters, CountsUpAndDown) {
    EXPECT_TRUE(IncRxErrorCount(f, kMsg, 12));
    EXPECT_EQ(Stored("InMsgRxErrors"), ";12,1");
    EXPECT_TRUE(IncRxErrorCount(f, kMsg, 12));
    EXPECT_EQ(Stored("InMsgRxErrors"), ";12,2");
    EXPECT_EQ(GetRxErrorCount(f, kMsg, 12), 2);

    EXPECT_TRUE(IncRxErrorCount(f, kMsg, 7));
    EXPECT_EQ(Stored("InMsgRxErrors"), ";12,2;7,1");
    EXPECT_TRUE(RemoveRxErrorCount(f, kMsg, 12));
    EXPECT_EQ(Stored("InMsgRxErrors"), ";7,1");
    EXPECT_EQ(GetRxErrorCount(f, kMsg, 12), 0);
    EXPECT_EQ(GetRxErrorCount(f, kMsg, 7), 1);

    // Removing what is not there still writes the list unchanged.
    EXPECT_TRUE(RemoveRxErrorCount(f, kMsg, 99));
    EXPECT_EQ(Stored("InMsgRxErrors"), ";7,1");
}

TEST_F(RxErrorCounters, FiveIsNotFifteen) {
    WriteRxErrorList(f, kMsg, ";15,4");
    EXPECT_EQ(GetRxErrorCount(f, kMsg, 5), 0);
    EXPECT_TRUE(IncRxErrorCount(f, kMsg, 5));
    EXPECT_EQ(Stored("InMsgRxErrors"), ";15,4;5,1");
    EXPECT_EQ(GetRxErrorCount(f, kMsg, 15), 4);
    EXPECT_TRUE(IncRxErrorCount(f, kMsg, 15));
    EXPECT_EQ(Stored("InMsgRxErrors"), ";15,5;5,1");
    EXPECT_TRUE(RemoveRxErrorCount(f, kMsg, 5));
    EXPECT_EQ(Stored("InMsgRxErrors"), ";15,5");
}

TEST_F(RxErrorCounters, KindsAreApart) {
    EXPECT_TRUE(IncRxErrorCount(f, kEgc, 12));
    EXPECT_EQ(Stored("EgcRxErrors"), ";12,1");
    EXPECT_EQ(Stored("InMsgRxErrors"), "<none>");
    EXPECT_EQ(GetRxErrorCount(f, kMsg, 12), 0);
    EXPECT_EQ(GetRxErrorCount(f, kEgc, 12), 1);
    EXPECT_TRUE(RemoveRxErrorCount(f, kMsg, 12));
    EXPECT_EQ(GetRxErrorCount(f, kEgc, 12), 1);
}

TEST_F(RxErrorCounters, OnlyKindsOneAndTwoAreStored) {
    for (const quint8 kind : {quint8(0), quint8(3), quint8(255)}) {
        EXPECT_FALSE(WriteRxErrorList(f, kind, ";1,1"));
        EXPECT_FALSE(IncRxErrorCount(f, kind, 1));
        EXPECT_EQ(ReadRxErrorList(f, kind), "");
        EXPECT_EQ(GetRxErrorCount(f, kind, 1), 0);
    }
    EXPECT_EQ(platform.Settings.SaveCount, 0);
}

// Message IN.000 is counted like any other, so its retries come to an end; a negative number has
// no entry and never grows the list.
TEST_F(RxErrorCounters, NumberZeroCountsAndNegativeNumbersStoreNothing) {
    EXPECT_TRUE(IncRxErrorCount(f, kMsg, 0));
    EXPECT_TRUE(IncRxErrorCount(f, kMsg, 0));
    EXPECT_EQ(Stored("InMsgRxErrors"), ";0,2");
    EXPECT_EQ(GetRxErrorCount(f, kMsg, 0), 2);
    EXPECT_TRUE(RemoveRxErrorCount(f, kMsg, 0));
    EXPECT_EQ(Stored("InMsgRxErrors"), "");

    const int saves = platform.Settings.SaveCount;
    EXPECT_FALSE(IncRxErrorCount(f, kMsg, -3));
    EXPECT_FALSE(RemoveRxErrorCount(f, kMsg, -3));
    EXPECT_EQ(GetRxErrorCount(f, kMsg, -3), 0);
    EXPECT_EQ(platform.Settings.SaveCount, saves);
}

TEST_F(RxErrorCounters, UnreadableCountsAreReplacedNotRepeated) {
    WriteRxErrorList(f, kMsg, ";12,x;7,1");
    EXPECT_EQ(GetRxErrorCount(f, kMsg, 12), 0);
    EXPECT_TRUE(IncRxErrorCount(f, kMsg, 12));
    EXPECT_EQ(Stored("InMsgRxErrors"), ";12,1;7,1");

    WriteRxErrorList(f, kMsg, ";12,300");
    EXPECT_EQ(GetRxErrorCount(f, kMsg, 12), 255);
    EXPECT_TRUE(RemoveRxErrorCount(f, kMsg, 12));
    EXPECT_EQ(Stored("InMsgRxErrors"), "");
}

// The list's ";" and "," survive the per-user settings file, which gives both a meaning.
TEST(RxErrorCountersStore, ListRoundTripsThroughTheRealSettingsStore) {
    QTemporaryDir config;
    test::TestPlatform platform;
    QtSettingsStore store(config.path());
    platform.Os.Settings = &store;
    Foundation f(platform.Os);
    EXPECT_TRUE(IncRxErrorCount(f, kMsg, 12));
    EXPECT_TRUE(IncRxErrorCount(f, kMsg, 12));
    EXPECT_TRUE(IncRxErrorCount(f, kMsg, 7));
    EXPECT_TRUE(IncRxErrorCount(f, kEgc, 3));

    QtSettingsStore reopened(config.path());
    EXPECT_EQ(reopened.Get("Tidepost", "Messages", "InMsgRxErrors", ""), ";12,2;7,1");
    EXPECT_EQ(reopened.Get("Tidepost", "Messages", "EgcRxErrors", ""), ";3,1");
    EXPECT_EQ(GetRxErrorCount(f, kMsg, 12), 2);
    EXPECT_TRUE(RemoveRxErrorCount(f, kMsg, 12));
    EXPECT_EQ(reopened.Get("Tidepost", "Messages", "InMsgRxErrors", ""), ";7,1");
}

TEST(IspAccessFields, TypeNumberAndSmsCode) {
    test::TestPlatform platform;
    Foundation f(platform.Os);
    IspRecord sac;
    sac.Name = "Sea Mail";
    sac.AddressType = "SAC";
    sac.Address = "1234";
    sac.SmsSac = "1255";
    IspRecord x25 = sac;
    x25.Name = "Packet Mail";
    x25.AddressType = "X.25";
    x25.Address = "311044900012";
    IspRecord lower = sac;
    lower.Name = "Lower";
    lower.AddressType = "sac";
    f.gIspList = {sac, x25, lower};

    EXPECT_EQ(GetIspAccessType(f, "Sea Mail"), 6);
    EXPECT_EQ(GetIspAccessType(f, "Packet Mail"), 3);
    EXPECT_EQ(GetIspAccessType(f, "Lower"), 255);
    EXPECT_EQ(GetIspAccessType(f, "Nobody"), 255);
    EXPECT_EQ(GetIspAccessNumber(f, "Packet Mail"), "311044900012");
    EXPECT_EQ(GetIspSmsAccess(f, "Sea Mail"), "1255");
    EXPECT_EQ(GetIspAccessNumber(f, "Nobody"), "");
}

struct TestFormWindow : RxErrorCounters {
    TestForm form{f};
    template <typename T>
    T* Control(const char* name) {
        T* control = form.findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
};

TEST_F(TestFormWindow, ButtonsCountTheInputsNumber) {
    EXPECT_EQ(form.objectName(), "TestForm");
    EXPECT_EQ(Control<QCheckBox>("MsgEgcChoice")->text(), "Msg error");
    EXPECT_EQ(Control<QPushButton>("AddError")->text(), "Add error");
    EXPECT_EQ(Control<QPushButton>("DelError")->text(), "Del error");
    ASSERT_NE(Control<QPushButton>("Command3"), nullptr);
    ASSERT_NE(Control<QLineEdit>("OutputField"), nullptr);

    Control<QCheckBox>("MsgEgcChoice")->setChecked(true);
    Control<QLineEdit>("InputField")->setText("12");
    Control<QPushButton>("AddError")->click();
    Control<QPushButton>("AddError")->click();
    EXPECT_EQ(Control<QLineEdit>("OutputField")->text(), ";12,2");
    EXPECT_EQ(Control<QLabel>("CountLabel")->text(), "2");
    EXPECT_EQ(Stored("InMsgRxErrors"), ";12,2");

    Control<QCheckBox>("MsgEgcChoice")->setChecked(false);
    Control<QPushButton>("AddError")->click();
    EXPECT_EQ(Stored("EgcRxErrors"), ";12,1");
    Control<QPushButton>("DelError")->click();
    EXPECT_EQ(Control<QLineEdit>("OutputField")->text(), "");
    EXPECT_EQ(Control<QLabel>("CountLabel")->text(), "0");
}

// What is no 16-bit number counts message 100.
TEST_F(TestFormWindow, InputThatIsNoNumberBecomes100) {
    for (const char* input : {"abc", "", "70000", "-40000", "1.5"}) {
        const RxErrorTestView view = RunRxErrorTest(f, true, input, true);
        EXPECT_EQ(view.Input, "100") << input;
    }
    EXPECT_EQ(Stored("InMsgRxErrors"), ";100,5");
    EXPECT_EQ(RunRxErrorTest(f, true, "-3", true).Count, "0");
    EXPECT_EQ(Stored("InMsgRxErrors"), ";100,5");
}

}  // namespace
