// Saves the Output text as a unit source file named by the unit-name field:
// the ".pas" extension rule, the overwrite question, CR LF line ends, and an
// atomic write that leaves an old file intact when anything fails.
#pragma once

#include <QString>
#include <QStringList>

class UserPrompts;

struct SourceSaveResult {
    enum class Outcome {
        Saved,
        Declined,        // the overwrite question, or the one about written code lost, was not answered Yes
        Cancelled,       // the save dialog asked for a Windows name was cancelled
        NoOutput,        // nothing to save; "No output to save" was shown
        Failed,          // the file could not be created or written; the error was shown
    };
    Outcome outcome = Outcome::Failed;
    QString fileName;    // the name the file was (or would have been) written as
    QString unitName;    // the unit-name text after the save: "unit1.pas" when it was empty
};

// The file name for a unit-name text: ".pas" appended when the last path
// component has no extension.
QString sourceFileName(const QString &unitName);

// The file a unit-name text names on this machine ("unit1.pas" for an empty
// one); empty when it names a drive the Wine prefix does not have.
QString localSourceFile(const QString &unitName, const QString &winePrefix);

// lines are the Output text's lines as typed, a last empty line included. A
// unit name with a drive letter names a file of the Wine prefix; when the
// prefix has no such drive the save dialog asks for the file, starting with
// its base name. No name written contains "\".
SourceSaveResult saveSourceFile(const QString &unitName, const QStringList &lines,
                                UserPrompts &prompts, const QString &winePrefix);
