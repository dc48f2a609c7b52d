// SPDX-License-Identifier: MIT
// The program a test drive compiles around the component.
#include "generator/lazaruspackage.h"
#include "generator/testdrivehost.h"
#include "model/ancestortable.h"
#include "model/componentspec.h"
#include "model/specbuilders.h"
#include "rowname.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct HostRow {
    const char *name;
    const char *unit;
    const char *classname;
    const char *ancestor;
    bool abstractMethod;
    bool framed;          // the LCL class draws nothing of its own
};
UF_ROW_NAME(HostRow)

ComponentSpec specOf(const HostRow &row)
{
    ComponentSpec spec;
    spec.reset();
    spec.Filename = QString::fromLatin1(row.unit);
    spec.Classname = QString::fromLatin1(row.classname);
    spec.Ancestor = QString::fromLatin1(row.ancestor);
    refillAncestorMembers(spec, ancestorIndex(spec.Ancestor));
    if (row.abstractMethod) {
        MethodInput draw = method(u"Procedure"_s, u"Draw"_s);
        draw.directive = MethodDirective::Virtual;
        draw.isAbstract = true;
        draw.isPublic = true;
        spec.addMethod(draw);
    }
    return spec;
}

qsizetype lineWith(const QStringList &lines, const QString &text)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].contains(text))
            return i;
    }
    return -1;
}

class TestDriveHostTable : public testing::TestWithParam<HostRow>
{
};

} // namespace

TEST_P(TestDriveHostTable, HostsTheComponentOnItsForm)
{
    const HostRow &row = GetParam();
    const QStringList lines = testDriveHostLines(specOf(row));
    const QString unit = QString::fromLatin1(row.unit).section(u'\\', -1).section(u'.', 0, 0);
    const QString create = u"FComponent := "_s + unit + u'.' + QString::fromLatin1(row.classname)
        + u".Create(Self);"_s;

    EXPECT_EQ(lines.first(), u"program uftestdrivehost;"_s);
    // The widget set is chosen by the first unit initialised; the component's
    // unit next, so that none of its names hides one the host uses.
    const qsizetype uses = lines.indexOf(u"uses"_s);
    ASSERT_GE(uses, 0);
    EXPECT_TRUE(lines[uses + 1].startsWith(u"  Interfaces, "_s + unit + u", "_s)) << lines[uses + 1].toStdString();

    const qsizetype created = lineWith(lines, create);
    ASSERT_GE(created, 0) << "no line " << create.toStdString();
    // An exception the constructor raises already goes to the line under the form.
    const qsizetype handler = lineWith(lines, u"Application.OnException := ShowException;"_s);
    EXPECT_TRUE(handler >= 0 && handler < created);
    EXPECT_EQ(lines[created - 1].trimmed(), u"try"_s);
    EXPECT_EQ(lines[created + 1].trimmed(), u"if FComponent is TControl then"_s);
    EXPECT_EQ(lines[lineWith(lines, u"Parent := FStage;"_s) - 3].trimmed(), u"if FComponent is TControl then"_s);
    EXPECT_EQ(lines[lineWith(lines, u"FStage.Framed :="_s) - 1].trimmed(),
              row.framed ? u"if True then"_s : u"if False then"_s);
    EXPECT_GE(lineWith(lines, u"FGrid.Filter := FGrid.Filter - [tkMethod];"_s), 0);
    EXPECT_GE(lineWith(lines, u"Caption := 'Test Drive: "_s + QString::fromLatin1(row.classname) + u"';"_s), 0);

    const qsizetype initialize = lines.indexOf(u"  Application.Initialize;"_s);
    const qsizetype noResource = lines.indexOf(u"  RequireDerivedFormResource := False;"_s);
    EXPECT_TRUE(noResource >= 0 && noResource < initialize);
    // Message boxes go to the line under the form from the first one on.
    const qsizetype ownWidgetSet = lines.indexOf(u"  PPointer(WidgetSet)^ := Pointer(TUfDriveWidgetSet);"_s);
    EXPECT_TRUE(ownWidgetSet >= 0 && ownWidgetSet < initialize);
    EXPECT_EQ(lines.last(), u"end."_s);
}

INSTANTIATE_TEST_SUITE_P(
    Ancestors, TestDriveHostTable,
    testing::Values(
        HostRow{"VisualPaintingNothing", "C:\\Units\\Gauge.pas", "TGauge", "TCustomControl", false, true},
        HostRow{"VisualGraphicControl", "Dial.pas", "TDial", "TGraphicControl", false, true},
        HostRow{"VisualPaintingItself", "Knob.pas", "TKnob", "TButton", false, false},
        HostRow{"CounterpartPaintingNothing", "Player.pas", "TPlayer", "TMediaPlayer", false, true},
        HostRow{"NonVisual", "Ticker.pas", "TTicker", "TTimer", false, false},
        HostRow{"AbstractMethod", "Shape2.pas", "TShape2", "TGraphicControl", true, true},
        HostRow{"DatabaseAncestor", "Orders.pas", "TOrders", "TTable", false, false}),
    RowName());

TEST(TestDriveHost, CaptionDoublesAQuoteInTheClassName)
{
    ComponentSpec spec;
    spec.reset();
    spec.Classname = u"TO'Brien"_s;
    const QStringList lines = testDriveHostLines(spec);
    EXPECT_GE(lines.indexOf(u"  Caption := 'Test Drive: TO''Brien';"_s), 0);
}

TEST(TestDriveHost, FolderHoldsTheUnitItsIconAndTheHostOnly)
{
    ComponentSpec spec;
    spec.reset();
    spec.Filename = u"C:\\Units\\Gauge.pas"_s;
    spec.Classname = u"TGauge"_s;
    const QList<PackageFile> files = testDriveFiles(spec, {u"unit Gauge;"_s, u"end."_s});
    ASSERT_EQ(files.size(), 3);
    EXPECT_EQ(files[0].name, u"gauge.pas"_s);
    EXPECT_TRUE(files[0].bytes.startsWith("unit Gauge;\r\nend.\r\n"));
    // The unit's Register includes it, so the unit does not compile without it.
    EXPECT_EQ(files[1].name, u"gauge_icon.lrs"_s);
    EXPECT_EQ(files[2].name, u"uftestdrivehost.lpr"_s);
    EXPECT_TRUE(files[2].bytes.startsWith("program uftestdrivehost;\n"));
}
