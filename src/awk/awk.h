// SPDX-License-Identifier: MIT
// TAwk: the field splitter. Splits a line into fields at separator characters,
// optionally keeping quoted stretches together, and can scan a text file line
// by line, announcing each step through its signals. The window owns one
// instance, Awk1, through which every entry and declaration is taken apart.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class TAwk : public QObject
{
    Q_OBJECT
    // Published properties, in their declaration order.
    Q_PROPERTY(QString QuoteChars READ QuoteChars WRITE setQuoteChars)
    Q_PROPERTY(TAwkconvert ConvertCase READ ConvertCase WRITE setConvertCase)
    Q_PROPERTY(QString Filename READ Filename WRITE setFilename)
    Q_PROPERTY(QString FS READ FS WRITE setFS)
    Q_PROPERTY(int Action READ Action WRITE setAction)
    Q_PROPERTY(QString Pattern READ Pattern WRITE setPattern)
    Q_PROPERTY(qint32 StartLine READ StartLine WRITE setStartLine)
    Q_PROPERTY(qint32 EndLine READ EndLine WRITE setEndLine)
    Q_PROPERTY(bool MatchQuotes READ MatchQuotes WRITE setMatchQuotes)
    Q_PROPERTY(bool FilterQuotes READ FilterQuotes WRITE setFilterQuotes)

public:
    enum TAwkconvert { ccNone, ccUpper, ccLower };
    Q_ENUM(TAwkconvert)

    // The most characters the line buffer holds.
    static constexpr int kLineCapacity = 8192;

    explicit TAwk(QObject *owner = nullptr);
    ~TAwk() override;

    QString QuoteChars() const { return m_quoteChars; }
    void setQuoteChars(const QString &chars) { m_quoteChars = chars; }
    TAwkconvert ConvertCase() const { return m_convertCase; }
    void setConvertCase(TAwkconvert convert) { m_convertCase = convert; }
    QString Filename() const { return m_filename; }
    void setFilename(const QString &name) { m_filename = name; }
    QString FS() const { return m_fs; }
    void setFS(const QString &separators) { m_fs = separators; }
    int Action() const { return m_action; }
    void setAction(int action) { m_action = action; }
    QString Pattern() const { return m_pattern; }
    void setPattern(const QString &pattern) { m_pattern = pattern; }
    qint32 StartLine() const { return m_startLine; }
    void setStartLine(qint32 line) { m_startLine = line; }
    qint32 EndLine() const { return m_endLine; }
    void setEndLine(qint32 line) { m_endLine = line; }
    bool MatchQuotes() const { return m_matchQuotes; }
    void setMatchQuotes(bool on) { m_matchQuotes = on; }
    bool FilterQuotes() const { return m_filterQuotes; }
    void setFilterQuotes(bool on) { m_filterQuotes = on; }

    // The line buffer; text beyond kLineCapacity characters is cut off.
    QString Line() const { return m_line; }
    void setLine(const QString &text);

    // Performs the current Action: 0 splits Line, 1 scans Filename, others do nothing.
    void Execute();

    // The field at a 0-based index of the last split; empty out of range.
    QString Field(int index) const;
    int FieldCount() const { return int(m_fields.size()); }
    const QStringList &Fields() const { return m_fields; }
    int LineNumber() const { return m_lineNumber; }
    int PercentRead() const { return m_percentRead; }
    bool InQuote() const { return m_inQuote; }
    // Set only while OnError runs.
    int ErrorNumber() const { return m_errorNumber; }
    QString ErrorText() const { return m_errorText; }

    // Convenience for callers: FS := separators, Line := text, Action := 0,
    // Execute; returns the fields.
    const QStringList &split(const QString &separators, const QString &text);

signals:
    void OnBegin();
    void OnEnd();
    void OnScan();
    void OnError(int Errnum, const QString &Errtext);
    void OnConvertCase();
    void OnParse();

private:
    void splitLine();
    void scanFile();
    void reportError(int number, const QString &text);

    QString m_quoteChars;
    TAwkconvert m_convertCase = ccNone;
    QString m_filename;
    QString m_fs;
    int m_action = 0;
    QString m_pattern;
    qint32 m_startLine = 0;
    qint32 m_endLine = 0;
    bool m_matchQuotes = false;
    bool m_filterQuotes = false;

    QString m_line;
    QStringList m_fields;
    int m_lineNumber = 0;
    int m_percentRead = 0;
    bool m_inQuote = false;
    int m_errorNumber = 0;
    QString m_errorText;
};
