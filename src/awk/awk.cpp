// SPDX-License-Identifier: MIT
#include "awk/awk.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

constexpr char kEndOfText = 26;

// Cuts text to the line buffer's capacity without splitting a surrogate pair.
void cutToCapacity(QString &text)
{
    if (text.size() <= TAwk::kLineCapacity)
        return;
    qsizetype length = TAwk::kLineCapacity;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    text.truncate(length);
}

// Lets the user interface handle its pending messages before a split, so the
// window keeps painting. The user's clicks and keys wait: a command they start
// must not run inside the command that is splitting (an Add nested in an Add,
// a Build in the middle of Open). Without an application object (headless use)
// there is nothing to process.
void processPendingEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// Reads a text file line by line the way the scan expects: a line ends at a
// carriage return together with a line feed that directly follows it, a line
// feed alone is an ordinary character, and a byte of code 26 ends the text.
// QIODevice::readLine splits at line feeds, hence the hand-written reader.
class LineReader
{
public:
    explicit LineReader(QFile &file) : m_file(file) {}

    // True at the physical end or in front of the end-of-text byte. A read
    // error is not an end: the next readLine() reports it.
    bool atEnd()
    {
        const int c = peek();
        return c == kEof || c == kEndOfText;
    }

    // Reads the next line, keeping at most the line buffer's capacity and
    // skipping the rest of a longer line. False on a read error.
    bool readLine(QString &line)
    {
        // A UTF-16 code unit takes at most three bytes of UTF-8.
        constexpr qsizetype kMaxBytes = qsizetype(TAwk::kLineCapacity) * 3;
        QByteArray bytes;
        bool cut = false;
        for (;;) {
            const int c = peek();
            if (c == kError)
                return false;
            if (c == kEof || c == kEndOfText)
                break;
            ++m_pos;
            if (c == '\r') {
                if (peek() == '\n')
                    ++m_pos;
                break;
            }
            if (bytes.size() < kMaxBytes)
                bytes.append(char(c));
            else
                cut = true;
        }
        line = decode(bytes, cut);
        cutToCapacity(line);
        return true;
    }

    // Bytes consumed so far, line ends included.
    qint64 consumed() const { return m_done + m_pos; }

private:
    static constexpr int kEof = -1;
    static constexpr int kError = -2;

    int peek()
    {
        if (m_pos < m_buffer.size())
            return static_cast<unsigned char>(m_buffer.at(m_pos));
        if (m_failed)
            return kError;
        m_done += m_buffer.size();
        m_pos = 0;
        m_buffer.resize(64 * 1024);
        const qint64 got = m_file.read(m_buffer.data(), m_buffer.size());
        if (got < 0) {
            m_buffer.clear();
            m_failed = true;
            return kError;
        }
        m_buffer.resize(got);
        return got == 0 ? kEof : static_cast<unsigned char>(m_buffer.at(0));
    }

    // UTF-8 when the bytes are valid UTF-8, otherwise one character per byte.
    // A cut line may end inside a multi-byte sequence; the stateful decoder
    // keeps such a tail pending instead of calling it an error.
    static QString decode(const QByteArray &bytes, bool cut)
    {
        QStringDecoder utf8(QStringDecoder::Utf8,
                            cut ? QStringDecoder::Flag::Default : QStringDecoder::Flag::Stateless);
        QString text = utf8(bytes);
        if (utf8.hasError())
            text = QString::fromLatin1(bytes);
        return text;
    }

    QFile &m_file;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    qint64 m_done = 0;
    bool m_failed = false;
};

int percentOf(qint64 part, qint64 whole)
{
    if (whole <= 0)
        return 100;
    return int(qMin<qint64>(100, part * 100 / whole));
}

} // namespace

TAwk::TAwk(QObject *owner) : QObject(owner), m_quoteChars(QStringLiteral("\"")) {}

TAwk::~TAwk() = default;

void TAwk::setLine(const QString &text)
{
    m_line = text;
    cutToCapacity(m_line);
}

QString TAwk::Field(int index) const
{
    return index >= 0 && index < m_fields.size() ? m_fields.at(index) : QString();
}

void TAwk::Execute()
{
    if (m_fs.isEmpty())
        m_fs = QStringLiteral(" \t");
    if (m_action == 0)
        splitLine();
    else if (m_action == 1)
        scanFile();
    // A quote left open carries over between the lines of one scan, never
    // from one Execute to the next.
    m_inQuote = false;
}

