#include "app/pascalhighlighter.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

#include "model/pascalscanner.h"
#include "model/pascalvocabulary.h"

#include <algorithm>
#include <cmath>

namespace {

// What a line leaves open for the next one.
enum State { Code = 0, BraceComment, ParenComment, BraceDirective, ParenDirective };

bool isWordChar(QChar c)
{
    return c == u'_' || c.isLetterOrNumber();
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qreal luminance(const QColor &color)
{
    const auto channel = [](qreal c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF())
        + 0.0722 * channel(rgb.blueF());
}

} // namespace

PascalHighlighter::PascalHighlighter(QTextDocument *document)
    : QSyntaxHighlighter(document)
{
    updateFormats();
}

void PascalHighlighter::setColors(const QColor &text, const QColor &background)
{
    m_text = text;
    m_background = background;
    updateFormats();
    if (m_enabled)
        rehighlight();
}

void PascalHighlighter::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    rehighlight();
}

QTextCharFormat PascalHighlighter::format(Kind kind) const
{
    switch (kind) {
    case Kind::Keyword:
        return m_keyword;
    case Kind::Comment:
        return m_comment;
    case Kind::String:
        return m_string;
    case Kind::Number:
        return m_number;
    case Kind::Directive:
        return m_directive;
    case Kind::Plain:
        break;
    }
    return {};
}

bool PascalHighlighter::isReservedWord(QStringView word)
{
    return pascalWordHas(word, PascalWordEntry::Keyword);
}

