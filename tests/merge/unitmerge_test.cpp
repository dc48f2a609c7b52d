// SPDX-License-Identifier: MIT
// The merge of a new build with an edited unit, rule by rule.
#include <gtest/gtest.h>

#include "merge/unitmerge.h"
#include "unitfixtures.h"
#include "rowname.h"

namespace {

// Test text is written with "\n"; units have CR LF line ends.
QString crlf(const char *text)
{
    return QString::fromUtf8(text).replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

QStringList describe(const QList<MergeItem> &items)
{
    QStringList result;
    for (const MergeItem &item : items)
        result.append(describeMergeItem(item));
    return result;
}

QString insertedBefore(const QString &unit, const char *anchor, const QString &text)
{
    const qsizetype at = unit.indexOf(crlf(anchor));
    EXPECT_GE(at, 0) << anchor;
    return QString(unit).insert(at, text);
}

TEST(UnitMerge, NothingWrittenGivesTheNewUnitExactly)
{
    // Built under another style from an earlier specification: no line of it is the user's.
    ComponentSpec before = gaugeSpec();
    PropertyInput level = propertyInput(QStringLiteral("Level"), QStringLiteral("integer"), QStringLiteral("7"));
    level.readMethod = QStringLiteral("GetLevel");
    before.addProperty(level);
    before.addMethod(methodInput(QStringLiteral("Function"), QStringLiteral("Ratio"), QString(),
                                 QStringLiteral("double")));
    before.MethodComments.last() = QStringLiteral("Value over range");
    before.Palettepage = QStringLiteral("Additional");
    Style wide;
    wide.indent = 4;
    wide.blankLines = 1;
    wide.separatorChar = QStringLiteral("-");
    const QString existing = builtUnit(before, wide);

    ComponentSpec after = gaugeSpec();
    after.addProperty(propertyInput(QStringLiteral("Maximum"), QStringLiteral("integer"), QStringLiteral("100")));
    const QString built = builtUnit(after);

    const UnitMerge merge = mergeUnits(built, existing);
    ASSERT_TRUE(merge.error.isEmpty()) << merge.error.toStdString();
    EXPECT_EQ(merge.text, built);
    EXPECT_TRUE(merge.lost.isEmpty()) << lossSummary(merge.lost).toStdString();
    EXPECT_TRUE(merge.kept.isEmpty()) << describe(merge.kept).join(u'|').toStdString();
    EXPECT_EQ(describe(merge.dropped),
              QStringList({QStringLiteral("TGauge.GetLevel (4 lines)"), QStringLiteral("TGauge.Ratio (5 lines)")}));
}

TEST(UnitMerge, LineEndsAndTrailingBlanksAreNoWriting)
{
    const QString built = builtUnit(gaugeSpec());
    QString existing = built;
    existing.replace(QStringLiteral("\r\n"), QStringLiteral("  \n"));
    const UnitMerge merge = mergeUnits(built, existing);
    EXPECT_EQ(merge.text, built);
    EXPECT_TRUE(merge.kept.isEmpty());
    EXPECT_TRUE(merge.lost.isEmpty());
}

TEST(UnitMerge, WrittenBodyGoesUnderTheNewHeading)
{
    const QString body = crlf("\nvar\n  Old: integer; { end; }\nbegin\n  Old := FValue;\n"
                              "  FValue := Value; // 'end;\nend;");
    const QString existing = withBody(builtUnit(gaugeSpec()), QStringLiteral("TGauge.SetValue"), body);

    ComponentSpec after = gaugeSpec();
    after.Types[0] = QStringLiteral("longint");
    const QString built = builtUnit(after);
    const UnitMerge merge = mergeUnits(built, existing);

    EXPECT_TRUE(merge.text.contains(QStringLiteral("procedure TGauge.SetValue(Value:longint);") + body));
    EXPECT_EQ(merge.text, withBody(built, QStringLiteral("TGauge.SetValue"), body));
    EXPECT_EQ(describe(merge.kept), QStringList{QStringLiteral("TGauge.SetValue (written body, 7 lines)")});
    EXPECT_TRUE(merge.lost.isEmpty());
}

TEST(UnitMerge, BodyOfAnEarlierPalettePageOrClassNameIsTheBuilds)
{
    ComponentSpec before = gaugeSpec();
    before.Palettepage = QStringLiteral("Additional");
    const QString flash = crlf("\nbegin\n  Beep;\nend;");
    const QString existing = withBody(builtUnit(before), QStringLiteral("TGauge.Flash"), flash);

    ComponentSpec after = gaugeSpec();
    after.Classname = QStringLiteral("TDial");
    const QString built = builtUnit(after);
    // A method already under the new name is a method too, not a routine of one's own.
    const UnitMerge merge = mergeUnits(built, insertedBefore(existing, "end.", crlf("procedure TDial.Extra;\nbegin\n\nend;\n")));

    EXPECT_TRUE(merge.text.contains(crlf("RegisterComponents('Samples',[TDial]);")));
    EXPECT_TRUE(merge.text.contains(QStringLiteral("Procedure TDial.Flash(Times: integer);") + flash));
    EXPECT_EQ(describe(merge.kept), QStringList{QStringLiteral("TDial.Flash (written body, 4 lines)")});
    EXPECT_EQ(describe(merge.dropped), QStringList{QStringLiteral("TDial.Extra (4 lines)")});
}

struct ConstructorCase {
    const char *name;
    const char *written;    // the statements under "inherited Create(AOwner);"
    void (*change)(ComponentSpec &);
    const char *merged;
    int ownLines;
};
UF_ROW_NAME(ConstructorCase)

class ConstructorMergeRule : public testing::TestWithParam<ConstructorCase> {};

TEST_P(ConstructorMergeRule, KeepsOwnLinesAndTheNewInitialisations)
{
    const QString head = crlf("\nbegin\n  inherited Create(AOwner);\n");
    const QString existing = withBody(builtUnit(gaugeSpec()), QStringLiteral("TGauge.Create"),
                                      head + crlf(GetParam().written) + QStringLiteral("end;"));
    ComponentSpec after = gaugeSpec();
    GetParam().change(after);
    const UnitMerge merge = mergeUnits(builtUnit(after), existing);
    ASSERT_TRUE(merge.error.isEmpty()) << merge.error.toStdString();
    EXPECT_EQ(bodyOf(merge.text, QStringLiteral("TGauge.Create")).toStdString(),
              (head + crlf(GetParam().merged) + QStringLiteral("end;")).toStdString());
    const QStringList kept = describe(merge.kept);
    if (GetParam().ownLines > 0) {
        EXPECT_EQ(kept, QStringList{QStringLiteral("TGauge.Create (%1 own line%2)")
                                        .arg(GetParam().ownLines)
                                        .arg(GetParam().ownLines == 1 ? "" : "s")});
    } else {
        EXPECT_TRUE(kept.isEmpty());
    }
}

void addLevel(ComponentSpec &spec)
{
    spec.addProperty(propertyInput(QStringLiteral("Level"), QStringLiteral("integer"), QStringLiteral("3")));
}

void changeValueDefault(ComponentSpec &spec)
{
    spec.DefaultValues[0] = QStringLiteral("5");
    spec.Initializers[0] = ComponentSpec::initializerFor(QStringLiteral("FValue"), QStringLiteral("5"));
}

void dropCaptionDefault(ComponentSpec &spec)
{
    spec.DefaultValues[1] = kNone;
    spec.Initializers[1] = kNone;
}

void allChanges(ComponentSpec &spec)
{
    changeValueDefault(spec);
    dropCaptionDefault(spec);
    addLevel(spec);
}

void removeValue(ComponentSpec &spec)
{
    spec.removeDefinedProperty(0);
}

INSTANTIATE_TEST_SUITE_P(Rules, ConstructorMergeRule, testing::Values(
    ConstructorCase{"NewDefaultAfterTheInitialisationBeforeIt",
        "     FValue := 0;\n  FBitmap := TBitmap.Create;\n     FCaption := 'Gauge';\n",
        addLevel,
        "     FValue := 0;\n  FBitmap := TBitmap.Create;\n     FCaption := 'Gauge';\n     FLevel := 3;\n", 1},
    ConstructorCase{"FirstDefaultAfterTheInheritedCall",
        "  Width := 10;\n",
        [](ComponentSpec &spec) { dropCaptionDefault(spec); changeValueDefault(spec); },
        "     FValue := 5;\n  Width := 10;\n", 1},
    ConstructorCase{"ChangedDefaultInItsPlaceRemovedOneGone",
        "  Width := 10;\n     FCaption := 'Gauge';\n  Height := 20;\n     FValue := 0;\n",
        allChanges,
        "  Width := 10;\n  Height := 20;\n     FValue := 5;\n     FLevel := 3;\n", 2},
    ConstructorCase{"RemovedPropertyTakesItsInitialisation",
        "     FValue := 0;\n     FCaption := 'Gauge';\n  if FCaption = '' then Exit;\n",
        removeValue,
        "     FCaption := 'Gauge';\n  if FCaption = '' then Exit;\n", 1},
    // Found by fuzzing: a line with more than the initialisation on it is the user's.
    ConstructorCase{"InitialisationSharingItsLineIsOwn",
        "     FValue := 0;\n     FCaption := 'Gauge'; Beep;\n     FCaption := 'end'; // end\n",
        dropCaptionDefault,
        "     FValue := 0;\n     FCaption := 'Gauge'; Beep;\n     FCaption := 'end'; // end\n", 2},
    ConstructorCase{"OwnFieldInTheBuildsSpellingIsOwn",
        "     FValue := 0;\n     FCaption := 'Gauge';\n     FTicks := 12;\n",
        dropCaptionDefault,
        "     FValue := 0;\n     FTicks := 12;\n", 1}),
    [](const testing::TestParamInfo<ConstructorCase> &info) { return std::string(info.param.name); });

TEST(UnitMerge, OwnRoutinesAndTheUnitsOwnCodeStay)
{
    const QString helper = crlf("function Clamp(X: integer): integer;\nbegin\n  Result := X; { end; }\nend;\n");
    const QString between = crlf("\nconst\n  Steps = 10;\n\nprocedure Tick;\nbegin\nend;\n");
    const QString ending = crlf("initialization\n  Tick;\nfinalization\n  { nothing }\n");
    QString existing = builtUnit(gaugeSpec());
    existing = insertedBefore(existing, "{====", QStringLiteral("uses Dialogs;\r\n\r\n") + helper + QStringLiteral("\r\n"));
    existing = insertedBefore(existing, " \n \n{====", between).replace(
        crlf("end;\nend.\n"), crlf("end;\n") + ending + crlf("end.\n\n(* notes after the end *)\n"));
    const UnitMerge merge = mergeUnits(builtUnit(gaugeSpec()), existing);
    ASSERT_TRUE(merge.error.isEmpty()) << merge.error.toStdString();
    EXPECT_EQ(merge.text, existing);
    EXPECT_EQ(describe(merge.kept), QStringList({
        QStringLiteral("Clamp (own routine, 4 lines)"),
        QStringLiteral("Tick (own routine, 3 lines)"),
        QStringLiteral("initialization part (4 lines)"),
        QStringLiteral("text after \"end.\" (1 line)")}));
    EXPECT_TRUE(merge.lost.isEmpty());
}

TEST(UnitMerge, OwnTextMovesWithTheRoutineBelowIt)
{
    // A declaration above a method stays above it when new routines come before.
    const QString own = crlf("const Ticks = 3; { for Flash }\n");
    const QString existing = insertedBefore(builtUnit(gaugeSpec()), "Procedure TGauge.Flash", own);
    ComponentSpec after = gaugeSpec();
    PropertyInput level = propertyInput(QStringLiteral("Level"), QStringLiteral("integer"));
    level.writeMethod = QStringLiteral("SetLevel");
    after.addProperty(level);
    const UnitMerge merge = mergeUnits(builtUnit(after), existing);
    const qsizetype ownAt = merge.text.indexOf(own);
    ASSERT_GE(ownAt, 0);
    EXPECT_LT(merge.text.indexOf(QStringLiteral("procedure TGauge.SetLevel")), ownAt);
    EXPECT_LT(ownAt, merge.text.indexOf(QStringLiteral("Procedure TGauge.Flash")));
}

TEST(UnitMerge, VanishedMethodIsDroppedWhenEmptyAndListedWhenWritten)
{
    ComponentSpec before = gaugeSpec();
    before.addMethod(methodInput(QStringLiteral("Procedure"), QStringLiteral("Blink")));
    before.MethodComments.last() = QStringLiteral("On and off");
    const QString flash = crlf("\nvar\n  I: integer;\nbegin\n  for I := 1 to Times do\n    Invalidate;\nend;");
    const QString existing = withBody(builtUnit(before), QStringLiteral("TGauge.Flash"), flash);

    ComponentSpec after = gaugeSpec();
    after.removeMethod(0);
    const UnitMerge merge = mergeUnits(builtUnit(after), existing);
    EXPECT_EQ(describe(merge.lost), QStringList{QStringLiteral("TGauge.Flash (7 lines)")});
    EXPECT_EQ(describe(merge.dropped), QStringList{QStringLiteral("TGauge.Blink (5 lines)")});
    EXPECT_EQ(merge.text, builtUnit(after));
    EXPECT_TRUE(merge.losesWork());
}

PropertyInput ownedObject(const QString &name, const QString &type)
{
    PropertyInput owned = propertyInput(name, type);
    owned.writeMethod = QStringLiteral("Set") + name;
    return owned;
}

TEST(UnitMerge, WorkingBodiesGoWithTheirPropertyAndOwnedObjectsAreCreatedOnce)
{
    Style working;
    working.workingBodies = true;
    ComponentSpec before = gaugeSpec();
    PropertyInput level = propertyInput(QStringLiteral("Level"), QStringLiteral("integer"));
    level.readMethod = QStringLiteral("GetLevel");
    level.writeMethod = QStringLiteral("SetLevel");
    before.addProperty(level);
    before.addProperty(ownedObject(QStringLiteral("Lines"), QStringLiteral("TStrings")));
    const QString existing = builtUnit(before, working);
    ASSERT_TRUE(existing.contains(QStringLiteral("  FLines := TStringList.Create;")));

    ComponentSpec after = gaugeSpec();
    after.addProperty(ownedObject(QStringLiteral("Face"), QStringLiteral("TFont")));
    const QString built = builtUnit(after, working);
    const UnitMerge merge = mergeUnits(built, existing);
    ASSERT_TRUE(merge.error.isEmpty()) << merge.error.toStdString();
    // Nothing in the old unit was written by hand: the new build, whole.
    EXPECT_EQ(merge.text, built);
    EXPECT_TRUE(merge.lost.isEmpty()) << lossSummary(merge.lost).toStdString();
    EXPECT_EQ(describe(merge.dropped).size(), 3) << describe(merge.dropped).join(u'|').toStdString();

    // Rebuilt without working bodies, a creation written by hand for a property that stays is kept.
    const UnitMerge plain = mergeUnits(builtUnit(after), built);
    EXPECT_TRUE(bodyOf(plain.text, QStringLiteral("TGauge.Create")).contains(QStringLiteral("FFace := TFont.Create;")));
}

TEST(UnitMerge, LoneCarriageReturnsBeforeAnOwnRoutineMergeTheSameTwice)
{
    // Found by fuzzing: the build's CR and the LF above an own routine read back as one break.
    const QString built = builtUnit(gaugeSpec()).replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    const QString existing = QString(built).replace(
        QStringLiteral("end;\rend.\r"),
        QStringLiteral("end;\n\nfunction Twice(N: integer): integer;\rbegin\r  Result := 2 * N;\rend;\rend.\r"));
    const UnitMerge first = mergeUnits(built, existing);
    ASSERT_TRUE(first.error.isEmpty()) << first.error.toStdString();
    ASSERT_TRUE(first.text.contains(QStringLiteral("function Twice")));
    EXPECT_EQ(mergeUnits(built, first.text).text, first.text);
}

TEST(UnitMerge, OwnLinesEndingInALoneCarriageReturnMergeTheSameTwice)
{
    // Found by fuzzing: kept lines that end in a lone CR, placed before the build's blank
    // line, took its LF for their own break; the second merge brought the blank line back.
    const QString built = builtUnit(gaugeSpec()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString existing = QString(built).replace(QStringLiteral("end;\n\nprocedure Register;"),
                                                    QStringLiteral("end;\nconst Mine = 1;\r\x0Bprocedure Register;"));
    ASSERT_NE(existing, built);
    const UnitMerge first = mergeUnits(built, existing);
    ASSERT_TRUE(first.error.isEmpty()) << first.error.toStdString();
    ASSERT_TRUE(first.text.contains(QStringLiteral("const Mine = 1;")));
    EXPECT_EQ(mergeUnits(built, first.text).text, first.text);
}

TEST(UnitMerge, TextBeforeImplementationOnItsLineIsKept)
{
    // Found by fuzzing: the region after the class ended at the start of the line of
    // "implementation", so what the author wrote before the word on that line went.
    const QString built = builtUnit(gaugeSpec());
    QString existing = built;
    existing.replace(crlf("\nimplementation\n"), crlf("\nconst Steps = 10; implementation\n"));
    ASSERT_NE(existing, built);
    const UnitMerge merge = mergeUnits(built, existing);
    ASSERT_TRUE(merge.error.isEmpty()) << merge.error.toStdString();
    EXPECT_TRUE(merge.text.contains(QStringLiteral("const Steps = 10;"))) << merge.text.toStdString();
    EXPECT_TRUE(merge.lost.isEmpty()) << lossSummary(merge.lost).toStdString();
    EXPECT_TRUE(readPascalUnit(merge.text).isReadable());
    EXPECT_EQ(mergeUnits(built, merge.text).text, merge.text);
}

// The author's additions to a unit, made the same way to whichever unit is given.
QString withOwnDeclarations(QString unit)
{
    unit.replace(crlf("  mplayer,Spin;\n"), crlf("  mplayer,Spin,Registry;\n"));
    unit.replace(crlf("    FCaption : string;\n"), crlf("    FCaption : string;\n    FBitmap: TBitmap; // the face\n"
                                                        "    FTicks : integer;\n"));
    unit.replace(crlf("  public\n"), crlf("  public\n    procedure Blink;\n"));
    return insertedBefore(unit, "end.", crlf("procedure TGauge.Blink;\nbegin\n  Flash(2);\nend;\n"));
}

TEST(UnitMerge, DeclarationsWrittenByHandSurviveAChangedSpecification)
{
    QString existing = withOwnDeclarations(builtUnit(gaugeSpec()));
    existing = withBody(existing, QStringLiteral("TGauge.Flash"), crlf("\nbegin\n  Blink;\nend;"));

    // Flash goes; Value is declared anew as a longint.
    ComponentSpec after = gaugeSpec();
    after.removeMethod(0);
    after.Types[0] = QStringLiteral("longint");
    const UnitMerge merge = mergeUnits(builtUnit(after), existing);
    ASSERT_TRUE(merge.error.isEmpty()) << merge.error.toStdString();
    EXPECT_EQ(merge.text.toStdString(), withOwnDeclarations(builtUnit(after)).toStdString());
    EXPECT_FALSE(merge.text.contains(QStringLiteral("FValue : integer;")));
    EXPECT_EQ(lossSummary(merge.lost), QStringLiteral("TGauge.Flash (4 lines)"));
    EXPECT_EQ(describe(merge.kept), QStringList({QStringLiteral("own units in the uses clause (Registry)"),
                                                 QStringLiteral("own declarations in TGauge (3 lines)"),
                                                 QStringLiteral("TGauge.Blink (own routine, 4 lines)")}));
}

// A member cut off in the middle ("procedure Broken") runs on over the next
// line, which reads like the build's property declaration naming GetValue.
// Only lines that hold one whole member are the build's: the hand-declared
// GetValue stays with its body, and merging again changes nothing.
TEST(UnitMerge, ALineInsideADamagedMemberDoesNotMakeAnOwnMethodTheBuilds)
{
    QString existing = builtUnit(gaugeSpec());
    existing.replace(crlf("    procedure SetValue(Value:integer);\n"),
                     crlf("    procedure SetValue(Value:integer);\n    function GetValue: integer;\n"
                          "    procedure Broken\n    Property Value : integer read GetValue write SetValue default 0;\n"));
    existing = insertedBefore(existing, "end.", crlf("function TGauge.GetValue: integer;\nbegin\n  Result := FValue;\nend;\n\n"));
    const UnitMerge merge = mergeUnits(builtUnit(gaugeSpec()), existing);
    ASSERT_TRUE(merge.error.isEmpty()) << merge.error.toStdString();
    EXPECT_TRUE(merge.lost.isEmpty()) << lossSummary(merge.lost).toStdString();
    EXPECT_TRUE(merge.text.contains(crlf("    function GetValue: integer;\n")));
    EXPECT_TRUE(merge.text.contains(crlf("  Result := FValue;\n")));
    const UnitMerge again = mergeUnits(builtUnit(gaugeSpec()), merge.text);
    EXPECT_EQ(again.text, merge.text);
    EXPECT_TRUE(again.lost.isEmpty()) << lossSummary(again.lost).toStdString();
}

// The name SetValueÄndern runs on past the "SetValue" of the build's write
// method in a letter outside ASCII: it is another member, kept (found by fuzzing).
TEST(UnitMerge, AnOwnMethodWhoseNameBeginsLikeAnAccessMethodIsKept)
{
    QString existing = builtUnit(gaugeSpec());
    const QString own = QStringLiteral("    procedure SetValue\u00C4ndern(Value:integer);\r\n");
    existing.replace(crlf("    procedure SetValue(Value:integer);\n"), crlf("    procedure SetValue(Value:integer);\n") + own);
    const UnitMerge merge = mergeUnits(builtUnit(gaugeSpec()), existing);
    ASSERT_TRUE(merge.error.isEmpty()) << merge.error.toStdString();
    EXPECT_TRUE(merge.text.contains(own));
    EXPECT_EQ(mergeUnits(builtUnit(gaugeSpec()), merge.text).text, merge.text);
}

// A line that reads like the build's field, but that the reader takes for no
// field (a no-break space before the name), is the author's (found by fuzzing).
TEST(UnitMerge, ALineThatIsNoMemberToTheReaderIsTheAuthors)
{
    QString existing = builtUnit(gaugeSpec());
    const QString own = QStringLiteral("    \u00A0FCaption : string;\r\n");
    existing.replace(crlf("  protected\n"), own + crlf("  protected\n"));
    const UnitMerge merge = mergeUnits(builtUnit(gaugeSpec()), existing);
    ASSERT_TRUE(merge.error.isEmpty()) << merge.error.toStdString();
    EXPECT_TRUE(merge.text.contains(own));
    EXPECT_TRUE(merge.lost.isEmpty()) << lossSummary(merge.lost).toStdString();
    EXPECT_EQ(mergeUnits(builtUnit(gaugeSpec()), merge.text).text, merge.text);
}

TEST(UnitMerge, HandEditedDeclarationOfTheSpecificationIsReplacedAndListed)
{
    QString existing = builtUnit(gaugeSpec());
    existing.replace(crlf("    FCaption : string;\n"), crlf("    FCaption : string; // shown under the needle\n"));
    existing.replace(crlf("    Property Caption : string read FCaption write FCaption ;\n"),
                     crlf("    property Caption: string read FCaption write FCaption stored False;\n"));
    const UnitMerge merge = mergeUnits(builtUnit(gaugeSpec()), existing);
    EXPECT_EQ(merge.text, builtUnit(gaugeSpec()));
    ASSERT_EQ(merge.lost.size(), 1);
    EXPECT_EQ(merge.lost[0].text,
              QStringList({QStringLiteral("    FCaption : string; // shown under the needle"),
                           QStringLiteral("    property Caption: string read FCaption write FCaption stored False;")}));
}

TEST(UnitMerge, MembersThePagesCannotHoldStayWithTheirBodies)
{
    // What an import lists instead of taking in: a class constant, a nested
    // type whose "end;" a build's class has too, and overloads.
    QString existing = builtUnit(gaugeSpec());
    existing.replace(crlf("  private\n"), crlf("  private\n    const Steps = 10;\n    type\n      TMark = record\n"
                                               "        At: integer;\n      end;\n"));
    existing.replace(crlf("  published\n"), crlf("    procedure Fill(A: integer); overload;\n"
                                                 "    procedure Fill(S: string);\n      overload;\n  published\n"));
    existing = insertedBefore(existing, "end.", crlf("procedure TGauge.Fill(A: integer);\nbegin\nend;\n\n"
                                                     "procedure TGauge.Fill(S: string);\nbegin\n  Fill(Length(S));\nend;\n"));
    const UnitMerge merge = mergeUnits(builtUnit(gaugeSpec()), existing);
    EXPECT_EQ(merge.text.toStdString(), existing.toStdString());
    EXPECT_TRUE(merge.lost.isEmpty()) << lossSummary(merge.lost).toStdString();
}

TEST(UnitMerge, DeclarationsAroundTheClassStay)
{
    // A type the author's property needs, a constant among the message's, a
    // heading comment and the interface declaration of a routine of their own.
    QString existing = crlf("{ Gauges for the plant }\n") + builtUnit(gaugeSpec());
    existing.replace(crlf("  WM_NEEDLE = WM_USER + 1;\n"), crlf("  WM_NEEDLE = WM_USER + 1;\n  Limit = 10;\n"));
    existing.replace(crlf("type\n"), crlf("type\n  TNeedle = (ndThin, ndThick);\n\n"));
    existing.replace(crlf("  published\n"), crlf("  published\n    property Needle: TNeedle read FNeedle;\n"));
    existing.replace(crlf("  private\n"), crlf("  private\n    FNeedle: TNeedle;\n"));
    existing.replace(crlf("procedure Register;\n\n"), crlf("procedure Register;\nfunction Clamp(X: integer): integer;\n\n"));
    existing = insertedBefore(existing, "end.", crlf("function Clamp(X: integer): integer;\nbegin\n  Result := X;\nend;\n"));
    // A message of the author's own, with its constant and handler.
    existing.replace(crlf("  Limit = 10;\n"), crlf("  Limit = 10;\n  WM_TICK = WM_USER + 9;\n"));
    existing.replace(crlf("  protected\n"), crlf("  protected\n    procedure WMtick(var Msg: TMessage); message WM_TICK;\n"));

    // The message goes, and its constant with it: the author's constant keeps a "const" of its own.
    ComponentSpec after = gaugeSpec();
    after.removeUserMessage(0);
    const UnitMerge merge = mergeUnits(builtUnit(after), existing);
    ASSERT_TRUE(merge.error.isEmpty()) << merge.error.toStdString();
    QString expected = crlf("{ Gauges for the plant }\n") + builtUnit(after);
    expected.replace(crlf("  mplayer,Spin;\n"), crlf("  mplayer,Spin;\nconst\n  Limit = 10;\n  WM_TICK = WM_USER + 9;\n"));
    expected.replace(crlf("  protected\n"), crlf("  protected\n    procedure WMtick(var Msg: TMessage); message WM_TICK;\n"));
    expected.replace(crlf("type\n"), crlf("type\n  TNeedle = (ndThin, ndThick);\n"));
    expected.replace(crlf("  published\n"), crlf("  published\n    property Needle: TNeedle read FNeedle;\n"));
    expected.replace(crlf("  private\n"), crlf("  private\n    FNeedle: TNeedle;\n"));
    expected.replace(crlf("procedure Register;\n\n"), crlf("procedure Register;\nfunction Clamp(X: integer): integer;\n\n"));
    expected = insertedBefore(expected, "end.", crlf("function Clamp(X: integer): integer;\nbegin\n  Result := X;\nend;\n"));
    EXPECT_EQ(merge.text.toStdString(), expected.toStdString());
    EXPECT_TRUE(merge.lost.isEmpty()) << lossSummary(merge.lost).toStdString();
}

TEST(UnitMerge, CommentsOfSeveralLinesStayWhole)
{
    // A blank line inside a comment above a field, a field under a condition
    // whose end precedes a field of the build's, and lines like the build's inside comments.
    QString existing = builtUnit(gaugeSpec());
    existing.replace(crlf("  private\n"), crlf("  private\n    { The face,\n\n      drawn once }\n    FFace: TBitmap;\n"
                                               "    {$IFDEF WIN32}\n    FHandle: THandle;\n    {$ENDIF}\n"));
    existing.replace(crlf("  WM_NEEDLE = WM_USER + 1;\n"), crlf("  WM_NEEDLE = WM_USER + 1;\n(* Kinds:\ntype\n  a, b *)\n"));
    existing.replace(crlf("procedure Register;\n\n"), crlf("procedure Register;\n{ registers\nprocedure Register;\n}\n\n"));
    const UnitMerge merge = mergeUnits(builtUnit(gaugeSpec()), existing);
    EXPECT_EQ(merge.text.toStdString(), existing.toStdString());
    EXPECT_TRUE(merge.lost.isEmpty()) << lossSummary(merge.lost).toStdString();
}

TEST(UnitMerge, BlockAmongTheClassMembersIsOneOfThem)
{
    // Found by fuzzing: a "begin ... end" among the members ended the class
    // early, and the half of it that was kept did not balance.
    QString existing = builtUnit(gaugeSpec());
    existing.replace(crlf("  public\n"), crlf("  public\n    FOwn: integer;\n    begin Beep; end;\n"));
    ASSERT_TRUE(readPascalUnit(existing).isReadable());
    const UnitMerge merge = mergeUnits(builtUnit(gaugeSpec()), existing);
    EXPECT_EQ(merge.text.toStdString(), existing.toStdString());
}

TEST(UnitMerge, UnitHeadingIsTheBuildsWhateverItsLines)
{
    // Found by fuzzing: a heading broken over lines was kept beside the new one.
    QString existing = builtUnit(gaugeSpec());
    existing.replace(crlf("unit Gauge;\n"), QStringLiteral("{ top }\r\nunit Gau\nge\r;\r\n"));
    ASSERT_TRUE(readPascalUnit(existing).isReadable());
    const UnitMerge merge = mergeUnits(builtUnit(gaugeSpec()), existing);
    EXPECT_EQ(merge.text, crlf("{ top }\n") + builtUnit(gaugeSpec()));
}

TEST(UnitMerge, ConstantOfAMessageTheNewBuildHandlesIsTheBuilds)
{
    // Found by fuzzing: with its handler deleted by hand, an edited message
    // constant was kept beside the build's, and the next merge dropped it.
    QString existing = builtUnit(gaugeSpec());
    existing.replace(crlf("  WM_NEEDLE = WM_USER + 1;\n"), crlf("  WM_NEEDLE = WM_USER + 5;\n"));
    existing.remove(crlf("    procedure WMneedle(var Message: TMessage); message WM_NEEDLE;\n"));
    const UnitMerge merge = mergeUnits(builtUnit(gaugeSpec()), existing);
    EXPECT_FALSE(merge.text.contains(QStringLiteral("WM_USER + 5")));
    EXPECT_EQ(mergeUnits(builtUnit(gaugeSpec()), merge.text).text, merge.text);
}

TEST(UnitMerge, MemberWithoutItsSemicolonIsNotCarried)
{
    // Found by fuzzing: carried before the build's next member, it ran on into it.
    QString existing = builtUnit(gaugeSpec());
    existing.replace(crlf("    Property Caption : string read FCaption write FCaption ;\n"),
                     crlf("    Property Caption : string read FCaption write FCaption ;\n    property Hue: integer read FHue\n"));
    ASSERT_TRUE(readPascalUnit(existing).isReadable());
    const UnitMerge merge = mergeUnits(builtUnit(gaugeSpec()), existing);
    EXPECT_EQ(merge.text, builtUnit(gaugeSpec()));
    EXPECT_EQ(lossSummary(merge.lost), QStringLiteral("1 line changed in the class declaration"));
}

TEST(UnitMerge, ClassDeclaredTwiceKeepsNoDeclarations)
{
    // Found by fuzzing: with two declarations of the class, a second merge kept other lines.
    QString existing = builtUnit(gaugeSpec());
    existing.replace(crlf("end;\n\nprocedure Register;"),
                     crlf("end;\n  TGauge = class(TCustomControl)\n    FOwn: integer;\n  end;\n\nprocedure Register;"));
    ASSERT_TRUE(readPascalUnit(existing).isReadable());
    const UnitMerge merge = mergeUnits(builtUnit(gaugeSpec()), existing);
    EXPECT_EQ(merge.text, builtUnit(gaugeSpec()));
    EXPECT_EQ(mergeUnits(builtUnit(gaugeSpec()), merge.text).text, merge.text);
}

TEST(UnitMerge, RemovedPropertyAndRenamedMessageLoseNothing)
{
    ComponentSpec after = gaugeSpec();
    after.removeDefinedProperty(0);
    after.removeUserMessage(0);
    after.addUserMessage(QStringLiteral("WM_POINTER"), 2);
    const UnitMerge merge = mergeUnits(builtUnit(after), builtUnit(gaugeSpec()));
    EXPECT_TRUE(merge.lost.isEmpty()) << lossSummary(merge.lost).toStdString();
    EXPECT_EQ(merge.text, builtUnit(after));
}

TEST(UnitMerge, UnitsThatDoNotReadAreReportedNotMerged)
{
    const QString built = builtUnit(gaugeSpec());
    QString broken = withBody(built, QStringLiteral("TGauge.Flash"), crlf("\nbegin\n  case Times of\nend;"));
    const UnitMerge merge = mergeUnits(built, broken);
    EXPECT_EQ(merge.error.toStdString(),
              "the existing unit cannot be read: the \"end\" of TGauge.Flash is not followed by \";\" (line 97)");
    EXPECT_TRUE(merge.text.isEmpty());
    EXPECT_EQ(mergeUnits(broken, built).error.left(30), QStringLiteral("the new unit cannot be read: t"));
}



TEST(UnitMerge, ClassRenamedInItsDeclarationOnlyKeepsItsMethods)
{
    // Found by fuzzing: a class name without methods of its own is not the unit's class.
    QString existing = withBody(builtUnit(gaugeSpec()), QStringLiteral("TGauge.Flash"), crlf("\nbegin\n  Beep;\nend;"));
    existing.replace(crlf("  TGauge = class(TCustomControl)\n"), crlf("  TGaugeX = class(TCustomControl)\n"));
    ComponentSpec after = gaugeSpec();
    after.removeMethod(0);
    const QString built = builtUnit(after);
    const UnitMerge merge = mergeUnits(built, existing);
    EXPECT_EQ(lossSummary(merge.lost),
              QStringLiteral("TGauge.Flash (4 lines), 1 line changed in the interface section"));
    EXPECT_EQ(merge.text, built);
}
TEST(UnitMerge, OwnDeclarationWithAnAsmBlockStaysWhole)
{
    // Found by fuzzing: a double-quoted string of an asm block cut the declaration short.
    const QString own = crlf("type\n  TOdd = class\n    case X of 1: asm db \"it's\" end; end;\n  end;\n");
    const QString existing = insertedBefore(builtUnit(gaugeSpec()), "procedure TGauge.SetValue", own);
    const UnitMerge merge = mergeUnits(builtUnit(gaugeSpec()), existing);
    EXPECT_TRUE(merge.text.contains(own));
    EXPECT_TRUE(readPascalUnit(merge.text).isReadable());
    EXPECT_EQ(describe(merge.kept), QStringList{QStringLiteral("own declarations and comments (4 lines)")});
}

TEST(UnitMerge, UsesClauseOfTheImplementationStaysFirst)
{
    // Register moved to the end by hand: the uses clause above the first routine still leads.
    const QString built = builtUnit(gaugeSpec());
    const QString registration = crlf("procedure Register;\nbegin\n  RegisterComponents('Samples',[TGauge]);\nend;\n");
    QString existing = built;
    existing.remove(registration);
    existing = insertedBefore(existing, "end.", registration);
    existing.replace(crlf("implementation\n"), crlf("implementation\nuses Dialogs;\n"));
    const UnitMerge merge = mergeUnits(built, existing);
    EXPECT_TRUE(merge.text.contains(crlf("implementation\nuses Dialogs;\n\n{====")));
}

TEST(UnitMerge, OwnRoutineTakesTheDeclarationOnTheLineAboveIt)
{
    const QString own = crlf("end; const Limit = 3;\nprocedure Tick;\nbegin\nend;\n");
    const QString built = builtUnit(gaugeSpec());
    QString existing = built;
    existing.replace(crlf("  RegisterComponents('Samples',[TGauge]);\nend;\n"),
                     crlf("  RegisterComponents('Samples',[TGauge]);\n") + own);
    const UnitMerge merge = mergeUnits(built, existing);
    EXPECT_TRUE(merge.text.contains(crlf("const Limit = 3;\nprocedure Tick;\nbegin\nend;\n")));
}

TEST(UnitMerge, ConstructorInAssemblerGetsNoInitialisationInItsDeclarations)
{
    const QString body = crlf("\nasm\n  nop\nend;");
    const QString existing = withBody(builtUnit(gaugeSpec()), QStringLiteral("TGauge.Create"), body);
    ComponentSpec after = gaugeSpec();
    after.addProperty(propertyInput(QStringLiteral("Level"), QStringLiteral("integer"), QStringLiteral("3")));
    const UnitMerge merge = mergeUnits(builtUnit(after), existing);
    EXPECT_EQ(bodyOf(merge.text, QStringLiteral("TGauge.Create")), body);
}

TEST(UnitMerge, ClassDeclaredWithoutAPlainNameLeavesPlainRoutinesPlain)
{
    // Found by fuzzing: the name of "TGauge<T> = class" does not read, and no
    // routine without a class part may count as its method.
    QString existing = insertedBefore(builtUnit(gaugeSpec()), "end.", crlf("procedure Tick;\nbegin\nend;\n"));
    existing.replace(crlf("  TGauge = class(TCustomControl)\n"), crlf("  TGauge<T> = class(TCustomControl)\n"));
    const UnitMerge merge = mergeUnits(builtUnit(gaugeSpec()), existing);
    EXPECT_EQ(describe(merge.kept), QStringList{QStringLiteral("Tick (own routine, 3 lines)")});
    EXPECT_EQ(lossSummary(merge.lost), QStringLiteral("1 line changed in the interface section"));
}

} // namespace
