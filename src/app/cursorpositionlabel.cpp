// SPDX-License-Identifier: MIT
#include "app/cursorpositionlabel.h"

#include <QPlainTextEdit>
#include <QTextBlock>

CursorPositionLabel::CursorPositionLabel(QPlainTextEdit *edit, QWidget *parent)
    : QLabel(parent)
    , m_edit(edit)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(edit, &QPlainTextEdit::cursorPositionChanged, this, &CursorPositionLabel::showPosition);
    showPosition();
}

QString CursorPositionLabel::positionText(int line, int column)
{
    return QStringLiteral("Ln %1, Col %2").arg(line).arg(column);
}

void CursorPositionLabel::showPosition()
{
    const QTextCursor cursor = m_edit->textCursor();
    setText(positionText(cursor.blockNumber() + 1, cursor.positionInBlock() + 1));
}
