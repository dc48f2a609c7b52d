// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "awk/awk.h"
#include "generator/unitgenerator.h"
#include "model/componentspec.h"
#include "model/specbuilders.h"
#include "model/standardmessages.h"
#include "rowname.h"
#include "specfile/filebytes.h"
#include "specfile/profilefile.h"
#include "specfile/specfile.h"

namespace {

// Every list that reading fills, for comparing two specifications.
QList<QStringList> lists(const ComponentSpec &s)
{
    return {s.Properties, s.ArrayProperties, s.PropertyComments, s.DefaultValues, s.Initializers,
            s.Storage, s.Attributes, s.Sections, s.Variables, s.Types, s.ReadWrite, s.RMethods,
            s.WMethods, s.Events, s.EventTypes, s.EventParams, s.EProtected, s.Methods,
            s.MethodComments, s.MethodSections, s.UserMessages, s.StandardProperties,
            s.StandardEvents, s.DefinedProperties, s.DefinedMethods, s.DefinedHandlers,
            s.selectedStandardMessages(),
            {s.Filename, s.Classname, s.Ancestor, s.Palettepage}};
}

class SpecFile : public testing::Test {
protected:
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

    // Reads a file the way Open does: reset first.
    ComponentSpec opened(const QString &file)
    {
        ComponentSpec spec;
        spec.reset();
        readSpecification(spec, file, awk);
        return spec;
    }
    ComponentSpec openedText(const QByteArray &text)
    {
        writeBytes(path("in.spc"), text);
        return opened(path("in.spc"));
    }

    QTemporaryDir dir;
    TAwk awk;
};

} // namespace

TEST_F(SpecFile, EmptySpecificationWritesOnlyTheComponentSection)
{
    ComponentSpec spec;
    spec.reset();
    spec.Filename = QStringLiteral("C:\\Work\\GaugeUnit.pas");
    QString error;
    ASSERT_TRUE(saveSpecification(spec, path("new.spc"), &error)) << error.toStdString();
    EXPECT_EQ(readBytes(path("new.spc")),
              "[Component]\r\nName=GaugeUnit\r\nPropertyCount=0\r\nMethodCount=0\r\nProcCount=0\r\n"
              "FuncCount=0\r\nClassname=\r\nFilename=C:\\Work\\GaugeUnit.pas\r\nPalettepage=\r\n"
              "Ancestor=TComponent\r\nStandardMessageCount=0\r\nUserMessageCount=0\r\nEventCount=0\r\n");
}

TEST_F(SpecFile, TheTankIsSavedAsItsFile)
{
    // The counts of access methods that its last build declared: one procedure.
    QString error;
    ASSERT_TRUE(saveSpecification(tankSpec(), path("tank.spc"), &error, {1, 0}));
    expectSameAsDataFile(readBytes(path("tank.spc")), "tank.spc");
}

TEST_F(SpecFile, RoundTripGivesTheSameSpecificationAndUnit)
{
    ComponentSpec original = tankSpec();
    PropertyInput caption = property(QStringLiteral("Caption"), QStringLiteral("String"),
                                     QStringLiteral("abc"));
    caption.stored = false;
    caption.comment = QStringLiteral("first line\nsecond line");
    caption.readMethod = QStringLiteral("GetCaption");
    original.addProperty(caption);
    PropertyInput items = property(QStringLiteral("Items"), QStringLiteral("string"));
    items.indexed = true;
    items.readMethod = QStringLiteral("GetItems");
    items.writeMethod = QStringLiteral("SetItems");
    original.addProperty(items);
    QString error;
    ASSERT_TRUE(saveSpecification(original, path("rt.spc"), &error));

    ComponentSpec reopened = opened(path("rt.spc"));
    original.DefinedProperties = {QStringLiteral("Level"), QStringLiteral("Caption"), QStringLiteral("Items")};
    original.DefinedHandlers = {QStringLiteral("OnEmpty")};
    original.DefinedMethods = {QStringLiteral("Fill")};
    // Trailing blanks of a user message do not survive a file.
    original.UserMessages = {QStringLiteral("WM_DRAIN[WM_USER + 1]}")};
    EXPECT_EQ(lists(reopened), lists(original));
    EXPECT_EQ(reopened.DefaultValues.at(2), QStringLiteral("'abc'"));
    EXPECT_EQ(reopened.Initializers.at(2), QStringLiteral("     FCaption := 'abc';"));

    const QStringList before = generateUnit(original, Style(), awk, nullptr).lines;
    const QStringList after = generateUnit(reopened, Style(), awk, nullptr).lines;
    EXPECT_EQ(after, before);

    // Saved again, both give the same file.
    ASSERT_TRUE(saveSpecification(original, path("a.spc"), &error));
    ASSERT_TRUE(saveSpecification(reopened, path("b.spc"), &error));
    EXPECT_EQ(readBytes(path("b.spc")), readBytes(path("a.spc")));
}

