#include <ostream>

#include "SendFixture.h"
#include "messages/SendResult.h"

using namespace tidepost;

namespace {

class OneCallSend : public test::SendTest {
protected:
    QString LogLine() const { return QString::fromLatin1(Read("OUT.IDX")).section("\r\n", 0, 0); }
};

// ---- the codes, in the order the calls check them ----

struct Call {
    const char* name;
    // A direct send (address, type, format) or, with `entries`, one to address-book names.
    QString address;
    quint8 type, format;
    QString entries;
    bool connected;
    QString providerLes, defaultLes;
    qint16 code;
};
void PrintTo(const Call& c, std::ostream* os) { *os << c.name; }

class Codes : public OneCallSend, public ::testing::WithParamInterface<Call> {};

TEST_P(Codes, EachRefusalComesBeforeAnythingIsWrittenOrQueued) {
    const Call& c = GetParam();
    f.gSession.SetMesConnected(c.connected);
    f.gConfiguration.SetDefaultISPLes(kOceanAorW, c.providerLes);
    f.gConfiguration.SetDefaultLes(kOceanAorW, c.defaultLes);
    CTransmission tx(m);
    QString text = "Hello", ref = "unchanged";
    const qint16 code = c.entries.isNull() ? tx.SendMessageToAddress(c.address, c.type, c.format, "Hi", text, ref)
                                           : tx.SendMessageToAddressBookEntry(c.entries, "Hi", text, ref);
    EXPECT_EQ(code, c.code);
    EXPECT_EQ(ref, "unchanged");
    EXPECT_EQ(text, "Hello");
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_EQ(Read("OUT.IDX"), "<missing>");
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, Codes,
    ::testing::Values(
        Call{"BlankAddressEvenOffline", "  ", 1, 1, QString(), false, "101", "112", SendResult::BadAddress},
        Call{"AddressWithALineBreak", "4712345\r\nst -l", 1, 1, QString(), true, "101", "112", SendResult::BadAddress},
        Call{"AddressWithALineFeed", "12345\ndelete IN.001", 5, 1, QString(), true, "101", "112",
             SendResult::BadAddress},
        Call{"NotConnected", "4712345", 1, 1, QString(), false, "101", "112", SendResult::NotConnected},
        Call{"EmailWithoutProviderLes", "ops@owner.example", 0, 1, QString(), true, "", "112",
             SendResult::NoProviderLes},
        Call{"SmsWithoutProviderLes", "4790000000", 8, 1, QString(), true, "", "112", SendResult::NoProviderLes},
        Call{"TelexWithoutDefaultLes", "4712345", 1, 1, QString(), true, "101", "", SendResult::NoDefaultLes},
        Call{"NoEntriesEvenOffline", QString(), 0, 0, "", false, "101", "112", SendResult::NoEntries},
        Call{"EntryNotInTheBook", QString(), 0, 0, "Ops;Gone", true, "101", "112", SendResult::UnknownEntry}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OneCallSend, BeforeAnyOceanIsKnownThereIsNoStation) {
    test::TestPlatform fresh;
    f.gConfiguration = Foundation{fresh.Os}.gConfiguration;
    for (auto [type, code] : {std::pair<quint8, qint16>{1, SendResult::NoDefaultLes}, {0, SendResult::NoProviderLes}}) {
        CTransmission tx(m);
        QString text = "Hello", ref;
        EXPECT_EQ(tx.SendMessageToAddress("4712345", type, 1, "Hi", text, ref), code);
    }
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
}

TEST_F(OneCallSend, AnEmailIsFormattedQueuedAndLogged) {
    CTransmission tx(m);
    QString text = "Log attached", ref;
    ASSERT_EQ(tx.SendMessageToAddress("ops@owner.example;crew@owner.example", 0, 1, "Log", text, ref),
              SendResult::Submitted);
    EXPECT_EQ(ref, "12070301.out");
    const QString formatted = "To: ops@owner.example,crew@owner.example\r\nSubject: Log\r\nLog attached";
    EXPECT_EQ(text, formatted) << "the caller's text is the formatted one";
    EXPECT_EQ(Read("12070301.out"), formatted.toLatin1() + "\r\n");
    const QString n = QString::number(formatted.size());
    EXPECT_EQ(link.Dialogue.CommandQueue, "tr 12070301.out -b " + n + "\r\nls 12070301.out\r\n"
                                          "tx 12070301.out -c 101 -s 0 -t 255 -l 0 -e 5678 -n -v\r\n");
    EXPECT_EQ(LogLine(), "12070301.out;-;101;E-Mail 7 Bit;12-07-03;09:05; 12;<None>;Initiated;1;0;0;0;03;07;09;05;"
                         "ops@owner.example,crew@owner.example;;;Log");
}

TEST_F(OneCallSend, AnEightBitMobileGoesWithItsOwnDestinationCode) {
    CTransmission tx(m);
    QString text = "Data", ref;
    ASSERT_EQ(tx.SendMessageToAddress("4712345", 3, 2, "", text, ref), SendResult::Submitted);
    EXPECT_TRUE(link.Dialogue.CommandQueue.endsWith("tx 12070301.out -c 112 -s 0 -t 3 -l 7 -n -v\r\n"))
        << link.Dialogue.CommandQueue.toStdString();
}

TEST_F(OneCallSend, AnSmsCarriesItsSubjectLine) {
    CTransmission tx(m);
    QString text = "Arriving 18:00", ref;
    ASSERT_EQ(tx.SendMessageToAddress("4790000000", 8, 1, "ETA", text, ref), SendResult::Submitted);
    EXPECT_EQ(text, "SMS:4790000000#Subject: ETA\r\n\r\nArriving 18:00");
    EXPECT_TRUE(link.Dialogue.CommandQueue.endsWith("-t 6 -l 0 -e 1255 -n -v\r\n"));
}

TEST_F(OneCallSend, ADirectDnidSendHasNoMember) {
    CTransmission tx(m);
    QString text = "Fleet notice", ref;
    ASSERT_EQ(tx.SendMessageToAddress("12345", 6, 2, "", text, ref), SendResult::Submitted);
    EXPECT_TRUE(link.Dialogue.CommandQueue.endsWith("tx 12070301.out -c 112 -s 0 -t 5 -l 7 -e 12345, -n -v\r\n"));
    EXPECT_EQ(LogLine().section(';', 1, 1), "12345,");
}

TEST_F(OneCallSend, ADnidEntryKeepsItsMember) {
    CTransmission tx(m);
    QString text = "Fleet notice", ref;
    ASSERT_EQ(tx.SendMessageToAddressBookEntry("Fleet", "", text, ref), SendResult::Submitted);
    EXPECT_TRUE(link.Dialogue.CommandQueue.endsWith("tx 12070301.out -c 112 -s 0 -t 5 -l 7 -e 12345,7 -n -v\r\n"))
        << link.Dialogue.CommandQueue.toStdString();
    EXPECT_EQ(LogLine().section(';', 17, 17), "Fleet");
}

TEST_F(OneCallSend, OnlyTheFirstGroupOfTheEntriesIsSent) {
    CTransmission tx(m);
    QString text = "Hello", ref;
    ASSERT_EQ(tx.SendMessageToAddressBookEntry("Agent;Ops", "Hi", text, ref), SendResult::Submitted);
    EXPECT_EQ(OutboxFiles(), (QStringList{"12070301.out", "OUT.IDX"}));
    EXPECT_EQ(link.Dialogue.CommandQueue.count("tx "), 1);
    EXPECT_TRUE(link.Dialogue.CommandQueue.contains("-c 101 -s 0 -t 255")) << "the e-mail group comes first";
    EXPECT_EQ(LogLine().section(';', 1, 1), "ops@owner.example");
    EXPECT_EQ(LogLine().section(';', 17, 17), "Ops");
}

TEST_F(OneCallSend, WithoutAnOutboxNothingIsUploaded) {
    f.gOutboxDir.clear();
    CTransmission tx(m);
    QString text = "Hello", ref;
    EXPECT_EQ(tx.SendMessageToAddress("4712345", 1, 1, "Hi", text, ref), SendResult::UploadFailed);
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
}

}  // namespace
