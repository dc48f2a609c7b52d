#include "session/buildmerge.h"

#include "platform/prompts.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// The text control ends a line at CR LF, CR, LF and the paragraph and frame
// marks; the typed text shows a line separator as a line break too.
QString withLineFeeds(QString text)
{
    text.replace(u"\r\n"_s, u"\n"_s);
    for (QChar &c : text) {
        switch (c.unicode()) {
        case u'\r':
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
        case 0xFDD0:   // beginning of a frame
        case 0xFDD1:   // end of a frame
            c = u'\n';
            break;
        default:
            break;
        }
    }
    return text;
}

const QString kExistingUnreadable = u"the existing unit cannot be read: "_s;
const QString kNewUnreadable = u"the new unit cannot be read: "_s;

// The question for a merge that could not be made; Yes replaces the text.
QString replaceQuestion(const QString &error)
{
    QString problem = error;
    if (error.startsWith(kExistingUnreadable))
        problem = u"The Output text cannot be read as a unit: "_s + error.mid(kExistingUnreadable.size());
    else if (error.startsWith(kNewUnreadable))
        problem = u"The new unit cannot be read: "_s + error.mid(kNewUnreadable.size());
    return problem + u". Build cannot keep the code written into the Output text. "_s
        + u"Replace the Output text with the new unit?"_s;
}

} // namespace

QStringList outputLinesOf(const QString &text)
{
    QStringList lines = withLineFeeds(text).split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString outputTextOf(const QStringList &unitLines)
{
    return withLineFeeds(unitLines.join(u'\n') + u'\n');
}

QStringList outputLinesOf(const UnitFileUpdate &update)
{
    QString text = update.merge.text;
    if (text.endsWith(update.file.lineBreak))
        text.chop(update.file.lineBreak.size());
    return outputLinesOf(text);
}

bool confirmDiscard(Prompts &prompts, const QString &command, const QList<MergeItem> &lost)
{
    const QString question =
        command + u" will discard: "_s + lossSummary(lost) + u". "_s + command + u" anyway?"_s;
    return prompts.message(Prompts::Kind::Confirm, question, Prompts::Buttons::YesNoDefaultNo)
        == Prompts::Answer::Yes;
}

QList<MergeItem> writtenCodeDroppedBy(const QStringList &lines, const QString &path)
{
    if (!QFileInfo(path).isFile())
        return {};
    const UnitFileUpdate update = mergeIntoUnitFile(path, lines);
    if (!update.readError.isEmpty() || !update.merge.error.isEmpty())
        return {};
    QStringList saved = lines;
    while (!saved.isEmpty() && saved.last().isEmpty())
        saved.removeLast();
    QStringList merged = outputLinesOf(update);
    while (!merged.isEmpty() && merged.last().isEmpty())
        merged.removeLast();
    // The file's written code is all in the text when merging it in changes nothing.
    if (merged == saved)
        return {};
    // A body the text leaves out goes as a method Build no longer writes
    // goes, and is named the same way: "TLedLamp.Blink (4 lines)".
    QList<MergeItem> dropped = update.merge.kept;
    for (MergeItem &item : dropped) {
        if (item.kind == MergeItem::Kind::WrittenBody)
            item.kind = MergeItem::Kind::VanishedMethod;
    }
    return dropped + update.merge.lost;
}

BuildMerge::BuildMerge(Prompts &prompts)
    : m_prompts(prompts)
{
}

void BuildMerge::remember(const QStringList &unitLines)
{
    m_built = outputTextOf(unitLines);
}

void BuildMerge::forget()
{
    m_built.clear();
}

bool BuildMerge::hasWrittenCode(const QStringList &outputLines) const
{
    const QString text = outputLines.join(u'\n');
    return !text.trimmed().isEmpty() && text != m_built;
}

std::optional<BuildMerge::Output> BuildMerge::merge(const QStringList &unitLines,
                                                    const QStringList &outputLines)
{
    const QString built = outputTextOf(unitLines);
    const UnitMerge merged = mergeUnits(built, outputLines.join(u'\n'));
    if (!merged.error.isEmpty()) {
        if (m_prompts.message(Prompts::Kind::Confirm, replaceQuestion(merged.error),
                              Prompts::Buttons::YesNoDefaultNo)
            != Prompts::Answer::Yes)
            return std::nullopt;
        return Output{outputLinesOf(built), false};
    }
    if (merged.losesWork() && !confirmDiscard(m_prompts, u"Build"_s, merged.lost))
        return std::nullopt;
    return Output{outputLinesOf(merged.text), !merged.kept.isEmpty()};
}

BuildMerge::FileMerge BuildMerge::mergeWithUnitFile(const QStringList &unitLines, const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    QStringList lines = unitLines;
    lines.append(QString());   // the Output text's last empty line, as Save writes it
    const UnitFileUpdate update = mergeIntoUnitFile(path, lines);
    if (!update.readError.isEmpty() || !update.merge.error.isEmpty())
        return {};
    if (update.merge.losesWork() && !confirmDiscard(m_prompts, u"Build"_s, update.merge.lost))
        return {FileMerge::Result::Declined, {}};
    return {FileMerge::Result::Merged, {outputLinesOf(update), !update.merge.kept.isEmpty()}};
}
