#include "model/storedlists.h"

namespace {

using G = StoredList::Group;
using N = StoredList::SavedCount;
using L = QLatin1StringView;

const StoredList kLists[] = {
    {L("UserMessages"), &ComponentSpec::UserMessages, G::UserMessage, N::All, L(), false},
    {L("Events"), &ComponentSpec::Events, G::Event, N::All, L(), false},
    {L("Eventtypes"), &ComponentSpec::EventTypes, G::Event, N::All, L(), true},
    {L("Eventparams"), &ComponentSpec::EventParams, G::Event, N::All, L(), false},
    {L("Eprotected"), &ComponentSpec::EProtected, G::Event, N::All, L(), true},
    {L("Properties"), &ComponentSpec::Properties, G::Property, N::Properties, L(), false},
    {L("Storage"), &ComponentSpec::Storage, G::Property, N::Properties, L("*"), true},
    {L("PropertyComments"), &ComponentSpec::PropertyComments, G::Property, N::Properties, L(), true},
    {L("RMethods"), &ComponentSpec::RMethods, G::Property, N::ReadMethods, L(), true},
    {L("ArrayProperties"), &ComponentSpec::ArrayProperties, G::Property, N::ReadMethods, L("*"), true},
    {L("Attributes"), &ComponentSpec::Attributes, G::Property, N::Properties, L(), true},
    {L("WMethods"), &ComponentSpec::WMethods, G::Property, N::Properties, L(), true},
    {L("Sections"), &ComponentSpec::Sections, G::Property, N::Properties, L(), true},
    {L("Variables"), &ComponentSpec::Variables, G::Property, N::Properties, L(), true},
    {L("ReadWrite"), &ComponentSpec::ReadWrite, G::Property, N::Properties, L(), true},
    {L("Methods"), &ComponentSpec::Methods, G::Method, N::Methods, L(), true},
    {L("MethodComments"), &ComponentSpec::MethodComments, G::Method, N::Methods, L(), true},
    {L("MethodSections"), &ComponentSpec::MethodSections, G::Method, N::All, L(), true},
    {L("Types"), &ComponentSpec::Types, G::Property, N::All, L(), true},
    {L("DefaultValues"), &ComponentSpec::DefaultValues, G::Property, N::All, L(), true},
};

} // namespace

std::span<const StoredList> storedLists()
{
    return kLists;
}

QStringList storedSections(StoredList::Group group)
{
    QStringList sections;
    for (const StoredList &stored : kLists) {
        if (stored.group == group)
            sections.append(stored.section);
    }
    return sections;
}
