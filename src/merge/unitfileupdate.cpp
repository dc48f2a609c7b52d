#include "merge/unitfileupdate.h"

#include "specfile/filewriter.h"
#include "specfile/textcodec.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

UnitFileUpdate mergeIntoUnitFile(const QString &path, const QStringList &builtLines)
{
    UnitFileUpdate update;
    const QFileInfo info(path);
    if (info.isDir()) {
        update.readError = u"it is a directory"_s;
        return update;
    }
    if (info.exists() && !info.isFile()) {
        update.readError = u"it is not a regular file"_s;
        return update;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        update.readError = file.errorString();
        return update;
    }
    update.file = decodeUnitFile(file.readAll());

    // The new build in the file's line ends, so that an untouched routine compares equal.
    QString built = decodeText(sourceFileBytes(builtLines));
    if (update.file.lineBreak != u"\r\n"_s)
        built.replace(u"\r\n"_s, update.file.lineBreak);
    update.merge = mergeUnits(built, update.file.text);
    return update;
}

bool writeUnitFileUpdate(const QString &path, const UnitFileUpdate &update, QString *reason)
{
    return writeFileAtomically(path, encodeUnitFile(update.merge.text, update.file.encoding), reason);
}
