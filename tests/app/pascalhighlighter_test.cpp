#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include "app/pascalhighlighter.h"
#include "rowname.h"

namespace {

using Kind = PascalHighlighter::Kind;

// The documents are those of a QPlainTextEdit, as on the Output page: a
// document without a layout tells its highlighter of no change.

// One letter per character: k reserved word, c comment, s string, n number,
// d directive, . plain; lines joined by "|".
QString kindMap(const QTextDocument &document, const PascalHighlighter &highlighter)
{
    const std::pair<Kind, QChar> letters[] = {
        {Kind::Keyword, u'k'}, {Kind::Comment, u'c'}, {Kind::String, u's'},
        {Kind::Number, u'n'},  {Kind::Directive, u'd'},
    };
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString line(block.length() - 1, u'.');
        for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
            QChar letter = u'?';
            for (const auto &[kind, l] : letters) {
                if (range.format == highlighter.format(kind))
                    letter = l;
            }
            for (int i = range.start; i < range.start + range.length && i < line.size(); ++i)
                line[i] = letter;
        }
        lines.append(line);
    }
    return lines.join(u'|');
}

struct PascalCase {
    const char *name;
    const char *source;   // lines separated by "|"
    const char *kinds;
};
UF_ROW_NAME(PascalCase)

class PascalColouring : public testing::TestWithParam<PascalCase>
{
};

TEST_P(PascalColouring, MarksEveryCharacter)
{
    QPlainTextEdit edit;
    QTextDocument &document = *edit.document();
    PascalHighlighter highlighter(&document);
    document.setPlainText(QString::fromUtf8(GetParam().source).replace(u'|', u'\n'));
    EXPECT_EQ(kindMap(document, highlighter).toStdString(), std::string(GetParam().kinds))
        << GetParam().source;
}

