// The lines a second start sends the running copy: what arrives is the path
// sent, however the bytes are cut up, and anything else closes the line.
#include <gtest/gtest.h>

#include <QString>

#include "platform/handoverprotocol.h"
#include "platform/singleinstance.h"
#include "rowname.h"

namespace {

struct PathRow {
    const char *name;
    const char16_t *path;
};
UF_ROW_NAME(PathRow)

class HandOverPaths : public testing::TestWithParam<PathRow>
{
};

// Sent one byte at a time, the path still arrives whole and only once.
TEST_P(HandOverPaths, ArriveAsSentWhateverTheChunks)
{
    const QString path = QString::fromUtf16(GetParam().path);
    const QByteArray request = HandOverProtocol::openRequest(path);
    EXPECT_EQ(request.count('\n'), 1) << "one line per file";
    HandOverProtocol reader;
    for (qsizetype i = 0; i + 1 < request.size(); ++i) {
        reader.append(request.mid(i, 1));
        ASSERT_FALSE(reader.nextPath()) << "a path before its line ended, at byte " << i;
    }
    reader.append(request.right(1));
    EXPECT_EQ(reader.nextPath(), std::optional<QString>(path));
    EXPECT_FALSE(reader.nextPath());
    EXPECT_FALSE(reader.isBroken());
}

INSTANTIATE_TEST_SUITE_P(
    HandOverProtocol, HandOverPaths,
    testing::Values(PathRow{"Plain", u"/home/ann/gauge.spc"},
                    PathRow{"Blanks", u"/home/ann/My Components/gauge 2.spc"},
                    PathRow{"LineBreakInName", u"/tmp/odd\nname.spc"},
                    PathRow{"PercentAndPlus", u"/tmp/100%+x%41.spc"},
                    PathRow{"NotAscii", u"/home/jörg/Größe.spc"},
                    PathRow{"Root", u"/"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(HandOverProtocol, TwoRequestsInOneChunkGiveTwoPathsInOrder)
{
    HandOverProtocol reader;
    reader.append(HandOverProtocol::openRequest(QStringLiteral("/a.spc"))
                  + HandOverProtocol::openRequest(QStringLiteral("/b.spc")));
    EXPECT_EQ(reader.nextPath(), std::optional<QString>(QStringLiteral("/a.spc")));
    EXPECT_EQ(reader.nextPath(), std::optional<QString>(QStringLiteral("/b.spc")));
    EXPECT_FALSE(reader.nextPath());
}

struct BadRow {
    const char *name;
    QByteArray bytes;
};
UF_ROW_NAME(BadRow)

class HandOverRefuses : public testing::TestWithParam<BadRow>
{
};

// The line is refused, and so is all that follows it, a good request included.
TEST_P(HandOverRefuses, BreaksTheConnection)
{
    HandOverProtocol reader;
    reader.append(GetParam().bytes);
    reader.append(HandOverProtocol::openRequest(QStringLiteral("/after.spc")));
    EXPECT_FALSE(reader.nextPath());
    EXPECT_TRUE(reader.isBroken());
    EXPECT_FALSE(reader.nextPath());
}

INSTANTIATE_TEST_SUITE_P(
    HandOverProtocol, HandOverRefuses,
    testing::Values(BadRow{"OtherVerb", "close /a.spc\n"},
                    BadRow{"VerbInCapitals", "OPEN /a.spc\n"},
                    BadRow{"RelativePath", "open a.spc\n"},
                    BadRow{"EncodedRelativePath", "open %61.spc\n"},
                    BadRow{"EmptyPath", "open \n"},
                    BadRow{"RawBlank", "open /a b.spc\n"},
                    BadRow{"RawCarriageReturn", "open /a.spc\r\n"},
                    BadRow{"EncodedZeroByte", "open /a%00.spc\n"},
                    BadRow{"LineTooLong", "open /" + QByteArray(HandOverProtocol::kMaxLine, 'a') + '\n'}),
    [](const auto &info) { return std::string(info.param.name); });

// A sender that never ends its line cannot make the reader keep it all.
TEST(HandOverProtocol, AnEndlessLineBreaksOnceItPassesTheLimit)
{
    HandOverProtocol reader;
    reader.append("open /" + QByteArray(HandOverProtocol::kMaxLine - 6, 'a'));
    EXPECT_FALSE(reader.nextPath());
    EXPECT_FALSE(reader.isBroken()) << "exactly at the limit the line may still end";
    reader.append("a");
    EXPECT_FALSE(reader.nextPath());
    EXPECT_TRUE(reader.isBroken());
}

TEST(HandOverProtocol, ALongestPathStillFits)
{
    // 4,096 bytes, each of them encoded as three.
    const QString path = u'/' + QString(4095, u' ');
    HandOverProtocol reader;
    reader.append(HandOverProtocol::openRequest(path));
    EXPECT_EQ(reader.nextPath(), std::optional<QString>(path));
}

TEST(SingleInstance, TheSocketSitsBesideTheLock)
{
    EXPECT_EQ(SingleInstance(QStringLiteral("/run/user/1000/unitforge.lock")).socketPath(),
              QStringLiteral("/run/user/1000/unitforge.socket"));
    EXPECT_EQ(SingleInstance(QStringLiteral("/tmp/lock")).socketPath(),
              QStringLiteral("/tmp/lock.socket"));
}

} // namespace
