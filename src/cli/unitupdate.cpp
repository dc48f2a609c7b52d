#include "cli/unitupdate.h"

#include "cli/buildcommand.h"
#include "merge/unitfileupdate.h"

#include <QFileInfo>
#include <QIODevice>

using namespace Qt::StringLiterals;

namespace {

void writeLine(QIODevice &device, const QString &line)
{
    device.write((line + u'\n').toLocal8Bit());
}

void report(QIODevice &out, const QString &what, const QList<MergeItem> &items)
{
    for (const MergeItem &item : items) {
        writeLine(out, what + u": "_s + describeMergeItem(item));
        for (const QString &line : item.text)
            writeLine(out, u"    "_s + line);
    }
}

} // namespace

int runUnitUpdate(const QString &unitPath, bool discard, const QStringList &builtLines,
                  QIODevice &out, QIODevice &err)
{
    const QString prefix = u"unitforge-build: "_s;
    const UnitFileUpdate update = mergeIntoUnitFile(unitPath, builtLines);
    if (!update.readError.isEmpty()) {
        writeLine(err, prefix + u"cannot read the unit "_s + unitPath + u": "_s + update.readError);
        return kBuildUsageOrFileError;
    }
    const UnitMerge &merge = update.merge;
    if (!merge.error.isEmpty()) {
        writeLine(err, prefix + unitPath + u" not updated: "_s + merge.error);
        return merge.error.startsWith(u"the new unit"_s) ? kBuildRefused : kBuildUsageOrFileError;
    }
    if (!update.encodingError.isEmpty()) {
        writeLine(err, prefix + unitPath + u" not updated: "_s + update.encodingError);
        return kBuildRefused;
    }
    if (merge.losesWork() && !discard) {
        report(out, u"would discard"_s, merge.lost);
        writeLine(err, prefix + unitPath + u" not updated: the update would discard "_s
                           + lossSummary(merge.lost) + u". Give --discard to update it anyway."_s);
        return kBuildRefused;
    }

    QString reason;
    if (!writeUnitFileUpdate(unitPath, update, &reason)) {
        writeLine(err, u"Unable to write to "_s + QFileInfo(unitPath).absoluteFilePath() + u": "_s + reason);
        return kBuildUsageOrFileError;
    }
    // What was kept is told only once it is in the file.
    report(out, u"kept"_s, merge.kept);
    report(out, u"dropped"_s, merge.dropped);
    report(out, u"discarded"_s, merge.lost);
    writeLine(out, unitPath + u" updated"_s);
    return kBuildOk;
}
