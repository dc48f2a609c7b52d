// A profile (INI) file held in memory: parsed once, read and written by
// section and key, and saved back with every line it did not change intact.
// Section and key names match without regard to letter case.
#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <vector>

#include "generator/bodysource.h"
#include "specfile/profilekeyindex.h"

class ProfileFile : public BodySource
{
public:
    enum class LoadResult { Loaded, NotFound, Failed };
    static constexpr qint64 kMaxFileSize = 256 * 1024 * 1024;

    ProfileFile();
    // Loads path; a file that cannot be read gives an empty profile.
    explicit ProfileFile(const QString &path);

    // Replaces the contents with those of the file at path and makes path the
    // file that save() writes. NotFound and Failed leave the profile empty and
    // set errorString(); a file larger than kMaxFileSize fails.
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
    QList<qint64> numberedKeys(const QString &section, const QString &prefix) const override;
    // The largest n such that prefix + n is a key of section; -1 when none is.
    qint64 largestNumberedKey(const QString &section, const QString &prefix) const;
    bool hasSection(const QString &section) const;
    bool hasKey(const QString &section, const QString &key) const;

    // Writing. A key that exists gets its new value in place; a new key goes
    // to the end of its section, a new section to the end of the file. A value
    // with line breaks is written as key, key.2, key.3, ...
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    // writeString(section, keys[i], values[i]) for i from 0 to count - 1, in
    // one pass when the section is new.
    void writeStrings(const QString &section, const QString *keys, const QString *values,
                      qsizetype count);
    // Removes every section of that name with all its lines.
    void eraseSection(const QString &section);

    // The file's text, each line followed by CR LF, and its encoded bytes.
    QString toText() const;
    QByteArray toBytes() const;
    // Writes the file atomically to path(); on failure the old file stays and
    // errorString() is "Unable to write to " + the file's full name.
    bool save();

    // A whole integer value: signed decimal, or hexadecimal after "0x", "0X"
    // or "$", brought into the range of int; nothing when the text is
    // anything else.
    static std::optional<int> parseInteger(QStringView text);

private:
    // A line read from the file is a view into its text, and a written line
    // shares the key and value strings it was given, so that neither reading
    // nor writing a large file copies every line. Lines are kept small: a
    // large file's lines are walked several times.
    struct Line {
        Line() = default;
        explicit Line(QStringView raw) : chars(raw.data()), length(qint32(raw.size())) {}
        QStringView text() const { return QStringView(chars, length); }
        void setText(QStringView t)
        {
            chars = t.data();
            length = qint32(t.size());
        }
        bool written() const { return value >= 0; }

        // The line as read; for a written line, the text before "=".
        const QChar *chars = nullptr;
        qint32 length = 0;
        qint32 equals = -1;     // position of the "=" of a line read as a key line, else -1
        qint32 value = -1;      // the value of a written line: its index in m_values
        bool removed = false;
    };
    struct Section {
        QString folded;                      // name in folded case
        std::vector<Line> lines;             // lines[0] is the header, except before the first section
        ProfileKeyIndex keys;
        qsizetype insertAt = 0;              // where a new key goes: after the last non-blank line
        bool removed = false;
    };

    void clear();
    const Section *findSection(const QString &section) const;
    void forgetSectionLookups();
    const Line *findLine(const Section &section, QStringView foldedKey) const;
    QStringView rawValue(const Line &line) const;
    QString lineValue(const Line &line) const;
    qsizetype lineLength(const Line &line) const;
    qsizetype textLength() const;
    void setValue(Line &line, const QString &value);
    Section &sectionForWriting(const QString &section);
    QStringView keep(QString text);
    QStringView numberText(qsizetype n);
    void appendKey(Section &section, const QString &key, const QString &value, QStringView foldedKey);
    void setKey(Section &section, const QString &key, const QString &value);

    QString m_path;
    QString m_error;
    QString m_text;                      // the text parsed; never changed afterwards
    std::vector<QString> m_store;        // written keys, folded keys and section headers
    QStringList m_numberTexts;           // "0", "1", ...: the text of written numbered keys
    std::vector<QString> m_values;       // values of written lines
    std::vector<Section> m_sections;     // [0] holds the lines before the first section
    QHash<QString, QList<qsizetype>> m_sectionIndex;   // folded name -> sections in file order
    mutable QHash<QString, qsizetype> m_sectionCache;  // name as asked -> section, or -1
    // Callers address sections with the same few strings over and over: a
    // small table by the string's address answers without hashing its text.
    // The string is kept, so its text cannot change while it is in the table.
    struct RecentSection {
        QString asked;
        qsizetype index = -1;
    };
    mutable std::array<RecentSection, 32> m_recentSections;
};
