// SPDX-License-Identifier: MIT
#include "merge/surroundingtext.h"

#include "merge/interfaceedits.h"
#include "merge/pascallexer.h"

#include <QSet>
#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct RegionLine {
    QStringView text;   // without its line break
    qsizetype start = 0;
    qsizetype end = 0;  // after its line break
};

QList<RegionLine> regionLines(QStringView text, qsizetype start, qsizetype end)
{
    QList<RegionLine> lines;
    while (start < end) {
        qsizetype stop = start;
        while (stop < end && !isLineBreak(text[stop]))
            ++stop;
        const qsizetype next = std::min(afterLineBreak(text, stop), end);
        lines.append({text.sliced(start, stop - start), start, next});
        start = next;
    }
    return lines;
}

QStringView withoutTrailingBlanks(QStringView line)
{
    while (!line.isEmpty() && line.back().isSpace())
        line.chop(1);
    return line;
}

// The line's code without its comments and blanks, upper case, as a key to
// compare lines by.
QString codeOf(QStringView line)
{
    QString code;
    PascalLexer lexer(line);
    for (PascalToken token = lexer.next(); token.kind != PascalToken::Kind::EndOfText; token = lexer.next()) {
        if (token.kind == PascalToken::Kind::Error)
            return line.trimmed().toString().toUpper();
        if (token.kind == PascalToken::Kind::Comment)
            continue;
        if (!code.isEmpty())
            code += u' ';
        code += line.sliced(token.start, token.end - token.start).toString().toUpper();
    }
    return code;
}

bool overlapsComment(const RegionLine &line, const QList<PascalSpan> &comments)
{
    return std::any_of(comments.begin(), comments.end(), [&line](const PascalSpan &comment) {
        return comment.start < line.end && line.start < comment.end;
    });
}

