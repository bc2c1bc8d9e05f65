#include <gtest/gtest.h>

#include "foundation/Foundation.h"
#include "foundation/UsefullCodePages.h"
#include "platform/AnsiCodec.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {
QString AllCyrillicLetters() {
    QString s;
    for (char16_t c = u'А'; c <= u'я'; ++c) s += QChar(c);
    return s;
}
}  // namespace

TEST(CodePages, CyrillicLettersGoOutAsDos866Bytes) {
    const AnsiCodec cp1251("windows-1251");
    ASSERT_TRUE(cp1251.IsValid());
    // "А" 192 -> 128, "п" 239 -> 175, "р" 240 -> 224, "я" 255 -> 239.
    EXPECT_EQ(cp1251.Encode(Cp1251ToCp866(QString::fromUtf16(u"Апря"))), QByteArray("\x80\xAF\xE0\xEF"));
    EXPECT_EQ(cp1251.Encode(Cp1251ToCp866(QString::fromUtf16(u"Ёё"))), QByteArray("\xA8\xB8"));
    EXPECT_EQ(Cp1251ToCp866(QString::fromUtf16(u"Ёё")), QString::fromUtf16(u"Ёё"));
    EXPECT_EQ(Cp1251ToCp866("Plain ASCII 123"), "Plain ASCII 123");
    EXPECT_EQ(Cp1251ToCp866(""), "");
    EXPECT_EQ(Cp866ToCp1251(""), "");
}

TEST(CodePages, RoundTripGivesTheLettersBack) {
    const QString letters = AllCyrillicLetters();
    ASSERT_EQ(letters.size(), 64);
    const QString wire = Cp1251ToCp866(letters);
    EXPECT_NE(wire, letters);
    EXPECT_EQ(wire.size(), letters.size());
    EXPECT_EQ(Cp866ToCp1251(wire), letters);
}

TEST(CodePages, ReceivedDos866BytesBecomeLetters) {
    const AnsiCodec cp1251("windows-1251");
    // As the transceiver sends "Привет" in code page 866, read as windows-1251.
    const QString received = cp1251.Decode(QByteArray("\x8F\xE0\xA8\xA2\xA5\xE2"));
    EXPECT_EQ(Cp866ToCp1251(received), QString::fromUtf16(u"Привет"));
}

TEST(HexComplement, EncodesEachByteAsTwoUpperCaseDigits) {
    test::TestPlatform platform;
    Foundation f(platform.Os);
    EXPECT_EQ(EncodeHexComplement(f, "abc"), "9E9D9C");
    EXPECT_EQ(EncodeHexComplement(f, ""), "");
    EXPECT_EQ(EncodeHexComplement(f, QString(QChar(0xFF))), "00");  // ÿ in windows-1252
    EXPECT_EQ(EncodeHexComplement(f, QString(QChar(0xF5))), "0A");
    EXPECT_EQ(DecodeHexComplement(f, "9E9D9C"), "abc");
    EXPECT_EQ(DecodeHexComplement(f, "9e9d9c"), "abc");
    EXPECT_EQ(DecodeHexComplement(f, "9E9"), QString("a") + QChar(0xF6));  // a single last digit on its own
}

TEST(HexComplement, RoundTripsEveryByteOfTheAnsiCodePage) {
    for (const char* codePage : {"windows-1252", "windows-1251"}) {
        SCOPED_TRACE(codePage);
        test::TestPlatform platform;
        platform.Os.Codec = AnsiCodec(codePage);
        Foundation f(platform.Os);
        QString all;
        for (int b = 0; b < 256; ++b) all += f.Os.Codec.CharOf(static_cast<unsigned char>(b));
        const QString encoded = EncodeHexComplement(f, all);
        EXPECT_EQ(encoded.size(), 512);
        EXPECT_EQ(DecodeHexComplement(f, encoded), all);
        for (int b = 0; b < 256; ++b) {
            const QString one(f.Os.Codec.CharOf(static_cast<unsigned char>(b)));
            ASSERT_EQ(DecodeHexComplement(f, EncodeHexComplement(f, one)), one) << b;
        }
    }
}

TEST(HexComplement, DamagedTextDecodesToNothing) {
    test::TestPlatform platform;
    Foundation f(platform.Os);
    for (const char* bad : {"9G", "G9", "9E 9D", "-1", "0x9E", "9E9D9Z"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(DecodeHexComplement(f, bad), "");
    }
}
