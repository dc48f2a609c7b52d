// The questions that protect unsaved work before Exit, New, Open and a close
// of the window, in their order and with their texts, and the saves they
// start. The window supplies the saves and says what the Output page holds.
#pragma once

#include <QString>
#include <functional>

class PendingEntries;
class Prompts;
class SpecDocument;

class UnsavedWork
{
public:
    enum class SaveResult { Saved, Cancelled, Declined, Failed };

    struct Window {
        std::function<SaveResult()> saveSpecification;   // the save dialog, then the file
        std::function<SaveResult()> saveSource;
        std::function<int()> outputLineCount;            // the last empty line counted
        std::function<bool()> outputUnsaved;             // built or edited since its last save
        std::function<void(int)> showPage;
    };

    UnsavedWork(Prompts &prompts, const SpecDocument &document, const PendingEntries &pending,
                Window window);

    // Whether closing the window would lose anything: a pending entry, a
    // specification changed since it was opened or saved, an Output text not saved.
    bool hasUnsavedWork() const;

    // Exit: the pending entries, the specification (always asked), the source.
    // False: stop, the program goes on.
    bool beforeExit();
    // New and Open: the specification when it has entries or changes not
    // saved, then the source. A save dialog cancelled stops New; Open goes on
    // to its own dialog. A source not saved, for whatever reason, stops both.
    bool beforeNew();
    bool beforeOpen();

private:
    bool offerSpecification(const QString &question, bool cancelledDialogStops);
    bool offerSource();

    Prompts &m_prompts;
    const SpecDocument &m_document;
    const PendingEntries &m_pending;
    Window m_window;
};
