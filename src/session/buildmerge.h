// Build's care for the code written into the Output text. It remembers the
// unit the last Build put there; when the text holds more than that, the new
// unit is merged with it instead of replacing it, and the user is asked first
// when the merge would leave some of the written code out.
#pragma once

#include "merge/unitfileupdate.h"
#include "merge/unitmerge.h"

#include <QString>
#include <QStringList>

#include <optional>

class Prompts;

// The lines to hand to OutputPage::setLines for a text: one per line break,
// the empty text after a last break not counted.
QStringList outputLinesOf(const QString &text);

// The text a unit's lines (as a build writes them) make in the Output text:
// line breaks inside a line (a comment of several lines) become the text's
// own, and a line break follows the last line.
QString outputTextOf(const QStringList &unitLines);

// The merged unit of an update, for OutputPage::setLines. A saved Output text
// ends every line, its last empty one too, with a line break: the last break
// of the file is the one after that empty line.
QStringList outputLinesOf(const UnitFileUpdate &update);

// "Build will discard: TGauge.OldMethod (12 lines). Build anyway?", a Confirm
// box with Yes and No, No the default; true for Yes.
bool confirmDiscard(Prompts &prompts, const QString &command, const QList<MergeItem> &lost);

// Before the Output text's lines (as Save writes them) replace the unit
// file at path: the written code of that file they leave out. Empty when
// they keep it all, or the file is missing or does not read as a unit.
QList<MergeItem> writtenCodeDroppedBy(const QStringList &lines, const QString &path);

class BuildMerge
{
public:
    // What Build puts into the Output text.
    struct Output {
        QStringList lines;      // for OutputPage::setLines
        bool keptCode = false;  // written code was merged in
    };

    explicit BuildMerge(Prompts &prompts);

    // Build put the unit of unitLines into the Output text.
    void remember(const QStringList &unitLines);
    // Open and New empty the Output text: whatever it holds next was written.
    void forget();
    // Whether the Output text (its lines as typed) holds code written since
    // the last Build or Open: it is not blank and is not what that Build put there.
    bool hasWrittenCode(const QStringList &outputLines) const;

    // The new unit merged with the code written into the Output text. Asks
    // before written code is lost, and whether to replace a text that does
    // not read as a unit; nothing when the user keeps the text as it is.
    std::optional<Output> merge(const QStringList &unitLines, const QStringList &outputLines);

    // With no written code in the Output text: the new unit merged into the
    // unit file at path, as Update Existing Unit merges. Skipped when there is
    // no such file or it does not read as a unit; Declined when the user
    // keeps the written code the merge would leave out.
    struct FileMerge {
        enum class Result { Skipped, Declined, Merged };
        Result result = Result::Skipped;
        Output output;
    };
    FileMerge mergeWithUnitFile(const QStringList &unitLines, const QString &path);

private:
    Prompts &m_prompts;
    QString m_built;   // the Output text the last Build left
};
