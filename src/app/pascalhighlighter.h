// Colours Object Pascal source in a text document: reserved words, comments
// of all three forms, strings, numbers and compiler directives. The colours
// are worked out from the text's own foreground and background, so that they
// stay readable on a dark background as on a light one, whatever the text's
// own colour.
#pragma once

#include <QColor>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

class QTextDocument;

class PascalHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT
public:
    enum class Kind { Plain, Keyword, Comment, String, Number, Directive };

    // Lines coloured in one go. A keystroke that turns the rest of a long text
    // into a comment (or back) recolours this many lines at once and the rest
    // a round of the event loop at a time, so typing never waits for them.
    static constexpr int kLinesPerPass = 1500;

    explicit PascalHighlighter(QTextDocument *document);

    // The foreground and background the text is shown in; recolours the document.
    void setColors(const QColor &text, const QColor &background);
    // Switched off, the document shows as plain text; switching on colours it again.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }
    // Whether lines wait for a later round of the event loop to be coloured.
    bool hasPendingLines() const { return m_resumePosted; }

    // The format used for a kind of token (Plain: none).
    QTextCharFormat format(Kind kind) const;

    // Whether a word is reserved in Object Pascal (or a visibility or
    // method directive coloured like one), in any letter case.
    static bool isReservedWord(QStringView word);
    // The colour plain text and reserved words are shown in while the text is
    // coloured: the text's own, or, when the background is too close to it
    // (black text on a background made dark), the nearest readable one.
    QColor textColor() const { return m_shownText; }

    // The colour of the given hue that a reader can tell from the background:
    // a contrast ratio of at least wanted (the most there is when no colour of
    // that hue reaches it).
    static QColor readableColor(int hue, int saturation, const QColor &background,
                                qreal wanted = 4.5);
    // The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
    static qreal contrastRatio(const QColor &a, const QColor &b);

protected:
    void highlightBlock(const QString &text) override;

private:
    void colourLine(const QString &text);
    void deferLine(int line);
    void schedule(int from, int to);
    void resume();
    void updateFormats();

    QColor m_text = Qt::black;
    QColor m_background = Qt::white;
    QColor m_shownText = Qt::black;
    bool m_enabled = true;
    QTextCharFormat m_keyword;
    QTextCharFormat m_comment;
    QTextCharFormat m_string;
    QTextCharFormat m_number;
    QTextCharFormat m_directive;

    int m_linesThisPass = 0;    // back to 0 when the event loop runs
    int m_lastColoured = -1;    // the line coloured last
    int m_pendingFrom = -1;     // the lines left for a later round
    int m_pendingTo = -1;
    bool m_resumePosted = false;
};
