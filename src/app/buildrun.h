// SPDX-License-Identifier: MIT
// Build, Update Existing Unit and Check specification, the three commands
// that build or check the specification: the refusal of a specification that
// cannot be built, the pending entries, the unit written and shown with its
// findings, and the status line each leaves. A run declined at a question
// about the unit leaves the unit's file name as it was and says that nothing
// was written.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class BuildMerge;
class ComponentSpec;
struct Finding;
struct GeneratedUnit;
class OutputPage;
class PendingEntries;
class QWidget;
class SpecDocument;
struct Style;
class TAwk;
class UserPrompts;

class BuildRun
{
public:
    // What the commands use of the window.
    struct Window {
        QWidget *window;                 // its input is held back while a unit is made
        bool &busy;                      // set while a command runs
        SpecDocument &document;
        TAwk &awk;
        UserPrompts &prompts;
        const PendingEntries &pending;
        BuildMerge &merge;
        QString winePrefix;
        std::function<OutputPage &()> output;
        std::function<Style()> style;
        std::function<void(int)> showPage;
        std::function<void(const QString &)> setStatus;
        std::function<void()> refused;   // shows the field a refusal is about
        std::function<void()> built;     // a unit is in the Output text: its commands apply
    };

    explicit BuildRun(Window window);

    // With code written into the Output text since the last Build, the new
    // unit is merged with it; else, when the unit file exists, with that
    // file's written code. A No to a question leaves everything as it was.
    void build();
    // A build merged into a unit file the user chooses, shown and saved over the file.
    void update();
    // The check on its own: the findings show on the Output page, the unit stays as it is.
    void check();
    // A build for Lazarus, whatever the Style page's target, written with its
    // icon and package file; the Output page keeps what it shows.
    void savePackage();
    // The unit a test drive compiles: built for Lazarus whatever the Style
    // page's target, with the code written into the Output text merged in as
    // Build merges it; the Output text stays as it is. None when the build is
    // refused.
    std::optional<QStringList> testDriveUnit();

private:
    const ComponentSpec &spec() const;
    bool readyToBuild();
    GeneratedUnit writeUnit(bool clearOutput);
    // A build for Lazarus, whatever the Style page's target.
    QStringList lazarusUnit();
    QList<Finding> showBuiltUnit(const GeneratedUnit &unit, const QStringList &lines);
    void stopped(const QString &unitFileName);

    Window m_window;
};
