// Every modal question and file dialog of the program goes through this
// interface, so that tests can answer them from a script. The window's
// version adds the font and colour dialogs (UserPrompts).
#pragma once

#include <QString>

class Prompts
{
public:
    enum class Kind { Warning, Error, Information, Confirm };   // the box captions
    // YesNoDefaultNo: a question that confirms a loss, so Enter alone keeps the work.
    enum class Buttons { Ok, YesNo, YesNoCancel, YesNoDefaultNo };
    enum class Answer { Ok, Yes, No, Cancel };                   // a box closed without a button: Cancel

    // A file dialog's settings.
    struct FileRequest {
        QString title;
        QString filter;            // e.g. "Component Specifications (*.spc)"
        QString defaultSuffix;     // added to a name typed without one, e.g. "spc"
        QString directory;         // where the dialog starts; empty: the current directory
        QString proposedName;      // file name the dialog starts with
        bool confirmOverwrite = false;
    };

    virtual ~Prompts() = default;

    virtual Answer message(Kind kind, const QString &text, Buttons buttons) = 0;
    // Full path of the chosen file; empty when cancelled.
    virtual QString openFileName(const FileRequest &request) = 0;
    virtual QString saveFileName(const FileRequest &request) = 0;
};
