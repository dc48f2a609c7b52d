// The typed entries decoded from the stored lists, the table of Pascal words
// and the scanner core shared by the unit reader and the highlighter.
#include "model/componentspec.h"
#include "model/methoddirectives.h"
#include "model/pascalscanner.h"
#include "model/pascalvocabulary.h"
#include "rowname.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// One property as a file stores it, list by list.
ComponentSpec storedProperty(const QStringList &row)
{
    ComponentSpec spec;
    QStringList *lists[] = {&spec.Properties, &spec.Types, &spec.ArrayProperties, &spec.Variables,
                            &spec.RMethods, &spec.WMethods, &spec.ReadWrite, &spec.DefaultValues,
                            &spec.Storage, &spec.Sections, &spec.Attributes, &spec.PropertyComments};
    for (qsizetype i = 0; i < row.size(); ++i)
        lists[i]->append(row.at(i));
    return spec;
}

} // namespace

TEST(PropertyEntry, DecodesEveryStoredValue)
{
    const ComponentSpec spec = storedProperty({u"Items"_s, u"^string"_s, u"Array"_s, u"FItems"_s,
        u"GetItem"_s, u"*"_s, u"read GetItem write FItems"_s, u"'abc'"_s, u"Stored False"_s,
        u"public"_s, u"UR*P"_s, u"the items"_s});
    const PropertyEntry p = spec.property(0);
    EXPECT_EQ(p.name, u"Items"_s);
    EXPECT_EQ(p.type, u"^string"_s);
    EXPECT_TRUE(p.isPointer());
    EXPECT_TRUE(p.indexed);
    EXPECT_EQ(p.field, u"FItems"_s);
    EXPECT_EQ(p.readMethod, u"GetItem"_s);
    EXPECT_EQ(p.writeMethod, QString()) << "the none marker names no method";
    EXPECT_EQ(p.accessClause, u"read GetItem write FItems"_s);
    EXPECT_TRUE(p.access.wellFormed);
    EXPECT_EQ(p.access.reader, u"GetItem"_s);
    EXPECT_EQ(p.access.writer, u"FItems"_s);
    EXPECT_EQ(p.defaultValue, u"'abc'"_s);
    EXPECT_EQ(p.storage, u"Stored False"_s);
    EXPECT_FALSE(p.isStored());
    EXPECT_EQ(p.visibility, Visibility::Public);
    EXPECT_TRUE(p.runtimeOnly);
    EXPECT_TRUE(p.readOnly);
    EXPECT_FALSE(p.writeOnly);
    EXPECT_TRUE(p.isProtected);
    EXPECT_EQ(p.comment, u"the items"_s);
}

// A damaged file keeps what it says: an empty value is no none marker.
TEST(PropertyEntry, NoneMarkersAreAbsentAndEmptyValuesStay)
{
    const ComponentSpec spec = storedProperty({u"Level"_s, u"integer"_s, u"*"_s, u"*"_s, u""_s,
        u"*"_s, u"write X"_s, u""_s, u"*"_s, u"Published"_s, u"****"_s, u""_s});
    const PropertyEntry p = spec.property(0);
    EXPECT_FALSE(p.indexed);
    EXPECT_FALSE(p.field.has_value());
    EXPECT_EQ(p.readMethod, QString());
    ASSERT_TRUE(p.defaultValue.has_value());
    EXPECT_EQ(*p.defaultValue, QString());
    EXPECT_TRUE(p.isStored());
    EXPECT_EQ(p.visibility, Visibility::Undeclared) << "sections are matched in lower case";
    EXPECT_TRUE(p.access.writes);
    EXPECT_FALSE(p.access.reads);
    EXPECT_TRUE(p.access.wellFormed);
}

TEST(PropertyAccess, DamagedClauses)
{
    for (const QString &clause : {u"read"_s, u"write X read Y"_s, u"read 1X"_s, u"read X write"_s,
                                  u"read X write Y Z"_s, QString()})
        EXPECT_FALSE(parseAccessClause(clause).wellFormed) << clause.toStdString();
    EXPECT_TRUE(parseAccessClause(u"  READ  FX   Write SetX "_s).wellFormed);
}

