// SPDX-License-Identifier: MIT
#include "app/helptopics.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include <cstring>

namespace {

using namespace HelpTopic;

struct NamedTopic {
    const char *name;
    int topic;
};

// Controls that have a help context of their own (the pages' fields) carry it
// as a property; these are the rest.
constexpr NamedTopic kTopics[] = {
    {"File1", SpecificationFiles},
    {"New1", SpecificationFiles},
    {"Openspcfile1", SpecificationFiles},
    {"Savespcfile1", SpecificationFiles},
    {"Print1", OutputPage},
    {"PrinterSetup1", OutputPage},
    {"UpdateExistingUnit1", UpdateExistingUnit},
    {"ImportUnit1", ImportUnit},
    {"SaveLazarusPackage1", StylePage},
    {"RecentSpecifications1", RecentSpecifications},
    {"Exit1", SpecificationFiles},
    {"Edit1", OutputPage},
    {"Cut1", OutputPage},
    {"Copy1", OutputPage},
    {"Paste1", OutputPage},
    {"SelectAll1", OutputPage},
    {"Find1", OutputPage},
    {"FindNext1", OutputPage},
    {"FindPrevious1", OutputPage},
    {"Replace1", OutputPage},
    {"Preferences1", Preferences},
    {"Printerfont", Preferences},
    {"UseDefault1", Preferences},
    {"Matchfont1", Preferences},
    {"Wordwrap1", Preferences},
    {"BackgroundColor1", Preferences},
    {"Options1", Preferences},
    {"FontColor1", Preferences},
    {"SyntaxColors1", Preferences},
    {"Page1", Pages},
    {"Class1", 41005},
    {"Properties1", 41008},
    {"Methods1", 41007},
    {"EventHandlers1", 41006},
    {"MessageHandlers1", MessageHandlersPage},
    {"Output1", OutputPage},
    {"Style1", StylePage},
    {"Build1", BuildAndWrittenCode},
    {"BuildOutput1", BuildAndWrittenCode},
    {"SavetoFile1", OutputPage},
    {"CheckSpecification1", Check},
    {"TestDrive1", TestDrive},
    {"testDriveProgress", TestDrive},
    {"Help1", HelpAndAbout},
    {"UnitforgeHelp1", HelpAndAbout},
    {"DelphiComponentWritersGuide1", HelpAndAbout},
    {"About1", HelpAndAbout},
    // The button bar.
    {"BitBtn1", SpecificationFiles},
    {"BitBtn5", SpecificationFiles},
    {"btnBuild", BuildAndWrittenCode},
    {"BitBtn3", OutputPage},
    {"btnhelp", HelpAndAbout},
    // The pages, for their controls without a topic of their own.
    {"ClassPage", 41005},
    {"PropertiesPage", 41008},
    {"MethodsPage", 41007},
    {"EventHandlersPage", 41006},
    {"MessageHandlersPage", MessageHandlersPage},
    {"OutputPage", OutputPage},
    {"findingsList", Check},
    {"StylePage", StylePage},
    {"PageControl1", Pages},
};

} // namespace

int helpTopicOf(const QObject *object)
{
    if (!object)
        return 0;
    if (const int context = object->property("helpContext").toInt())
        return context;
    const QByteArray name = object->objectName().toUtf8();
    for (const NamedTopic &row : kTopics) {
        if (name == row.name)
            return row.topic;
    }
    return 0;
}

int nearestHelpTopic(const QWidget *focused)
{
    for (const QWidget *w = focused; w; w = w->parentWidget()) {
        if (const int topic = helpTopicOf(w))
            return topic;
        if (w->isWindow())
            break;
    }
    return 0;
}

int nearestHelpTopic(const QMenu *menu)
{
    if (const QAction *item = menu->activeAction()) {
        // A submenu's item stands for the submenu.
        const QMenu *submenu = QMenu::menuInAction(item);
        if (const int topic = helpTopicOf(submenu ? static_cast<const QObject *>(submenu) : item))
            return topic;
    }
    for (const QWidget *w = menu; qobject_cast<const QMenu *>(w); w = w->parentWidget()) {
        if (const int topic = helpTopicOf(w))
            return topic;
    }
    return 0;
}
