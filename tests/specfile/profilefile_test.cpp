// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include "rowname.h"
#include "specfile/filebytes.h"
#include "specfile/profilefile.h"

namespace {

ProfileFile parsed(const QString &text)
{
    ProfileFile file;
    file.parse(text);
    return file;
}

} // namespace

TEST(ProfileFileRead, MatchesSectionAndKeyNamesWithoutRegardToCase)
{
    const ProfileFile f = parsed(QStringLiteral("[Component]\r\nMethodCount=3\r\nEventParams=x\r\n"));
    EXPECT_EQ(f.readInteger(QStringLiteral("COMPONENT"), QStringLiteral("Methodcount"), 0), 3);
    EXPECT_EQ(f.readString(QStringLiteral("component"), QStringLiteral("eventparams")), QStringLiteral("x"));
}

TEST(ProfileFileRead, TrimsBlanksAndKeepsQuotesAndLength)
{
    const QString longValue(5000, u'x');
    const ProfileFile f = parsed(QStringLiteral("[S]\n  a  =  'abc' \t\nb=\"q\"\nc=") + longValue + u'\n');
    EXPECT_EQ(f.readString(QStringLiteral("S"), QStringLiteral("a")), QStringLiteral("'abc'"));
    EXPECT_EQ(f.readString(QStringLiteral("S"), QStringLiteral("b")), QStringLiteral("\"q\""));
    EXPECT_EQ(f.readString(QStringLiteral("S"), QStringLiteral("c")), longValue);
}

TEST(ProfileFileRead, MissingKeyGivesDefaultAndEmptyValueGivesEmpty)
{
    const ProfileFile f = parsed(QStringLiteral("[S]\nempty=\n"));
    EXPECT_EQ(f.readString(QStringLiteral("S"), QStringLiteral("empty"), QStringLiteral("*")), QString());
    EXPECT_EQ(f.readString(QStringLiteral("S"), QStringLiteral("none"), QStringLiteral("*")), QStringLiteral("*"));
    EXPECT_EQ(f.readString(QStringLiteral("T"), QStringLiteral("empty"), QStringLiteral("*")), QStringLiteral("*"));
}

TEST(ProfileFileRead, FirstOfTwoEqualKeysCounts)
{
    const ProfileFile f = parsed(QStringLiteral("[S]\nk=1\nK=2\n[s]\nk=3\n"));
    EXPECT_EQ(f.readString(QStringLiteral("S"), QStringLiteral("k")), QStringLiteral("1"));
}

TEST(ProfileFileRead, CommentsAndKeysBeforeTheFirstSectionAreNotEntries)
{
    const ProfileFile f = parsed(QStringLiteral("k=0\n[S]\n;k=1\nno equals sign\nk=2\n"));
    EXPECT_EQ(f.readString(QStringLiteral("S"), QStringLiteral("k")), QStringLiteral("2"));
    EXPECT_EQ(f.readString(QStringLiteral("S"), QStringLiteral(";k"), QStringLiteral("absent")), QStringLiteral("absent"));
}

struct IntegerCase {
    const char *name;
    const char *text;
    std::optional<int> value;
};

UF_ROW_NAME(IntegerCase)

class ProfileFileInteger : public testing::TestWithParam<IntegerCase> {};

TEST_P(ProfileFileInteger, ParsesWholeDecimalAndHexadecimalValuesOnly)
{
    EXPECT_EQ(ProfileFile::parseInteger(QString::fromLatin1(GetParam().text)), GetParam().value)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Values, ProfileFileInteger, testing::Values(
    IntegerCase{"Decimal", "42", 42}, IntegerCase{"Negative", "-7", -7},
    IntegerCase{"Plus", "+7", 7}, IntegerCase{"LeadingZeros", "007", 7},
    IntegerCase{"Hex0x", "0x1F", 31}, IntegerCase{"Hex0X", "0X1f", 31},
    IntegerCase{"HexDollar", "$ff", 255}, IntegerCase{"LargestInt", "2147483647", 2147483647},
    IntegerCase{"SmallestInt", "-2147483648", -2147483647 - 1},
    IntegerCase{"PastLargestInt", "2147483648", 2147483647},
    IntegerCase{"FarPastLargestInt", "2000000000000", 2147483647},
    IntegerCase{"HexPastLargestInt", "0x80000000", 2147483647},
    IntegerCase{"LongHex", "$FFFFFFFFFFFFFFFFFFFF", 2147483647},
    IntegerCase{"PastSmallestInt", "-99999999999", -2147483647 - 1},
    IntegerCase{"Empty", "", std::nullopt}, IntegerCase{"SignOnly", "-", std::nullopt},
    IntegerCase{"Hex0xOnly", "0x", std::nullopt}, IntegerCase{"DollarOnly", "$", std::nullopt},
    IntegerCase{"TrailingLetters", "12abc", std::nullopt},
    IntegerCase{"InnerBlank", "1 2", std::nullopt}, IntegerCase{"NegativeHex", "-0x5", std::nullopt},
    IntegerCase{"Word", "abc", std::nullopt}, IntegerCase{"Fraction", "1.5", std::nullopt}),
    RowName());

