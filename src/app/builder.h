// TBuilder, the main window: the button bar, the seven pages, the status line
// and the menus; it owns the specification being described for the whole run
// and runs the window-level commands (Build, Open, Save, New, Exit, help).
#pragma once

#include "platform/writersguide.h"
#include "awk/awk.h"
#include "app/mainmenu.h"
#include "app/outputpage.h"
#include "app/settingsfile.h"
#include "app/unsavedwork.h"
#include "model/pendingentries.h"
#include "model/specdocument.h"

#include <QMainWindow>
#include <memory>

class BuildMerge;
class ButtonBar;
class ClassPage;
class EventHandlersPage;
struct Finding;
struct GeneratedUnit;
class HelpViewer;
class HelpWindow;
class KeyPreview;
class HintRouter;
class MessageHandlersPage;
class MethodsPage;
class OutputPage;
class OutputPrinter;
class OutsideFiles;
class RecentSpecifications;
class PropertiesPage;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QTabWidget;
class QToolButton;
class Registry;
class SettingsFile;
class SingleInstance;
class StylePage;
class TAboutform;
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
    QString windowsDirectory() const { return m_windowsDirectory; }
    QString programDirectory() const { return m_programDirectory; }
    bool isBuilding() const { return m_building; }

    void showPage(int page);
    // Makes the pages other than the Class page, if not made yet. The window
    // does it just after it is first painted, and before any command needs them.
    void ensurePages();
    // Takes files from later starts from now on. The window does it just
    // after it is first painted.
    void listenForHandedOverFiles();
    // The entries Build and Exit ask about, in the order they are asked.
    PendingEntries &pendingEntries() { return m_pendingEntries; }

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

public slots: // handlers
    void BitBtn1Click();
    void Exit1Click();
    void New1Click();
    void btnBuildClick();
    void BuildOutput1Click();
    void BitBtn5Click();
    void Openspcfile1Click();
    void Savespcfile1Click();
    void BitBtn3Click();
    void SavetoFile1Click();
    void SaveLazarusPackage1Click();
    void CheckSpecification1Click();
    void UpdateExistingUnit1Click();
    void SelectAll1Click();
    void Print1Click();
    void PrinterSetup1Click();
    void UseDefault1Click();
    void Matchfont1Click();
    void Wordwrap1Click();
    void btnhelpClick();
    void UnitforgeHelp1Click();
    void DelphiComponentWritersGuide1Click();
    void About1Click();
    void FormKeyUp(int key, Qt::KeyboardModifiers modifiers, QWidget *focused);
    // F1 on an open menu: the topic of its active item, or the nearest one.
    void menuHelp(QMenu *menu);

public:
    OutputPrinter &outputPrinter() { return *m_printer; }

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
    PropertiesPage *propertiesPage = nullptr;
    MethodsPage *methodsPage = nullptr;
    EventHandlersPage *eventHandlersPage = nullptr;
    MessageHandlersPage *messageHandlersPage = nullptr;
    OutputPage *outputPage = nullptr;
    StylePage *stylePage = nullptr;

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
    void createPages();
    void registerPendingEntries();
    void connectCommands();
    void readPalettePagesAndHelpDirectory();
    // The settings file: read when the window is created, written when it closes.
    void readSettings();
    void applyPageSettings();
    void writeSettings();

    void exitProgram();
    void openSpecification();
    void build();
    // Build's steps before the unit is written; false when it goes no further.
    struct ShownTexts {
        QString status;
        QString unitFile;
    };
    ShownTexts shownTexts() const;
    void showAgain(const ShownTexts &texts);
    bool readyToBuild();
    GeneratedUnit writeUnit(bool clearOutput);
    QList<Finding> showBuiltUnit(const GeneratedUnit &unit, const QStringList &lines);
    void resetSpecification();
    void connectOutputPage();
    void updateCommandStates(const OutputCommandStates &states);
    void runMenuCommand(OutputMenuCommand command);
    void connectDesktopCommands();
    void setStatusText(const QString &text);
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
    RecentSpecifications *m_recent = nullptr;
    OutsideFiles *m_outsideFiles = nullptr;
    std::unique_ptr<BuildMerge> m_buildMerge;
    HintRouter *m_hints = nullptr;
    KeyPreview *m_keys = nullptr;
    PendingEntries m_pendingEntries;
    std::optional<Settings> m_settings;   // read at the start, until the pages take theirs
    bool m_painted = false;
    bool m_listening = false;

    bool m_alreadyRunning = false;
    bool m_building = false;        // a build, an Open or a check runs: nothing else may
    bool m_closeApproved = false;   // Exit has asked its questions
    bool m_shownOnce = false;
    QString m_delphiHelpDirectory;
    QString m_helpFileName;
    QString m_windowsDirectory;
    QString m_programDirectory;
    QString m_winePrefix;
};
