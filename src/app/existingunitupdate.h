// SPDX-License-Identifier: MIT
// Update Existing Unit: a build of the current specification merged into a
// unit file the user chooses, keeping the code written into it, and saved
// over the file in its own encoding and line ends. The file changes only when
// the whole merged unit was written.
#pragma once

#include "merge/unitfileupdate.h"

#include <QString>
#include <QStringList>

class Prompts;

class ExistingUnitUpdate
{
public:
    explicit ExistingUnitUpdate(Prompts &prompts);

    // Before the Output text is replaced: when it holds written code that is
    // not saved, asks whether to go on.
    bool mayReplaceOutput(bool writtenAndUnsaved);
    // The open dialog for the unit, starting where the unit-name text points
    // when that folder exists. False when cancelled.
    bool chooseUnit(const QString &unitName, const QString &winePrefix);
    // Reads the chosen file and merges unitLines (a build's lines) into it,
    // asking before written code is lost. False when there is nothing to
    // show: the file does not read (said so) or the user said No.
    bool merge(const QStringList &unitLines);
    // The merged unit, for OutputPage::setLines.
    QStringList outputLines() const;
    // Writes the merged unit over the file. False when the write was refused:
    // said so, and the file is as it was.
    bool save();
    // For the status line after save(): "<file> updated" or "<file> not updated".
    QString statusText() const;
    QString path() const { return m_path; }

private:
    Prompts &m_prompts;
    QString m_path;
    UnitFileUpdate m_update;
    bool m_saved = false;
};
