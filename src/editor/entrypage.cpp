// SPDX-License-Identifier: MIT
#include "editor/entrypage.h"

#include "editor/memoform.h"
#include "editor/userprompts.h"


EntryPage::EntryPage(const PageContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
{
}

void EntryPage::SpeedButton1Click()
{
    m_context.memoform.exec();
}

void EntryPage::offerPendingEntry()
{
    const QString name = pendingName();
    if (name.isEmpty())
        return;
    if (m_context.prompts.message(Prompts::Kind::Warning, pendingEntryQuestion(entryKind(), name),
                                  Prompts::Buttons::YesNo)
        == Prompts::Answer::Yes)
        addPendingEntry();
}
