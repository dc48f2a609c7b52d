#include <gtest/gtest.h>

#include <QStringList>

#include "merge/pascalreader.h"
#include "rowname.h"

namespace {

const char *const kHead =
    "unit Probe;\n"
    "\n"
    "interface\n"
    "\n"
    "uses\n"
    "  Classes, { end; } Controls;\n"
    "\n"
    "type\n"
    "  TProbe = class(TComponent)\n"
    "  private\n"
    "    FData: record case Integer of 0: (I: Integer); end;\n"
    "    procedure Paint;\n"
    "  end;\n"
    "\n"
    "implementation\n";

QString inUnit(const char *implementation)
{
    return QString::fromUtf8(kHead) + QString::fromUtf8(implementation) + QStringLiteral("end.\n");
}

QStringList names(const PascalUnit &unit)
{
    QStringList result;
    for (const PascalRoutine &routine : unit.routines)
        result.append(routine.name);
    return result;
}

struct ReaderCase {
    const char *name;
    const char *implementation;
    const char *routines;     // names, ";"-separated
    const char *lastRoutine;  // the last routine's whole text, or nullptr to skip
};
UF_ROW_NAME(ReaderCase)

class PascalReaderRoutines : public testing::TestWithParam<ReaderCase> {};

TEST_P(PascalReaderRoutines, FindsTheRoutinesOfTheImplementation)
{
    const QString text = inUnit(GetParam().implementation);
    const PascalUnit unit = readPascalUnit(text);
    ASSERT_TRUE(unit.isReadable()) << unit.error.toStdString();
    EXPECT_EQ(names(unit).join(u';'), QString::fromUtf8(GetParam().routines));
    ASSERT_FALSE(unit.routines.isEmpty());
    const PascalRoutine &last = unit.routines.last();
    if (GetParam().lastRoutine) {
        EXPECT_EQ(text.mid(last.start, last.end - last.start).toStdString(),
                  std::string(GetParam().lastRoutine));
    }
    EXPECT_LT(last.start, last.headingEnd);
    EXPECT_LE(last.headingEnd, last.blockStart);
    EXPECT_LT(last.blockStart, last.end);
    EXPECT_EQ(unit.finalEnd, text.size() - 5);
    EXPECT_EQ(unit.afterEnd, text.size() - 1);
}

INSTANTIATE_TEST_SUITE_P(Snippets, PascalReaderRoutines, testing::Values(
    ReaderCase{"EndInsideAString",
        "procedure TProbe.Paint;\nbegin\n  S := 'end; begin';\nend;\n",
        "TProbe.Paint", "procedure TProbe.Paint;\nbegin\n  S := 'end; begin';\nend;"},
    ReaderCase{"DoubledQuotes",
        "procedure A;\nbegin\n  S := 'it''s the end;''';\nend;\nprocedure B;\nbegin\nend;\n",
        "A;B", "procedure B;\nbegin\nend;"},
    ReaderCase{"Comments",
        "(* { *) procedure A;\nbegin\n  { end; (* }\n  (* end; { *)\n  // end;\nend;\n",
        "A", "procedure A;\nbegin\n  { end; (* }\n  (* end; { *)\n  // end;\nend;"},
    ReaderCase{"CommentsAfterTheEndOnItsLine",
        "procedure A;\nbegin\nend; // A (* *)\n{ next }\nprocedure B; begin end; { B }",
        "A;B", "procedure B; begin end; { B }"},
    ReaderCase{"CompilerDirectives",
        "{$IFDEF PROBE}\nprocedure A;\nbegin\n  {$R+} (*$I-*)\nend;\n{$ENDIF}\n",
        "A", nullptr},
    ReaderCase{"NestedBlocks",
        "procedure A;\nbegin\n  case I of\n    1: begin try X; finally Y; end; end;\n"
        "  else\n    try Z; except on E: Exception do W; end;\n  end;\nend;\n",
        "A", nullptr},
    ReaderCase{"AssemblerRoutine",
        "procedure A; assembler;\nasm\n  @@end: nop\n  db \"it's\", 'x'\n  jmp @@end\nend;\n",
        "A", "procedure A; assembler;\nasm\n  @@end: nop\n  db \"it's\", 'x'\n  jmp @@end\nend;"},
    ReaderCase{"AssemblerInsideBegin",
        "procedure A;\nbegin\n  asm nop { end } end;\n  X := 1;\nend;\nprocedure B;\nbegin\nend;\n",
        "A;B", nullptr},
    ReaderCase{"LocalRoutinesAndVariables",
        "function A(X: Integer): Integer;\nvar\n  I: Integer;\n  procedure Local;\n"
        "    function Deeper: Integer;\n    begin\n      Result := 0;\n    end;\n"
        "  begin\n    I := Deeper;\n  end;\nbegin\n  Local;\n  Result := I;\nend;\n",
        "A", nullptr},
    ReaderCase{"RecordWithVariantPart",
        "procedure A;\ntype\n  TR = packed record\n    case Tag: Integer of\n      0: (I: Integer);\n"
        "      1: (R: record X, Y: Integer; end);\n  end;\nvar P: TR;\nbegin\nend;\n",
        "A", nullptr},
    ReaderCase{"ClassTypesOfTheImplementation",
        "type\n  EProbe = class(Exception);\n  TMeta = class of TProbe;\n  THelper = class;\n"
        "  THelper = class(TObject)\n    class function Make: THelper;\n    procedure Run; virtual;\n"
        "  end;\n  TProc = procedure(Sender: TObject) of object;\n  TOld = object\n    X: Integer;\n"
        "  end;\n\nclass function THelper.Make: THelper;\nbegin\n  Result := nil;\nend;\n\n"
        "procedure THelper.Run;\nbegin\nend;\n",
        "THelper.Make;THelper.Run", nullptr},
    ReaderCase{"ForwardAndExternalDeclarations",
        "procedure Later; forward;\nfunction Beep(X: Integer): Integer; stdcall;\n"
        "  external 'user32.dll' name 'MessageBeep';\nprocedure Later;\nbegin\nend;\n",
        "Later", "procedure Later;\nbegin\nend;"},
    ReaderCase{"KeywordsInAnyLetterCase",
        "PROCEDURE TProbe.Paint;\nBEGIN\n  CASE x OF 1: ; END;\nEnd;\n",
        "TProbe.Paint", nullptr},
    ReaderCase{"EscapedIdentifier",
        "procedure A;\nvar &begin: Integer;\nbegin\n  &begin := 1;\nend;\n", "A", nullptr},
    ReaderCase{"ProceduralTypesInVariables",
        "var\n  F: function(X: Integer): Integer;\n  P: procedure;\nprocedure A;\nbegin\nend;\n",
        "A", nullptr},
    ReaderCase{"NumbersBesideWords",
        "procedure A;\nbegin\n  X := $FF + 1.5e3 + #13#$0A;if X=1then X := 1end;\n",
        "A", nullptr},
    ReaderCase{"InitializationAndFinalization",
        "procedure A;\nbegin\nend;\ninitialization\n  begin A; end;\nfinalization\n  A;\n",
        "A", nullptr}),
    [](const testing::TestParamInfo<ReaderCase> &info) { return std::string(info.param.name); });

struct RefusalCase {
    const char *name;
    const char *text;      // the whole unit
    const char *error;
};
UF_ROW_NAME(RefusalCase)

class PascalReaderRefusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(PascalReaderRefusals, ReportsWhyTheUnitDoesNotRead)
{
    const PascalUnit unit = readPascalUnit(QString::fromUtf8(GetParam().text));
    EXPECT_FALSE(unit.isReadable());
    EXPECT_EQ(unit.error.toStdString(), std::string(GetParam().error));
    EXPECT_TRUE(unit.routines.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Units, PascalReaderRefusals, testing::Values(
    RefusalCase{"MissingEnd",
        "unit U;\ninterface\nimplementation\nprocedure A;\nbegin\n  if X then begin\nend;\nend.\n",
        "the \"end\" of A is not followed by \";\" (line 8)"},
    RefusalCase{"ExtraEnd",
        "unit U;\ninterface\nimplementation\nprocedure A;\nbegin\nend;\nend;\nend.\n",
        "\"end\" without a block (line 7)"},
    RefusalCase{"CaseWithoutEnd",
        "unit U;\ninterface\nimplementation\nprocedure A;\nbegin\n  case X of 1: ;\nend;\nend.\n",
        "the \"end\" of A is not followed by \";\" (line 8)"},
    RefusalCase{"NoImplementationSection",
        "unit U;\ninterface\nprocedure A;\nend.\n", "no implementation section (line 4)"},
    RefusalCase{"UnclosedClassDeclaration",
        "unit U;\ninterface\ntype\n  T = class\n    X: Integer;\nimplementation\nend.\n",
        "\"class\" has no matching \"end\" (line 4)"},
    RefusalCase{"UnclosedComment",
        "unit U;\ninterface\nimplementation\nprocedure A;\nbegin\n  { never closed\nend;\nend.\n",
        "a comment that is not closed (line 6)"},
    // The "}" forgotten, the comment runs on to the next comment's "}" and
    // the reading fails further down: the comment is what is reported.
    RefusalCase{"CommentClosedOnlyByTheNextComment",
        "unit U;\ninterface\nimplementation\nprocedure A;\nbegin\n  if X then begin { forgot to close\n"
        "  end;\nend;\nprocedure B;\nbegin\n  {customize here}\nend;\nend.\n",
        "a comment that is not closed (line 6)"},
    RefusalCase{"ParenthesisCommentClosedOnlyByTheNextOne",
        "unit U;\ninterface\nimplementation\nprocedure A;\nbegin\n  if X then begin (* forgot to close\n"
        "  end;\nend;\nprocedure B;\nbegin\n  (* here *)\nend;\nend.\n",
        "a comment that is not closed (line 6)"},
    RefusalCase{"CarriageReturnLineEnds",
        "unit U;\rinterface\rimplementation\rprocedure A;\rbegin\rend;\rend;\rend.\r",
        "\"end\" without a block (line 7)"},
    RefusalCase{"UnclosedString",
        "unit U;\ninterface\nimplementation\nprocedure A;\nbegin\n  S := 'abc;\nend;\nend.\n",
        "a string that is not closed on its line (line 6)"},
    RefusalCase{"NoClosingEndDot",
        "unit U;\ninterface\nimplementation\nprocedure A;\nbegin\nend;\n",
        "no \"end.\" closes the unit (line 7)"},
    RefusalCase{"RoutineWithoutStatements",
        "unit U;\ninterface\nimplementation\nprocedure A;\nvar X: Integer;\nend.\n",
        "A has no statement part (line 4)"},
    // Found by fuzzing: a ")" missing is not looked for in the routines that follow.
    RefusalCase{"ParameterListNotClosed",
        "unit U;\ninterface\nimplementation\nprocedure A(X: integer;\nbegin\nend;\n"
        "procedure B(Y: integer);\nbegin\nend;\nend.\n",
        "a parenthesis that is not closed (line 4)"},
    RefusalCase{"AncestorListNotClosed",
        "unit U;\ninterface\nimplementation\ntype\n  E = class(Exception;\n"
        "procedure B(Y: integer);\nbegin\nend;\nend.\n",
        "a parenthesis that is not closed (line 5)"},
    RefusalCase{"AncestorListRunningIntoARoutine",
        "unit U;\ninterface\nimplementation\ntype\n  E = class(Exception\n"
        "procedure B(Y: integer);\nbegin\nend;\nend.\n",
        "a parenthesis that is not closed (line 5)"},
    RefusalCase{"NotAUnit",
        "program P;\nbegin\nend.\n", "the text does not begin with \"unit\" (line 1)"}),
    [](const testing::TestParamInfo<RefusalCase> &info) { return std::string(info.param.name); });

TEST(PascalReader, FindsTheUsesClauseAndTheClassDeclaration)
{
    const QString text = inUnit("");
    const PascalUnit unit = readPascalUnit(text);
    ASSERT_TRUE(unit.isReadable()) << unit.error.toStdString();
    EXPECT_EQ(text.mid(unit.uses.start, unit.uses.end - unit.uses.start),
              QStringLiteral("uses\n  Classes, { end; } Controls;"));
    ASSERT_EQ(unit.classes.size(), 1);
    EXPECT_EQ(unit.classes.first().name, QStringLiteral("TProbe"));
    const PascalSpan span = unit.classes.first().span;
    EXPECT_TRUE(text.mid(span.start, span.end - span.start).startsWith(u"TProbe = class(TComponent)\n"));
    EXPECT_TRUE(text.mid(span.start, span.end - span.start).endsWith(u"procedure Paint;\n  end;"));
    EXPECT_EQ(text.mid(unit.implementation, unit.implementationBody - unit.implementation),
              QStringLiteral("implementation"));
    EXPECT_TRUE(unit.routines.isEmpty());
    EXPECT_EQ(unit.mainBlock, -1);
}

TEST(PascalReader, KeepsTheUnitsOwnBlockAndIgnoresWhatFollowsTheEnd)
{
    const QString text = QStringLiteral(
        "unit U;\ninterface\nimplementation\nprocedure A;\nbegin\nend;\nbegin\n  A;\nend.\n"
        "{ not closed 'nor this");
    const PascalUnit unit = readPascalUnit(text);
    ASSERT_TRUE(unit.isReadable()) << unit.error.toStdString();
    EXPECT_EQ(text.mid(unit.mainBlock, unit.finalEnd - unit.mainBlock), QStringLiteral("begin\n  A;\n"));
    EXPECT_EQ(text.mid(unit.afterEnd), QStringLiteral("\n{ not closed 'nor this"));
}

TEST(PascalReader, NamesSplitIntoClassAndMember)
{
    const PascalUnit unit = readPascalUnit(inUnit(
        "procedure TProbe.Paint;\nbegin\nend;\nfunction Plain: Integer;\nbegin\nend;\n"));
    ASSERT_EQ(unit.routines.size(), 2);
    EXPECT_EQ(unit.routines[0].qualifier(), u"TProbe");
    EXPECT_EQ(unit.routines[0].member(), u"Paint");
    EXPECT_TRUE(unit.routines[1].qualifier().isEmpty());
    EXPECT_EQ(unit.routines[1].member(), u"Plain");
}

TEST(PascalReader, RefusesRoutinesNestedWithoutLimit)
{
    QString text = QStringLiteral("unit U;\ninterface\nimplementation\n");
    for (int i = 0; i < 100; ++i)
        text += QStringLiteral("procedure P%1;\n").arg(i);
    const PascalUnit unit = readPascalUnit(text + QStringLiteral("begin end;\nend.\n"));
    EXPECT_TRUE(unit.error.startsWith(u"routines nested too deeply")) << unit.error.toStdString();
}

} // namespace
