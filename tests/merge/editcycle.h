// SPDX-License-Identifier: MIT
// The life of a component in random steps: build its unit, write code into
// it, change the specification, merge, and check that every line written
// either survives byte for byte or is listed as lost, and that nothing else
// is listed. The merged unit is the next cycle's edited unit.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

struct CycleFigures {
    int cycles = 0;
    int specificationChanges = 0;
    int bodiesWritten = 0;
    int bodiesComeBack = 0;         // written bodies of surviving routines found byte for byte
    int ownRoutinesAdded = 0;
    int ownRoutinesKept = 0;        // checks of own routines found in the merged unit
    int constructorLinesAdded = 0;
    int constructorLinesKept = 0;
    int lostListed = 0;             // written code that vanished and was listed
    int largestUnitLines = 0;
    QStringList failures;           // what went wrong, by cycle

    QString summary() const;
};

class EditCycles
{
public:
    // dumpFolder: when not empty, each cycle writes the edited unit and the
    // merged one to dumpFolder/NNNN/before and .../after as cycleunit.pas.
    explicit EditCycles(quint32 seed, const QString &dumpFolder = QString());
    ~EditCycles();

    void run(int cycles);
    const CycleFigures &figures() const;

private:
    class State;
    std::unique_ptr<State> m_state;
};