TEST_F(SpecFile, NamesThatDifferInLetterCaseMeet)
{
    const ComponentSpec spec = openedText(
        "[COMPONENT]\r\nPROPERTYCOUNT=1\r\nmethodcount=1\r\neventCOUNT=1\r\nCLASSNAME=TX\r\n"
        "ancestor=tcustomcontrol\r\n"
        "[properties]\r\n0=Color\r\n[READWRITE]\r\n0=read FColor write FColor\r\n"
        "[Eventparams]\r\n0=Sender: TObject\r\n[EVENTS]\r\n0=OnGo\r\n"
        "[methods]\r\n0=Procedure Go;\r\n[METHODSECTIONS]\r\n0=public\r\n");
    EXPECT_EQ(spec.Properties, QStringList{QStringLiteral("Color")});
    EXPECT_EQ(spec.ReadWrite, QStringList{QStringLiteral("read FColor write FColor")});
    EXPECT_EQ(spec.EventParams, QStringList{QStringLiteral("Sender: TObject")});
    EXPECT_EQ(spec.Events, QStringList{QStringLiteral("OnGo")});
    EXPECT_EQ(spec.MethodSections, QStringList{QStringLiteral("public")});
    EXPECT_EQ(spec.Classname, QStringLiteral("TX"));
    EXPECT_EQ(spec.Ancestor, QStringLiteral("TCustomControl"));
    EXPECT_EQ(spec.StandardProperties.size(), 9);
}

TEST_F(SpecFile, MissingKeysReadAsTheirDefaults)
{
    const ComponentSpec spec = openedText("[Component]\nPropertyCount=1\n[Properties]\n0=Color\n");
    EXPECT_EQ(spec.ArrayProperties, QStringList{QStringLiteral("*")});
    EXPECT_EQ(spec.Storage, QStringList{QStringLiteral("*")});
    EXPECT_EQ(spec.Types, QStringList{QString()});
    EXPECT_EQ(spec.RMethods, QStringList{QString()});
    EXPECT_EQ(spec.Initializers, QStringList{QStringLiteral("*")});
    EXPECT_EQ(spec.Ancestor, QStringLiteral("TComponent"));
    EXPECT_EQ(spec.StandardProperties, (QStringList{QStringLiteral("Name"), QStringLiteral("Tag")}));
    EXPECT_TRUE(spec.Classname.isEmpty());
    EXPECT_TRUE(spec.Filename.isEmpty());
}

