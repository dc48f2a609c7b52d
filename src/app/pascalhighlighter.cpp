#include "app/pascalhighlighter.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// What a line leaves open for the next one.
enum State { Code = 0, BraceComment, ParenComment, BraceDirective, ParenDirective };

// Sorted, lower case: the reserved words, the visibility words and the method
// directives that never serve as names in practice. "register", "message",
// "read" and the like are left out: they are names as often as directives.
const QLatin1StringView kReserved[] = {
    QLatin1StringView("abstract"),       QLatin1StringView("and"),
    QLatin1StringView("array"),          QLatin1StringView("as"),
    QLatin1StringView("asm"),            QLatin1StringView("automated"),
    QLatin1StringView("begin"),          QLatin1StringView("case"),
    QLatin1StringView("class"),          QLatin1StringView("const"),
    QLatin1StringView("constructor"),    QLatin1StringView("destructor"),
    QLatin1StringView("dispinterface"),  QLatin1StringView("div"),
    QLatin1StringView("do"),             QLatin1StringView("downto"),
    QLatin1StringView("dynamic"),        QLatin1StringView("else"),
    QLatin1StringView("end"),            QLatin1StringView("except"),
    QLatin1StringView("exports"),        QLatin1StringView("file"),
    QLatin1StringView("finalization"),   QLatin1StringView("finally"),
    QLatin1StringView("for"),            QLatin1StringView("function"),
    QLatin1StringView("goto"),           QLatin1StringView("if"),
    QLatin1StringView("implementation"), QLatin1StringView("in"),
    QLatin1StringView("inherited"),      QLatin1StringView("initialization"),
    QLatin1StringView("inline"),         QLatin1StringView("interface"),
    QLatin1StringView("is"),             QLatin1StringView("label"),
    QLatin1StringView("library"),        QLatin1StringView("mod"),
    QLatin1StringView("nil"),            QLatin1StringView("not"),
    QLatin1StringView("object"),         QLatin1StringView("of"),
    QLatin1StringView("or"),             QLatin1StringView("out"),
    QLatin1StringView("override"),       QLatin1StringView("packed"),
    QLatin1StringView("private"),        QLatin1StringView("procedure"),
    QLatin1StringView("program"),        QLatin1StringView("property"),
    QLatin1StringView("protected"),      QLatin1StringView("public"),
    QLatin1StringView("published"),      QLatin1StringView("raise"),
    QLatin1StringView("record"),         QLatin1StringView("repeat"),
    QLatin1StringView("resourcestring"), QLatin1StringView("set"),
    QLatin1StringView("shl"),            QLatin1StringView("shr"),
    QLatin1StringView("string"),         QLatin1StringView("then"),
    QLatin1StringView("threadvar"),      QLatin1StringView("to"),
    QLatin1StringView("try"),            QLatin1StringView("type"),
    QLatin1StringView("unit"),           QLatin1StringView("until"),
    QLatin1StringView("uses"),           QLatin1StringView("var"),
    QLatin1StringView("virtual"),        QLatin1StringView("while"),
    QLatin1StringView("with"),           QLatin1StringView("xor"),
};

// Words that are directives only inside a property declaration, outside its
// index brackets: "property Items[Index: Integer]: string read GetItem".
const QLatin1StringView kPropertyWords[] = {
    QLatin1StringView("default"), QLatin1StringView("index"), QLatin1StringView("nodefault"),
    QLatin1StringView("read"),    QLatin1StringView("stored"), QLatin1StringView("write"),
};

bool isWordChar(QChar c)
{
    return c == u'_' || c.isLetterOrNumber();
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isHexDigit(QChar c)
{
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

struct CaseInsensitiveLess {
    bool operator()(QLatin1StringView a, QStringView b) const
    {
        return b.compare(a, Qt::CaseInsensitive) > 0;
    }
    bool operator()(QStringView a, QLatin1StringView b) const
    {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    }
};

bool isOneOf(QStringView word, const QLatin1StringView *begin, const QLatin1StringView *end)
{
    return std::binary_search(begin, end, word, CaseInsensitiveLess());
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

// The length of the number at the start of text: 12, 1.5, 2.5e-3, $FF, #13, #$0D.
qsizetype numberLength(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (text[0] == u'$' || (text[0] == u'#' && n > 1 && text[1] == u'$')) {
        const qsizetype digits = text[0] == u'$' ? 1 : 2;
        i = digits;
        while (i < n && isHexDigit(text[i]))
            ++i;
        return i > digits ? i : 0;
    }
    if (text[0] == u'#') {
        i = 1;
        while (i < n && isDigit(text[i]))
            ++i;
        return i > 1 ? i : 0;
    }
    while (i < n && isDigit(text[i]))
        ++i;
    // "1..9" is a range, not a real number.
    if (i + 1 < n && text[i] == u'.' && isDigit(text[i + 1])) {
        i += 2;
        while (i < n && isDigit(text[i]))
            ++i;
    }
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype e = i + 1;
        if (e < n && (text[e] == u'+' || text[e] == u'-'))
            ++e;
        if (e < n && isDigit(text[e])) {
            i = e;
            while (i < n && isDigit(text[i]))
                ++i;
        }
    }
    return i;
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
    return isOneOf(word, std::begin(kReserved), std::end(kReserved));
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
    // A comment or directive left open goes on here until its closer.
    const auto closeFrom = [&](qsizetype from, State state) {
        const bool brace = state == BraceComment || state == BraceDirective;
        const QTextCharFormat &format =
            state == BraceDirective || state == ParenDirective ? m_directive : m_comment;
        const qsizetype end = text.indexOf(brace ? QStringLiteral("}") : QStringLiteral("*)"),
                                           from + (brace ? 1 : 2));
        if (end < 0) {
            setFormat(int(i), int(n - i), format);
            setCurrentBlockState(state);
            return false;
        }
        const qsizetype after = end + (brace ? 1 : 2);
        setFormat(int(i), int(after - i), format);
        i = after;
        return true;
    };

    const int previous = previousBlockState();
    if (previous > Code && previous <= ParenDirective) {
        // The closer may sit at the very start: nothing before it opens.
        const bool brace = previous == BraceComment || previous == BraceDirective;
        if (!closeFrom(brace ? -1 : -2, State(previous)))
            return;
    }

    bool inProperty = false;
    int brackets = 0;
    while (i < n) {
        const QChar c = text[i];
        const QChar next = i + 1 < n ? text[i + 1] : QChar();
        if (c == u'{') {
            if (!closeFrom(i, next == u'$' ? BraceDirective : BraceComment))
                return;
        } else if (c == u'(' && next == u'*') {
            const bool directive = i + 2 < n && text[i + 2] == u'$';
            if (!closeFrom(i, directive ? ParenDirective : ParenComment))
                return;
        } else if (c == u'/' && next == u'/') {
            setFormat(int(i), int(n - i), m_comment);
            break;
        } else if (c == u'\'') {
            // A doubled quote stands for one quote inside the string.
            qsizetype j = i + 1;
            while (j < n) {
                if (text[j] == u'\'') {
                    if (j + 1 < n && text[j + 1] == u'\'') {
                        j += 2;
                        continue;
                    }
                    ++j;
                    break;
                }
                ++j;
            }
            setFormat(int(i), int(j - i), m_string);
            i = j;
        } else if (isDigit(c) || c == u'$' || c == u'#') {
            const qsizetype length = numberLength(QStringView(text).mid(i));
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
                       && isOneOf(word, std::begin(kPropertyWords), std::end(kPropertyWords))) {
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
