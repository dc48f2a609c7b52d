// SPDX-License-Identifier: MIT
// The hand-over socket between two starts, both ends in one process: the
// client runs on a thread of its own while the test spins the event loop the
// server answers from.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>

#include <future>
#include <sys/stat.h>

#include "platform/handoversocket.h"

namespace {

class HandOverSocket : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "platform_tests";
        static char *argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);
    }

    // What handOverFile answers, with the event loop running meanwhile.
    static bool handOver(const QString &socketPath, const QString &file, int timeoutMs)
    {
        auto sent = std::async(std::launch::async, [=] { return handOverFile(socketPath, file, timeoutMs); });
        while (sent.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready)
            QCoreApplication::processEvents();
        return sent.get();
    }

    QString socketPath() const { return m_dir.filePath(QStringLiteral("unitforge.socket")); }

    QTemporaryDir m_dir;
};

TEST_F(HandOverSocket, AFileHandedOverIsReceivedAndConfirmed)
{
    HandOverServer server;
    ASSERT_TRUE(server.listen(socketPath()));
    QStringList received;
    QObject::connect(&server, &HandOverServer::fileReceived, [&](const QString &path) { received.append(path); });
    EXPECT_TRUE(handOver(socketPath(), QStringLiteral("/home/me/a gauge.spc"), 3000));
    EXPECT_EQ(received, QStringList{QStringLiteral("/home/me/a gauge.spc")});
}

// Others could connect to a socket the umask leaves open to them.
TEST_F(HandOverSocket, OnlyThisUserMayConnectAndTheSocketGoesWithTheServer)
{
    {
        HandOverServer server;
        ASSERT_TRUE(server.listen(socketPath()));
        struct stat status {};
        ASSERT_EQ(::stat(QFile::encodeName(socketPath()).constData(), &status), 0);
        EXPECT_TRUE(S_ISSOCK(status.st_mode));
        EXPECT_EQ(status.st_mode & 077, 0u);
    }
    EXPECT_FALSE(QFile::exists(socketPath()));
}

TEST_F(HandOverSocket, WhatACopyThatDiedLeftIsReplaced)
{
    QFile stale(socketPath());
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    HandOverServer server;
    ASSERT_TRUE(server.listen(socketPath()));
    EXPECT_TRUE(handOver(socketPath(), QStringLiteral("/a.spc"), 3000));
}

// A closed server listens again by itself, on the same path.
TEST_F(HandOverSocket, AServerThatStoppedListensAgain)
{
    HandOverServer server;
    ASSERT_TRUE(server.listen(socketPath()));
    server.close();
    EXPECT_FALSE(server.isListening());
    EXPECT_FALSE(QFile::exists(socketPath()));
    EXPECT_TRUE(handOver(socketPath(), QStringLiteral("/a.spc"), 5000));
    EXPECT_TRUE(server.isListening());
}

// A name a Unix socket cannot take fails at once rather than after the wait.
TEST_F(HandOverSocket, APathTooLongForASocketFailsAtOnce)
{
    const QString tooLong = m_dir.filePath(QString(120, u'x'));
    HandOverServer server;
    EXPECT_FALSE(server.listen(tooLong));
    EXPECT_FALSE(server.listen(QString()));
    const QDeadlineTimer patience(2000);
    EXPECT_FALSE(handOver(tooLong, QStringLiteral("/a.spc"), 5000));
    EXPECT_FALSE(patience.hasExpired());
}

TEST_F(HandOverSocket, NothingListeningGivesUpAtTheTimeout)
{
    const QDeadlineTimer patience(3000);
    EXPECT_FALSE(handOver(socketPath(), QStringLiteral("/a.spc"), 200));
    EXPECT_FALSE(patience.hasExpired());
}

} // namespace
