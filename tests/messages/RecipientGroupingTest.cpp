#include <algorithm>
#include <ostream>
#include <vector>

#include "TransmissionFixture.h"

using namespace tidepost;

namespace {

using RecipientGroupingTest = test::TransmissionTest;
using test::Items;

TEST_F(RecipientGroupingTest, ANewTransmissionIsEmpty) {
    const CTransmission tx(m);
    EXPECT_EQ(tx.Presentation(), 0);
    EXPECT_EQ(tx.Service(), 0);
    EXPECT_EQ(tx.NetworkType(), 0);
    EXPECT_EQ(tx.Priority, 0);
    EXPECT_EQ(tx.Status(), 0);
    EXPECT_EQ(tx.DestinationCode(), 0);
    EXPECT_FALSE(tx.AddressesFound());
    EXPECT_FALSE(tx.RequestConfirmation() || tx.PrintMessage() || tx.DESEncrypted());
    EXPECT_TRUE(tx.ISP.isEmpty() && tx.LESUsed.isEmpty() && tx.OutFileName().isEmpty() &&
                tx.DestinationExt().isEmpty() && tx.TransmissionDate().isEmpty() && tx.TransmissionTime().isEmpty());
    EXPECT_EQ(tx.CurrentGroup().Type, 0);
    EXPECT_EQ(tx.CurrentGroup().Format, 0);
    EXPECT_EQ(tx.Message().Status, 1);
    EXPECT_EQ(tx.Message().GetAddressMatrix(), RecipientMatrix{});
}

TEST_F(RecipientGroupingTest, EmailOfToAndCcTogetherThenTelexThenNothing) {
    UseBook("Ops:Email:7:ops@owner.example\r\nCrew:Email:7:crew@owner.example\r\nAgent:Telex:7:47123456\r\n");
    RecipientMatrix rest = Names({"Ops", "Agent"}, {"Crew"});

    CTransmission mail = Transmission();
    rest = mail.SortRecipients(rest);
    EXPECT_TRUE(mail.AddressesFound());
    EXPECT_EQ(mail.Status(), 4);
    EXPECT_EQ(mail.CurrentGroup().Type, 0);
    EXPECT_EQ(mail.CurrentGroup().Format, 1);
    EXPECT_EQ(mail.Message().GetAddressCell(0, 1, 0), "Ops");
    EXPECT_EQ(mail.Message().GetAddressCell(0, 1, 1), "Crew");
    EXPECT_EQ(Items(mail.Message().GetAddressMatrix()), QStringList({"Ops", "Crew"}));
    EXPECT_EQ(Items(rest), QStringList{"Agent"});

    CTransmission telex = Transmission();
    rest = telex.SortRecipients(rest);
    EXPECT_TRUE(telex.AddressesFound());
    EXPECT_EQ(telex.CurrentGroup().Type, 1);
    EXPECT_EQ(telex.Message().GetAddressCell(1, 1, 0), "Agent");
    EXPECT_EQ(rest, RecipientMatrix{});

    CTransmission none = Transmission();
    rest = none.SortRecipients(rest);
    EXPECT_FALSE(none.AddressesFound());
    EXPECT_EQ(none.Status(), 0);
    EXPECT_EQ(none.Message().GetAddressMatrix(), RecipientMatrix{});
}

TEST_F(RecipientGroupingTest, OneGroupPerDnidAndMember) {
    UseBook("FleetA:DNID:8:12345:7\r\nFleetB:DNID:8:54321:7\r\nFleetA2:DNID:8:12345:7\r\n");
    RecipientMatrix rest = Names({"FleetA", "FleetB", "FleetA2"});

    CTransmission first = Transmission();
    rest = first.SortRecipients(rest);
    EXPECT_EQ(first.Message().GetAddressCell(6, 2, 0), "FleetA;FleetA2");
    EXPECT_EQ(first.DestinationCode(), 5);
    EXPECT_EQ(first.DestinationExt(), "12345,7");
    EXPECT_EQ(rest.Cell(6, 2, 0), "FleetB");

    CTransmission second = Transmission();
    rest = second.SortRecipients(rest);
    EXPECT_EQ(second.Message().GetAddressCell(6, 2, 0), "FleetB");
    EXPECT_EQ(second.DestinationExt(), "54321,7");
    EXPECT_TRUE(Items(rest).isEmpty());
}

// Names taken out of a cell leave the others in order; a pair of separators left by an empty item
// becomes one, in one pass.
TEST_F(RecipientGroupingTest, TakenNamesLeaveTheirCell) {
    UseBook("A:DNID:5:1:1\r\nB:DNID:5:2:1\r\n");
    const struct {
        const char* name;
        QString cell;
        QString after;
    } cases[] = {
        {"the first of three", "A;B;B", "B;B"},
        {"the first and the last", "A;B;A", "B"},
        {"every one", "A;A", ""},
        {"an empty item before and one between", ";A;;B", ";B"},
        {"three empty items between", "A;;;;B", ";;B"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecipientMatrix names;
        names.Cell(6, 0, 1) = c.cell;
        CTransmission tx = Transmission();
        const RecipientMatrix rest = tx.SortRecipients(names);
        EXPECT_EQ(rest.Cell(6, 0, 1), c.after);
        EXPECT_EQ(Items(tx.Message().GetAddressMatrix()), QStringList(c.cell.count('A'), "A"));
    }
}

TEST_F(RecipientGroupingTest, TwoCharacterPrefixOfADialledNumberAsksForServiceOne) {
    UseBook("T2:Telex:5:123:12\r\nT1:Telex:5:123:1\r\nT3:Telex:5:123:123\r\nT0:Telex:5:123\r\n"
            "F2:Fax:7:123:12\r\nC2:InmC:7:123:12\r\nP2:PSTN:7:123:12\r\nX2:X25:5:123:12\r\n"
            "M2:Email:5:a@b.c:12\r\nD2:DNID:5:123:12\r\n");
    const struct {
        const char* name;
        int service;
    } cases[] = {{"T2", 1}, {"T1", 0}, {"T3", 0}, {"T0", 0}, {"F2", 1}, {"C2", 1},
                 {"P2", 1}, {"X2", 1}, {"M2", 0}, {"D2", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CTransmission tx = Transmission();
        tx.SortRecipients(Names({c.name}));
        ASSERT_TRUE(tx.AddressesFound());
        EXPECT_EQ(tx.Service(), c.service);
    }
}

TEST_F(RecipientGroupingTest, SubmissionCodesOfEachTypeAndFormat) {
    UseBook("Mail:Email:7:ops@owner.example\r\nTlx:Telex:5:1\r\nFx:Fax:8:2\r\nC5:InmC:5:3\r\nC7:InmC:7:3\r\n"
            "C8:InmC:8:3\r\nModem:PSTN:7:4\r\nSac:SAC:5:32\r\nFleet:DNID:8:12345:7\r\nPad:X25:5:5:12\r\n"
            "Sms:SMS:7:+4790000001\r\n");
    const struct {
        const char* name;
        const char* provider;
        int presentation;
        int code;
        QString ext;
    } cases[] = {
        {"Mail", "Sea Mail", 0, 6, "1234"},    // the provider is reached by its special access code
        {"Mail", "Packet Mail", 0, 3, ""},     // over X.25: the address goes into the text instead
        {"Mail", "Shore Mail", 0, 255, "5678"},
        {"Mail", "Unknown", 0, 255, ""},
        {"Tlx", "Sea Mail", 6, 0, ""},
        {"Fx", "Sea Mail", 7, 1, "T30"},
        {"C5", "Sea Mail", 6, 0, ""},
        {"C7", "Sea Mail", 0, 0, ""},
        {"C8", "Sea Mail", 7, 3, ""},
        {"Modem", "Sea Mail", 0, 1, "V22B"},
        {"Sac", "Sea Mail", 6, 6, "32"},
        {"Fleet", "Sea Mail", 7, 5, "12345,7"},
        {"Pad", "Sea Mail", 6, 3, ""},
        {"Sms", "Sea Mail", 0, 6, "1255"},
        {"Sms", "Packet Mail", 0, 6, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " through " + c.provider);
        CTransmission tx = Transmission(c.provider);
        tx.SortRecipients(Names({c.name}));
        ASSERT_TRUE(tx.AddressesFound());
        EXPECT_EQ(tx.Presentation(), c.presentation);
        EXPECT_EQ(tx.DestinationCode(), c.code);
        EXPECT_EQ(tx.DestinationExt(), c.ext);
    }
}

TEST_F(RecipientGroupingTest, PresentationAndDestinationOutsideTheirCodesChangeNothing) {
    CTransmission tx = Transmission();
    ASSERT_TRUE(tx.SetPresentation(2));
    ASSERT_TRUE(tx.SetDestination(2, "", ""));
    EXPECT_FALSE(tx.SetPresentation(3));
    EXPECT_TRUE(tx.SetDestination(9, "1", "2"));
    EXPECT_EQ(tx.Presentation(), 7);
    EXPECT_EQ(tx.DestinationCode(), 1);
    EXPECT_EQ(tx.DestinationExt(), "T30");
}

TEST_F(RecipientGroupingTest, DistressGoesToTheTelexToItemAndKeepsTheNames) {
    UseBook("Ops:Email:7:ops@owner.example\r\nAgent:Telex:7:47123456\r\n");
    f.gSession.SetMessagePriority(kDistressPriority);
    RecipientMatrix names = Names({"Ops"});
    names.Cell(0, 1, 1) = "Ops";
    names.Cell(1, 1, 2) = "Agent";
    ASSERT_EQ(names.Cell(1, 1, 0), "00000;");

    CTransmission tx = Transmission();
    tx.Priority = kDistressPriority;
    EXPECT_EQ(tx.SortRecipients(names), names);
    EXPECT_TRUE(tx.AddressesFound());
    EXPECT_EQ(tx.Status(), 4);
    EXPECT_EQ(tx.CurrentGroup().Type, 1);
    EXPECT_EQ(tx.CurrentGroup().Format, 1);
    EXPECT_EQ(tx.Service(), 0);
    EXPECT_EQ(tx.Presentation(), 0);
    EXPECT_EQ(tx.DestinationCode(), 0);
    EXPECT_TRUE(tx.DestinationExt().isEmpty());
    EXPECT_EQ(Items(tx.Message().GetAddressMatrix()), QStringList{"00000"});

    // "00000" is no address-book name: it is sent as it stands.
    EXPECT_TRUE(tx.ConvertAddresses());
    EXPECT_EQ(tx.Message().GetAddressCell(1, 1, 0), "00000");
}

TEST_F(RecipientGroupingTest, ANameMissingFromTheBookFormsNoGroup) {
    UseBook("Ops:Email:7:ops@owner.example\r\nAgent:Telex:7:47123456\r\n");
    RecipientMatrix names = Names({"Ops"}, {}, {"Agent"});
    names.Cell(0, 1, 1) = "Gone";

    CTransmission tx = Transmission();
    EXPECT_EQ(tx.SortRecipients(names), RecipientMatrix{});
    EXPECT_FALSE(tx.AddressesFound());
    EXPECT_EQ(tx.Status(), 0);
    EXPECT_EQ(tx.Message().GetAddressMatrix(), RecipientMatrix{});
    EXPECT_EQ(tx.DestinationCode(), 0);
    EXPECT_TRUE(tx.DestinationExt().isEmpty());
}

TEST_F(RecipientGroupingTest, ConversionStopsAtAMissingNameAndKeepsWhatItConverted) {
    UseBook("Agent:Telex:7:+47123456\r\nFx:Fax:7:+4711\r\n");
    CTransmission tx = Transmission();
    tx.Message().SetAddressCell("Agent", 1, 1, 0);
    tx.Message().SetAddressCell("Fx;Gone;Fx", 2, 1, 0);
    tx.Message().SetAddressCell("Fx", 2, 1, 1);
    EXPECT_FALSE(tx.ConvertAddresses());
    EXPECT_EQ(tx.Message().GetAddressCell(1, 1, 0), "47123456");
    EXPECT_EQ(tx.Message().GetAddressCell(2, 1, 0), "Fx;Gone;Fx");
    EXPECT_EQ(tx.Message().GetAddressCell(2, 1, 1), "Fx");
}

TEST_F(RecipientGroupingTest, EmptyNamesFormNoGroup) {
    UseBook("Ops:Email:7:ops@owner.example\r\n");
    RecipientMatrix names;
    names.Cell(0, 1, 0) = ";";
    CTransmission tx = Transmission();
    EXPECT_EQ(tx.SortRecipients(names), names);
    EXPECT_FALSE(tx.AddressesFound());
    EXPECT_EQ(tx.Status(), 0);
    EXPECT_TRUE(tx.ConvertAddresses());
}

// The address the transceiver gets for an entry of one name.
TEST_F(RecipientGroupingTest, ConvertsNamesToTransceiverAddresses) {
    UseBook("FaxPlus:Fax:7:+4712345678\r\n"
            "FaxZeros:Fax:7:004712345678\r\n"
            "FaxZerosPlus:Fax:7:00+4712345678\r\n"
            "FaxPlusZeros:Fax:7:+004712345678\r\n"
            "FaxTwoZeros:Fax:7:00004712345678\r\n"
            "C8:InmC:8:581123456\r\n"
            "C8Plus:InmC:8:+584123456\r\n"
            "C7:InmC:7:581123456\r\n"
            "Pad580:X25:5:580112233\r\n"
            "Pad582:X25:7:582112233:34\r\n"
            "Pad585:X25:5:585112233\r\n"
            "TelexPrefix:Telex:5:0047123456:12\r\n"
            "ModemPlus:PSTN:7:+4722334455\r\n"
            "Mail:Email:5:+00ops@owner.example\r\n"
            "Sac:SAC:5:0032\r\n"
            "Fleet:DNID:8:0012345:7\r\n"
            "Sms:SMS:7:+4790000001\r\n"
            "Mixed:fax:7:00441234\r\n");
    const struct {
        const char* name;
        int type;
        int format;
        QString address;
    } cases[] = {
        {"FaxPlus", 2, 1, "4712345678"},
        {"FaxZeros", 2, 1, "4712345678"},
        {"FaxZerosPlus", 2, 1, "4712345678"},
        {"FaxPlusZeros", 2, 1, "004712345678"},
        {"FaxTwoZeros", 2, 1, "004712345678"},
        {"C8", 3, 2, "1111123456"},
        {"C8Plus", 3, 2, "1114123456"},
        {"C7", 3, 1, "581123456"},
        {"Pad580", 7, 0, "1110112233"},
        {"Pad582", 7, 1, "341112112233"},
        {"Pad585", 7, 0, "585112233"},
        {"TelexPrefix", 1, 0, "1247123456"},
        {"ModemPlus", 4, 1, "4722334455"},
        {"Mail", 0, 0, "+00ops@owner.example"},
        {"Sac", 5, 0, "0032"},
        {"Fleet", 6, 2, "0012345"},
        {"Sms", 8, 1, "+4790000001"},
        {"Mixed", 0, 1, "00441234"},  // an unknown type word reads as e-mail
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CTransmission tx = Transmission();
        tx.SortRecipients(Names({c.name}));
        ASSERT_TRUE(tx.ConvertAddresses());
        EXPECT_EQ(tx.Message().GetAddressCell(c.type, c.format, 0), c.address);
        EXPECT_EQ(Items(tx.Message().GetAddressMatrix()).size(), 1);
    }
}

// What one submission carries: the codes of "tx" and the converted addresses of its lists.
struct SentGroup {
    int Type;
    int Format;
    int Presentation;
    int Service;
    int Code;
    QString Ext;
    QString To;
    QString Cc;
    QString Bcc;
    friend bool operator==(const SentGroup&, const SentGroup&) = default;
    friend void PrintTo(const SentGroup& g, std::ostream* os) {
        *os << "{" << g.Type << "," << g.Format << " -l " << g.Presentation << " -s " << g.Service << " -t " << g.Code
            << " -e '" << g.Ext.toStdString() << "' To '" << g.To.toStdString() << "' Cc '" << g.Cc.toStdString()
            << "' Bcc '" << g.Bcc.toStdString() << "'}";
    }
};

// The send dialogue's loop: one transmission per group until none is found. It must end, send
// every name exactly once, and give the groups by type (E-mail, Telex, Fax, Inmarsat-C, PSTN,
// special access code, DNID, X.25, SMS) and within a type by format (5-bit, 7-bit, 8-bit).
TEST_F(RecipientGroupingTest, EveryNameOfEveryTypeFormatAndListIsSentOnceInGroupOrder) {
    UseBook("MailTo:Email:7:ops@owner.example\r\n"
            "MailCc:Email:7:crew@owner.example\r\n"
            "MailBcc:Email:7:audit@owner.example\r\n"
            "Mail8:Email:8:chief@owner.example\r\n"
            "Telex5:Telex:5:0047123456:12\r\n"
            "Telex7:Telex:7:+4798765\r\n"
            "Fax5:Fax:5:4711111\r\n"
            "Fax7:Fax:7:+4712345678\r\n"
            "FaxBcc:Fax:7:00441234567\r\n"
            "Fax8:Fax:8:4722222\r\n"
            "InmC7:InmC:7:581123456\r\n"
            "InmC8:InmC:8:581123456\r\n"
            "Modem:PSTN:7:+4722334455\r\n"
            "Sac32:SAC:5:32\r\n"
            "Sac38:SAC:5:38\r\n"
            "Sac32b:SAC:5:32\r\n"
            "FleetA:DNID:8:12345:7\r\n"
            "FleetB:DNID:8:54321:7\r\n"
            "FleetA2:DNID:8:12345:7\r\n"
            "FleetA9:DNID:8:12345:9\r\n"
            "Pad:X25:5:580112233\r\n"
            "PadP:X25:5:3110449:12\r\n"
            "PadP2:X25:5:581000:12\r\n"
            "Pad2:X25:5:+0031\r\n"
            "PadQ:X25:7:581999:34\r\n"
            "PadQ0:X25:7:44556\r\n"
            "Sms1:SMS:7:+4790000001\r\n"
            "Sms2:SMS:7:+4790000002\r\n"
            "SmsCc:SMS:7:+4790000003\r\n");
    const QStringList to = {"Sms1", "PadQ", "Pad", "FleetA", "Sac32", "Modem", "InmC7", "Fax7", "Fax5", "Telex5",
                            "Mail8", "MailTo", "PadP", "FleetB", "Sms2"};
    const QStringList cc = {"SmsCc", "PadQ0", "PadP2", "FleetA2", "Sac38", "InmC8", "Telex7", "MailCc"};
    const QStringList bcc = {"Pad2", "FleetA9", "Sac32b", "Fax8", "FaxBcc", "MailBcc"};
    RecipientMatrix rest = Names(to, cc, bcc);

    std::vector<SentGroup> groups;
    QStringList sent;
    constexpr int kMostCalls = 100;
    int calls = 0;
    for (; calls < kMostCalls; ++calls) {
        CTransmission tx = Transmission();
        rest = tx.SortRecipients(rest);
        if (!tx.AddressesFound()) break;
        const QStringList names = Items(tx.Message().GetAddressMatrix());
        EXPECT_FALSE(names.isEmpty()) << "a group without a name";
        sent << names;
        EXPECT_TRUE(tx.ConvertAddresses());
        const TypeAndFormat g = tx.CurrentGroup();
        const CMessage& msg = tx.Message();
        groups.push_back({g.Type, g.Format, tx.Presentation(), tx.Service(), tx.DestinationCode(), tx.DestinationExt(),
                          msg.GetAddressCell(g.Type, g.Format, 0), msg.GetAddressCell(g.Type, g.Format, 1),
                          msg.GetAddressCell(g.Type, g.Format, 2)});
    }
    ASSERT_LT(calls, kMostCalls) << "the grouping does not end";
    EXPECT_TRUE(Items(rest).isEmpty()) << Items(rest).join(",").toStdString();

    QStringList expectedNames = to + cc + bcc;
    expectedNames.sort();
    sent.sort();
    EXPECT_EQ(sent, expectedNames);

    const std::vector<SentGroup> expected = {
        {0, 1, 0, 0, 6, "1234", "ops@owner.example", "crew@owner.example", "audit@owner.example"},
        {0, 2, 7, 0, 6, "1234", "chief@owner.example", "", ""},
        {1, 0, 6, 1, 0, "", "1247123456", "", ""},
        {1, 1, 0, 0, 0, "", "", "4798765", ""},
        {2, 0, 6, 0, 1, "T30", "4711111", "", ""},
        {2, 1, 0, 0, 1, "T30", "4712345678", "", "441234567"},
        {2, 2, 7, 0, 1, "T30", "", "", "4722222"},
        {3, 1, 0, 0, 0, "", "581123456", "", ""},
        {3, 2, 7, 0, 3, "", "", "1111123456", ""},
        {4, 1, 0, 0, 1, "V22B", "4722334455", "", ""},
        // each special access code is a submission of its own
        {5, 0, 6, 0, 6, "32", "32", "", "32"},
        {5, 0, 6, 0, 6, "38", "", "38", ""},
        {6, 2, 7, 0, 5, "12345,7", "12345", "12345", ""},
        {6, 2, 7, 0, 5, "54321,7", "54321", "", ""},
        {6, 2, 7, 0, 5, "12345,9", "", "", "12345"},
        // X.25 names by prefix; the first name in scan order opens the group
        {7, 0, 6, 0, 3, "", "1110112233", "", "0031"},
        {7, 0, 6, 1, 3, "", "123110449", "121111000", ""},
        {7, 1, 0, 1, 3, "", "341111999", "", ""},
        {7, 1, 0, 0, 3, "", "", "44556", ""},
        // an SMS carries one number
        {8, 1, 0, 0, 6, "1255", "+4790000001", "", ""},
        {8, 1, 0, 0, 6, "1255", "+4790000002", "", ""},
        {8, 1, 0, 0, 6, "1255", "", "+4790000003", ""},
    };
    EXPECT_EQ(groups, expected);
}

}  // namespace
