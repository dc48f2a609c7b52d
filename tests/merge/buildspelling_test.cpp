// SPDX-License-Identifier: MIT
// A merge knows a build's interface lines by the build's spelling: every line
// a build writes for an entry must be taken as the build's, so that a unit
// nothing was written into loses none of its lines to an update.
#include <gtest/gtest.h>

#include <functional>

#include "merge/unitmerge.h"
#include "model/standardmessages.h"
#include "randompascal.h"
#include "randomspecification.h"
#include "rowname.h"
#include "unitfixtures.h"

namespace {

// The class of spec without its entries (and of another ancestor).
ComponentSpec bareClass(const ComponentSpec &spec)
{
    ComponentSpec bare;
    bare.Filename = spec.Filename;
    bare.Classname = spec.Classname;
    bare.Palettepage = spec.Palettepage;
    bare.addUserMessage(QStringLiteral("WM_OTHER"), 99);   // keeps the "const" line
    return bare;
}

// The interface lines of spec's unit that a merge into a build of its bare
// class would list as lost.
QStringList unrecognisedLines(const ComponentSpec &spec)
{
    const UnitMerge merge = mergeUnits(builtUnit(bareClass(spec)), builtUnit(spec));
    EXPECT_TRUE(merge.error.isEmpty()) << merge.error.toStdString();
    QStringList lines;
    for (const MergeItem &item : merge.lost) {
        if (item.kind == MergeItem::Kind::ChangedLines)
            lines += item.text;
    }
    return lines;
}

ComponentSpec headerOnly()
{
    ComponentSpec spec;
    spec.Filename = QStringLiteral("Spelled.pas");
    spec.Classname = QStringLiteral("TSpelled");
    spec.Ancestor = QStringLiteral("TCustomControl");
    spec.Palettepage = QStringLiteral("Samples");
    return spec;
}

struct SpellingRow {
    const char *name;
    std::function<void(ComponentSpec &)> addEntries;
};

void PrintTo(const SpellingRow &row, std::ostream *os)
{
    *os << row.name;
}

class BuildSpelling : public ::testing::TestWithParam<SpellingRow>
{
};

TEST_P(BuildSpelling, EveryLineOfTheBuildIsTakenAsTheBuilds)
{
    ComponentSpec spec = headerOnly();
    GetParam().addEntries(spec);
    EXPECT_EQ(unrecognisedLines(spec), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Entries, BuildSpelling,
    ::testing::Values(
        SpellingRow{"IndexedWithAccessMethods", [](ComponentSpec &spec) {
            PropertyInput items = propertyInput(QStringLiteral("Items"), QStringLiteral("string"));
            items.indexed = true;
            items.readMethod = QStringLiteral("GetItem");
            items.writeMethod = QStringLiteral("SetItem");
            spec.addProperty(items);
        }},
        SpellingRow{"ReadOnlyProtectedAndWriteOnly", [](ComponentSpec &spec) {
            PropertyInput count = propertyInput(QStringLiteral("Count"), QStringLiteral("integer"));
            count.readOnly = true;
            count.isProtected = true;
            count.readMethod = QStringLiteral("GetCount");
            spec.addProperty(count);
            PropertyInput sink = propertyInput(QStringLiteral("Sink"), QStringLiteral("longint"));
            sink.writeOnly = true;
            spec.addProperty(sink);
        }},
        SpellingRow{"DefaultsStorageAndPointers", [](ComponentSpec &spec) {
            PropertyInput level = propertyInput(QStringLiteral("Level"), QStringLiteral("integer"),
                                                QStringLiteral("50"));
            level.stored = false;
            spec.addProperty(level);
            spec.addProperty(propertyInput(QStringLiteral("Caption"), QStringLiteral("string"),
                                           QStringLiteral("Gauge")));
            PropertyInput data = propertyInput(QStringLiteral("Data"), QStringLiteral("byte"));
            data.pointer = true;
            data.runtimeOnly = true;
            spec.addProperty(data);
            spec.addProperty(propertyInput(QStringLiteral("Lines"), QStringLiteral("Classes.TStrings")));
        }},
        SpellingRow{"EventHandlers", [](ComponentSpec &spec) {
            spec.addEventHandler({QStringLiteral("Change"), QStringLiteral("TNotifyEvent"), QString(),
                                  false, QString()});
            spec.addEventHandler({QStringLiteral("OnDone"), QStringLiteral("TDoneEvent"),
                                  QStringLiteral("Sender: TObject; var Stop: boolean"), true,
                                  QStringLiteral("when done")});
        }},
        SpellingRow{"MethodsOfEverySectionAndDirective", [](ComponentSpec &spec) {
            MethodInput total = methodInput(QStringLiteral("Function"), QStringLiteral("Total"),
                                            QStringLiteral("F: function(X: integer): integer"),
                                            QStringLiteral("longint"));
            total.directive = MethodDirective::Virtual;
            total.isAbstract = true;
            spec.addMethod(total);
            MethodInput paint = methodInput(QStringLiteral("Procedure"), QStringLiteral("Paint"));
            paint.isOverride = true;
            paint.isPublic = false;
            paint.isProtected = true;
            spec.addMethod(paint);
            MethodInput redraw = methodInput(QStringLiteral("Procedure"), QStringLiteral("Redraw"),
                                             QStringLiteral("var A, B: integer; const C: string"));
            redraw.directive = MethodDirective::Dynamic;
            redraw.isPublic = false;
            redraw.isPrivate = true;
            spec.addMethod(redraw);
        }},
        SpellingRow{"Messages", [](ComponentSpec &spec) {
            spec.addUserMessage(QStringLiteral("WM_DRAIN"), 1);
            spec.addUserMessage(QStringLiteral("CM_FILL"), 12);
            spec.selectStandardMessage(QStringLiteral("WM_PAINT"));
            for (const QString &name : standardMessageNames()) {
                if (!name.startsWith(QStringLiteral("WM_"))) {
                    spec.selectStandardMessage(name);
                    break;
                }
            }
        }}),
    RowName());

// Specifications changed at random the way a user changes them on the pages.
TEST(BuildSpelling, RandomSpecificationsLoseNoLine)
{
    RandomPascal random(20261207);
    for (int round = 0; round < 40; ++round) {
        RandomSpecification changing(random, QStringLiteral("TRandom"));
        for (int step = round % 5; step > 0; --step)
            changing.change();
        EXPECT_EQ(unrecognisedLines(changing.spec), QStringList()) << "round " << round;
    }
}

// With working bodies the routines a build fills are its own as well: a unit
// built so, with nothing written into it, loses none of them to an update
// that drops every entry.
TEST(BuildSpelling, RandomSpecificationsWithWorkingBodiesLoseNoRoutine)
{
    RandomPascal random(20261208);
    for (int round = 0; round < 40; ++round) {
        RandomSpecification changing(random, QStringLiteral("TRandom"));
        for (int step = 1 + round % 5; step > 0; --step)
            changing.change();
        Style style = changing.style;
        style.workingBodies = true;
        style.target = round % 2 ? Target::Lazarus : Target::Delphi2;
        const UnitMerge merge = mergeUnits(builtUnit(bareClass(changing.spec), style), builtUnit(changing.spec, style));
        EXPECT_TRUE(merge.error.isEmpty()) << "round " << round << ": " << merge.error.toStdString();
        EXPECT_TRUE(merge.lost.isEmpty()) << "round " << round << ": " << lossSummary(merge.lost).toStdString();
    }
}

} // namespace
