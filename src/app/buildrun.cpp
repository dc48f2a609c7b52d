// SPDX-License-Identifier: MIT
#include "app/buildrun.h"

#include "app/builder.h"
#include "app/busyscope.h"
#include "app/lazaruspackagesaver.h"
#include "app/existingunitupdate.h"
#include "app/outputpage.h"
#include "app/sourcefilesaver.h"
#include "check/checker.h"
#include "check/findingsummary.h"
#include "editor/userprompts.h"
#include "generator/unitgenerator.h"
#include "model/pendingentries.h"
#include "model/specdocument.h"
#include "model/unitname.h"
#include "merge/unitmerge.h"
#include "session/buildmerge.h"
#include "specfile/profilefile.h"

#include <QScopeGuard>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
const QString kNothingWritten = u"Nothing was written"_s;
}

BuildRun::BuildRun(Window window)
    : m_window(std::move(window))
{
}

const ComponentSpec &BuildRun::spec() const
{
    return m_window.document.spec();
}

void BuildRun::build()
{
    if (m_window.busy)
        return;
    const BusyScope busy(m_window.busy);
    OutputPage &output = m_window.output();
    const QString unitFileBefore = output.unitFileName();
    if (!readyToBuild())
        return;
    const QStringList written = output.lines();
    const bool merging = m_window.merge.hasWrittenCode(written);
    const QString unitFile = merging ? QString() : localSourceFile(spec().Filename, m_window.winePrefix);
    const GeneratedUnit unit = writeUnit(!merging);
    BuildMerge::Output shown{unit.lines, false};
    QString keptFrom;
    if (merging) {
        const std::optional<BuildMerge::Output> merged = m_window.merge.merge(unit.lines, written);
        if (!merged)
            return stopped(unitFileBefore);
        shown = *merged;
    } else {
        const BuildMerge::FileMerge merged = m_window.merge.mergeWithUnitFile(unit.lines, unitFile);
        if (merged.result == BuildMerge::FileMerge::Result::Declined)
            return stopped(unitFileBefore);
        if (merged.result == BuildMerge::FileMerge::Result::Merged) {
            shown = merged.output;
            if (shown.keptCode)
                keptFrom = u" from "_s + unitFile;
        }
    }
    const QList<Finding> findings = showBuiltUnit(unit, shown.lines);
    m_window.setStatus(builtStatusText(spec().Filename, findings)
                       + (shown.keptCode ? u", written code kept"_s + keptFrom : QString()));
}

void BuildRun::update()
{
    if (m_window.busy)
        return;
    const BusyScope busy(m_window.busy);
    OutputPage &output = m_window.output();
    const QString unitFileBefore = output.unitFileName();
    if (!readyToBuild())
        return;
    ExistingUnitUpdate update(m_window.prompts);
    const bool written = m_window.merge.hasWrittenCode(output.lines()) && output.isUnsaved();
    if (!update.mayReplaceOutput(written) || !update.chooseUnit(spec().Filename, m_window.winePrefix))
        return stopped(unitFileBefore);
    const GeneratedUnit unit = writeUnit(false);
    if (!update.merge(unit.lines))
        return stopped(unitFileBefore);
    showBuiltUnit(unit, update.outputLines());
    if (update.save())
        output.markSaved();
    m_window.setStatus(update.statusText());
}

void BuildRun::check()
{
    if (m_window.busy)
        return;
    QList<Finding> findings;
    {
        const BusyScope busy(m_window.busy, m_window.window);
        findings = checkSpecification(spec(), m_window.style());
    }
    m_window.output().showFindings(findings);
    if (!findings.isEmpty())
        m_window.showPage(TBuilder::OutputPageIndex);
    m_window.setStatus(checkedStatusText(findings));
}

void BuildRun::savePackage()
{
    if (m_window.busy)
        return;
    const QString shownFileName = m_window.output().unitFileName();
    const auto restore = qScopeGuard([&] { m_window.output().setUnitFileName(shownFileName); });
    if (!readyToBuild())
        return;
    const QStringList lines = lazarusUnit();
    const std::optional<QString> status = saveLazarusPackage(spec(), lines, m_window.prompts);
    if (status)
        m_window.setStatus(*status);
}

std::optional<QStringList> BuildRun::testDriveUnit()
{
    if (m_window.busy)
        return std::nullopt;
    const QString shownFileName = m_window.output().unitFileName();
    const auto restore = qScopeGuard([&] { m_window.output().setUnitFileName(shownFileName); });
    if (!readyToBuild())
        return std::nullopt;
    // As the Output text would hold it: a comment of several lines is several
    // lines, so that fpc's line numbers are the text's.
    QString text = outputTextOf(lazarusUnit());
    const QStringList written = m_window.output().lines();
    if (m_window.merge.hasWrittenCode(written)) {
        // Build's merge without its questions: what it would leave out is
        // only left out of the drive, the Output text keeps it. A text that
        // does not read as a unit leaves the build as it is.
        const UnitMerge merged = mergeUnits(text, written.join(u'\n'));
        if (merged.error.isEmpty())
            text = merged.text;
    }
    QStringList unit = outputLinesOf(text);
    if (!unit.isEmpty() && unit.last().isEmpty())
        unit.removeLast();
    return unit;
}

QStringList BuildRun::lazarusUnit()
{
    const BusyScope busy(m_window.busy, m_window.window);
    std::unique_ptr<ProfileFile> bodies;
    if (!m_window.document.currentFile().isEmpty())
        bodies = std::make_unique<ProfileFile>(m_window.document.currentFile());
    Style style = m_window.style();
    style.target = Target::Lazarus;
    return generateUnit(spec(), style, m_window.awk, bodies.get()).lines;
}

bool BuildRun::readyToBuild()
{
    m_window.output().setUnitFileName(spec().Filename.toLower());
    if (const std::optional<QString> refusal = buildRefusal(spec())) {
        m_window.prompts.message(UserPrompts::Kind::Error, *refusal, UserPrompts::Buttons::Ok);
        m_window.refused();
        return false;
    }
    return m_window.pending.ask(m_window.prompts, m_window.showPage);
}

// The splitter lets window events run while it works; none of the user's
// may start another command before the unit is complete.
GeneratedUnit BuildRun::writeUnit(bool clearOutput)
{
    const BusyScope busy(m_window.busy, m_window.window);
    std::unique_ptr<ProfileFile> bodies;
    if (!m_window.document.currentFile().isEmpty())
        bodies = std::make_unique<ProfileFile>(m_window.document.currentFile());
    if (clearOutput)
        m_window.output().clear();
    m_window.setStatus(buildingStatusText(unitIdentifier(spec().Filename)));
    return generateUnit(spec(), m_window.style(), m_window.awk, bodies.get());
}

// lines: the unit, or the unit with written code merged in.
QList<Finding> BuildRun::showBuiltUnit(const GeneratedUnit &unit, const QStringList &lines)
{
    const BusyScope busy(m_window.busy, m_window.window);
    m_window.document.setBuildCounts({int(unit.procedures.size()), int(unit.functions.size())});
    OutputPage &output = m_window.output();
    output.setLines(lines);
    m_window.merge.remember(unit.lines);

    // The check warns and never changes the unit.
    const QList<Finding> findings = checkSpecification(spec(), m_window.style());
    output.showFindings(findings);
    m_window.built();
    m_window.showPage(TBuilder::OutputPageIndex);
    return findings;
}

void BuildRun::stopped(const QString &unitFileName)
{
    m_window.output().setUnitFileName(unitFileName);
    m_window.setStatus(kNothingWritten);
}
