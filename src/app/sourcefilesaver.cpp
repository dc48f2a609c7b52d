#include "app/sourcefilesaver.h"

#include <QCursor>
#include <QFileInfo>

#include "editor/userprompts.h"
#include "app/waitcursor.h"
#include "model/unitname.h"
#include "platform/winepaths.h"
#include "session/buildmerge.h"
#include "specfile/filewriter.h"
#include "specfile/textcodec.h"

QString sourceFileName(const QString &unitName)
{
    if (fileNamePart(unitName).contains(QLatin1Char('.')))
        return unitName;
    return unitName + QStringLiteral(".pas");
}

QString localSourceFile(const QString &unitName, const QString &winePrefix)
{
    const QString windowsName = sourceFileName(unitName.isEmpty() ? QStringLiteral("unit1.pas") : unitName);
    if (!hasDriveLetter(windowsName))
        return withSlashes(windowsName);
    return fileOfWindowsPath(windowsName, winePrefix).value_or(QString());
}

SourceSaveResult saveSourceFile(const QString &unitName, const QStringList &lines,
                                UserPrompts &prompts, const QString &winePrefix)
{
    using Outcome = SourceSaveResult::Outcome;
    SourceSaveResult result;
    result.unitName = unitName.isEmpty() ? QStringLiteral("unit1.pas") : unitName;
    const QString windowsName = sourceFileName(result.unitName);
    bool overwriteAsked = false;
    if (!hasDriveLetter(windowsName)) {
        result.fileName = withSlashes(windowsName);
    } else if (const std::optional<QString> file = fileOfWindowsPath(windowsName, winePrefix)) {
        result.fileName = *file;
    } else {
        UserPrompts::FileRequest request;
        request.title = QStringLiteral("Save As");
        request.filter = QStringLiteral("Pascal units (*.pas)");
        request.defaultSuffix = QStringLiteral("pas");
        request.proposedName = fileNamePart(windowsName);
        request.confirmOverwrite = true;
        result.fileName = prompts.saveFileName(request);
        if (result.fileName.isEmpty()) {
            result.outcome = Outcome::Cancelled;
            return result;
        }
        overwriteAsked = true;
    }

    if (!overwriteAsked && QFileInfo::exists(result.fileName)) {
        const auto answer = prompts.message(
            UserPrompts::Kind::Confirm,
            QStringLiteral("Overwrite existing file ") + result.fileName + QStringLiteral(" ?"),
            UserPrompts::Buttons::YesNoDefaultNo);
        if (answer != UserPrompts::Answer::Yes) {
            result.outcome = Outcome::Declined;
            return result;
        }
    }

    if (lines.isEmpty() || (lines.size() == 1 && lines.first().isEmpty())) {
        prompts.message(UserPrompts::Kind::Error, QStringLiteral("No output to save"),
                        UserPrompts::Buttons::Ok);
        result.outcome = Outcome::NoOutput;
        return result;
    }

    // A unit replaced keeps the code written into it, or the user says it may go.
    const QList<MergeItem> dropped = writtenCodeDroppedBy(lines, result.fileName);
    if (!dropped.isEmpty() && !confirmDiscard(prompts, QStringLiteral("Save"), dropped)) {
        result.outcome = Outcome::Declined;
        return result;
    }

    // Written beside the target and renamed over it, so a failure part-way
    // leaves any old file as it was.
    QString reason;
    WriteFailure failure = WriteFailure::None;
    {
        WaitCursor wait;
        if (writeFileAtomically(result.fileName, sourceFileBytes(lines), &reason, &failure)) {
            result.outcome = Outcome::Saved;
            return result;
        }
    }
    if (failure == WriteFailure::Create) {
        prompts.message(UserPrompts::Kind::Error,
                        QStringLiteral("Cannot create file ") + result.fileName
                            + QStringLiteral(": ") + reason,
                        UserPrompts::Buttons::Ok);
        return result;
    }
    prompts.message(UserPrompts::Kind::Error,
                    QStringLiteral("Error outputting to file: ") + result.fileName,
                    UserPrompts::Buttons::Ok);
    return result;
}