TEST_F(SpecFile, EmptyValuesAreDroppedOrKeptListByList)
{
    const ComponentSpec spec = openedText(
        "[Component]\nPropertyCount=3\nEventCount=2\nUserMessageCount=2\n"
        "[Properties]\n0=A\n1=\n2=OnB\n[Types]\n0=integer\n1=skipped\n2=\n"
        "[PropertyComments]\n0=   indented comment  \n"
        "[Events]\n0=\n1=OnB\n[EventParams]\n0=*\n1=\n[Eventtypes]\n0=\n1=TNotifyEvent\n"
        "[UserMessages]\n0=\n1=WM_X[WM_USER + 2]}  \n");
    EXPECT_EQ(spec.Properties, (QStringList{QStringLiteral("A"), QStringLiteral("OnB")}));
    EXPECT_EQ(spec.Types, (QStringList{QStringLiteral("integer"), QString()}));
    EXPECT_EQ(spec.PropertyComments, (QStringList{QStringLiteral("indented comment"), QString()}));
    EXPECT_EQ(spec.DefinedProperties, QStringList{QStringLiteral("A")});
    EXPECT_EQ(spec.DefinedHandlers, QStringList{QStringLiteral("OnB")});
    EXPECT_EQ(spec.Events, QStringList{QStringLiteral("OnB")});
    EXPECT_EQ(spec.EventParams, QStringList{QStringLiteral("*")});
    EXPECT_EQ(spec.EventTypes, (QStringList{QString(), QStringLiteral("TNotifyEvent")}));
    EXPECT_EQ(spec.UserMessages, QStringList{QStringLiteral("WM_X[WM_USER + 2]}")});
}

TEST_F(SpecFile, StandardMessagesAreSelectedAgainByName)
{
    ComponentSpec spec;
    spec.reset();
    for (int position : {4, 10, 12})
        spec.setStandardMessageSelected(position - 1, true);
    QString error;
    ASSERT_TRUE(saveSpecification(spec, path("m.spc"), &error));
    const ProfileFile file(path("m.spc"));
    const QStringList &names = standardMessageNames();
    EXPECT_EQ(file.readString(QStringLiteral("StandardMessages"), QStringLiteral("1")), names.at(3));
    EXPECT_EQ(file.readString(QStringLiteral("StandardMessages"), QStringLiteral("3")), names.at(11));
    EXPECT_EQ(opened(path("m.spc")).selectedStandardMessages(),
              (QStringList{names.at(3), names.at(9), names.at(11)}));

    // Letter case counts here, and an unknown name selects nothing.
    const ComponentSpec other = openedText(
        "[Component]\nStandardMessageCount=2\n[StandardMessages]\n1=wm_size\n2=WM_PAINT\n");
    EXPECT_EQ(other.selectedStandardMessages(), QStringList{QStringLiteral("WM_PAINT")});
}

TEST_F(SpecFile, MethodNamesComeFromTheHeadings)
{
    const ComponentSpec spec = openedText(
        "[Component]\nMethodCount=3\n[Methods]\n"
        "0=Function Total(A, B: integer) : longint;virtual;abstract;\n1=Reset\n2=\n");
    EXPECT_EQ(spec.DefinedMethods, (QStringList{QStringLiteral("Total"), QString(), QString()}));
    EXPECT_EQ(spec.MethodComments.size(), 3);
    EXPECT_EQ(spec.MethodSections.size(), 3);
}

TEST_F(SpecFile, CustomAncestorIsKeptWithoutMembers)
{
    const ComponentSpec spec = openedText("[Component]\nAncestor=TMyBase\n");
    EXPECT_EQ(spec.Ancestor, QStringLiteral("TMyBase"));
    EXPECT_TRUE(spec.StandardProperties.isEmpty());
    EXPECT_TRUE(spec.StandardEvents.isEmpty());
}

