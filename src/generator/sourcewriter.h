// SPDX-License-Identifier: MIT
// Appends the unit's source line by line under a formatting style. Lines are
// of three kinds: text, empty ("") and spacer (one space).
#pragma once

#include <QString>
#include <QStringList>

#include "generator/style.h"

class SourceWriter
{
public:
    explicit SourceWriter(const Style &style);

    // A string of k spaces; none for k <= 0.
    static QString indent(int k);

    // Appends text as one line; line breaks inside text start new lines.
    void Emit(const QString &text);
    // Appends text, then an empty line.
    void EmitPair(const QString &text);
    // Appends count spacer lines.
    void EmitSpacers(int count);
    // Appends "{" + the separator character repeated + "}" and an empty line,
    // or nothing when the separator length is 0.
    void EmitSeparator();
    void EmitComment(const QString &text);

    const Style &style() const { return m_style; }
    // One and two indentation levels.
    const QString &J() const { return m_one; }
    const QString &K() const { return m_two; }

    QStringList takeLines() { return std::move(m_lines); }
    const QStringList &lines() const { return m_lines; }

private:
    Style m_style;
    QString m_one;
    QString m_two;
    QString m_separator;
    QStringList m_lines;
};
