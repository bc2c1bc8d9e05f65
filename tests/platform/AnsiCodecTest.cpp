#include <gtest/gtest.h>

#include "platform/AnsiCodec.h"
#include "support/FakeSettingsStore.h"

using tidepost::AnsiCodec;

class AnsiCodecPages : public ::testing::TestWithParam<const char*> {};

TEST_P(AnsiCodecPages, EveryByteValueRoundTripsAsOneCharacter) {
    AnsiCodec codec(GetParam());
    ASSERT_TRUE(codec.IsValid());
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i) all[i] = static_cast<char>(i);
    const QString text = codec.Decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(codec.Encode(text), all);
}

INSTANTIATE_TEST_SUITE_P(CodePages, AnsiCodecPages,
                         ::testing::Values("windows-1252", "windows-1251", "IBM866"));

TEST(AnsiCodec, DecodesTheCodePagesOwnLetters) {
    EXPECT_EQ(AnsiCodec("windows-1252").Decode("\xE9\x80"), QString::fromUtf8("é€"));
    EXPECT_EQ(AnsiCodec("windows-1251").Decode("\xC0\xFF\xA8\xB8"), QString::fromUtf8("АяЁё"));
    EXPECT_EQ(AnsiCodec("IBM866").Decode("\x80\xEF\xF0\xF1"), QString::fromUtf8("АяЁё"));
}

TEST(AnsiCodec, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
    EXPECT_EQ(AnsiCodec("windows-1252").Encode(QString::fromUtf8("aЖ€b")), QByteArray("a?\x80" "b"));
}

TEST(AnsiCodec, UnknownCodePageIsReportedInvalid) {
    EXPECT_FALSE(AnsiCodec("no-such-page").IsValid());
}

TEST(AnsiCodec, CodePageComesFromTheSettingsStoreWithWindows1252AsFallback) {
    tidepost::test::FakeSettingsStore store;
    EXPECT_EQ(AnsiCodec::FromSettings(store, "Tidepost").CodePage(), "windows-1252");
    store.Save("Tidepost", "Config", "ANSI Code Page", "windows-1251");
    EXPECT_EQ(AnsiCodec::FromSettings(store, "Tidepost").Decode("\xC0"), QString::fromUtf8("А"));
    store.Save("Tidepost", "Config", "ANSI Code Page", "no-such-page");
    EXPECT_EQ(AnsiCodec::FromSettings(store, "Tidepost").CodePage(), "windows-1252");
}
