// Tests of the field splitter: in-memory splits with separators, quotes and
// case conversion, and file scans with their line ranges, events and errors.
#include "awk/awk.h"
#include "rowname.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

namespace {

const QString q = QStringLiteral("\"");

struct SplitCase
{
    const char *name;
    QString fs;
    QString line;
    bool matchQuotes;
    bool filterQuotes;
    QString quoteChars;
    QStringList expected;
};

UF_ROW_NAME(SplitCase)

class AwkSplit : public testing::TestWithParam<SplitCase>
{};

TEST_P(AwkSplit, YieldsFields)
{
    const SplitCase &c = GetParam();
    TAwk awk;
    awk.setMatchQuotes(c.matchQuotes);
    awk.setFilterQuotes(c.filterQuotes);
    awk.setQuoteChars(c.quoteChars);
    awk.setFS(c.fs);
    awk.setLine(c.line);
    awk.Execute();
    EXPECT_EQ(awk.Fields(), c.expected);
    EXPECT_EQ(awk.FieldCount(), c.expected.size());
    EXPECT_FALSE(awk.InQuote());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AwkSplit,
    testing::Values(
        SplitCase{"RunsAndEndsOfSeparators", " ", "  alpha   beta  ", false, false, q,
                  {"alpha", "beta"}},
        SplitCase{"OnlySeparators", " ", "   ", false, false, q, {}},
        SplitCase{"EmptyLine", " ", "", false, false, q, {}},
        SplitCase{"Underscore", "_", "_a__b_", false, false, q, {"a", "b"}},
        SplitCase{"Brackets", "[]", "Items[Index]", false, false, q, {"Items", "Index"}},
        SplitCase{"Declaration", " ();", "procedure Draw(Canvas: TCanvas);", false, false, q,
                  {"procedure", "Draw", "Canvas:", "TCanvas"}},
        SplitCase{"QuotesOrdinaryWithoutMatch", " ", "say \"hello world\"", false, true, q,
                  {"say", q + "hello", "world" + q}},
        SplitCase{"QuotedStretchIsOneField", " ", "say \"hello world\"now", true, false, q,
                  {"say", q + "hello world" + q, "now"}},
        SplitCase{"QuotedStretchFiltered", " ", "say \"hello world\"now", true, true, q,
                  {"say", "hello world", "now"}},
        SplitCase{"OpeningQuoteEndsField", " ", "abc\"d e\"f", true, false, q,
                  {"abc", q + "d e" + q, "f"}},
        SplitCase{"EmptyPairKept", " ", "a \"\" b", true, false, q, {"a", q + q, "b"}},
        SplitCase{"EmptyPairFilteredAway", " ", "a \"\" b", true, true, q, {"a", "b"}},
        SplitCase{"UnclosedQuoteTakesRest", " ", "say \"hello  world", true, false, q,
                  {"say", q + "hello  world"}},
        SplitCase{"UnclosedQuoteFiltered", " ", "say \"hello world", true, true, q,
                  {"say", "hello world"}},
        SplitCase{"QuoteKindsNotPaired", " ", "x \"a b' c", true, false, "\"'",
                  {"x", "\"a b'", "c"}},
        // The closing quote meets the separator test after InQuote was cleared.
        SplitCase{"ClosingQuoteAlsoSeparator", " \"", "a\"b c\"d", true, false, q,
                  {"a", q + "b c", "d"}}),
    RowName());

TEST(AwkField, OutOfRangeIsEmpty)
{
    TAwk awk;
    awk.split(" ", "one two");
    EXPECT_EQ(awk.Field(0), "one");
    EXPECT_EQ(awk.Field(1), "two");
    EXPECT_EQ(awk.Field(-1), QString());
    EXPECT_EQ(awk.Field(awk.FieldCount()), QString());

    awk.split(" ", "");
    EXPECT_EQ(awk.FieldCount(), 0);
    EXPECT_EQ(awk.Field(0), QString());
}

TEST(AwkExecute, EmptySeparatorsBecomeSpaceAndTabAndStay)
{
    TAwk awk;
    awk.setLine("a\tb c;d");
    awk.Execute();
    EXPECT_EQ(awk.FS(), " \t");
    EXPECT_EQ(awk.Fields(), QStringList({"a", "b", "c;d"}));
    awk.setLine("e\tf");
    awk.Execute();
    EXPECT_EQ(awk.FS(), " \t");
    EXPECT_EQ(awk.FieldCount(), 2);
}

TEST(AwkExecute, StoppedOrUnknownActionChangesNothing)
{
    for (int action : {2, 7, -1}) {
        TAwk awk;
        awk.split(" ", "one two");
        awk.setLine("three");
        awk.setAction(action);
        awk.Execute();
        EXPECT_EQ(awk.Fields(), QStringList({"one", "two"})) << action;
        EXPECT_EQ(awk.Line(), "three");
        EXPECT_EQ(awk.Action(), action);
    }
}

TEST(AwkLine, CutAtCapacity)
{
    TAwk awk;
    awk.setLine(QString(TAwk::kLineCapacity + 5, QLatin1Char('x')));
    EXPECT_EQ(awk.Line().size(), TAwk::kLineCapacity);
}

// A character outside the Basic Multilingual Plane takes two code units: the
// cut at the capacity keeps it whole or leaves it out, never half of it.
struct PairCutCase
{
    const char *name;
    int before;        // characters ahead of the pair
    int kept;          // of the line "before, the pair, b", in code units
};

UF_ROW_NAME(PairCutCase)

class AwkLineCut : public testing::TestWithParam<PairCutCase>
{};

TEST_P(AwkLineCut, NeverSplitsASurrogatePair)
{
    const QString pair = QString::fromUtf8("\xf0\x9f\x98\x80");   // U+1F600
    const QString line = QString(GetParam().before, u'a') + pair + u'b';
    TAwk awk;
    awk.setLine(line);
    EXPECT_EQ(awk.Line(), line.left(GetParam().kept));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AwkLineCut,
    testing::Values(PairCutCase{"PairAcrossTheLimitIsLeftOut", TAwk::kLineCapacity - 1,
                                TAwk::kLineCapacity - 1},
                    PairCutCase{"PairEndingAtTheLimitIsKept", TAwk::kLineCapacity - 2,
                                TAwk::kLineCapacity},
                    PairCutCase{"PairAfterTheLimitIsLeftOut", TAwk::kLineCapacity,
                                TAwk::kLineCapacity}),
    RowName());

struct CaseConversion
{
    TAwk::TAwkconvert mode;
    QString expected;
};

TEST(AwkConvertCase, FiresParseThenConvertThenConverts)
{
    const QString text = "Alpha \"StrASSE\" \u00df";
    for (const CaseConversion &c :
         {CaseConversion{TAwk::ccNone, text},
          CaseConversion{TAwk::ccUpper, "ALPHA \"STRASSE\" \u00df"},
          CaseConversion{TAwk::ccLower, "alpha \"strasse\" \u00df"}}) {
        TAwk awk;
        QStringList events;
        QObject::connect(&awk, &TAwk::OnParse, [&] { events << "parse:" + awk.Line(); });
        QObject::connect(&awk, &TAwk::OnConvertCase, [&] { events << "convert:" + awk.Line(); });
        awk.setMatchQuotes(true);
        awk.setConvertCase(c.mode);
        awk.split(" ", text);
        QStringList expectedEvents{"parse:" + text};
        if (c.mode != TAwk::ccNone)
            expectedEvents << "convert:" + text;
        EXPECT_EQ(events, expectedEvents) << c.mode;
        EXPECT_EQ(awk.Line(), c.expected);
        EXPECT_EQ(awk.Fields().join('|'), QString(c.expected).replace(' ', '|'));
    }
}

// Records the events of a scan, each OnScan with its line number and fields.
struct ScanLog
{
    explicit ScanLog(TAwk &awk)
    {
        QObject::connect(&awk, &TAwk::OnBegin, [this] { events << "begin"; });
        QObject::connect(&awk, &TAwk::OnEnd, [this] { events << "end"; });
        QObject::connect(&awk, &TAwk::OnScan, [this, &awk] {
            events << QString("scan %1: %2").arg(awk.LineNumber()).arg(awk.Fields().join('|'));
            percents << awk.PercentRead();
        });
        QObject::connect(&awk, &TAwk::OnError, [this, &awk](int number, const QString &text) {
            events << QString("error %1 %2 (%3 %4)")
                          .arg(number)
                          .arg(text)
                          .arg(awk.ErrorNumber())
                          .arg(awk.ErrorText());
        });
    }
    QStringList events;
    QList<int> percents;
};

class AwkScan : public testing::Test
{
protected:
    QString writeFile(const QByteArray &bytes)
    {
        const QString name = dir.filePath(QString("scan%1.txt").arg(++files));
        QFile file(name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return name;
    }
    void scan(const QString &name, int startLine = 0, int endLine = 0)
    {
        awk.setFilename(name);
        awk.setStartLine(startLine);
        awk.setEndLine(endLine);
        awk.setAction(1);
        awk.Execute();
    }

    QTemporaryDir dir;
    int files = 0;
    TAwk awk;
    ScanLog log{awk};
};

TEST_F(AwkScan, SplitsEveryLineWithProgress)
{
    scan(writeFile("a b\r\ncd\r\n"));
    EXPECT_EQ(log.events, QStringList({"begin", "scan 1: a|b", "scan 2: cd", "end"}));
    EXPECT_EQ(log.percents, QList<int>({55, 100}));
    EXPECT_EQ(awk.StartLine(), 1);
    EXPECT_EQ(awk.LineNumber(), 0);
    EXPECT_EQ(awk.PercentRead(), 100);
}

TEST_F(AwkScan, EndLineBelowStartLineSplitsOnlyStartLine)
{
    scan(writeFile("l1\r\nl2\r\nl3\r\nl4\r\nl5\r\n"), 3, 2);
    EXPECT_EQ(awk.EndLine(), 3);
    EXPECT_EQ(log.events, QStringList({"begin", "scan 3: l3", "end"}));
    EXPECT_EQ(awk.Line(), "l4") << "the line after EndLine is read but not split";
    EXPECT_EQ(awk.Fields(), QStringList({"l3"}));
}

TEST_F(AwkScan, LineEndsAndEndOfText)
{
    scan(writeFile("one\r\ntwo\rthree\nfour\r\nfive\x1a six\r\n"));
    EXPECT_EQ(log.events,
              QStringList({"begin", "scan 1: one", "scan 2: two", "scan 3: three\nfour",
                           "scan 4: five", "end"}));
    EXPECT_EQ(awk.PercentRead(), 100);
}

TEST_F(AwkScan, DecodesUtf8OrSingleBytes)
{
    scan(writeFile("caf\xc3\xa9\r\ncaf\xe9\r\n"));
    EXPECT_EQ(log.events,
              QStringList({"begin", QString("scan 1: caf\u00e9"), QString("scan 2: caf\u00e9"),
                           "end"}));
}

TEST_F(AwkScan, StartLineBeyondFileIsError2)
{
    scan(writeFile("l1\r\nl2\r\n"), 3);
    EXPECT_EQ(log.events, QStringList({"error 2 Invalid Starting Line Number (2 Invalid "
                                       "Starting Line Number)"}));
    EXPECT_EQ(awk.LineNumber(), 0);
    EXPECT_EQ(awk.ErrorNumber(), 0);

    log.events.clear();
    scan(writeFile("l1\r\nl2\r\n"), std::numeric_limits<qint32>::max());
    EXPECT_EQ(log.events.size(), 1);
    EXPECT_TRUE(log.events.value(0).startsWith("error 2"));
}

TEST_F(AwkScan, MissingFileIsError1)
{
    for (const QString &name : {dir.filePath("missing.txt"), dir.path(), QString()}) {
        log.events.clear();
        scan(name);
        EXPECT_EQ(log.events, QStringList({"error 1 File Does not exist (1 File Does not exist)"}))
            << name.toStdString();
        EXPECT_EQ(awk.ErrorNumber(), 0);
        EXPECT_EQ(awk.ErrorText(), QString());
    }
}

TEST_F(AwkScan, UnreadableFileIsError3)
{
    const QString name = writeFile("text\r\n");
    QFile::setPermissions(name, QFileDevice::Permissions());
    QFile probe(name);
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "permissions do not stop this user from reading";
    scan(name);
    EXPECT_EQ(log.events, QStringList({"error 3 File I/O Error (3 File I/O Error)"}));
}

TEST_F(AwkScan, LongLineCutAndRestSkipped)
{
    const QByteArray head(TAwk::kLineCapacity, 'a');
    scan(writeFile(head + QByteArray(10000 - TAwk::kLineCapacity, 'b') + "\r\nnext\r\n"));
    ASSERT_EQ(log.events.size(), 4);
    EXPECT_EQ(log.events.at(1), "scan 1: " + QString::fromLatin1(head));
    EXPECT_EQ(log.events.at(2), "scan 2: next");
}

TEST_F(AwkScan, LongUtf8LineCutBetweenCharacters)
{
    QByteArray line("a");
    for (int i = 0; i < 13000; ++i)
        line += "\xc3\xa9";
    scan(writeFile(line + "\r\nnext\r\n"));
    ASSERT_EQ(log.events.size(), 4);
    EXPECT_EQ(log.events.at(1), "scan 1: a" + QString(TAwk::kLineCapacity - 1, QChar(0xe9)));
    EXPECT_EQ(log.events.at(2), "scan 2: next");
}

TEST_F(AwkScan, OnScanSettingAction2StopsScan)
{
    QObject::connect(&awk, &TAwk::OnScan, [this] { awk.setAction(2); });
    scan(writeFile("l1\r\nl2\r\nl3\r\n"));
    EXPECT_EQ(log.events, QStringList({"begin", "scan 1: l1", "end"}));
    EXPECT_EQ(awk.Action(), 2);
    EXPECT_EQ(awk.Line(), "l1");

    log.events.clear();
    awk.Execute();
    EXPECT_TRUE(log.events.isEmpty());
}

TEST_F(AwkScan, OpenQuoteCarriesOverToNextLine)
{
    awk.setMatchQuotes(true);
    awk.setFS(" ");
    scan(writeFile("a \"b c\r\nd e\" f\r\n"));
    EXPECT_EQ(log.events,
              QStringList({"begin", "scan 1: a|\"b c", "scan 2: d e\"|f", "end"}));
    EXPECT_FALSE(awk.InQuote());
}

TEST_F(AwkScan, EmptyFile)
{
    const QString name = writeFile("");
    scan(name, 1);
    EXPECT_EQ(log.events, QStringList({"begin", "end"}));
    EXPECT_EQ(awk.PercentRead(), 100);

    log.events.clear();
    scan(name, 2);
    EXPECT_EQ(log.events.size(), 1);
    EXPECT_TRUE(log.events.value(0).startsWith("error 2"));
}

} // namespace
