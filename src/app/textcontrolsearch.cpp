// SPDX-License-Identifier: MIT
#include "app/textcontrolsearch.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace {

void select(QPlainTextEdit &edit, int start, int length)
{
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
}

} // namespace

QString typedText(const QPlainTextEdit &edit)
{
    QString text = edit.document()->toRawText();
    for (QChar &c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    return text;
}

bool findAndSelect(QPlainTextEdit &edit, const QString &pattern, const SearchOptions &options)
{
    const QTextCursor cursor = edit.textCursor();
    const int start = cursor.selectionStart();
    const std::optional<int> match =
        findText(typedText(edit), start, cursor.selectionEnd() - start, pattern, options);
    if (match)
        select(edit, *match, int(pattern.size()));
    return match.has_value();
}

bool replaceNext(QPlainTextEdit &edit, const QString &pattern, const QString &replacement,
                 const SearchOptions &options)
{
    if (pattern.isEmpty())
        return false;
    QTextCursor cursor = edit.textCursor();
    const int start = cursor.selectionStart();
    const bool selected = isOccurrence(typedText(edit), start, cursor.selectionEnd() - start,
                                       pattern, options);
    if (!selected && !findAndSelect(edit, pattern, options))
        return false;
    cursor = edit.textCursor();
    cursor.insertText(replacement);
    edit.setTextCursor(cursor);
    if (selected)
        findAndSelect(edit, pattern, options);
    return true;
}

void replaceAll(QPlainTextEdit &edit, const QString &pattern, const QString &replacement,
                const SearchOptions &options)
{
    QTextCursor cursor = edit.textCursor();
    const int start = cursor.selectionStart();
    const QList<int> positions = replaceAllPositions(typedText(edit), start,
                                                     cursor.selectionEnd() - start, pattern, options);
    if (positions.isEmpty())
        return;
    // The positions are those of the text as it is: replaced from the last.
    cursor.beginEditBlock();
    for (auto it = positions.crbegin(); it != positions.crend(); ++it) {
        cursor.setPosition(*it);
        cursor.setPosition(*it + int(pattern.size()), QTextCursor::KeepAnchor);
        cursor.insertText(replacement);
    }
    cursor.endEditBlock();
    const qsizetype growth = replacement.size() - pattern.size();
    cursor.setPosition(int(positions.last() + (positions.size() - 1) * growth + replacement.size()));
    edit.setTextCursor(cursor);
}
