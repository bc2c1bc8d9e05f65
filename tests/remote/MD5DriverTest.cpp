#include <gtest/gtest.h>

#include "platform/AnsiCodec.h"
#include "remote/MD5Driver.h"

using namespace tidepost;

TEST(MD5Driver, TokenFormWritesSmallBytesWithACapitalDigit) {
    const AnsiCodec codec;
    EXPECT_EQ(GetMD5Hex(codec, "a"), "0Cc175b9c0f1b6a831c399e269772661");
    EXPECT_EQ(GetMD5Hex(codec, "2026121014secret123"), "a499af7e560F53134bc006e2573c19c3");
    EXPECT_EQ(GetMD5Hex(codec, ""), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(ByteArrayToHex(QByteArray::fromHex("000a0f10abff")), "000A0F10abff");
    // One byte per character in the code page, not UTF-8.
    EXPECT_EQ(StringToByteArray(codec, QString::fromLatin1("\xe9t\xe9")), QByteArray("\xe9t\xe9"));
    EXPECT_EQ(GetMD5Hex(codec, QString::fromLatin1("\xe9")).size(), 32);
}