TEST(ProfileFileRead, NumberedKeysIgnoreOtherKeysAndLeadingZeros)
{
    const ProfileFile f = parsed(QStringLiteral(
        "[S]\n0=a\n7=b\n007=c\n12.2=d\nx9=e\nvarcount=2\nv1=x\nV10=y\n99999999999999999999999=z\n[T]\n"));
    EXPECT_EQ(f.numberedKeys(QStringLiteral("s"), QStringLiteral("v")), (QList<qint64>{1, 10}));
    EXPECT_TRUE(f.numberedKeys(QStringLiteral("T"), QString()).isEmpty());
    EXPECT_TRUE(f.numberedKeys(QStringLiteral("absent"), QString()).isEmpty());
    EXPECT_EQ(f.numberedKeys(QStringLiteral("S"), QString()),
              (QList<qint64>{0, 7, std::numeric_limits<qint64>::max()}));
}

TEST(ProfileFileRead, LargeAndOddNumberedKeysAreEntriesLikeAnyOther)
{
    ProfileFile f = parsed(QStringLiteral("[S]\n0=a\n999999=b\n+1=c\n1=d\n1=e\n"));
    EXPECT_EQ(f.readString(QStringLiteral("S"), QStringLiteral("999999")), QStringLiteral("b"));
    EXPECT_EQ(f.readString(QStringLiteral("S"), QStringLiteral("+1")), QStringLiteral("c"));
    EXPECT_EQ(f.readString(QStringLiteral("S"), QStringLiteral("1")), QStringLiteral("d"));
    f.writeString(QStringLiteral("S"), QStringLiteral("123456789"), QStringLiteral("f"));
    f.writeString(QStringLiteral("S"), QStringLiteral("2"), QStringLiteral("g"));
    EXPECT_EQ(f.readString(QStringLiteral("S"), QStringLiteral("123456789")), QStringLiteral("f"));
    EXPECT_EQ(f.numberedKeys(QStringLiteral("S"), QString()), (QList<qint64>{0, 1, 2, 999999, 123456789}));
    EXPECT_EQ(f.numberedKeys(QStringLiteral("S"), QStringLiteral("9999")), (QList<qint64>{99}));
    EXPECT_EQ(f.toText(), QStringLiteral("[S]\r\n0=a\r\n999999=b\r\n+1=c\r\n1=d\r\n1=e\r\n"
                                         "123456789=f\r\n2=g\r\n"));
}

TEST(ProfileFileWrite, ReplacesInPlaceKeepingTheKeysSpelling)
{
    ProfileFile f = parsed(QStringLiteral("; kept\r\n[Component]\r\nMethodcount = 3\r\nOther=x\r\n"));
    f.writeInteger(QStringLiteral("component"), QStringLiteral("MethodCount"), 5);
    EXPECT_EQ(f.toText(), QStringLiteral("; kept\r\n[Component]\r\nMethodcount =5\r\nOther=x\r\n"));
}

