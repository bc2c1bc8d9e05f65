#include <QTest>
#include <gtest/gtest.h>

#include "platform/QtSocketControl.h"
#include "support/LoopbackPeer.h"

using namespace tidepost;

namespace {

struct SocketOnLoopback : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(peer.IsListening());
        socket.SetRemoteHost("127.0.0.1");
        socket.SetRemotePort(peer.Port());
        socket.SetLocalPort(0);
    }
    void ConnectNow() {
        socket.Connect();
        ASSERT_TRUE(QTest::qWaitFor([&] { return socket.SocketState() == ISocketControl::Connected; }, 5000));
        ASSERT_TRUE(peer.WaitForClient());
    }
    QByteArray ReadUntil(qsizetype size) {
        QByteArray got;
        (void)QTest::qWaitFor([&] { got += socket.GetData(); return got.size() >= size; }, 5000);
        return got;
    }

    test::LoopbackPeer peer;
    QtSocketControl socket;
};

TEST_F(SocketOnLoopback, ConnectReturnsAtOnceAndTheStateBecomesConnected) {
    EXPECT_EQ(socket.SocketState(), ISocketControl::Closed);
    socket.Connect();
    EXPECT_NE(socket.SocketState(), ISocketControl::Connected);
    EXPECT_TRUE(QTest::qWaitFor([&] { return socket.SocketState() == ISocketControl::Connected; }, 5000));
    EXPECT_EQ(socket.LocalIP(), "127.0.0.1");
}

TEST_F(SocketOnLoopback, SendsAndReceivesBytesUnchanged) {
    ConnectNow();
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
    EXPECT_TRUE(socket.SendData("minic -f\r\n"));
    EXPECT_TRUE(socket.SendData(all));
    EXPECT_EQ(peer.ReadAtLeast(10 + all.size()), "minic -f\r\n" + all);

    EXPECT_EQ(socket.GetData(), QByteArray());
    ASSERT_TRUE(peer.Write("minic -f\r\n"));
    ASSERT_TRUE(peer.Write(all + "kv880:/$ "));
    EXPECT_EQ(ReadUntil(10 + all.size() + 9), "minic -f\r\n" + all + "kv880:/$ ");
    EXPECT_EQ(socket.GetData(), QByteArray());
}

TEST_F(SocketOnLoopback, CloseEndsTheConnectionAndKeepsTheHost) {
    ConnectNow();
    socket.Close();
    EXPECT_EQ(socket.SocketState(), ISocketControl::Closed);
    EXPECT_EQ(socket.RemoteHost(), "127.0.0.1");
    EXPECT_FALSE(socket.SendData("ver\r\n"));
    EXPECT_EQ(socket.LastErrorNumber(), ISocketControl::ErrWrongState);
    // Connecting again works from the closed state.
    socket.Connect();
    EXPECT_TRUE(QTest::qWaitFor([&] { return socket.SocketState() == ISocketControl::Connected; }, 5000));
}

TEST_F(SocketOnLoopback, WhatThePeerSentBeforeClosingCanStillBeRead) {
    ConnectNow();
    ASSERT_TRUE(peer.Write("bye\r\n"));
    peer.Disconnect();
    ASSERT_TRUE(QTest::qWaitFor([&] { return socket.SocketState() != ISocketControl::Connected; }, 5000));
    EXPECT_EQ(socket.SocketState(), ISocketControl::Closing);
    EXPECT_EQ(ReadUntil(5), "bye\r\n");
    socket.Close();
    EXPECT_EQ(socket.SocketState(), ISocketControl::Closed);
}

TEST_F(SocketOnLoopback, RefusedConnectionNeverReportsConnected) {
    peer.StopListening();
    socket.Connect();
    EXPECT_TRUE(QTest::qWaitFor([&] { return socket.SocketState() == ISocketControl::Error; }, 5000));
    EXPECT_FALSE(socket.SendData("ver\r\n"));
    socket.Close();
    EXPECT_EQ(socket.SocketState(), ISocketControl::Closed);
}

TEST(QtSocketControl, LocalAddressIsKnownWithoutAConnection) {
    QtSocketControl socket;
    EXPECT_FALSE(socket.LocalIP().isEmpty());
    EXPECT_EQ(socket.GetData(), QByteArray());
}

}  // namespace
