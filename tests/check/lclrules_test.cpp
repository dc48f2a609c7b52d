// SPDX-License-Identifier: MIT
// The check's findings for a unit built for Lazarus.
#include <gtest/gtest.h>

#include <functional>

#include "check/checker.h"
#include "generator/style.h"
#include "model/ancestortable.h"
#include "model/specbuilders.h"
#include "model/componentspec.h"
#include "model/standardmessages.h"
#include "rowname.h"

using namespace Qt::StringLiterals;
using Kind = Finding::Kind;
using Severity = Finding::Severity;

namespace {

QList<Finding> check(const ComponentSpec &spec, Target target = Target::Lazarus)
{
    Style style;
    style.target = target;
    return checkSpecification(spec, style);
}

struct LclRow {
    std::string name;
    QString ancestor;
    std::function<void(ComponentSpec &)> change;
    Kind kind;
    int index;
    Severity severity;
    QString message;
};

void PrintTo(const LclRow &row, std::ostream *os) { *os << row.name; }

class LclFinding : public testing::TestWithParam<LclRow> {};

TEST_P(LclFinding, IsTheOnlyFinding)
{
    const LclRow &row = GetParam();
    ComponentSpec spec = specOn(row.ancestor);
    row.change(spec);
    const QList<Finding> findings = check(spec);
    ASSERT_EQ(findings.size(), 1) << (findings.isEmpty() ? std::string() : describeFinding(findings.first()).toStdString());
    const Finding &finding = findings.first();
    EXPECT_EQ(finding.kind, row.kind);
    EXPECT_EQ(finding.index, row.index);
    EXPECT_EQ(finding.severity, row.severity);
    EXPECT_EQ(finding.message, row.message);
    EXPECT_TRUE(check(spec, Target::Delphi2).isEmpty()) << "Delphi 2.0 has all of these";
}

const auto kNoChange = [](ComponentSpec &) {};

int messageIndex(const char *name)
{
    return int(standardMessageNames().indexOf(QString::fromLatin1(name)));
}

INSTANTIATE_TEST_SUITE_P(Table, LclFinding, testing::Values(
    LclRow{"MappedAncestor", u"TTabSet"_s, [](ComponentSpec &spec) { spec.StandardProperties = {u"Align"_s}; spec.StandardEvents.clear(); },
           Kind::Ancestor, -1, Severity::Warning, u"TTabSet has no LCL class; the unit descends from TTabControl"_s},
    LclRow{"MissingMembers", u"TPanel"_s, kNoChange,
           Kind::Ancestor, -1, Severity::Warning, u"the LCL's TPanel has no Ctl3D, Locked, ParentCtl3D; the unit does not re-declare them"_s},
    LclRow{"OneMissingMember", u"TPanel"_s, [](ComponentSpec &spec) { spec.StandardProperties = {u"Caption"_s, u"Ctl3D"_s}; spec.StandardEvents.clear(); },
           Kind::Ancestor, -1, Severity::Warning, u"the LCL's TPanel has no Ctl3D; the unit does not re-declare it"_s},
    LclRow{"WindowsOnlyMessage", u"TComponent"_s, [](ComponentSpec &spec) { spec.selectStandardMessage(u"EM_UNDO"_s); },
           Kind::StandardMessage, messageIndex("EM_UNDO"), Severity::Warning,
           u"the LCL sends it only on Windows, if at all; the handler takes its Windows value"_s},
    LclRow{"MessageOfUnknownValue", u"TComponent"_s, [](ComponentSpec &spec) { spec.selectStandardMessage(u"WM_MDITITLE"_s); },
           Kind::StandardMessage, messageIndex("WM_MDITITLE"), Severity::Error,
           u"its value is unknown (neither the LCL nor the Windows headers declare it); deselect it"_s},
    LclRow{"UnitNamedLikeAnLclUnit", u"TComponent"_s, [](ComponentSpec &spec) { spec.Filename = u"/src/lresources.pas"_s; },
           Kind::Unit, -1, Severity::Error, u"the unit uses a unit of this name; rename the file"_s},
    LclRow{"UnitNamedLikeTheAncestorsUnit", u"TPrintDialog"_s, [](ComponentSpec &spec) { spec.Filename = u"PrintersDlgs.pas"_s; spec.StandardProperties = {u"Name"_s}; spec.StandardEvents.clear(); },
           Kind::Unit, -1, Severity::Error, u"the unit uses a unit of this name; rename the file"_s}),
    RowName());

TEST(LclRules, LclMessagesAndFullClassesGiveNoFinding)
{
    ComponentSpec spec = specOn(u"TComponent"_s);
    spec.selectStandardMessage(u"WM_SIZE"_s);
    spec.selectStandardMessage(u"WM_CANCELMODE"_s);
    EXPECT_TRUE(check(spec).isEmpty());
    ComponentSpec custom = specOn(u"TComponent"_s);
    custom.Ancestor = u"TMyBase"_s;
    custom.StandardProperties = {u"Ctl3D"_s};
    for (const Finding &finding : check(custom))
        EXPECT_NE(finding.message.left(10), u"the LCL's "_s) << "an ancestor outside the list has no LCL row";
}

} // namespace

TEST(LclRules, InheritedNamesAreTheLclClasssOwn)
{
    // Delphi's TPanel has Ctl3D, the LCL's has not; both have OnClick.
    ComponentSpec spec = specOn(u"TPanel"_s);
    spec.StandardProperties.clear();
    spec.StandardEvents.clear();
    spec.addProperty([] {
        PropertyInput input;
        input.name = u"Ctl3D"_s;
        input.type = u"boolean"_s;
        return input;
    }());
    EventInput click;
    click.name = u"OnClick"_s;
    click.type = u"TNotifyEvent"_s;
    spec.addEventHandler(click);
    QStringList delphi;
    for (const Finding &finding : check(spec, Target::Delphi2))
        delphi.append(finding.name);
    QStringList lazarus;
    for (const Finding &finding : check(spec))
        lazarus.append(finding.name);
    EXPECT_EQ(delphi, QStringList({u"Ctl3D"_s, u"OnClick"_s}));
    EXPECT_EQ(lazarus, QStringList({u"OnClick"_s}));
}