TEST_F(SpecFile, SavingIntoAnExistingFileKeepsWhatItDoesNotWrite)
{
    writeBytes(path("k.spc"),
               "; my notes\r\n[Component]\r\nAuthor=me\r\nPropertyCount=9\r\n"
               "[functionTTank.GetLevel]\r\nvarcount=1\r\nv1=var n: integer;\r\n"
               "[Properties]\r\n0=Old\r\n5=Stale\r\n[Procedures]\r\n0=x\r\n"
               "[ properties ]\r\n7=Stale2\r\n[Notes]\r\nby=me\r\n");
    QString error;
    ASSERT_TRUE(saveSpecification(tankSpec(), path("k.spc"), &error));
    const ProfileFile file(path("k.spc"));
    EXPECT_EQ(file.readString(QStringLiteral("Component"), QStringLiteral("Author")), QStringLiteral("me"));
    EXPECT_EQ(file.readInteger(QStringLiteral("Component"), QStringLiteral("PropertyCount"), 0), 2);
    EXPECT_EQ(file.readString(QStringLiteral("functionTTank.GetLevel"), QStringLiteral("v1")),
              QStringLiteral("var n: integer;"));
    EXPECT_EQ(file.readString(QStringLiteral("Properties"), QStringLiteral("5"), QStringLiteral("absent")), QStringLiteral("absent"));
    EXPECT_FALSE(file.hasSection(QStringLiteral("Procedures")));
    EXPECT_FALSE(file.toText().contains(QStringLiteral("Stale2")));
    EXPECT_EQ(file.readString(QStringLiteral("Notes"), QStringLiteral("by")), QStringLiteral("me"));
    EXPECT_TRUE(file.toText().startsWith(QStringLiteral("; my notes\r\n[Component]\r\nAuthor=me\r\n")));
}

// Saved under another name, a new file begins with "[Component]"; the
// sections of the current file that a save does not write follow the ones it
// writes, and its stale list sections stay behind.
TEST_F(SpecFile, SavingAsAnotherFileWritesTheComponentSectionFirst)
{
    writeBytes(path("current.spc"),
               "[functionTTank.GetLevel]\r\ncount=1\r\n1=Result := 0;\r\n"
               "[Component]\r\nClassname=TTank\r\n[Events]\r\n0=OnStale\r\n[Notes]\r\nby=me\r\n");
    QString error;
    ASSERT_TRUE(saveSpecification(tankSpec(), path("new.spc"), &error, {}, path("current.spc")));
    const ProfileFile file(path("new.spc"));
    EXPECT_TRUE(file.toText().startsWith(QStringLiteral("[Component]\r\n")));
    QStringList sections;   // the headers' names, in file order
    for (const QString &line : file.toText().split(QStringLiteral("\r\n"))) {
        if (line.startsWith(u'['))
            sections.append(line.mid(1).chopped(1));
    }
    ASSERT_GE(sections.size(), 3);
    EXPECT_EQ(sections.mid(sections.size() - 2),
              (QStringList{QStringLiteral("functionTTank.GetLevel"), QStringLiteral("Notes")}));
    EXPECT_EQ(file.readString(QStringLiteral("functionTTank.GetLevel"), QStringLiteral("1")),
              QStringLiteral("Result := 0;"));
    EXPECT_FALSE(file.toText().contains(QStringLiteral("OnStale")));
}

TEST_F(SpecFile, HandWrittenBodiesReachTheUnit)
{
    const QByteArray text =
        "[Component]\r\nPropertyCount=1\r\nClassname=TGauge\r\n"
        "[Properties]\r\n0=Value\r\n[rmethods]\r\n0=GetValue\r\n[wmethods]\r\n0=*\r\n"
        "[Types]\r\n0=integer\r\n[Variables]\r\n0=FValue\r\n[Sections]\r\n0=published\r\n"
        "[ReadWrite]\r\n0=read GetValue write FValue\r\n[DefaultValues]\r\n0=*\r\n"
        "[functiontgauge.getvalue]\r\nvarcount=3\r\nv1=var n: integer;\r\nv3=  k: integer;\r\n"
        "count=2\r\n1=n := FValue;\r\n2=Result := n;\r\n";
    writeBytes(path("g.spc"), text);
    const ProfileFile file(path("g.spc"));
    ComponentSpec spec;
    spec.reset();
    readSpecification(spec, file, awk);
    const QStringList unit = generateUnit(spec, Style(), awk, &file).lines;
    const qsizetype at = unit.indexOf(QStringLiteral("function TGauge.GetValue: integer;"));
    ASSERT_GE(at, 0);
    EXPECT_EQ(unit.mid(at, 8), (QStringList{
        QStringLiteral("function TGauge.GetValue: integer;"), QStringLiteral("var n: integer;"),
        QStringLiteral("k: integer;"), QStringLiteral("begin"), QString(),
        QStringLiteral("n := FValue;"), QStringLiteral("Result := n;"), QStringLiteral("end;")}));
}

