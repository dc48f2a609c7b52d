// SPDX-License-Identifier: MIT
// Build's keeping of written code: in the Output text, in the unit file the
// unit name names, and before Save replaces that file.
#include "session/buildmerge.h"

#include "answeringprompts.h"
#include "merge/unitfixtures.h"
#include "rowname.h"

#include <QFile>
#include <QTemporaryDir>

using Answer = Prompts::Answer;
using Result = BuildMerge::FileMerge::Result;

void PrintTo(Result result, std::ostream *os)
{
    *os << (result == Result::Merged ? "Merged" : result == Result::Declined ? "Declined" : "Skipped");
}

namespace {

QStringList unitLines(const ComponentSpec &spec)
{
    TAwk awk;
    return generateUnit(spec, Style(), awk, nullptr).lines;
}

// The unit with a line written into the body of routine (its heading's name).
QString withWrittenLine(const QString &unit, const QString &routine, const QString &line)
{
    const qsizetype heading = unit.indexOf(QStringLiteral("procedure ") + routine, 0, Qt::CaseInsensitive);
    EXPECT_GE(heading, 0) << routine.toStdString();
    const qsizetype begin = unit.indexOf(QStringLiteral("begin"), heading, Qt::CaseInsensitive) + 5;
    return unit.left(begin) + QStringLiteral("\r\n") + line + unit.mid(begin);
}

ComponentSpec gaugeWithoutFlash()
{
    ComponentSpec spec = gaugeSpec();
    spec.removeMethod(0);
    return spec;
}

class UnitFile : public ::testing::Test
{
protected:
    QString write(const QString &text)
    {
        const QString path = dir.filePath(QStringLiteral("Gauge.pas"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toLatin1());
        return path;
    }

    QTemporaryDir dir;
    AnsweringPrompts prompts;
};

TEST(BuildMerge, WrittenCodeIsWhatDiffersFromTheLastBuild)
{
    AnsweringPrompts prompts;
    BuildMerge merge(prompts);
    const QStringList built = unitLines(gaugeSpec());
    const QStringList shown = outputLinesOf(outputTextOf(built)) << QString();
    EXPECT_FALSE(merge.hasWrittenCode({QString(), QStringLiteral("  ")})) << "blank";
    EXPECT_TRUE(merge.hasWrittenCode(shown)) << "text before any Build";
    merge.remember(built);
    EXPECT_FALSE(merge.hasWrittenCode(shown)) << "what the Build put there";
    QStringList edited = shown;
    edited.insert(3, QStringLiteral("{ mine }"));
    EXPECT_TRUE(merge.hasWrittenCode(edited));
    merge.forget();
    EXPECT_TRUE(merge.hasWrittenCode(shown)) << "after Open nothing in the text is a build's";
}

TEST_F(UnitFile, BuildKeepsTheBodiesWrittenIntoTheUnitFile)
{
    const QString path = write(withWrittenLine(builtUnit(gaugeSpec()), QStringLiteral("TGauge.Flash"),
                                               QStringLiteral("  Beep;")));
    BuildMerge merge(prompts);
    const BuildMerge::FileMerge merged = merge.mergeWithUnitFile(unitLines(gaugeSpec()), path);
    EXPECT_EQ(merged.result, Result::Merged);
    EXPECT_TRUE(merged.output.keptCode);
    EXPECT_TRUE(merged.output.lines.contains(QStringLiteral("  Beep;")));
    EXPECT_TRUE(prompts.shown.isEmpty());
}

TEST_F(UnitFile, BuildAsksBeforeAWrittenMethodGoesAndNoKeepsEverything)
{
    const QString path = write(withWrittenLine(builtUnit(gaugeSpec()), QStringLiteral("TGauge.Flash"),
                                               QStringLiteral("  Beep;")));
    prompts.answers.enqueue(Answer::No);
    BuildMerge merge(prompts);
    EXPECT_EQ(merge.mergeWithUnitFile(unitLines(gaugeWithoutFlash()), path).result, Result::Declined);
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].text.startsWith(QStringLiteral("Build will discard: TGauge.Flash (")))
        << prompts.shown[0].text.toStdString();
    EXPECT_EQ(prompts.shown[0].buttons, Prompts::Buttons::YesNoDefaultNo);
}

TEST_F(UnitFile, BuildWithoutAUnitFileToReadBuildsAsUsual)
{
    BuildMerge merge(prompts);
    EXPECT_EQ(merge.mergeWithUnitFile(unitLines(gaugeSpec()), dir.filePath(QStringLiteral("none.pas"))).result,
              Result::Skipped);
    EXPECT_EQ(merge.mergeWithUnitFile(unitLines(gaugeSpec()), write(QStringLiteral("not a unit"))).result,
              Result::Skipped);
    EXPECT_EQ(merge.mergeWithUnitFile(unitLines(gaugeSpec()), dir.path()).result, Result::Skipped)
        << "a folder";
}

TEST_F(UnitFile, SaveFindsTheWrittenCodeTheTextWouldDrop)
{
    const QString written = withWrittenLine(builtUnit(gaugeSpec()), QStringLiteral("TGauge.Flash"),
                                            QStringLiteral("  Beep;"));
    const QString path = write(written);
    QStringList generated = unitLines(gaugeSpec());
    generated.append(QString());
    const QList<MergeItem> dropped = writtenCodeDroppedBy(generated, path);
    ASSERT_EQ(dropped.size(), 1);
    EXPECT_EQ(dropped[0].name, QStringLiteral("TGauge.Flash"));

    EXPECT_TRUE(writtenCodeDroppedBy(outputLinesOf(written) << QString(), path).isEmpty())
        << "the file's own text drops nothing";
    EXPECT_TRUE(writtenCodeDroppedBy(generated, write(QStringLiteral("not a unit"))).isEmpty());
}

} // namespace
