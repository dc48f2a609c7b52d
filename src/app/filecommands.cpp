// SPDX-License-Identifier: MIT
// The File menu's commands and the buttons that stand for them: Exit, New,
// Open, Save specification, Build and Save source file.
#include "app/builder.h"

#include "app/buildrun.h"
#include "app/busyscope.h"
#include "app/laterpages.h"
#include "app/outputpage.h"
#include "app/recentspecifications.h"
#include "app/sourcefilesaver.h"
#include "check/finding.h"
#include "editor/eventhandlerspage.h"
#include "editor/methodspage.h"
#include "editor/propertiespage.h"
#include "app/unitimportprompt.h"
#include "editor/entrypage.h"
#include "editor/userprompts.h"
#include "model/unitname.h"
#include "session/buildmerge.h"
#include "specfile/specfile.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

UserPrompts::FileRequest specFileRequest(const QString &title)
{
    UserPrompts::FileRequest request;
    request.title = title;
    request.filter = u"Component Specifications (*.spc)"_s;
    request.defaultSuffix = u"spc"_s;
    return request;
}

} // namespace

// ---- Exit and New ----------------------------------------------------------

void TBuilder::exitProgram()
{
    if (m_building || !m_work->beforeExit())
        return;
    m_closeApproved = true;
    close();
}

void TBuilder::newSpecification()
{
    if (m_building || !m_work->beforeNew())
        return;
    resetSpecification();
}

void TBuilder::resetSpecification()
{
    m_document.reset();
    outputPage()->clear();
    m_buildMerge->forget();
}

// ---- Open and Save specification -------------------------------------------

void TBuilder::openSpecification()
{
    if (m_building || !m_work->beforeOpen())
        return;
    UserPrompts::FileRequest request = specFileRequest(u"Open"_s);
    if (!m_document.currentFile().isEmpty())
        request.directory = QFileInfo(m_document.currentFile()).absolutePath();
    const QString path = m_prompts.openFileName(request);
    // A cancelled dialog changes nothing.
    if (!path.isEmpty())
        readSpecificationFile(path);
}

// A file that is no specification is refused before anything changes.
bool TBuilder::readSpecificationFile(const QString &path)
{
    if (m_building)
        return false;
    SpecDocument::OpenResult result;
    {
        // As during a build: no other command, and no close, runs inside the reading.
        const BusyScope busy(m_building, this);
        result = m_document.open(specificationFiles(), path, Awk1);
    }
    if (!result.opened) {
        m_prompts.message(UserPrompts::Kind::Error, result.message, UserPrompts::Buttons::Ok);
        return false;
    }
    if (!result.message.isEmpty())
        m_prompts.message(UserPrompts::Kind::Warning, result.message, UserPrompts::Buttons::Ok);
    m_titleFile = m_document.currentFile();
    updateTitle();
    for (int index : {PropertiesPageIndex, MethodsPageIndex, EventHandlersPageIndex})
        if (m_pages->isMade(index))
            static_cast<EntryPage *>(m_pages->page(index))->fileOpened();
    showPage(PropertiesPageIndex);
    outputPage()->clear();
    m_recent->add(m_document.currentFile());
    m_buildMerge->forget();
    return true;
}

// The pages filled as after Open, and the unit as read in the Output text:
// the next Build merges into it and keeps its code.
void TBuilder::ImportUnit1Click()
{
    if (m_building || !m_work->beforeOpen())
        return;
    const std::optional<ImportedUnit> imported =
        askAndImportUnit(m_prompts, directoryPart(spec().Filename));
    if (!imported)
        return;
    // A new specification that no file holds yet.
    m_titleFile.clear();
    m_document.adoptImported(imported->result.spec);
    for (EntryPage *page : QList<EntryPage *>{propertiesPage(), methodsPage(), eventHandlersPage()})
        page->fileOpened();
    m_buildMerge->forget();
    OutputPage *output = outputPage();
    output->setLines(outputLinesOf(imported->text));
    output->markSaved();   // it is the file as it is on disk
    output->setUnitFileName(spec().Filename.toLower());
    output->showFindings(importFindings(imported->result));
    showPage(imported->result.findings.isEmpty() ? PropertiesPageIndex : OutputPageIndex);
    setStatusText(importedStatusText(*imported));
}

void TBuilder::openFile(const QString &path)
{
    if (m_building || !m_work->beforeOpen())
        return;
    readSpecificationFile(path);
}

void TBuilder::Savespcfile1Click()
{
    saveSpecification();
}

UnsavedWork::SaveResult TBuilder::saveSpecification()
{
    UserPrompts::FileRequest request = specFileRequest(u"Save As"_s);
    request.confirmOverwrite = true;
    const QString current = m_document.currentFile();
    const QFileInfo proposed(current.isEmpty() ? proposedSpecificationPath(spec().Filename) : current);
    request.directory = directoryPart(proposed.filePath());
    request.proposedName = fileNamePart(proposed.filePath());
    const QString path = m_prompts.saveFileName(request);
    if (path.isEmpty())
        return UnsavedWork::SaveResult::Cancelled;
    QString error;
    bool saved = false;
    {
        WaitCursor wait;
        saved = m_document.save(specificationFiles(), path, &error);
    }
    if (!saved) {
        m_prompts.message(UserPrompts::Kind::Error, error, UserPrompts::Buttons::Ok);
        return UnsavedWork::SaveResult::Failed;
    }
    m_titleFile = QFileInfo(path).absoluteFilePath();
    updateTitle();
    m_recent->add(m_titleFile);
    setStatusText(m_titleFile + u" saved"_s);
    return UnsavedWork::SaveResult::Saved;
}

// ---- Build and the source file ----------------------------------------------

void TBuilder::btnBuildClick()
{
    m_buildRun->build();
}

// A declined overwrite, a failed write and a cancelled dialog stop Exit and
// New: the Output text is still only in the window.
UnsavedWork::SaveResult TBuilder::saveSourceFile()
{
    const SourceSaveResult result =
        ::saveSourceFile(spec().Filename, outputPage()->lines(), m_prompts, m_winePrefix);
    m_document.setFilename(result.unitName);
    switch (result.outcome) {
    case SourceSaveResult::Outcome::Saved:
        outputPage()->markSaved();
        setStatusText(QFileInfo(result.fileName).absoluteFilePath() + u" saved"_s);
        return UnsavedWork::SaveResult::Saved;
    case SourceSaveResult::Outcome::NoOutput:
        // Nothing to keep, so nothing to go back for.
        return UnsavedWork::SaveResult::Saved;
    case SourceSaveResult::Outcome::Failed:
        return UnsavedWork::SaveResult::Failed;
    case SourceSaveResult::Outcome::Cancelled:
        return UnsavedWork::SaveResult::Cancelled;
    case SourceSaveResult::Outcome::Declined:
        return UnsavedWork::SaveResult::Declined;
    }
    return UnsavedWork::SaveResult::Failed;
}