TEST_F(SpecFile, CountsBeyondTheKeysPresentAddNothingMore)
{
    const ComponentSpec spec = openedText(
        "[Component]\nPropertyCount=2000000000\nEventCount=2000000000\nMethodCount=0x7fffffff\n"
        "UserMessageCount=2147483647\nStandardMessageCount=2000000000\n"
        "[Properties]\n0=A\n1=B\n[Eventtypes]\n3=TNotifyEvent\n"
        "[Methods]\n0=Procedure A;\n[Methodsections]\n2=public\n"
        "[UserMessages]\n0=WM_A[WM_USER + 1]}\n[StandardMessages]\n1=WM_SIZE\n");
    EXPECT_EQ(spec.Properties.size(), 2);
    EXPECT_EQ(spec.EventTypes.size(), 4);
    EXPECT_EQ(spec.EProtected.size(), 4);
    // The method loops share one bound: every method list gets three entries.
    EXPECT_EQ(spec.Methods.size(), 3);
    EXPECT_EQ(spec.MethodComments.size(), 3);
    EXPECT_EQ(spec.MethodSections, (QStringList{QString(), QString(), QStringLiteral("public")}));
    EXPECT_EQ(spec.UserMessages.size(), 1);
    EXPECT_EQ(spec.selectedStandardMessages(), QStringList{QStringLiteral("WM_SIZE")});

    // A key far out still adds no more than the safety limit.
    const ComponentSpec far = openedText(
        "[Component]\nEventCount=2000000000\n[Eventtypes]\n50000000=TNotifyEvent\n");
    EXPECT_EQ(far.EventTypes.size(), kMaxSpecListEntries);
}

TEST_F(SpecFile, NegativeAndNonNumericCountsReadAsZero)
{
    const ComponentSpec spec = openedText(
        "[Component]\nPropertyCount=-1\nMethodCount=three\nEventCount=1.5\n"
        "[Properties]\n0=A\n[Methods]\n0=Procedure A;\n[Events]\n0=OnA\n");
    EXPECT_TRUE(spec.Properties.isEmpty());
    EXPECT_TRUE(spec.Methods.isEmpty());
    EXPECT_TRUE(spec.Events.isEmpty());
}

TEST_F(SpecFile, ACommentOfSeveralLinesComesBackWhole)
{
    ComponentSpec spec = tankSpec();
    spec.MethodComments[0] = QStringLiteral("Adds liquid\r\nup to the brim\n\nand stops");
    QString error;
    ASSERT_TRUE(saveSpecification(spec, path("c.spc"), &error));
    const ProfileFile file(path("c.spc"));
    EXPECT_EQ(file.readString(QStringLiteral("MethodComments"), QStringLiteral("0.2")),
              QStringLiteral("up to the brim"));
    EXPECT_EQ(opened(path("c.spc")).MethodComments,
              QStringList{QStringLiteral("Adds liquid\nup to the brim\n\nand stops")});
}

TEST_F(SpecFile, DamagedFilesReadWithoutHarm)
{
    QByteArray garbage;
    for (int i = 0; i < 200000; ++i)
        garbage.append(char((i * 7919 + i / 13) & 0xff));
    garbage.replace(0, 40, "[Component]\nPropertyCount=99\n[Properties]\n");
    ComponentSpec spec = openedText(garbage);
    EXPECT_EQ(spec.Ancestor, QStringLiteral("TComponent"));

    const QByteArray huge(10 * 1024 * 1024, 'x');
    spec = openedText("[Component]\nClassname=" + huge + "\n");
    EXPECT_EQ(spec.Classname.size(), huge.size());

    spec = opened(path("missing.spc"));
    EXPECT_TRUE(spec.Properties.isEmpty());
    EXPECT_EQ(spec.Ancestor, QStringLiteral("TComponent"));

    spec = opened(dir.path());
    EXPECT_EQ(spec.StandardProperties, (QStringList{QStringLiteral("Name"), QStringLiteral("Tag")}));
}

