// SPDX-License-Identifier: MIT
#include "app/unitimportprompt.h"

#include <QFile>
#include <QFileInfo>

#include "check/finding.h"
#include "merge/unitfile.h"
#include "platform/prompts.h"
#include "specfile/regularfile.h"

using namespace Qt::StringLiterals;

std::optional<ImportedUnit> askAndImportUnit(Prompts &prompts, const QString &directory)
{
    Prompts::FileRequest request;
    request.title = u"Import Unit"_s;
    request.filter = u"Pascal units (*.pas *.pp)"_s;
    request.defaultSuffix = u"pas"_s;
    request.directory = directory;
    const QString path = prompts.openFileName(request);
    if (path.isEmpty())
        return std::nullopt;
    // A pipe or a device is refused before it is opened for reading.
    QFile file;
    QString reason;
    std::optional<QByteArray> bytes;
    switch (openRegularFile(file, path, &reason)) {
    case RegularFileOpen::Opened:
        bytes = readUnitFileBytes(file, &reason);
        break;
    case RegularFileOpen::NotFound:
        reason = u"no such file"_s;
        break;
    case RegularFileOpen::NotRegular:
        reason = u"it is not a regular file"_s;
        break;
    case RegularFileOpen::Failed:
        break;
    }
    if (!bytes) {
        prompts.message(Prompts::Kind::Error,
                        u"Unable to read "_s + QFileInfo(path).absoluteFilePath() + u": "_s + reason,
                        Prompts::Buttons::Ok);
        return std::nullopt;
    }
    ImportedUnit unit{path, decodeUnitFile(*bytes).text, {}};
    unit.result = importUnit(unit.text, path);
    // Several registered classes, or none registered among declared ones:
    // one question per class.
    const bool several = unit.result.refusal == ImportRefusal::SeveralClasses;
    const bool unregistered = unit.result.refusal == ImportRefusal::NoClass && !unit.result.declared.isEmpty();
    if (several || unregistered) {
        const QStringList classes = several ? unit.result.classes : unit.result.declared;
        const QString question = several ? u"The unit registers several classes. Import "_s
                                         : u"The unit registers no class. Import "_s;
        for (const QString &name : classes) {
            const Prompts::Answer answer = prompts.message(Prompts::Kind::Confirm, question + name + u"?"_s,
                                                           Prompts::Buttons::YesNoCancel);
            if (answer == Prompts::Answer::Cancel)
                return std::nullopt;
            if (answer == Prompts::Answer::Yes) {
                unit.result = importUnit(unit.text, path, name);
                break;
            }
        }
        if (!unit.result.imported() && (several || unregistered))
            return std::nullopt;   // every class declined
    }
    if (!unit.result.imported()) {
        prompts.message(Prompts::Kind::Error, unit.result.refusalText, Prompts::Buttons::Ok);
        return std::nullopt;
    }
    return unit;
}

QList<Finding> importFindings(const UnitImport &imported)
{
    QList<Finding> findings;
    for (const ImportFinding &f : imported.findings) {
        Finding finding;
        finding.kind = Finding::Kind::Class;
        finding.name = imported.spec.Classname;
        finding.message = u"not imported, kept in the unit: "_s + f.message();
        finding.severity = Finding::Severity::Warning;
        findings.append(finding);
    }
    return findings;
}

QString importedStatusText(const ImportedUnit &unit)
{
    const qsizetype listed = unit.result.findings.size();
    return u"Imported "_s + unit.result.spec.Classname + u" from "_s + QFileInfo(unit.path).fileName()
        + (listed ? u", %1 not imported"_s.arg(listed) : QString());
}
