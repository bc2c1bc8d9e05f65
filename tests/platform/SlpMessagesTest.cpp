#include <gtest/gtest.h>

#include "platform/SlpMessages.h"

using namespace tidepost;

namespace {

QByteArray U16(int v) { return QByteArray::fromHex(QByteArray::number(v & 0xFFFF, 16).rightJustified(4, '0')); }
QByteArray Str(const QByteArray& s) { return U16(static_cast<int>(s.size())) + s; }

// A message as it comes from the network: header (version 2, no extensions, language "en") and body.
QByteArray Message(int function, int xid, const QByteArray& body, int flags = 0) {
    const int length = 16 + static_cast<int>(body.size());
    return QByteArray::fromHex("02") + static_cast<char>(function) +
           QByteArray::fromHex(QByteArray::number(length, 16).rightJustified(6, '0')) + U16(flags) +
           QByteArray::fromHex("000000") + U16(xid) + Str("en") + body;
}

QByteArray UrlEntry(int lifetime, const QByteArray& url, const QByteArray& auths = {}, int authCount = 0) {
    return QByteArray(1, '\0') + U16(lifetime) + Str(url) + static_cast<char>(authCount) + auths;
}

const QByteArray kUrl1 = "service:device.kalvenor://192.168.1.10";
const QByteArray kUrl2 = "service:device.kalvenor://192.168.1.11";

QByteArray TwoUrlReply() {
    // The second entry carries an authentication block (BSD 2, length 10 in all).
    const QByteArray auth = U16(2) + U16(10) + QByteArray::fromHex("010203040506");
    return Message(2, 0x1234, U16(0) + U16(2) + UrlEntry(65535, kUrl1) + UrlEntry(60, kUrl2, auth, 1));
}

TEST(SlpMessages, ServiceRequestBytes) {
    EXPECT_EQ(slp::EncodeServiceRequest(0x1234, true, {}, "service:device.kalvenor"),
              Message(1, 0x1234, Str("") + Str("service:device.kalvenor") + Str("DEFAULT") + Str("") + Str(""),
                      0x2000));
    EXPECT_EQ(slp::EncodeServiceRequest(0xBEEF, false, {"10.0.0.1", "10.0.0.2"}, "service:x"),
              Message(1, 0xBEEF, Str("10.0.0.1,10.0.0.2") + Str("service:x") + Str("DEFAULT") + Str("") + Str("")));
}

TEST(SlpMessages, AttributeRequestBytes) {
    EXPECT_EQ(slp::EncodeAttributeRequest(7, "service:device.kalvenor", {}),
              Message(6, 7, Str("") + Str("service:device.kalvenor") + Str("DEFAULT") + Str("") + Str("")));
    EXPECT_EQ(slp::EncodeAttributeRequest(7, "service:x://h", {"device-model", "device-sw-version"}),
              Message(6, 7, Str("") + Str("service:x://h") + Str("DEFAULT") + Str("device-model,device-sw-version") +
                                Str("")));
}

TEST(SlpMessages, ServiceReplyWithSeveralUrls) {
    const auto reply = slp::DecodeServiceReply(TwoUrlReply());
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->Xid, 0x1234);
    EXPECT_EQ(reply->ErrorCode, 0);
    ASSERT_EQ(reply->Urls.size(), 2);
    EXPECT_EQ(reply->Urls[0].Url, kUrl1);
    EXPECT_EQ(reply->Urls[0].Lifetime, 65535);
    EXPECT_EQ(reply->Urls[1].Url, kUrl2);
    EXPECT_EQ(reply->Urls[1].Lifetime, 60);
}

TEST(SlpMessages, ErrorReplies) {
    const auto service = slp::DecodeServiceReply(Message(2, 1, U16(4)));
    ASSERT_TRUE(service);
    EXPECT_EQ(service->ErrorCode, 4);
    EXPECT_TRUE(service->Urls.isEmpty());
    const auto attributes = slp::DecodeAttributeReply(Message(7, 1, U16(4) + Str("") + QByteArray(1, '\0')));
    ASSERT_TRUE(attributes);
    EXPECT_EQ(attributes->ErrorCode, 4);
}

TEST(SlpMessages, AttributeReply) {
    const QByteArray list = "(device-model=880),(device-sw-version=1.23)";
    const auto reply = slp::DecodeAttributeReply(Message(7, 99, U16(0) + Str(list) + QByteArray(1, '\0')));
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->Xid, 99);
    EXPECT_EQ(reply->Attributes, list);
}

TEST(SlpMessages, CutRepliesAreRejected) {
    const QByteArray whole = TwoUrlReply();
    for (qsizetype n = 0; n < whole.size(); ++n) {
        SCOPED_TRACE(n);
        QByteArray cut = whole.left(n);
        EXPECT_FALSE(slp::DecodeServiceReply(cut));
        // Also when the header's length is made to agree with what arrived.
        if (n >= 5) cut.replace(2, 3, QByteArray::fromHex(QByteArray::number(n, 16).rightJustified(6, '0')));
        EXPECT_FALSE(slp::DecodeServiceReply(cut));
    }
}

TEST(SlpMessages, OtherMessagesAreNotReplies) {
    QByteArray versionOne = TwoUrlReply();
    versionOne[0] = 1;
    const QByteArray attrReply = Message(7, 1, U16(0) + Str("(a=1)") + QByteArray(1, '\0'));
    EXPECT_FALSE(slp::DecodeServiceReply(versionOne));
    EXPECT_FALSE(slp::DecodeServiceReply(attrReply));
    EXPECT_FALSE(slp::DecodeAttributeReply(TwoUrlReply()));
    EXPECT_FALSE(slp::DecodeServiceReply(slp::EncodeServiceRequest(1, false, {}, "service:x")));
    // A count of URLs larger than what follows.
    EXPECT_FALSE(slp::DecodeServiceReply(Message(2, 1, U16(0) + U16(3) + UrlEntry(1, kUrl1))));
    // Bytes after the message's stated length are not read.
    EXPECT_TRUE(slp::DecodeServiceReply(TwoUrlReply() + "trailing"));
}

}  // namespace
