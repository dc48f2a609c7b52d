#include "cli/unitupdate.h"

#include "cli/buildcommand.h"
#include "merge/unitfile.h"
#include "merge/unitmerge.h"
#include "specfile/filewriter.h"
#include "specfile/textcodec.h"

#include <QFile>
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
    QFile file(unitPath);
    if (QFileInfo(unitPath).isDir() || !file.open(QIODevice::ReadOnly)) {
        writeLine(err, prefix + u"cannot read the unit "_s + unitPath + u": "_s
                           + (file.error() == QFile::NoError ? u"it is a directory"_s : file.errorString()));
        return kBuildUsageOrFileError;
    }
    const UnitFile unit = decodeUnitFile(file.readAll());
    file.close();

    // The new build in the file's line ends, so that an untouched routine compares equal.
    QString built = decodeText(sourceFileBytes(builtLines));
    if (unit.lineBreak != u"\r\n"_s)
        built.replace(u"\r\n"_s, unit.lineBreak);

    const UnitMerge merge = mergeUnits(built, unit.text);
    if (!merge.error.isEmpty()) {
        writeLine(err, prefix + unitPath + u" not updated: "_s + merge.error);
        return merge.error.startsWith(u"the new unit"_s) ? kBuildRefused : kBuildUsageOrFileError;
    }
    report(out, u"kept"_s, merge.kept);
    report(out, u"dropped"_s, merge.dropped);
    if (merge.losesWork() && !discard) {
        report(out, u"would discard"_s, merge.lost);
        writeLine(err, prefix + unitPath + u" not updated: the update would discard "_s
                           + lossSummary(merge.lost) + u". Give --discard to update it anyway."_s);
        return kBuildRefused;
    }
    report(out, u"discarded"_s, merge.lost);

    QString reason;
    if (!writeFileAtomically(unitPath, encodeUnitFile(merge.text, unit.encoding), &reason)) {
        writeLine(err, u"Unable to write to "_s + QFileInfo(unitPath).absoluteFilePath() + u": "_s + reason);
        return kBuildUsageOrFileError;
    }
    writeLine(out, unitPath + u" updated"_s);
    return kBuildOk;
}
