#include <gtest/gtest.h>

#include "model/ancestortable.h"
#include "model/componentspec.h"
#include "rowname.h"

namespace {

QStringList names(const char *commaSeparated)
{
    return QString::fromLatin1(commaSeparated).split(u',', Qt::SkipEmptyParts);
}

struct MemberRow {
    const char *name;      // the ancestor
    const char *properties;
    const char *events;
};

UF_ROW_NAME(MemberRow)

} // namespace

TEST(AncestorList, HoldsTheClassesInListOrder)
{
    const QStringList &list = ancestorNames();
    ASSERT_EQ(list.size(), 118);
    EXPECT_EQ(list.first(), QStringLiteral("TBatchMove"));
    EXPECT_EQ(list.at(18), QStringLiteral("TComponent"));
    EXPECT_EQ(list.last(), QStringLiteral("TWordField"));
    EXPECT_EQ(ancestorIndex(QStringLiteral("tcomponent")), 18);
    EXPECT_EQ(ancestorNames().at(ancestorIndex(QStringLiteral("TCUSTOMCONTROL"))),
              QStringLiteral("TCustomControl"));
    EXPECT_EQ(ancestorIndex(QStringLiteral("TMyBase")), -1);
    EXPECT_EQ(ancestorIndex(QString()), -1);
}

class AncestorMembers : public testing::TestWithParam<MemberRow> {};

TEST_P(AncestorMembers, RefillGivesThePublishedNames)
{
    ComponentSpec spec;
    spec.StandardProperties = {QStringLiteral("Stale")};
    spec.StandardEvents = {QStringLiteral("OnStale")};
    const int index = ancestorIndex(QString::fromLatin1(GetParam().name));
    ASSERT_GE(index, 0);
    refillAncestorMembers(spec, index);
    EXPECT_EQ(spec.StandardProperties, names(GetParam().properties));
    EXPECT_EQ(spec.StandardEvents, names(GetParam().events));
}

INSTANTIATE_TEST_SUITE_P(TellingRows, AncestorMembers, testing::Values(
    MemberRow{"TComponent", "Name,Tag", ""},
    MemberRow{"TControl", "Cursor,Height,Hint,Left,Name,Tag,Top,Width", ""},
    MemberRow{"TTimer", "Enabled,Interval,Name,Tag", "OnTimer"},
    MemberRow{"TDataSource", "AutoEdit,DataSet,Enabled,Name,Tag",
              "OnDataChange,OnStateChange,OnUpdateData"},
    MemberRow{"TMenuItem", "Break,Caption,Checked,Default,Enabled,GroupIndex,HelpContext,Hint,"
                           "Name,RadioItem,ShortCut,Tag,Visible", "OnClick"},
    MemberRow{"TQuery", "Active,AutoCalcFields,CachedUpdates,Constrained,DatabaseName,DataSource,"
                        "Filter,Filtered,FilterOptions,Name,ParamCheck,Params,RequestLive,"
                        "SessionName,SQL,Tag,UniDirectional,UpdateMode,UpdateObject",
              "AfterCancel,AfterClose,AfterDelete,AfterEdit,AfterInsert,AfterOpen,AfterPost,"
              "BeforeCancel,BeforeClose,BeforeDelete,BeforeEdit,BeforeInsert,BeforeOpen,"
              "BeforePost,OnCalcFields,OnDeleteError,OnEditError,OnFilterRecord,OnNewRecord,"
              "OnPostError,OnServerYield,OnUpdateError,OnUpdateRecord"},
    MemberRow{"TBrush", "Color,Style", ""},
    MemberRow{"TStringList", "", ""},
    MemberRow{"TIniFile", "", ""},
    MemberRow{"TBlobStream", "", ""},
    MemberRow{"TPrinter", "", ""}), RowName());

TEST(AncestorMembersRefill, NoEntryEmptiesBothLists)
{
    ComponentSpec spec;
    refillAncestorMembers(spec, ancestorIndex(QStringLiteral("TButton")));
    EXPECT_EQ(spec.StandardEvents.size(), 13);
    refillAncestorMembers(spec, -1);
    EXPECT_TRUE(spec.StandardProperties.isEmpty());
    EXPECT_TRUE(spec.StandardEvents.isEmpty());
    refillAncestorMembers(spec, 118);
    EXPECT_TRUE(spec.StandardProperties.isEmpty());
}
