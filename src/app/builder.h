// SPDX-License-Identifier: MIT
// TBuilder, the main window: the button bar, the seven pages, the status line
// and the menus; it owns the specification being described for the whole run
// and runs the window-level commands (Build, Open, Save, New, Exit, help).
#pragma once

#include "platform/writersguide.h"
#include "awk/awk.h"
#include "app/mainmenu.h"
#include "app/settingsfile.h"
#include "session/unsavedwork.h"
#include "model/pendingentries.h"
#include "model/specdocument.h"

#include <QMainWindow>
#include <memory>

class BuildMerge;
class BuildRun;
class ButtonBar;
class ClassPage;
class EventHandlersPage;
class HelpViewer;
class KeyPreview;
class HintRouter;
class LaterPages;
class MessageHandlersPage;
class MethodsPage;
class OutputCommands;
class OutputPage;
class OutputPrinter;
class OutsideFiles;
class RecentSpecifications;
class PropertiesPage;
class QLabel;
class QMenu;
class QTabWidget;
class QToolButton;
class Registry;
class SingleInstance;
class StylePage;
class TAboutform;
class TestDriveCommand;
class TPathForm;
class Tmemoform;
class UserPrompts;

// What the window gets from its surroundings; tests put their own in.
struct BuilderServices {
    UserPrompts *prompts = nullptr;         // required
    const Registry *registry = nullptr;     // null: the Wine registry of the current user
    HelpViewer *help = nullptr;             // null: the window's own help window
    QString programDirectory;               // with a trailing "/"; empty: the executable's
    QString lockPath;                       // empty: the default single-instance lock
    ProgramStarter startProgram;            // null: started as a detached process
    QString winePrefix;                     // empty: $WINEPREFIX, else ~/.wine
    QString fileToOpen;                     // from the command line: opened once the window
                                            // runs, or handed to the copy already running
};

class TBuilder : public QMainWindow, public MainMenu
{
    Q_OBJECT
public:
    enum Page { ClassPageIndex, PropertiesPageIndex, MethodsPageIndex, EventHandlersPageIndex,
                MessageHandlersPageIndex, OutputPageIndex, StylePageIndex, PageCount };

    explicit TBuilder(const BuilderServices &services, QWidget *parent = nullptr);
    ~TBuilder() override;

    // True when creation found another running copy of the program: it has
    // said so, and the program is to end without showing this window.
    bool alreadyRunning() const { return m_alreadyRunning; }

    SpecDocument &document() { return m_document; }
    const ComponentSpec &spec() const { return m_document.spec(); }
    TAwk Awk1;

    QString currentSpecificationFile() const { return m_document.currentFile(); }
    QString delphiHelpDirectory() const { return m_delphiHelpDirectory; }
    QString helpFileName() const { return m_helpFileName; }
    QString programDirectory() const { return m_programDirectory; }

    // The pages after the Class page, each made when first asked for.
    PropertiesPage *propertiesPage();
    MethodsPage *methodsPage();
    EventHandlersPage *eventHandlersPage();
    MessageHandlersPage *messageHandlersPage();
    OutputPage *outputPage();
    StylePage *stylePage();

    void showPage(int page);
    // Takes files from later starts from now on. The window does it just
    // after it is first painted.
    void listenForHandedOverFiles();

    // Save specification: the save dialog, then the file. Failed: a write was
    // refused and has been reported.
    UnsavedWork::SaveResult saveSpecification();
    // Save source file. The one entry point New, Exit, Open and the Save
    // button use.
    UnsavedWork::SaveResult saveSourceFile();
    // Open's reading of a chosen file; false when it was refused (and said so).
    bool readSpecificationFile(const QString &path);
    // Opens a file named outside Open's dialog (command line, a second start,
    // a drop, the recent list): Open's questions, then the file.
    void openFile(const QString &path);
    OutsideFiles &outsideFiles() { return *m_outsideFiles; }
    OutputPrinter &outputPrinter() { return *m_printer; }

public slots: // handlers
    void btnBuildClick();
    void Savespcfile1Click();
    void ImportUnit1Click();
    void FormKeyUp(int key, Qt::KeyboardModifiers modifiers, QWidget *focused);
    // F1 on an open menu: the topic of its active item, or the nearest one.
    void menuHelp(QMenu *menu);

public: // controls
    ButtonBar *Panel2;
    QToolButton *BitBtn1;
    QToolButton *BitBtn5;
    QToolButton *btnBuild;
    QToolButton *BitBtn3;
    QToolButton *btnhelp;
    QTabWidget *PageControl1;
    QLabel *Panel1;
    ClassPage *classPage;

    TPathForm *PathForm;
    TAboutform *Aboutform;
    Tmemoform *memoform;

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Window creation, in the order the window is built.
    void createControls();
    void registerPendingEntries();
    void connectCommands();
    void pageMade(int index);
    void readPalettePagesAndHelpDirectory();
    // The settings file: read when the window is created, written when it closes.
    void readSettings();
    void writeSettings();

    void exitProgram();
    void newSpecification();
    void openSpecification();
    void resetSpecification();
    void setStatusText(const QString &text);
    void showStatusTip(const QString &tip);
    void updateTitle();
    void updateTestDrive();
    HelpViewer &help();
    void showHelpTopic(int topic);   // 0: the contents

    SpecDocument m_document;
    BuilderServices m_services;
    UserPrompts &m_prompts;
    std::unique_ptr<Registry> m_ownRegistry;
    HelpViewer *m_help = nullptr;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<SettingsFile> m_settingsFile;
    std::unique_ptr<OutputPrinter> m_printer;
    std::unique_ptr<UnsavedWork> m_work;
    std::unique_ptr<BuildMerge> m_buildMerge;
    std::unique_ptr<BuildRun> m_buildRun;
    TestDriveCommand *m_testDrive = nullptr;
    LaterPages *m_pages = nullptr;
    OutputCommands *m_outputCommands = nullptr;
    RecentSpecifications *m_recent = nullptr;
    OutsideFiles *m_outsideFiles = nullptr;
    HintRouter *m_hints = nullptr;
    KeyPreview *m_keys = nullptr;
    PendingEntries m_pendingEntries;
    std::optional<Settings> m_settings;   // as read at the start, for the pages made later
    std::optional<QString> m_statusBeforeTip;   // the status line under a menu item's tip
    QString m_titleFile;                  // the specification file opened or saved last
    bool m_painted = false;
    bool m_listening = false;

    bool m_alreadyRunning = false;
    bool m_building = false;        // a build, an Open or a check runs: nothing else may
    bool m_closeApproved = false;   // Exit has asked its questions
    QString m_delphiHelpDirectory;
    QString m_helpFileName;
    QString m_programDirectory;
    QString m_winePrefix;
};
