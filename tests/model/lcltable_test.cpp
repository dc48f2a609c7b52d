// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "model/ancestortable.h"
#include "model/lcltable.h"
#include "model/standardmessages.h"
#include "rowname.h"

using namespace Qt::StringLiterals;

namespace {

struct CounterpartRow {
    std::string name;
    QString lclClass;
    QString unit;
};
UF_ROW_NAME(CounterpartRow)

class LclCounterpart : public testing::TestWithParam<CounterpartRow> {};

TEST_P(LclCounterpart, DescendsFromTheNearClass)
{
    const CounterpartRow &row = GetParam();
    const auto ancestor = lclAncestor(QString::fromStdString(row.name));
    ASSERT_TRUE(ancestor);
    EXPECT_EQ(ancestor->lclClass, row.lclClass);
    EXPECT_EQ(ancestor->unit, row.unit);
    EXPECT_TRUE(ancestor->counterpart);
}

INSTANTIATE_TEST_SUITE_P(Table, LclCounterpart, testing::Values(
    CounterpartRow{"TOutline", u"TTreeView"_s, u"ComCtrls"_s},
    CounterpartRow{"TCustomOutline", u"TCustomTreeView"_s, u"ComCtrls"_s},
    CounterpartRow{"TOutlineNode", u"TTreeNode"_s, u"ComCtrls"_s},
    CounterpartRow{"TTabSet", u"TTabControl"_s, u"ComCtrls"_s},
    CounterpartRow{"TTabbedNotebook", u"TPageControl"_s, u"ComCtrls"_s},
    CounterpartRow{"THeader", u"THeaderControl"_s, u"ComCtrls"_s},
    CounterpartRow{"TQuery", u"TSQLQuery"_s, u"SQLDB"_s},
    CounterpartRow{"TTable", u"TSQLQuery"_s, u"SQLDB"_s},
    CounterpartRow{"TDatabase", u"TSQLConnection"_s, u"SQLDB"_s},
    CounterpartRow{"TDBLookupCombo", u"TDBLookupComboBox"_s, u"DBCtrls"_s},
    CounterpartRow{"TDBLookupList", u"TDBLookupListBox"_s, u"DBCtrls"_s},
    CounterpartRow{"TMediaPlayer", u"TCustomControl"_s, u"Controls"_s},
    CounterpartRow{"TOLEContainer", u"TCustomControl"_s, u"Controls"_s},
    CounterpartRow{"TOLEDropNotify", u"TComponent"_s, u"Classes"_s},
    CounterpartRow{"TDDEClientItem", u"TComponent"_s, u"Classes"_s},
    CounterpartRow{"TDDEServerConv", u"TComponent"_s, u"Classes"_s},
    CounterpartRow{"TDDEServerItem", u"TComponent"_s, u"Classes"_s},
    CounterpartRow{"TBatchMove", u"TComponent"_s, u"Classes"_s},
    CounterpartRow{"TBlobStream", u"TMemoryStream"_s, u"Classes"_s},
    CounterpartRow{"TDirectoryListBox", u"TCustomListBox"_s, u"StdCtrls"_s},
    CounterpartRow{"TDriveComboBox", u"TCustomComboBox"_s, u"StdCtrls"_s},
    CounterpartRow{"TInplaceEdit", u"TStringCellEditor"_s, u"Grids"_s},
    CounterpartRow{"TMetafile", u"TGraphic"_s, u"Graphics"_s}), RowName());

TEST(LclAncestorTable, EveryClassOfTheAncestorListHasARow)
{
    int counterparts = 0;
    for (const QString &name : ancestorNames()) {
        const auto ancestor = lclAncestor(name);
        ASSERT_TRUE(ancestor) << name.toStdString();
        EXPECT_FALSE(ancestor->unit.isEmpty()) << name.toStdString();
        counterparts += ancestor->counterpart;
    }
    EXPECT_EQ(counterparts, 23);
}

TEST(LclAncestorTable, ClassesOfTheSameNameInTheirUnits)
{
    const auto panel = lclAncestor(u"tpanel"_s);
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->lclClass, u"TPanel"_s);
    EXPECT_EQ(panel->unit, u"ExtCtrls"_s);
    EXPECT_FALSE(panel->counterpart);
    EXPECT_EQ(lclAncestor(u"TPrintDialog"_s)->unit, u"PrintersDlgs"_s);
    EXPECT_EQ(lclAncestor(u"TStringField"_s)->unit, u"DB"_s);
    EXPECT_FALSE(lclAncestor(u"TMyOwnControl"_s));
}

