#include "app/existingunitupdate.h"

#include "session/buildmerge.h"
#include "app/sourcefilesaver.h"
#include "app/waitcursor.h"
#include "model/unitname.h"
#include "platform/prompts.h"
#include "platform/winepaths.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

ExistingUnitUpdate::ExistingUnitUpdate(Prompts &prompts)
    : m_prompts(prompts)
{
}

bool ExistingUnitUpdate::mayReplaceOutput(bool writtenAndUnsaved)
{
    if (!writtenAndUnsaved)
        return true;
    return m_prompts.message(Prompts::Kind::Confirm,
                             u"The Output text holds written code that has not been saved. "
                             u"Update Existing Unit will replace it. Go on?"_s,
                             Prompts::Buttons::YesNoDefaultNo)
        == Prompts::Answer::Yes;
}

bool ExistingUnitUpdate::chooseUnit(const QString &unitName, const QString &winePrefix)
{
    const QString local = localSourceFile(unitName, winePrefix);
    Prompts::FileRequest request;
    request.title = u"Update Existing Unit"_s;
    request.filter = u"Pascal units (*.pas)"_s;
    request.defaultSuffix = u"pas"_s;
    if (!local.isEmpty() && QFileInfo(local).absoluteDir().exists()) {
        request.directory = QFileInfo(local).absolutePath();
        request.proposedName = QFileInfo(local).fileName();
    }
    m_path = m_prompts.openFileName(request);
    return !m_path.isEmpty();
}

bool ExistingUnitUpdate::merge(const QStringList &unitLines)
{
    QStringList lines = unitLines;
    lines.append(QString());   // the Output text's last empty line, as Save writes it
    {
        WaitCursor wait;
        m_update = mergeIntoUnitFile(m_path, lines);
    }
    if (!m_update.readError.isEmpty()) {
        m_prompts.message(Prompts::Kind::Error,
                          u"Cannot read the unit "_s + m_path + u": "_s + m_update.readError,
                          Prompts::Buttons::Ok);
        return false;
    }
    const UnitMerge &merged = m_update.merge;
    if (!merged.error.isEmpty()) {
        m_prompts.message(Prompts::Kind::Error, m_path + u" was not updated: "_s + merged.error,
                          Prompts::Buttons::Ok);
        return false;
    }
    if (!m_update.encodingError.isEmpty()) {
        m_prompts.message(Prompts::Kind::Error, m_path + u" was not updated: "_s + m_update.encodingError,
                          Prompts::Buttons::Ok);
        return false;
    }
    return !merged.losesWork() || confirmDiscard(m_prompts, u"Update"_s, merged.lost);
}

QStringList ExistingUnitUpdate::outputLines() const
{
    return outputLinesOf(m_update);
}

bool ExistingUnitUpdate::save()
{
    QString reason;
    {
        WaitCursor wait;
        m_saved = writeUnitFileUpdate(m_path, m_update, &reason);
    }
    if (!m_saved) {
        m_prompts.message(Prompts::Kind::Error,
                          u"Unable to write to "_s + QFileInfo(m_path).absoluteFilePath() + u": "_s
                              + reason + u". The unit was left as it was."_s,
                          Prompts::Buttons::Ok);
    }
    return m_saved;
}

QString ExistingUnitUpdate::statusText() const
{
    return m_path + (m_saved ? u" updated"_s : u" not updated"_s);
}