bool isBareKeyword(QStringView line)
{
    const QStringView word = line.trimmed();
    for (const QStringView keyword : {u"const", u"type", u"var", u"threadvar", u"resourcestring"}) {
        if (word.compare(keyword, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// One stretch of the interface: before the heading, between it and the
// class, or after the class.
void mergeRegion(QStringView newText, PascalSpan newRegion, PascalSpan newUses, QStringView oldText,
                 PascalSpan oldRegion, PascalSpan oldUses, const QSet<QString> &messages, KeptText &result)
{
    // A comment that runs over a region's edge belongs to what lies beyond it.
    const QList<PascalSpan> comments = multiLineComments(oldText, 0, oldRegion.end + 1);
    for (const PascalSpan &comment : comments) {
        if (comment.start < oldRegion.start && oldRegion.start < comment.end)
            oldRegion.start = std::min(afterLineBreak(oldText, comment.end), oldRegion.end);
        if (comment.start < oldRegion.end && oldRegion.end < comment.end)
            oldRegion.end = std::max(lineStart(oldText, comment.start), oldRegion.start);
    }
    const QList<RegionLine> newLines = regionLines(newText, newRegion.start, newRegion.end);
    const QList<RegionLine> oldLines = regionLines(oldText, oldRegion.start, oldRegion.end);
    const auto inUses = [](const RegionLine &line, PascalSpan uses) {
        return uses.isValid() && line.start < uses.end && uses.start < line.end;
    };
    QStringList newCodes;
    for (const RegionLine &line : newLines)
        newCodes.append(codeOf(line.text));
    qsizetype newUsesLine = -1;
    for (qsizetype j = 0; j < newLines.size(); ++j) {
        if (inUses(newLines[j], newUses))
            newUsesLine = j;
    }

    qsizetype matched = -1;   // the new line of the last line both have
    QList<RegionLine> stretch;
    const auto flush = [&]() {
        QList<RegionLine> kept;
        for (const RegionLine &line : std::as_const(stretch)) {
            if (overlapsComment(line, comments)
                || !isBuildLineOutsideClass(withoutTrailingBlanks(line.text), messages))
                kept.append(line);
        }
        stretch.clear();
        // A keyword that introduces nothing of the author's goes with what it introduced.
        for (qsizetype k = kept.size() - 1; k >= 0; --k) {
            if (!isBareKeyword(kept[k].text) || overlapsComment(kept[k], comments))
                continue;
            qsizetype next = k + 1;
            while (next < kept.size() && kept[next].text.trimmed().isEmpty())
                ++next;
            if (next == kept.size() || isBareKeyword(kept[next].text))
                kept.remove(k);
        }
        const bool own = std::any_of(kept.begin(), kept.end(), [](const RegionLine &line) {
            return !line.text.trimmed().isEmpty() && !isBareKeyword(line.text);
        });
        while (own && kept.first().text.trimmed().isEmpty())
            kept.removeFirst();
        while (own && kept.last().text.trimmed().isEmpty())
            kept.removeLast();
        if (!own)
            return;
        // Whole lines: a region ends at the start of a line, or at "implementation",
        // and then its last line takes the break of the build's line above.
        QString text;
        for (const RegionLine &line : kept)
            text += oldText.sliced(line.start, line.end - line.start);
        const qsizetype at = matched >= 0 ? newLines[matched].end : newRegion.start;
        if (!isLineBreak(text.back()) && at > 0 && isLineBreak(newText[at - 1]))
            text += at > 1 && newText.sliced(at - 2, 2) == u"\r\n" ? newText.sliced(at - 2, 2) : newText.sliced(at - 1, 1);
        result.insertions.append({at, 0, text});
        result.lines += int(kept.size());
    };
    for (const RegionLine &line : oldLines) {
        qsizetype counterpart = -1;
        if (inUses(line, oldUses)) {
            counterpart = newUsesLine > matched ? newUsesLine : -1;
        } else if (!line.text.trimmed().isEmpty() && !overlapsComment(line, comments)) {
            const QString code = codeOf(line.text);
            for (qsizetype j = matched + 1; j < newLines.size() && counterpart < 0; ++j) {
                if (!code.isEmpty() && newCodes[j] == code && !inUses(newLines[j], newUses))
                    counterpart = j;
            }
        }
        if (counterpart < 0 && !inUses(line, oldUses)) {
            stretch.append(line);
            continue;
        }
        flush();
        matched = std::max(matched, counterpart);
    }
    flush();
}

// From the "unit" that opens the text to the end of the "interface" after it.
PascalSpan headingOf(QStringView text)
{
    PascalLexer lexer(text);
    const PascalToken unit = lexer.nextCode();
    if (!unit.is(PascalWord::Unit))
        return {};
    for (PascalToken token = lexer.nextCode(); token.kind != PascalToken::Kind::EndOfText
         && token.kind != PascalToken::Kind::Error; token = lexer.nextCode()) {
        if (token.is(PascalWord::Interface))
            return {unit.start, token.end};
    }
    return {};
}

} // namespace

KeptText keptSurroundingText(QStringView newText, const PascalUnit &newUnit, const PascalClassDeclaration &newClass,
                             QStringView oldText, const PascalUnit &oldUnit, const PascalClassDeclaration &oldClass)
{
    KeptText result;
    // A message constant is the build's when either class handles the message.
    QSet<QString> messages = handledMessages(oldText.sliced(oldClass.span.start, oldClass.span.end - oldClass.span.start));
    messages.unite(handledMessages(newText.sliced(newClass.span.start, newClass.span.end - newClass.span.start)));
    // The heading, from "unit" through "interface", is the build's; what comes before it stays before it.
    const PascalSpan newHeading = headingOf(newText);
    const PascalSpan oldHeading = headingOf(oldText);
    if (!newHeading.isValid() || !oldHeading.isValid())
        return result;
    mergeRegion(newText, {0, lineStart(newText, newHeading.start)}, {}, oldText,
                {0, lineStart(oldText, oldHeading.start)}, {}, messages, result);
    const PascalSpan newBefore{afterLineBreak(newText, newHeading.end), lineStart(newText, newClass.span.start)};
    const PascalSpan oldBefore{afterLineBreak(oldText, oldHeading.end), lineStart(oldText, oldClass.span.start)};
    if (newBefore.start <= newBefore.end && oldBefore.start <= oldBefore.end)
        mergeRegion(newText, newBefore, newUnit.uses, oldText, oldBefore, oldUnit.uses, messages, result);
    const PascalSpan newAfter{afterLineBreak(newText, newClass.span.end), lineStart(newText, newUnit.implementation)};
    // Up to "implementation" itself: what precedes it on its line is the author's too.
    const PascalSpan oldAfter{afterLineBreak(oldText, oldClass.span.end), oldUnit.implementation};
    if (newAfter.start <= newAfter.end && oldAfter.start <= oldAfter.end)
        mergeRegion(newText, newAfter, {}, oldText, oldAfter, {}, messages, result);
    return result;
}