TEST(LclAncestorTable, MembersTheLclClassLacksAreLeftOut)
{
    EXPECT_TRUE(lclHasMember(u"TPanel"_s, u"Caption"_s));
    EXPECT_TRUE(lclHasMember(u"TPanel"_s, u"onclick"_s)) << "letter case does not matter";
    EXPECT_FALSE(lclHasMember(u"TPanel"_s, u"Ctl3D"_s));
    EXPECT_FALSE(lclHasMember(u"TPanel"_s, u"ParentCtl3D"_s));
    EXPECT_TRUE(lclHasMember(u"TOutline"_s, u"ScrollBars"_s)) << "TTreeView has ScrollBars";
    EXPECT_FALSE(lclHasMember(u"TOutline"_s, u"OutlineStyle"_s));
    EXPECT_FALSE(lclHasMember(u"TMyOwnControl"_s, u"Caption"_s));
}

struct MessageRow {
    std::string name;
    QString constant;
    QString record;
    std::optional<int> windowsValue;
};
UF_ROW_NAME(MessageRow)

class LclMessageEntry : public testing::TestWithParam<MessageRow> {};

TEST_P(LclMessageEntry, GivesConstantRecordAndValue)
{
    const MessageRow &row = GetParam();
    const auto message = lclMessage(QString::fromStdString(row.name));
    ASSERT_TRUE(message);
    EXPECT_EQ(message->constant, row.constant);
    EXPECT_EQ(message->record, row.record);
    EXPECT_EQ(message->windowsValue, row.windowsValue);
}

INSTANTIATE_TEST_SUITE_P(Table, LclMessageEntry, testing::Values(
    MessageRow{"WM_SIZE", u"LM_SIZE"_s, u"TLMSize"_s, 5},
    MessageRow{"WM_LBUTTONDOWN", u"LM_LBUTTONDOWN"_s, u"TLMLButtonDown"_s, 0x201},
    MessageRow{"WM_CANCELMODE", u"LM_CANCELMODE"_s, u"TLMessage"_s, 0x1F},
    MessageRow{"BM_GETCHECK", QString(), QString(), 0xF0},
    MessageRow{"WM_DDE_ACK", QString(), QString(), 0x3E4},
    MessageRow{"WM_WININICHANGE", QString(), QString(), 0x1A},
    MessageRow{"LB_SELCARETINDEX", QString(), QString(), std::nullopt}), RowName());

TEST(LclMessageTable, EveryStandardMessageHasARow)
{
    int constants = 0;
    int records = 0;
    int unknown = 0;
    for (const QString &name : standardMessageNames()) {
        const auto message = lclMessage(name);
        ASSERT_TRUE(message) << name.toStdString();
        constants += !message->constant.isEmpty();
        records += !message->record.isEmpty() && message->record != u"TLMessage"_s;
        unknown += !message->windowsValue;
        EXPECT_EQ(message->constant.isEmpty(), message->record.isEmpty()) << name.toStdString();
    }
    EXPECT_EQ(constants, 60);
    EXPECT_EQ(records, 40);
    EXPECT_EQ(unknown, 2);
}

TEST(LclMessageTable, NamesOutsideTheListHaveNoRow)
{
    EXPECT_FALSE(lclMessage(u"WM_NOSUCHTHING"_s));
    EXPECT_FALSE(lclMessage(u"wm_size"_s)) << "message names keep their letter case";
}

} // namespace