TEST(EventEntry, TakesTheHandlerListsByRowAndThePropertyByName)
{
    ComponentSpec spec;
    spec.addProperty(PropertyInput{u"Level"_s, u"integer"_s});
    spec.addEventHandler({u"Change"_s, u"TNotifyEvent"_s, QString(), false, u"changed"_s});
    spec.addEventHandler({u"OnDone"_s, u"TDoneEvent"_s, u"Sender: TObject"_s, true, QString()});
    const EventEntry change = spec.event(0);
    EXPECT_EQ(change.name, u"OnChange"_s);
    EXPECT_EQ(change.propertyIndex, 1);
    EXPECT_EQ(change.comment, u"changed"_s);
    EXPECT_EQ(change.parameters, QString());
    EXPECT_FALSE(change.isProtected);
    const EventEntry done = spec.event(1);
    EXPECT_EQ(done.type, u"TDoneEvent"_s);
    EXPECT_EQ(done.parameters, u"Sender: TObject"_s);
    EXPECT_TRUE(done.isProtected);
    EXPECT_EQ(spec.event(2).propertyIndex, -1);
}

TEST(MethodEntry, DirectivesCountOnlyInLowerCaseAfterTheHeading)
{
    ComponentSpec spec;
    spec.Methods = {u"Function Map(F: function(X: integer): integer) : boolean;Virtual;abstract;cdecl;"_s,
                    u"procedure Stop;dynamic;virtual;override;"_s};
    spec.MethodSections = {u"protected"_s, u"private"_s};
    const MethodEntry map = spec.method(0);
    EXPECT_EQ(map.parts.name, u"Map"_s);
    EXPECT_EQ(map.parts.parameters, u"F: function(X: integer): integer"_s);
    EXPECT_EQ(map.parts.returnType, u"boolean"_s);
    EXPECT_EQ(map.parts.directives, (QStringList{u"Virtual"_s, u"abstract"_s, u"cdecl"_s}));
    EXPECT_FALSE(map.isVirtual);
    EXPECT_TRUE(map.isAbstract);
    EXPECT_FALSE(map.isProcedure);
    EXPECT_EQ(map.visibility, Visibility::Protected);
    const MethodEntry stop = spec.method(1);
    EXPECT_TRUE(stop.isProcedure);
    EXPECT_TRUE(stop.isDynamic && stop.isVirtual && stop.isOverride);
    EXPECT_EQ(stop.visibility, Visibility::Private);
}

TEST(UserMessageEntry, NameValueAndOffset)
{
    ComponentSpec spec;
    spec.addUserMessage(u"WM_DRAIN"_s, 12);
    spec.UserMessages.append(QString());
    const UserMessageEntry drain = spec.userMessage(0);
    EXPECT_EQ(drain.name, u"WM_DRAIN"_s);
    EXPECT_EQ(drain.value, u"WM_USER + 12"_s);
    EXPECT_EQ(drain.offset, u"12"_s);
    EXPECT_FALSE(drain.isEmpty);
    EXPECT_TRUE(spec.userMessage(1).isEmpty);
}

// ---- the table of Pascal words ------------------------------------------------------------

namespace {

struct WordRow {
    const char *name;
    QString word;
    bool reserved;
    bool keyword;
    bool propertyDirective;
    bool methodDirective;
    PascalWord readerWord;
    HeadingDirective heading;
};

void PrintTo(const WordRow &row, std::ostream *os)
{
    *os << row.name;
}

} // namespace

class PascalWords : public ::testing::TestWithParam<WordRow>
{
};

TEST_P(PascalWords, EachCallerSeesItsUse)
{
    const WordRow &row = GetParam();
    EXPECT_EQ(isReservedWord(row.word), row.reserved);
    EXPECT_EQ(pascalWordHas(row.word, PascalWordEntry::Keyword), row.keyword);
    EXPECT_EQ(pascalWordHas(row.word, PascalWordEntry::PropertyDirective), row.propertyDirective);
    EXPECT_EQ(isMethodDirective(row.word), row.methodDirective);
    EXPECT_EQ(pascalWordOf(row.word), row.readerWord);
    EXPECT_EQ(headingDirectiveOf(row.word), row.heading);
}

