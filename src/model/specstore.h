// How a document reaches its file without knowing the file's format: the
// specification file layer implements this, and the document is handed it.
#pragma once

#include <QString>

class ComponentSpec;
class TAwk;

// The counts of access procedures and functions that the last build declared;
// a saved specification records them ("ProcCount", "FuncCount").
struct BuildCounts {
    int procedures = 0;
    int functions = 0;
};

class SpecStore
{
public:
    virtual ~SpecStore() = default;

    struct ReadResult {
        bool read = false;
        // Refused: why. Read: a warning when the file could not be read whole.
        QString message;
    };
    // Reads the file at path into spec, which starts empty. A file that cannot
    // be read or holds no specification is refused.
    virtual ReadResult read(const QString &path, ComponentSpec &spec, TAwk &awk) const = 0;

    // Writes spec into the file at path; currentFile, when it names another
    // file, is the file spec came from, whose other sections go along.
    // On failure *error says why and the file is unchanged.
    virtual bool write(const ComponentSpec &spec, const QString &path, QString *error,
                       BuildCounts counts, const QString &currentFile) const = 0;
};
