// SPDX-License-Identifier: MIT
// A profile (INI) file held in memory: parsed once, read and written by
// section and key, and saved back with every line it did not change intact.
// Section and key names match without regard to letter case.
#pragma once

#include <QHash>
#include <QStringList>

#include <functional>
#include <optional>

#include "generator/bodysource.h"
#include "specfile/textcodec.h"

class ProfileFile : public BodySource
{
public:
    enum class LoadResult { Loaded, NotFound, Failed };
    static constexpr qint64 kMaxFileSize = 256 * 1024 * 1024;

    ProfileFile() = default;
    // Loads path; a file that cannot be read gives an empty profile.
    explicit ProfileFile(const QString &path) { load(path); }

    // The sections, by name without blanks, that a load or parse leaves out: a caller
    // about to replace them saves reading them.
    using SectionFilter = std::function<bool(QStringView name)>;
    // Replaces the contents with those of the file at path, which save() then writes.
    // NotFound and Failed (also a file over kMaxFileSize) leave it empty, with errorString().
    LoadResult load(const QString &path, const SectionFilter &leftOut = {});
    // Replaces the contents with text (line ends CR LF or LF).
    void parse(const QString &text, const SectionFilter &leftOut = {});

    QString path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }
    QString errorString() const { return m_error; }

    // A value is read without the blanks at its two ends; the lines of its
    // continuation keys key.2, key.3, ... are joined to it with "\n".
    QString readString(const QString &section, const QString &key, const QString &def = {}) const override
    { return readValue(findSection(section), key, def); }
    QStringList readStrings(const QString &section, const QStringList &keys, const QString &def = {}) const;
    int readInteger(const QString &section, const QString &key, int def) const override
    { return parseInteger(readString(section, key)).value_or(def); }
    QList<qint64> numberedKeys(const QString &section, const QString &prefix) const override;
    bool hasSection(const QString &section) const { return findSection(section); }

    // A key that exists gets its new value in place, a new key goes to the end of its
    // section, a new section to the end of the file; a value of several lines is
    // written as key, key.2, key.3, ...
    void writeString(const QString &section, const QString &key, const QString &value)
    { writeKey(sectionForWriting(section), key, value); }
    void writeInteger(const QString &section, const QString &key, int value)
    { writeString(section, key, QString::number(value)); }
    // writeString(section, keys[i], values[i]) for i from 0 to count - 1.
    void writeStrings(const QString &section, const QString *keys, const QString *values, qsizetype count);
    // Removes every section of that name with all its lines.
    void eraseSection(const QString &section);
    // Copies the sections of other, as they stand, to the end of this file, replacing
    // the sections of the same name.
    void copySections(const ProfileFile &other);

    // The file's text, each line followed by CR LF, and its encoded bytes.
    QString toText() const;
    QByteArray toBytes() const { return encodeText(toText()); }
    // Writes the file atomically to path(); on failure the old file stays and errorString()
    // is "Unable to write to " + the file's full name.
    bool save();
    // Why the last save failed, as the system gave it ("Permission denied").
    QString writeFailureReason() const { return m_writeFailureReason; }

    // A whole integer value: signed decimal, or hexadecimal after "0x", "0X" or
    // "$", brought into the range of int; nothing when the text is anything else.
    static std::optional<int> parseInteger(QStringView text);
    // The text without leading and trailing ASCII blanks (tab to CR, and space).
    static QStringView blanksTrimmed(QStringView text);

private:
    struct Line {
        QString text;    // the whole line; for a key line, the text before its "="
        QString value;   // the text after the "=" of a key line
        bool isKey = false;
        bool isBlank() const { return !isKey && blanksTrimmed(text).isEmpty(); }
    };
    struct Section {
        QString name;                     // as in its header
        QList<Line> lines;                // lines[0] is the header, except before the first section
        QList<qsizetype> numbered;        // line of key "n" at [n]; 0: none
        QHash<QString, qsizetype> keys;   // the other keys, folded, and their lines
        bool hasDottedKeys = false;       // continuation keys are possible
        void addKey(qsizetype line);
        qsizetype lineOf(const QString &key, std::optional<qint64> n = {}) const;   // 0: none
    };
    static QString readValue(const Section *section, const QString &key, const QString &def);

    void indexSections();
    const Section *findSection(const QString &section) const;
    Section &sectionForWriting(const QString &section);
    void setKey(Section &section, const QString &key, const QString &value);
    void writeKey(Section &section, const QString &key, const QString &value);

    QString m_path;
    QString m_error;
    QString m_writeFailureReason;
    QList<Section> m_sections{Section()};   // [0] holds the lines before the first section
    QHash<QString, QList<qsizetype>> m_sectionIndex;   // folded name -> its sections in file order
};