TEST_F(SpecFile, RefusedSaveLeavesTheTargetAlone)
{
    QString error;
    EXPECT_FALSE(saveSpecification(tankSpec(), dir.path(), &error));
    EXPECT_EQ(error, QStringLiteral("Unable to write to ") + dir.path());
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());
    EXPECT_FALSE(saveSpecification(tankSpec(), path("none/x.spc"), &error));
    EXPECT_EQ(error, QStringLiteral("Unable to write to ") + path("none/x.spc"));
}

struct ProposedCase {
    const char *name;
    const char *filename;
    const char *proposed;
};

UF_ROW_NAME(ProposedCase)

class ProposedSpecificationPath : public testing::TestWithParam<ProposedCase> {};

TEST_P(ProposedSpecificationPath, FollowsTheUnitName)
{
    EXPECT_EQ(proposedSpecificationPath(QString::fromLatin1(GetParam().filename)),
              QString::fromLatin1(GetParam().proposed));
}

INSTANTIATE_TEST_SUITE_P(Names, ProposedSpecificationPath, testing::Values(
    ProposedCase{"WindowsPath", "C:\\Work\\GaugeUnit.pas", "C:\\Work\\GaugeUnit.spc"},
    ProposedCase{"Empty", "", "Unit1.spc"},
    ProposedCase{"UpperCaseExtension", "MyUnit.PAS", "MyUnit.PAS.spc"},
    ProposedCase{"DriveOnly", "D:Dial.pas", "D:Dial.spc"},
    ProposedCase{"LinuxPath", "/home/me/units/dial.pas", "/home/me/units/dial.spc"},
    ProposedCase{"FolderOnly", "C:\\Units\\", "C:\\Units\\.spc"}), RowName());

TEST_F(SpecFile, AbsurdCountsAndKeysCostNothingAndLoseNothing)
{
    // Counts beyond the range of int are large counts, not missing ones.
    const ComponentSpec huge = openedText(
        "[Component]\nClassname=TX\nMethodCount=4294967295\nPropertyCount=0x80000000\n"
        "[Methods]\n0=Procedure A;\n[MethodSections]\n0=public\n[Properties]\n0=P\n");
    EXPECT_EQ(huge.Methods, QStringList{QStringLiteral("Procedure A;")});
    EXPECT_EQ(huge.Properties, QStringList{QStringLiteral("P")});

    // Lists that skip absent entries read a far key, however far.
    const ComponentSpec far = openedText(
        "[Component]\nUserMessageCount=2147483647\nPropertyCount=2147483647\n"
        "[UserMessages]\n2000000000=WM_X[WM_USER + 1]}\n[Properties]\n100000=Far\n");
    EXPECT_EQ(far.UserMessages, QStringList{QStringLiteral("WM_X[WM_USER + 1]}")});
    EXPECT_EQ(far.Properties, QStringList{QStringLiteral("Far")});

    // A key at the end of the number range leaves a loop bounded by its count.
    const ComponentSpec last = openedText(
        "[Component]\nMethodCount=1\n[Methods]\n99999999999999999999=Procedure Z;\n");
    EXPECT_EQ(last.Methods, QStringList{QString()});

    // A hand-written body whose count and last key are absurd builds at once.
    writeBytes(path("body.spc"),
               "[Component]\nClassname=TX\nPropertyCount=1\n[Properties]\n0=P\n[Types]\n0=integer\n"
               "[rmethods]\n0=GetP\n[functionTX.GetP]\ncount=2147483647\n2147483647=z\n"
               "varcount=$7FFFFFFF\nv2147483647=var q: integer;\n");
    ComponentSpec body = opened(path("body.spc"));
    const ProfileFile bodies(path("body.spc"));
    const QStringList lines = generateUnit(body, Style(), awk, &bodies).lines;
    const qsizetype heading = lines.indexOf(QStringLiteral("function TX.GetP: integer;"));
    ASSERT_GE(heading, 0);
    EXPECT_EQ(lines.mid(heading + 1, 5),
              (QStringList{QStringLiteral("var q: integer;"), QStringLiteral("begin"), QString(),
                           QStringLiteral("z"), QStringLiteral("end;")}));
}

