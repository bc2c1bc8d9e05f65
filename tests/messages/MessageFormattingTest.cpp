#include <ostream>

#include "TransmissionFixture.h"
#include "foundation/IspFile.h"

using namespace tidepost;

namespace {

// A provider with every header field set, reached as `access` ("SAC" or "X.25").
IspRecord HeaderProvider(const QString& name, const QString& access) {
    IspRecord isp;
    isp.Name = name;
    isp.ToPrefix = "TO:";
    isp.CcPrefix = "CC:";
    isp.BccPrefix = "BCC:";
    isp.SubjectPrefix = "SUBJ:";
    isp.AddressType = access;
    isp.Address = access == "X.25" ? "311044900012" : "1234";
    isp.Delimiter = ",";
    isp.SmsPrefix = "SMS ";
    isp.SmsPostfix = "#";
    isp.SmsSac = "1255";
    return isp;
}

struct FormatCase {
    const char* name;
    quint8 type;
    QString to, cc, bcc;
    QString subject;
    QString text;
    QString provider;  // "Header" (by its access code), "Header X.25", "Header start" (with a text-start prefix)
    bool ok;
    QString expected;  // the formatted text; unchanged text when formatting fails
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

class MessageFormatting : public test::TransmissionTest, public ::testing::WithParamInterface<FormatCase> {
protected:
    MessageFormatting() {
        f.gIspList = {HeaderProvider("Header", "SAC"), HeaderProvider("Header X.25", "X.25"),
                      HeaderProvider("Header start", "SAC")};
        f.gIspList[2].TextStartPrefix = "BEGIN\r\n";
        f.gIspList[2].Delimiter = "\r\n";
    }
};

const QString kBody = "Line one\r\nLine two";

TEST_P(MessageFormatting, BuildsTheTextTheNetworkNeeds) {
    const FormatCase& c = GetParam();
    CTransmission tx = Transmission(c.provider);
    ASSERT_TRUE(tx.SetPresentation(1));
    ASSERT_TRUE(tx.SetDestination(c.type, "32", "7"));
    tx.Message().SetAddressCell(c.to, c.type, 1, 0);
    tx.Message().SetAddressCell(c.cc, c.type, 1, 1);
    tx.Message().SetAddressCell(c.bcc, c.type, 1, 2);
    tx.Message().Subject = c.subject;
    tx.Message().TextField = c.text;

    EXPECT_EQ(tx.FormatMessage(c.type, 1), c.ok);
    EXPECT_EQ(tx.Message().TextField, c.expected);
    EXPECT_EQ(tx.Status(), c.ok ? 16 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, MessageFormatting,
    ::testing::Values(
        FormatCase{"EmailTwoToOneCcNoBcc", 0, "a@x.example;b@x.example", "c@x.example", "", "Hi", kBody, "Header", true,
                   "TO:a@x.example,b@x.example\r\nCC:c@x.example\r\nSUBJ:Hi\r\n" + kBody},
        FormatCase{"EmailWithoutSubjectOrTextStart", 0, "a@x.example", "", "", "", kBody, "Header", true,
                   "TO:a@x.example\r\n" + kBody},
        FormatCase{"EmailBccAloneNeedsNoLineBefore", 0, "", "", "d@x.example", "", "Hi", "Header", true,
                   "BCC:d@x.example\r\nHi"},
        FormatCase{"EmailCcAndBccWithoutTo", 0, "", "c@x.example", "d@x.example", "", "Hi", "Header", true,
                   "CC:c@x.example\r\nBCC:d@x.example\r\nHi"},
        FormatCase{"EmailEmptyItemsKeepTheirDelimiter", 0, "a@x.example;;b@x.example", "", "", "", "Hi", "Header", true,
                   "TO:a@x.example,,b@x.example\r\nHi"},
        FormatCase{"EmailTextStartAndLineBreakDelimiter", 0, "a@x.example;b@x.example", "", "", "Hi", "Hi", "Header start",
                   true, "TO:a@x.example\r\nb@x.example\r\nSUBJ:Hi\r\nBEGIN\r\n\r\nHi"},
        FormatCase{"EmailOverX25", 0, "a@x.example", "", "", "", "Hi", "Header X.25", true,
                   "311044900012+\r\n\r\nTO:a@x.example\r\nHi\r\n"},
        FormatCase{"EmailLineBreakMarksBecomeLineBreaks", 0, "a@x.example", "", "", "", "a<CRLF>b<CR>c<LF>d<crlf>",
                   "Header", true, "TO:a@x.example\r\na\r\nb\rc\nd<crlf>"},
        FormatCase{"TelexToAndBcc", 1, "4712345", "", "4799999", "Hi", kBody, "Header", true,
                   "4712345+\r\n4799999+\r\n\r\nSubject: Hi\r\n" + kBody},
        FormatCase{"TelexKeepsLineBreakMarks", 1, "4712345", "", "", "", "a<CRLF>b", "Header", true,
                   "4712345+\r\n\r\na<CRLF>b"},
        FormatCase{"FaxCcOnly", 2, "", "+4712345678", "", "", "Hi", "Header", true, "+4712345678+\r\n\r\nHi"},
        FormatCase{"InmarsatC", 3, "581123456", "", "", "Hi", "Hi", "Header", true,
                   "581123456+\r\n\r\nSubject: Hi\r\nHi"},
        FormatCase{"Pstn", 4, "4722334455", "", "", "", "Hi", "Header", true, "4722334455+\r\n\r\nHi"},
        FormatCase{"X25", 7, "580112233", "", "", "", "Hi", "Header", true, "580112233+\r\n\r\nHi"},
        FormatCase{"SpecialAccessCode", 5, "32", "", "", "Hi", "Hi", "Header", true, "Subject: Hi\r\nHi"},
        FormatCase{"SpecialAccessCodeWithoutSubject", 5, "32", "", "", "", "Hi", "Header", true, "Hi"},
        FormatCase{"DnidWithoutSubjectStartsWithAnEmptyLine", 6, "12345", "", "", "", "Hi", "Header", true, "\r\nHi"},
        FormatCase{"DnidWithSubject", 6, "12345", "", "", "Pos", "Hi", "Header", true, "\r\nSubject: Pos\r\nHi"},
        FormatCase{"SmsUsesItsFirstToNumberOnly", 8, "+4790000001;+4790000002", "", "", "Hi", "Body", "Header", true,
                   "SMS +4790000001#\r\nHi\r\nBody"},
        FormatCase{"SmsWithoutToFails", 8, "", "+4790000001", "", "Hi", "Body", "Header", false, "Body"},
        // It would go out as "?": the text is refused, never changed.
        FormatCase{"CharacterOutsideTheCodePageIsRefused", 5, "32", "", "", "", QString::fromUtf8("Ж ok"), "Header",
                   false, QString::fromUtf8("Ж ok")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MessageFormatting, UnknownDestinationTypeFails) {
    CTransmission tx = Transmission("Header");
    tx.Message().TextField = "Hi";
    EXPECT_FALSE(tx.FormatMessage(9, 1));
    EXPECT_FALSE(tx.FormatMessage(1, 3));
    EXPECT_EQ(tx.Message().TextField, "Hi");
    EXPECT_EQ(tx.Status(), 0);
}

}  // namespace
