// A profile (INI) file held in memory: parsed once, read and written by
// section and key, and saved back with every line it did not change intact.
// Section and key names match without regard to letter case.
#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

#include "generator/bodysource.h"

class ProfileFile : public BodySource
{
public:
    enum class LoadResult { Loaded, NotFound, Failed };

    ProfileFile();
    // Loads path; a file that cannot be read gives an empty profile.
    explicit ProfileFile(const QString &path);

    // Replaces the contents with those of the file at path and makes path the
    // file that save() writes. NotFound and Failed leave the profile empty and
    // set errorString().
    LoadResult load(const QString &path);
    // Replaces the contents with text (line ends CR LF or LF).
    void parse(const QString &text);

    QString path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }
    QString errorString() const { return m_error; }

    // Reading. A value is read whole, without the blanks at its two ends; the
    // continuation keys key.2, key.3, ... of a value written over several
    // lines are joined to it with "\n".
    QString readString(const QString &section, const QString &key,
                       const QString &def = QString()) const override;
    int readInteger(const QString &section, const QString &key, int def) const override;
    qint64 largestNumberedKey(const QString &section, const QString &prefix) const override;
    bool hasSection(const QString &section) const;
    bool hasKey(const QString &section, const QString &key) const;

    // Writing. A key that exists gets its new value in place; a new key goes
    // to the end of its section, a new section to the end of the file. A value
    // with line breaks is written as key, key.2, key.3, ...
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    // Removes every section of that name with all its lines.
    void eraseSection(const QString &section);

    // The file's text, each line followed by CR LF.
    QString toText() const;
    // Writes the file atomically to path(); on failure the old file stays and
    // errorString() is "Unable to write to " + the file's full name.
    bool save();

    // A whole integer value: signed decimal, or hexadecimal after "0x", "0X"
    // or "$"; nothing when the text is anything else or out of int range.
    static std::optional<int> parseInteger(QStringView text);

private:
    struct Line {
        QString text;          // as in the file, or as last written
        qsizetype equals = -1; // position of the "=" of a key line, else -1
        bool removed = false;
    };
    struct Section {
        QString folded;                  // name in folded case
        std::vector<Line> lines;         // lines[0] is the header, except before the first section
        QHash<QString, qsizetype> keys;  // folded key -> its first line
        qsizetype insertAt = 0;          // where a new key goes: after the last non-blank line
        bool removed = false;
    };

    void clear();
    const Section *findSection(const QString &section) const;
    const Line *findLine(const Section &section, const QString &foldedKey) const;
    Section &sectionForWriting(const QString &section);
    void setKey(Section &section, const QString &key, const QString &value);
    void removeKey(Section &section, const QString &foldedKey);

    QString m_path;
    QString m_error;
    std::vector<Section> m_sections;
    QHash<QString, QList<qsizetype>> m_sectionIndex;   // folded name -> sections in file order
};
