// SPDX-License-Identifier: MIT
#include "generator/sourcewriter.h"

#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

SourceWriter::SourceWriter(const Style &style)
    // A caller passing a value out of range gets the nearest one rather than
    // a huge allocation.
    : m_style(style.withinRanges())
    , m_one(indent(m_style.indent))
    , m_two(indent(2 * m_style.indent))
{
    if (m_style.separatorLength > 0)
        m_separator = u"{"_s + m_style.separatorChar.repeated(m_style.separatorLength) + u"}"_s;
}

QString SourceWriter::indent(int k)
{
    return k > 0 ? QString(k, u' ') : QString();
}

void SourceWriter::Emit(const QString &text)
{
    if (!text.contains(u'\n') && !text.contains(u'\r')) {
        m_lines.append(text);
        return;
    }
    // A comment of several lines: each of its lines becomes a line of the unit.
    static const QRegularExpression lineBreak(u"\r\n|\r|\n"_s);
    m_lines.append(text.split(lineBreak));
}

void SourceWriter::EmitPair(const QString &text)
{
    Emit(text);
    m_lines.append(QString());
}

void SourceWriter::EmitSpacers(int count)
{
    for (int i = 0; i < count; ++i)
        m_lines.append(u" "_s);
}

void SourceWriter::EmitSeparator()
{
    if (m_separator.isEmpty())
        return;
    m_lines.append(m_separator);
    m_lines.append(QString());
}

void SourceWriter::EmitComment(const QString &text)
{
    Emit(u"{ "_s + text + u" }"_s);
}