// clang-format off
const PascalCase kPascalCases[] = {
    {"ReservedWordsInAnyCaseButNotInsideNames",
     "BEGIN Endx end;_if if2 If",
     "kkkkk......kkk.........kk"},
    {"DoubledQuoteStaysInTheString",
     "s := 'it''s'; x := '''';",
     ".....sssssss.......ssss."},
    {"EmptyStringThenCode",
     "'' end",
     "ss.kkk"},
    {"UnterminatedStringEndsWithItsLine",
     "'abc|end",
     "ssss|kkk"},
    {"CommentOpenersInsideAStringOpenNothing",
     "'{ (* //' begin",
     "sssssssss.kkkkk"},
    {"QuoteInsideACommentOpensNoString",
     "{ don't } end",
     "ccccccccc.kkk"},
    {"BraceCommentIgnoresParenStarClosers",
     "{ a (* b *) c } end",
     "ccccccccccccccc.kkk"},
    {"ParenCommentIgnoresBraces",
     "(* { *) end",
     "ccccccc.kkk"},
    {"BraceCommentAcrossLinesWithParenInside",
     "begin { one|(* two *)|three } end",
     "kkkkk.ccccc|ccccccccc|ccccccc.kkk"},
    {"BraceInsideParenCommentLeavesNothingOpen",
     "(* one {|two *) end|begin",
     "cccccccc|cccccc.kkk|kkkkk"},
    {"ParenCommentAcrossLinesIgnoresBraceCloser",
     "(* a|} b *) if",
     "cccc|cccccc.kk"},
    {"ParenStarCloseParenOpensAComment",
     "(*) x *) do",
     "cccccccc.kk"},
    {"CloserAtTheStartOfTheNextLine",
     "{ a|}end|(* b|*)do",
     "ccc|ckkk|cccc|cckk"},
    {"LineCommentHidesOpeners",
     "x // { (* 'a|begin",
     "..cccccccccc|kkkkk"},
    {"BraceDirective",
     "{$R *.RES} unit",
     "dddddddddd.kkkk"},
    {"ParenDirective",
     "(*$I+*) end",
     "ddddddd.kkk"},
    {"DirectiveAcrossLines",
     "{$IFDEF|WIN32} end",
     "ddddddd|dddddd.kkk"},
    {"DecimalRealAndExponentNumbers",
     "x := 12 + 1.5e-3 + 2E10;",
     ".....nn...nnnnnn...nnnn."},
    {"HexNumbersAndCharCodes",
     "$FF + #13#10 + #$0D + $ + #",
     "nnn...nnnnnn...nnnn........"},
    {"RangeIsTwoNumbers",
     "array[1..9] of",
     "kkkkk.n..n..kk"},
    {"DigitsInsideNamesAreNoNumbers",
     "Count2 := a1;",
     "............."},
    {"PropertyAccessWordsOnlyInAPropertyOutsideItsBrackets",
     "property Items[Index: Integer]: string read GetItem write SetItem;|Read := Index;",
     "kkkkkkkk........................kkkkkk.kkkk.........kkkkk.........|.............."},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(PascalHighlighter, PascalColouring, testing::ValuesIn(kPascalCases),
                         [](const testing::TestParamInfo<PascalCase> &info) {
                             return std::string(info.param.name);
                         });

TEST(PascalHighlighterEdit, ClosingACommentRecoloursTheLinesAfterIt)
{
    QPlainTextEdit edit;
    QTextDocument &document = *edit.document();
    PascalHighlighter highlighter(&document);
    document.setPlainText(QStringLiteral("{ a\nbegin\nend"));
    EXPECT_EQ(kindMap(document, highlighter), QStringLiteral("ccc|ccccc|ccc"));
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.insertText(QStringLiteral("}"));
    EXPECT_EQ(kindMap(document, highlighter), QStringLiteral("cccc|kkkkk|kkk"));
}

// The first letter of a line's colouring ("." when plain).
QChar lineKind(const QTextDocument &document, const PascalHighlighter &highlighter, int line)
{
    return kindMap(document, highlighter).split(u'|').at(line).front();
}

// Runs the event loop until every line is coloured, and once more, as it
// does before the next keystroke arrives.
void finishColouring(const PascalHighlighter &highlighter)
{
    for (int round = 0; round < 100 && highlighter.hasPendingLines(); ++round)
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

TEST(PascalHighlighterLongText, CommentOpenedAtTheTopReachesTheLastLineRoundByRound)
{
    QPlainTextEdit edit;
    QTextDocument &document = *edit.document();
    PascalHighlighter highlighter(&document);
    const int lines = PascalHighlighter::kLinesPerPass * 3;
    document.setPlainText(QStringLiteral("begin\n").repeated(lines - 1) + QStringLiteral("end"));
    finishColouring(highlighter);
    ASSERT_EQ(lineKind(document, highlighter, lines - 1), u'k');

    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("{ "));
    // One keystroke colours a bounded number of lines; the event loop the rest.
    EXPECT_EQ(lineKind(document, highlighter, PascalHighlighter::kLinesPerPass - 1), u'c');
    EXPECT_EQ(lineKind(document, highlighter, lines - 1), u'k');
    EXPECT_TRUE(highlighter.hasPendingLines());
    finishColouring(highlighter);
    EXPECT_FALSE(highlighter.hasPendingLines());
    EXPECT_EQ(lineKind(document, highlighter, lines - 1), u'c');

    cursor.deletePreviousChar();
    cursor.deletePreviousChar();
    finishColouring(highlighter);
    EXPECT_EQ(lineKind(document, highlighter, lines - 1), u'k');
    EXPECT_EQ(lineKind(document, highlighter, lines / 2), u'k');
}

TEST(PascalHighlighterLongText, NewColoursReachEveryLine)
{
    QPlainTextEdit edit;
    PascalHighlighter highlighter(edit.document());
    const int lines = PascalHighlighter::kLinesPerPass * 2 + 10;
    edit.setPlainText(QStringLiteral("'text'\n").repeated(lines));
    finishColouring(highlighter);
    highlighter.setColors(Qt::white, Qt::black);
    finishColouring(highlighter);
    const QTextBlock last = edit.document()->findBlockByNumber(lines - 1);
    ASSERT_FALSE(last.layout()->formats().isEmpty());
    EXPECT_EQ(last.layout()->formats().front().format, highlighter.format(Kind::String));
}

TEST(PascalHighlighterSwitch, OffShowsPlainTextAndOnColoursAgain)
{
    QPlainTextEdit edit;
    QTextDocument &document = *edit.document();
    PascalHighlighter highlighter(&document);
    document.setPlainText(QStringLiteral("{ a\nbegin"));
    highlighter.setEnabled(false);
    EXPECT_FALSE(highlighter.isEnabled());
    EXPECT_EQ(kindMap(document, highlighter), QStringLiteral("...|....."));
    highlighter.setEnabled(true);
    EXPECT_EQ(kindMap(document, highlighter), QStringLiteral("ccc|ccccc"));
}

// The colours keep a contrast of 4.5 to the background, whatever its colour.
struct Backdrop {
    const char *name;
    QRgb text;
    QRgb background;
};
UF_ROW_NAME(Backdrop)

class ReadableColours : public testing::TestWithParam<Backdrop>
{
};

TEST_P(ReadableColours, EveryKindStandsOutFromTheBackground)
{
    QPlainTextEdit edit;
    QTextDocument &document = *edit.document();
    PascalHighlighter highlighter(&document);
    const QColor background = QColor::fromRgb(GetParam().background);
    highlighter.setColors(QColor::fromRgb(GetParam().text), background);
    for (const Kind kind : {Kind::Keyword, Kind::Comment, Kind::String, Kind::Number,
                            Kind::Directive}) {
        const QColor color = highlighter.format(kind).foreground().color();
        EXPECT_GE(PascalHighlighter::contrastRatio(color, background), 4.5)
            << "kind " << int(kind) << " " << color.name().toStdString();
    }
    EXPECT_GE(PascalHighlighter::contrastRatio(highlighter.textColor(), background), 4.5)
        << "plain text " << highlighter.textColor().name().toStdString();
    // The kinds stay apart from each other.
    EXPECT_NE(highlighter.format(Kind::String).foreground().color(),
              highlighter.format(Kind::Number).foreground().color());
}

INSTANTIATE_TEST_SUITE_P(
    PascalHighlighter, ReadableColours,
    testing::Values(Backdrop{"BlackOnWhite", 0x000000, 0xFFFFFF},
                    Backdrop{"WhiteOnBlack", 0xFFFFFF, 0x000000},
                    Backdrop{"YellowOnNavy", 0xFFFF00, 0x000080},
                    Backdrop{"LightGreyOnDarkGrey", 0xD0D0D0, 0x303030},
                    Backdrop{"BlackOnPaleYellow", 0x000000, 0xFFFFC0},
                    Backdrop{"BlackOnNavy", 0x000000, 0x000080},
                    Backdrop{"BlackOnBlack", 0x000000, 0x000000},
                    Backdrop{"PaleGreyOnWhite", 0xC0C0C0, 0xFFFFFF}),
    [](const testing::TestParamInfo<Backdrop> &info) { return std::string(info.param.name); });

// A text colour that reads well is kept as it is; one too close to the
// background keeps its hue.
TEST(PascalHighlighterColours, ReadableTextKeepsItsColourAndUnreadableItsHue)
{
    QPlainTextEdit edit;
    PascalHighlighter highlighter(edit.document());
    highlighter.setColors(QColor(0x20, 0x40, 0x90), Qt::white);
    EXPECT_EQ(highlighter.textColor(), QColor(0x20, 0x40, 0x90));
    highlighter.setColors(QColor(0x20, 0x40, 0x90), QColor(0x10, 0x10, 0x30));
    EXPECT_EQ(highlighter.textColor().hslHue(), QColor(0x20, 0x40, 0x90).hslHue());
    EXPECT_GT(highlighter.textColor().lightness(), QColor(0x20, 0x40, 0x90).lightness());
}

TEST(PascalHighlighterColours, ContrastRatioSpansOneToTwentyOne)
{
    EXPECT_NEAR(PascalHighlighter::contrastRatio(Qt::black, Qt::white), 21.0, 0.01);
    EXPECT_NEAR(PascalHighlighter::contrastRatio(Qt::white, Qt::black), 21.0, 0.01);
    EXPECT_NEAR(PascalHighlighter::contrastRatio(Qt::red, Qt::red), 1.0, 0.001);
}

} // namespace