qreal PascalHighlighter::contrastRatio(const QColor &a, const QColor &b)
{
    const qreal la = luminance(a);
    const qreal lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor PascalHighlighter::readableColor(int hue, int saturation, const QColor &background,
                                        qreal wanted)
{
    // Away from the background: lighter on a dark one, darker on a light one.
    const bool darkBackground = luminance(background) < 0.18;
    QColor color;
    for (int step = 0; step <= 50; ++step) {
        const qreal lightness = darkBackground ? 0.5 + step / 100.0 : 0.5 - step / 100.0;
        color = QColor::fromHsl(hue, saturation, qRound(lightness * 255));
        if (contrastRatio(color, background) >= wanted)
            break;
    }
    return color;
}

void PascalHighlighter::updateFormats()
{
    // Text that is hard to read becomes clearly readable, not just so: it is
    // most of what there is to read.
    m_shownText = contrastRatio(m_text, m_background) >= 4.5
        ? m_text
        : readableColor(m_text.hslHue(), m_text.hslSaturation(), m_background, 10);
    m_keyword = QTextCharFormat();
    m_keyword.setFontWeight(QFont::Bold);
    m_keyword.setForeground(m_shownText);
    m_comment = QTextCharFormat();
    m_comment.setFontItalic(true);
    m_comment.setForeground(readableColor(120, 110, m_background));
    m_string = QTextCharFormat();
    m_string.setForeground(readableColor(0, 150, m_background));
    m_number = QTextCharFormat();
    m_number.setForeground(readableColor(210, 180, m_background));
    m_directive = QTextCharFormat();
    m_directive.setForeground(readableColor(285, 140, m_background));
}

void PascalHighlighter::highlightBlock(const QString &text)
{
    if (m_linesThisPass++ == 0)
        QTimer::singleShot(0, this, [this] { m_linesThisPass = 0; });
    const int line = currentBlock().blockNumber();
    if (m_linesThisPass > kLinesPerPass) {
        deferLine(line);
        return;
    }
    m_lastColoured = line;
    colourLine(text);
}

// The line keeps its colours and its state, so the pass ends at it; it is
// coloured in a later round.
void PascalHighlighter::deferLine(int line)
{
    for (const QTextLayout::FormatRange &range : currentBlock().layout()->formats())
        setFormat(range.start, range.length, range.format);
    schedule(line, line);
}

void PascalHighlighter::schedule(int from, int to)
{
    m_pendingFrom = m_pendingFrom < 0 ? from : std::min(m_pendingFrom, from);
    m_pendingTo = std::max(m_pendingTo, to);
    if (!m_resumePosted) {
        m_resumePosted = true;
        QTimer::singleShot(0, this, &PascalHighlighter::resume);
    }
}

void PascalHighlighter::resume()
{
    m_resumePosted = false;
    const int to = m_pendingTo;
    QTextBlock block = document()->findBlockByNumber(m_pendingFrom);
    m_pendingFrom = m_pendingTo = -1;
    while (block.isValid() && block.blockNumber() <= to) {
        if (m_linesThisPass >= kLinesPerPass) {
            schedule(block.blockNumber(), to);
            return;
        }
        // Recolours the line and, while its state changes, the lines after it.
        rehighlightBlock(block);
        block = document()->findBlockByNumber(std::max(block.blockNumber(), m_lastColoured) + 1);
    }
}

void PascalHighlighter::colourLine(const QString &text)
{
    if (!m_enabled) {
        setCurrentBlockState(Code);
        return;
    }
    const qsizetype n = text.size();
    qsizetype i = 0;
    // A comment or directive left open goes on here until its closer; from
    // is where its inside starts.
    const auto closeFrom = [&](qsizetype from, State state) {
        const PascalComment kind = state == BraceComment || state == BraceDirective
            ? PascalComment::Brace : PascalComment::Parenthesis;
        const QTextCharFormat &format =
            state == BraceDirective || state == ParenDirective ? m_directive : m_comment;
        const qsizetype after = commentEnd(text, from, kind);
        if (after < 0) {
            setFormat(int(i), int(n - i), format);
            setCurrentBlockState(state);
            return false;
        }
        setFormat(int(i), int(after - i), format);
        i = after;
        return true;
    };

    const int previous = previousBlockState();
    if (previous > Code && previous <= ParenDirective) {
        // The closer may sit at the very start: nothing before it opens.
        if (!closeFrom(0, State(previous)))
            return;
    }

    bool inProperty = false;
    int brackets = 0;
    while (i < n) {
        const QChar c = text[i];
        const PascalComment comment = commentOpeningAt(text, i);
        if (comment == PascalComment::Line) {
            setFormat(int(i), int(n - i), m_comment);
            break;
        }
        if (comment != PascalComment::None) {
            const bool brace = comment == PascalComment::Brace;
            const State state = isCompilerDirective(text, i, comment)
                ? (brace ? BraceDirective : ParenDirective)
                : (brace ? BraceComment : ParenComment);
            if (!closeFrom(i + commentOpenerLength(comment), state))
                return;
        } else if (c == u'\'') {
            const qsizetype end = stringEnd(text, i);
            const qsizetype j = end < 0 ? n : end;
            setFormat(int(i), int(j - i), m_string);
            i = j;
        } else if (isDigit(c) || c == u'$' || c == u'#') {
            const qsizetype length = numberLength(text, i);
            if (length > 0)
                setFormat(int(i), int(length), m_number);
            i += std::max<qsizetype>(length, 1);
        } else if (isWordChar(c)) {
            qsizetype j = i + 1;
            while (j < n && isWordChar(text[j]))
                ++j;
            const QStringView word = QStringView(text).mid(i, j - i);
            if (isReservedWord(word)) {
                setFormat(int(i), int(j - i), m_keyword);
                if (word.compare(QLatin1StringView("property"), Qt::CaseInsensitive) == 0)
                    inProperty = true;
            } else if (inProperty && brackets == 0
                       && pascalWordHas(word, PascalWordEntry::PropertyDirective)) {
                setFormat(int(i), int(j - i), m_keyword);
            }
            i = j;
        } else {
            if (c == u'[')
                ++brackets;
            else if (c == u']')
                brackets = std::max(0, brackets - 1);
            else if (c == u';')
                inProperty = false;
            ++i;
        }
    }
    setCurrentBlockState(Code);
}
