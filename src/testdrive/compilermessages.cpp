// SPDX-License-Identifier: MIT
#include "testdrive/compilermessages.h"

#include <QRegularExpression>
#include <QStringList>

using namespace Qt::StringLiterals;

QList<CompilerMessage> compilerErrors(const QString &output)
{
    // "gauge.pas(121,17) Error: ..." or "gauge.pas(151) Fatal: ...", or with no position at all.
    static const QRegularExpression placed(u"^(.+)\\((\\d+)(?:,(\\d+))?\\) (?:Error|Fatal): (.*)$"_s);
    static const QRegularExpression unplaced(u"^(?:Error|Fatal): (.*)$"_s);
    static const QRegularExpression summary(
        u"^(There were \\d+ errors compiling module|Compilation aborted|.*returned an error exitcode)"_s);
    QList<CompilerMessage> errors;
    for (const QString &line : output.split(u'\n')) {
        const QString trimmed = line.trimmed();
        CompilerMessage message;
        if (const QRegularExpressionMatch match = placed.match(trimmed); match.hasMatch()) {
            message.file = match.captured(1);
            message.line = match.captured(2).toInt();
            // A line fpc cannot have given (0, or too large to hold) places nothing.
            message.column = message.line > 0 ? match.captured(3).toInt() : 0;
            message.text = match.captured(4);
        } else if (const QRegularExpressionMatch match = unplaced.match(trimmed); match.hasMatch()) {
            message.text = match.captured(1);
        } else {
            continue;
        }
        if (!summary.match(message.text).hasMatch())
            errors.append(message);
    }
    return errors;
}
