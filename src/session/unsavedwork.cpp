#include "session/unsavedwork.h"

#include "model/pendingentries.h"
#include "model/specdocument.h"
#include "platform/prompts.h"

namespace {
const QString kSaveSpecQuestion = QStringLiteral("Do you want to save the component specification ?");
const QString kSaveCurrentSpecQuestion =
    QStringLiteral("Do you want to save the current component specifications ?");
const QString kSaveSourceQuestion = QStringLiteral("Do you want to save the source (*.pas) file ?");
} // namespace

UnsavedWork::UnsavedWork(Prompts &prompts, const SpecDocument &document,
                         const PendingEntries &pending, Window window)
    : m_prompts(prompts)
    , m_document(document)
    , m_pending(pending)
    , m_window(std::move(window))
{
}

bool UnsavedWork::hasUnsavedWork() const
{
    return m_pending.anyPending() || m_document.isModified()
        || (m_window.outputLineCount() > 1 && m_window.outputUnsaved());
}

bool UnsavedWork::beforeExit()
{
    if (!m_pending.ask(m_prompts, m_window.showPage))
        return false;
    // Asked on every Exit, even for an empty specification; closing the box goes on.
    if (m_prompts.message(Prompts::Kind::Confirm, kSaveSpecQuestion, Prompts::Buttons::YesNo)
        == Prompts::Answer::Yes) {
        const SaveResult saved = m_window.saveSpecification();
        // A refused write has been reported and a cancelled dialog saved
        // nothing: either way the work is still only here.
        if (saved == SaveResult::Failed || saved == SaveResult::Cancelled)
            return false;
    }
    return offerSource();
}

bool UnsavedWork::beforeNew()
{
    return offerSpecification(kSaveSpecQuestion, true) && offerSource();
}

// Open only goes on to its own dialog, so a cancelled save loses nothing yet.
bool UnsavedWork::beforeOpen()
{
    return offerSpecification(kSaveCurrentSpecQuestion, false) && offerSource();
}

bool UnsavedWork::offerSpecification(const QString &question, bool cancelledDialogStops)
{
    if (!m_document.hasEntries() && !m_document.isModified())
        return true;
    const auto answer = m_prompts.message(Prompts::Kind::Confirm, question, Prompts::Buttons::YesNoCancel);
    if (answer == Prompts::Answer::Cancel)
        return false;
    if (answer != Prompts::Answer::Yes)
        return true;
    const SaveResult saved = m_window.saveSpecification();
    return saved != SaveResult::Failed && !(cancelledDialogStops && saved == SaveResult::Cancelled);
}

// Asked when the Output page holds more than one line.
bool UnsavedWork::offerSource()
{
    if (m_window.outputLineCount() <= 1)
        return true;
    const auto answer = m_prompts.message(Prompts::Kind::Confirm, kSaveSourceQuestion,
                                          Prompts::Buttons::YesNoCancel);
    if (answer == Prompts::Answer::Cancel)
        return false;
    if (answer != Prompts::Answer::Yes)
        return true;
    // A declined overwrite saved nothing either.
    return m_window.saveSource() == SaveResult::Saved;
}