INSTANTIATE_TEST_SUITE_P(
    Vocabulary, PascalWords,
    ::testing::Values(
        WordRow{"ReservedEverywhere", u"BEGIN"_s, true, true, false, false, PascalWord::Begin, HeadingDirective::None},
        WordRow{"DirectiveNotReserved", u"Virtual"_s, false, true, false, true, PascalWord::Directive, HeadingDirective::Virtual},
        WordRow{"CallingConvention", u"stdcall"_s, false, false, false, true, PascalWord::Directive, HeadingDirective::None},
        WordRow{"PropertyWordOnly", u"read"_s, false, false, true, false, PascalWord::None, HeadingDirective::None},
        WordRow{"ReservedInFreePascalOnly", u"otherwise"_s, true, false, false, false, PascalWord::None, HeadingDirective::None},
        WordRow{"VisibilityColouredOnly", u"published"_s, false, true, false, false, PascalWord::None, HeadingDirective::None},
        WordRow{"ReaderWordOnly", u"operator"_s, false, false, false, false, PascalWord::Operator, HeadingDirective::None},
        WordRow{"LongestWord", u"Initialization"_s, true, true, false, false, PascalWord::Initialization, HeadingDirective::None},
        WordRow{"NonAsciiLetter", u"b\u00e9gin"_s, false, false, false, false, PascalWord::None, HeadingDirective::None},
        WordRow{"OneLetter", u"a"_s, false, false, false, false, PascalWord::None, HeadingDirective::None}),
    RowName());

TEST(MethodDirectives, SpelledFromTheTable)
{
    EXPECT_EQ(headingDirectiveText(HeadingDirective::Override), u"override;"_s);
    EXPECT_EQ(methodDirectives(), (QStringList{u"virtual;"_s, u"dynamic;"_s, u"abstract;"_s, u"override;"_s}));
    EXPECT_EQ(withoutDirectives(u"Procedure Set(abstract;x);virtual;abstract;"_s),
              u"Procedure Set(x);abstract;"_s)
        << "the first occurrence goes, wherever it is";
}

// ---- the scanner core ---------------------------------------------------------------------

namespace {

enum class Scan { Comment, String, Number };

struct ScanRow {
    const char *name;
    Scan scan;
    QString text;
    qsizetype at;
    qsizetype expected;   // the end (comments, strings) or the length (numbers)
};

void PrintTo(const ScanRow &row, std::ostream *os)
{
    *os << row.name;
}

qsizetype scanned(const ScanRow &row)
{
    switch (row.scan) {
    case Scan::Comment: {
        const PascalComment kind = commentOpeningAt(row.text, row.at);
        return commentEnd(row.text, row.at + commentOpenerLength(kind), kind);
    }
    case Scan::String: return stringEnd(row.text, row.at);
    case Scan::Number: return numberLength(row.text, row.at);
    }
    return -2;
}

} // namespace

class PascalScanner : public ::testing::TestWithParam<ScanRow>
{
};

TEST_P(PascalScanner, FindsTheEnd)
{
    EXPECT_EQ(scanned(GetParam()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Core, PascalScanner,
    ::testing::Values(
        ScanRow{"BraceComment", Scan::Comment, u"x{a}y"_s, 1, 4},
        ScanRow{"ParenCommentNeedsItsOwnStar", Scan::Comment, u"(*)*)"_s, 0, 5},
        ScanRow{"UnclosedComment", Scan::Comment, u"{ open"_s, 0, -1},
        ScanRow{"LineCommentEndsAtTheBreak", Scan::Comment, u"a//b\r\nc"_s, 1, 4},
        ScanRow{"DoubledQuote", Scan::String, u"'it''s' x"_s, 0, 7},
        ScanRow{"StringEndsOnItsLine", Scan::String, u"'abc\n'"_s, 0, -1},
        ScanRow{"EmptyString", Scan::String, u"''"_s, 0, 2},
        ScanRow{"RangeIsNoFraction", Scan::Number, u"1..9"_s, 0, 1},
        ScanRow{"Exponent", Scan::Number, u"2.5e-3;"_s, 0, 6},
        ScanRow{"ExponentWithoutDigits", Scan::Number, u"1e+"_s, 0, 1},
        ScanRow{"HexAfterDollar", Scan::Number, u"$FFz"_s, 0, 3},
        ScanRow{"DollarAlone", Scan::Number, u"$z"_s, 0, 0},
        ScanRow{"CharacterCode", Scan::Number, u"#$0D#10"_s, 0, 4},
        ScanRow{"DotBeforeDigitIsNoNumber", Scan::Number, u"X.1"_s, 1, 0}),
    RowName());

TEST(PascalScanner, CompilerDirectives)
{
    EXPECT_TRUE(isCompilerDirective(u"{$R+}", 0, PascalComment::Brace));
    EXPECT_TRUE(isCompilerDirective(u"(*$I x*)", 0, PascalComment::Parenthesis));
    EXPECT_FALSE(isCompilerDirective(u"{ $R+}", 0, PascalComment::Brace));
    EXPECT_FALSE(isCompilerDirective(u"//$x", 0, PascalComment::Line));
}
