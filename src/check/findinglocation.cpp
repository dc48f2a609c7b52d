// SPDX-License-Identifier: MIT
#include "check/findinglocation.h"

#include "model/componentspec.h"
#include "model/pascalvocabulary.h"
#include "model/standardmessages.h"

#include <algorithm>

namespace {

using Place = FindingLocation::Place;

// How many entries before index carry name.
int occurrencesBefore(const QStringList &list, qsizetype index, const QString &name)
{
    int count = 0;
    for (qsizetype i = 0; i < std::min(index, list.size()); ++i) {
        if (sameName(list.at(i), name))
            ++count;
    }
    return count;
}

// The row of the n-th entry named name; the last such row when there are
// fewer (the lists were changed since the check); -1 when there is none.
int rowOfOccurrence(const QStringList &rows, const QString &name, int n)
{
    int found = -1;
    for (qsizetype row = 0; row < rows.size(); ++row) {
        if (!sameName(rows.at(row), name))
            continue;
        found = int(row);
        if (n-- == 0)
            break;
    }
    return found;
}

int rowInRange(int index, qsizetype count)
{
    return index >= 0 && index < count ? index : -1;
}

} // namespace

FindingLocation locateFinding(const ComponentSpec &spec, const Finding &finding)
{
    switch (finding.kind) {
    case Finding::Kind::Unit: return {Place::UnitName};
    case Finding::Kind::Class: return {Place::ClassName};
    case Finding::Kind::Ancestor: return {Place::Ancestor};
    case Finding::Kind::PalettePage: return {Place::PalettePage};
    case Finding::Kind::Style: return {Place::Separator};
    case Finding::Kind::Property: {
        const int n = occurrencesBefore(spec.Properties, finding.index, finding.name);
        const int row = rowOfOccurrence(spec.DefinedProperties, finding.name, n);
        // A file may hold a property named "On...": Open lists it with the handlers.
        const int handlerRow = row < 0 ? rowOfOccurrence(spec.DefinedHandlers, finding.name, 0) : -1;
        if (handlerRow >= 0)
            return {Place::EventHandlers, handlerRow};
        return {Place::Properties, row};
    }
    case Finding::Kind::Event: {
        const int n = occurrencesBefore(spec.Events, finding.index, finding.name);
        return {Place::EventHandlers, rowOfOccurrence(spec.DefinedHandlers, finding.name, n)};
    }
    case Finding::Kind::Method:
        return {Place::Methods, rowInRange(finding.index, spec.DefinedMethods.size())};
    case Finding::Kind::Message:
        return {Place::UserMessages, rowInRange(finding.index, spec.UserMessages.size())};
    case Finding::Kind::StandardMessage:
        return {Place::StandardMessages, rowInRange(finding.index, standardMessageNames().size())};
    case Finding::Kind::UnitLine:
        return {Place::UnitText, finding.index - 1};
    }
    return {Place::ClassName};
}