TEST(ProfileFileWrite, AppendsKeysToTheirSectionAndSectionsToTheEnd)
{
    ProfileFile f = parsed(QStringLiteral("[A]\na=1\n\n[B]\nb=1\n"));
    f.writeString(QStringLiteral("a"), QStringLiteral("a2"), QStringLiteral("2"));
    f.writeString(QStringLiteral("C"), QStringLiteral("c"), QStringLiteral("3"));
    f.writeString(QStringLiteral("B"), QStringLiteral("b2"), QStringLiteral("4"));
    EXPECT_EQ(f.toText(), QStringLiteral(
        "[A]\r\na=1\r\na2=2\r\n\r\n[B]\r\nb=1\r\nb2=4\r\n\r\n[C]\r\nc=3\r\n"));
}

TEST(ProfileFileWrite, ErasedSectionComesBackAtTheEnd)
{
    ProfileFile f = parsed(QStringLiteral("[A]\na=1\n[B]\nb=1\n[a]\nx=2\n"));
    f.eraseSection(QStringLiteral("A"));
    EXPECT_FALSE(f.hasSection(QStringLiteral("a")));
    f.writeString(QStringLiteral("A"), QStringLiteral("a"), QStringLiteral("9"));
    EXPECT_EQ(f.toText(), QStringLiteral("[B]\r\nb=1\r\n\r\n[A]\r\na=9\r\n"));
}

TEST(ProfileFileWrite, ValueOfSeveralLinesUsesContinuationKeys)
{
    ProfileFile f;
    f.writeString(QStringLiteral("C"), QStringLiteral("3"), QStringLiteral("one\r\ntwo\n\nfour"));
    EXPECT_EQ(f.toText(), QStringLiteral("[C]\r\n3=one\r\n3.2=two\r\n3.3=\r\n3.4=four\r\n"));
    EXPECT_EQ(f.readString(QStringLiteral("c"), QStringLiteral("3")), QStringLiteral("one\ntwo\n\nfour"));

    // A shorter value later leaves no stale continuation behind.
    f.writeString(QStringLiteral("C"), QStringLiteral("3"), QStringLiteral("a\nb"));
    EXPECT_EQ(f.readString(QStringLiteral("C"), QStringLiteral("3")), QStringLiteral("a\nb"));
    EXPECT_EQ(f.toText(), QStringLiteral("[C]\r\n3=a\r\n3.2=b\r\n"));
}

class ProfileFileDisk : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(ProfileFileDisk, SavesWithCrLfAndReadsLfOrCrLf)
{
    writeBytes(path("a.ini"), "[S]\nk=1\r\nj=\xe9t\xe9\n");
    ProfileFile f(path("a.ini"));
    EXPECT_EQ(f.readString(QStringLiteral("S"), QStringLiteral("j")), QString::fromUtf8("été"));
    f.writeString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("2"));
    ASSERT_TRUE(f.save()) << f.errorString().toStdString();
    EXPECT_EQ(readBytes(path("a.ini")), QByteArray("[S]\r\nk=2\r\nj=\xe9t\xe9\r\n"));
}

TEST_F(ProfileFileDisk, FileThatCannotBeReadGivesAnEmptyProfile)
{
    ProfileFile missing;
    EXPECT_EQ(missing.load(path("none.ini")), ProfileFile::LoadResult::NotFound);
    EXPECT_FALSE(missing.hasSection(QStringLiteral("S")));

    ProfileFile directory;
    EXPECT_EQ(directory.load(dir.path()), ProfileFile::LoadResult::Failed);
    EXPECT_FALSE(directory.errorString().isEmpty());
}

TEST_F(ProfileFileDisk, RefusedSaveReportsAndKeepsTheOldFile)
{
    ProfileFile f;
    f.load(dir.path());   // a directory cannot be replaced
    f.writeString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v"));
    EXPECT_FALSE(f.save());
    EXPECT_EQ(f.errorString(), QStringLiteral("Unable to write to ") + dir.path());
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());

    f.load(path("no/such/dir/x.ini"));
    EXPECT_FALSE(f.save());

    if (geteuid() == 0)
        GTEST_SKIP() << "file permissions do not bind root";
    writeBytes(path("ro.ini"), "[S]\r\nk=old\r\n");
    QFile::setPermissions(path("ro.ini"), QFile::ReadOwner);
    ProfileFile ro(path("ro.ini"));
    ro.writeString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("new"));
    EXPECT_FALSE(ro.save());
    EXPECT_EQ(readBytes(path("ro.ini")), QByteArray("[S]\r\nk=old\r\n"));
}