TEST_F(SpecFile, ReadingSaysWhenAFileIsTooLargeToReadWhole)
{
    writeBytes(path("big.spc"), "[Component]\nEventCount=2000000000\n[Eventtypes]\n5000000=T\n");
    ComponentSpec spec;
    QString warning;
    readSpecification(spec, path("big.spc"), awk, &warning);
    EXPECT_FALSE(warning.isEmpty());
    EXPECT_EQ(spec.EventTypes.size(), kMaxSpecListEntries);
}

struct AbsurdKeyCase {
    const char *name;
    const char *section;
    const char *key;
};

UF_ROW_NAME(AbsurdKeyCase)

class AbsurdKey : public testing::TestWithParam<AbsurdKeyCase> {
protected:
    QTemporaryDir dir;
    TAwk awk;
};

// The event and method lists run up to the largest key present: a key at the
// end of the 64-bit range must not turn that bound over into nothing.
TEST_P(AbsurdKey, InAListSectionLosesNoEntry)
{
    QByteArray text("[Component]\nMethodCount=2\nEventCount=1\n"
                    "[Methods]\n0=Procedure A;\n1=Procedure B;\n[Events]\n0=OnGo\n");
    const QByteArray header = QByteArray("[") + GetParam().section + "]\n";
    const QByteArray line = QByteArray(GetParam().key) + "=x\n";
    if (text.contains(header))
        text.replace(header, header + line);
    else
        text += header + line;
    const QString path = dir.filePath(QStringLiteral("absurd.spc"));
    writeBytes(path, text);
    ComponentSpec spec;
    spec.reset();
    readSpecification(spec, path, awk);
    EXPECT_EQ(spec.Methods, (QStringList{QStringLiteral("Procedure A;"), QStringLiteral("Procedure B;")}));
    EXPECT_EQ(spec.MethodComments.size(), 2);
    EXPECT_EQ(spec.MethodSections.size(), 2);
    EXPECT_EQ(spec.Events, QStringList{QStringLiteral("OnGo")});
    EXPECT_EQ(spec.EventTypes.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Keys, AbsurdKey, testing::Values(
    AbsurdKeyCase{"LargestKeyInMethods", "Methods", "9223372036854775807"},
    AbsurdKeyCase{"LargestKeyInMethodComments", "MethodComments", "9223372036854775807"},
    AbsurdKeyCase{"KeyPastItInMethodSections", "MethodSections", "99999999999999999999999"},
    AbsurdKeyCase{"LargestKeyInEventtypes", "Eventtypes", "9223372036854775807"}),
    RowName());

// Each count read from a file against the key just at it: the 0-based lists
// stop before key count, the 1-based ones (standard messages, body lines)
// take it and stop after.
struct CountBoundCase {
    const char *name;
    const char *file;
    QStringList (*read)(const QString &path, TAwk &awk);
    QStringList expected;
};

UF_ROW_NAME(CountBoundCase)

ComponentSpec openSpecification(const QString &path, TAwk &awk)
{
    ComponentSpec spec;
    spec.reset();
    readSpecification(spec, path, awk);
    return spec;
}

class CountBound : public testing::TestWithParam<CountBoundCase> {
protected:
    QTemporaryDir dir;
    TAwk awk;
};

TEST_P(CountBound, TakesTheKeysBelowTheCountOnly)
{
    const QString path = dir.filePath(QStringLiteral("count.spc"));
    writeBytes(path, GetParam().file);
    EXPECT_EQ(GetParam().read(path, awk), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Lists, CountBound, testing::Values(
    CountBoundCase{"Properties", "[Component]\nPropertyCount=2\n[Properties]\n0=A\n1=B\n2=C\n",
        [](const QString &p, TAwk &a) { return openSpecification(p, a).Properties; },
        {QStringLiteral("A"), QStringLiteral("B")}},
    CountBoundCase{"UserMessages",
        "[Component]\nUserMessageCount=2\n[UserMessages]\n0=WM_A\n1=WM_B\n2=WM_C\n",
        [](const QString &p, TAwk &a) { return openSpecification(p, a).UserMessages; },
        {QStringLiteral("WM_A"), QStringLiteral("WM_B")}},
    CountBoundCase{"StandardMessages",
        "[Component]\nStandardMessageCount=2\n[StandardMessages]\n1=WM_SIZE\n2=WM_PAINT\n3=WM_MOVE\n",
        [](const QString &p, TAwk &a) { return openSpecification(p, a).selectedStandardMessages(); },
        {QStringLiteral("WM_PAINT"), QStringLiteral("WM_SIZE")}},
    CountBoundCase{"Events", "[Component]\nEventCount=2\n[Events]\n0=OnA\n1=OnB\n2=OnC\n",
        [](const QString &p, TAwk &a) { return openSpecification(p, a).Events; },
        {QStringLiteral("OnA"), QStringLiteral("OnB")}},
    CountBoundCase{"Methods",
        "[Component]\nMethodCount=2\n[Methods]\n0=Procedure A;\n1=Procedure B;\n2=Procedure C;\n",
        [](const QString &p, TAwk &a) { return openSpecification(p, a).Methods; },
        {QStringLiteral("Procedure A;"), QStringLiteral("Procedure B;")}},
    CountBoundCase{"BodyLines",
        "[Component]\nClassname=TX\nPropertyCount=1\n[Properties]\n0=P\n[Types]\n0=integer\n"
        "[rmethods]\n0=GetP\n[functionTX.GetP]\n"
        "varcount=1\nv1=var q: integer;\nv2=var r: integer;\ncount=2\n1=one;\n2=two;\n3=three;\n",
        [](const QString &p, TAwk &a) {
            const ProfileFile bodies(p);
            const QStringList unit = generateUnit(openSpecification(p, a), Style(), a, &bodies).lines;
            const qsizetype heading = unit.indexOf(QStringLiteral("function TX.GetP: integer;"));
            return heading < 0 ? QStringList() : unit.mid(heading + 1, 6);
        },
        {QStringLiteral("var q: integer;"), QStringLiteral("begin"), QString(),
         QStringLiteral("one;"), QStringLiteral("two;"), QStringLiteral("end;")}}),
    RowName());

// A save that the file system stops part-way (here a file-size limit, which
// also binds root, in a child process) leaves the file it replaces byte for
// byte and no temporary file beside it.
TEST_F(SpecFile, SaveCutShortLeavesThePreviousFile)
{
    const QString target = path("cut.spc");
    const QByteArray before = "; mine\r\n[Component]\r\nName=Old\r\n"
                              "[functionTTank.GetLevel]\r\ncount=1\r\n1=Result := 1;\r\n";
    writeBytes(target, before);
    ComponentSpec spec = tankSpec();
    for (int i = 0; i < 500; ++i)
        spec.addProperty(property(QStringLiteral("Prop") + QString::number(i), QStringLiteral("integer")));

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);   // writes past the limit fail instead of ending the process
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        QString error;
        const bool saved = saveSpecification(spec, target, &error);
        ::_exit(!saved && error == QStringLiteral("Unable to write to ") + target ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the save did not report its failure";
    EXPECT_EQ(readBytes(target), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("cut.spc")});
}