const QStringList &TAwk::split(const QString &separators, const QString &text)
{
    setFS(separators);
    setLine(text);
    setAction(0);
    Execute();
    return m_fields;
}

void TAwk::splitLine()
{
    processPendingEvents();
    emit OnParse();

    // Character by character, so the line's length never changes (a German
    // sharp s stays one character when upper-cased).
    if (m_convertCase == ccUpper) {
        emit OnConvertCase();
        for (QChar &c : m_line)
            c = c.toUpper();
    } else if (m_convertCase == ccLower) {
        emit OnConvertCase();
        for (QChar &c : m_line)
            c = c.toLower();
    }

    m_fields.clear();
    if (m_line.isEmpty())
        return;

    const bool filter = m_matchQuotes && m_filterQuotes;
    const auto stripQuotes = [this](QString &text) {
        text.removeIf([this](QChar c) { return m_quoteChars.contains(c); });
    };
    const auto flush = [this](QString &text) {
        if (!text.isEmpty())
            m_fields.append(text);
        text.clear();
    };

    QString field;
    bool closed = false;
    const QString line = m_line;
    for (const QChar c : line) {
        // The quote test runs first, so the quote character itself meets the
        // separator test with the updated InQuote.
        if (m_matchQuotes && m_quoteChars.contains(c)) {
            if (m_inQuote) {
                m_inQuote = false;
                closed = true;
            } else {
                m_inQuote = true;
                closed = false;
                flush(field);
            }
        }
        if (!m_fs.contains(c) || m_inQuote)
            field.append(c);
        else
            flush(field);
        if (closed) {
            closed = false;
            if (filter)
                stripQuotes(field);
            flush(field);
        }
    }
    if (filter)
        stripQuotes(field);
    flush(field);
}

void TAwk::scanFile()
{
    processPendingEvents();

    if (m_startLine == 0)
        m_startLine = 1;
    if (m_endLine != 0 && m_endLine < m_startLine)
        m_endLine = m_startLine;
    m_lineNumber = 0;

    if (!QFileInfo(m_filename).isFile()) {
        reportError(1, QStringLiteral("File Does not exist"));
        return;
    }

    // A file that exists but cannot be opened (no permission, say) is reported
    // as an I/O error like a failed read, rather than thrown at the caller;
    // nothing is left open. QFile closes itself on every return below, after
    // OnError has run.
    QFile file(m_filename);
    if (!file.open(QIODevice::ReadOnly)) {
        reportError(3, QStringLiteral("File I/O Error"));
        return;
    }
    const qint64 size = file.size();
    LineReader reader(file);
    m_percentRead = 0;

    // LineNumber counts every line read, so the first line split is numbered
    // StartLine. The skip stops at the end of the file: a huge StartLine must
    // not spin through empty reads.
    if (m_startLine > 1) {
        for (qint64 i = 1; i < m_startLine && !reader.atEnd(); ++i) {
            QString text;
            if (!reader.readLine(text)) {
                reportError(3, QStringLiteral("File I/O Error"));
                return;
            }
            m_line = text;
            ++m_lineNumber;
            m_percentRead = percentOf(reader.consumed(), size);
        }
        if (reader.atEnd()) {
            reportError(2, QStringLiteral("Invalid Starting Line Number"));
            m_lineNumber = 0;
            return;
        }
    }

    emit OnBegin();

    while (!reader.atEnd()) {
        if (m_action == 2)
            break;
        QString text;
        if (!reader.readLine(text)) {
            reportError(3, QStringLiteral("File I/O Error"));
            return;
        }
        m_line = text;
        m_percentRead = percentOf(reader.consumed(), size);
        ++m_lineNumber;
        if (m_endLine != 0 && m_lineNumber > m_endLine)
            break;
        splitLine();
        emit OnScan();
    }

    // A scan that reached the end of the text has read it all, even when the
    // end-of-text byte left bytes behind it unread.
    m_percentRead = reader.atEnd() ? 100 : percentOf(reader.consumed(), size);
    file.close();
    m_lineNumber = 0;
    emit OnEnd();
}

void TAwk::reportError(int number, const QString &text)
{
    m_errorNumber = number;
    m_errorText = text;
    emit OnError(number, text);
    m_errorNumber = 0;
    m_errorText.clear();
}
