// SPDX-License-Identifier: MIT
#include "app/builder.h"

#include "app/aboutform.h"
#include "app/accessiblenames.h"
#include "app/buildrun.h"
#include "app/testdrivecommand.h"
#include "testdrive/testdrive.h"
#include "app/buttonbar.h"
#include "app/unitimportprompt.h"
#include "app/findingnavigation.h"
#include "app/findingslist.h"
#include "app/helptopics.h"
#include "app/helpwindow.h"
#include "app/hintrouter.h"
#include "app/keypreview.h"
#include "app/laterpages.h"
#include "app/outputcommands.h"
#include "app/outputpage.h"
#include "app/outputprinter.h"
#include "app/outsidefiles.h"
#include "app/programicon.h"
#include "app/recentspecifications.h"
#include "app/statusline.h"
#include "app/stylepage.h"
#include "editor/classpage.h"
#include "editor/eventhandlerspage.h"
#include "editor/memoform.h"
#include "editor/messagehandlerspage.h"
#include "editor/methodspage.h"
#include "editor/propertiespage.h"
#include "editor/selectpathdialog.h"
#include "editor/userprompts.h"
#include "platform/delphiinstallation.h"
#include "platform/handoversocket.h"
#include "platform/singleinstance.h"
#include "platform/winepaths.h"
#include "platform/wineregistry.h"
#include "session/buildmerge.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

class CompactTabStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return 12;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

TBuilder::TBuilder(const BuilderServices &services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_prompts(*services.prompts)
{
    setObjectName(u"Builder"_s);
    setWindowTitle(u"Unitforge"_s);
    QFont font(u"MS Sans Serif"_s);
    font.setPixelSize(11);
    setFont(font);
    resize(552, 408);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    // The dialogs that live for the whole run are made with the window,
    // hidden, so the Class page can hold on to the directory chooser.
    PathForm = new TPathForm(this);
    Aboutform = new TAboutform(this);
    memoform = new Tmemoform(this);
    m_printer = std::make_unique<OutputPrinter>(m_prompts);
    m_buildMerge = std::make_unique<BuildMerge>(m_prompts);
    m_winePrefix = services.winePrefix.isEmpty() ? winePrefix() : services.winePrefix;
    createControls();
    m_work = std::make_unique<UnsavedWork>(
        m_prompts, m_document, m_pendingEntries,
        UnsavedWork::Window{[this] { return saveSpecification(); }, [this] { return saveSourceFile(); },
                            [this] { return outputPage()->lineCount(); },
                            [this] { return outputPage()->isUnsaved(); },
                            [this](int page) { showPage(page); }});
    m_buildRun = std::make_unique<BuildRun>(BuildRun::Window{
        this, m_building, m_document, Awk1, m_prompts, m_pendingEntries, *m_buildMerge, m_winePrefix,
        [this]() -> OutputPage & { return *outputPage(); }, [this] { return stylePage()->style(); },
        [this](int page) { showPage(page); }, [this](const QString &text) { setStatusText(text); },
        [this] {
            showPage(ClassPageIndex);
            classPage->clname->setFocus();
        },
        [this] {
            BitBtn3->setEnabled(true);
            SelectAll1->setEnabled(true);
        }});

    m_testDrive = new TestDriveCommand(
        {*m_buildRun, m_document.spec(), Panel1, [this]() -> OutputPage & { return *outputPage(); },
         [this](int page) { showPage(page); }, [this](const QString &text) { setStatusText(text); }},
        this);
    connect(TestDrive1, &QAction::triggered, m_testDrive, &TestDriveCommand::start);
    connect(&m_document, &SpecDocument::changed, this, &TBuilder::updateTestDrive);
    updateTestDrive();

    m_hints = new HintRouter(this, Panel1);
    m_instance = std::make_unique<SingleInstance>(services.lockPath);
    if (!m_instance->acquire()) {
        m_alreadyRunning = true;
        // A file to open goes to the running copy; without one, or when that
        // copy does not answer, this start says why it ends.
        if (!services.fileToOpen.isEmpty()
            && handOverFile(m_instance->socketPath(), services.fileToOpen))
            return;
        m_prompts.message(UserPrompts::Kind::Information, u"Unitforge is already running."_s,
                          UserPrompts::Buttons::Ok);
        return;
    }
    m_outsideFiles = new OutsideFiles(
        {this, [this](const QString &path) { openFile(path); }, [this] { return m_building; },
         [this](const QString &question) {
             return m_prompts.message(UserPrompts::Kind::Confirm, question, UserPrompts::Buttons::YesNo)
                 == UserPrompts::Answer::Yes;
         }},
        this);
    m_keys = new KeyPreview(this);
    connect(m_keys, &KeyPreview::keyReleased, this, &TBuilder::FormKeyUp);
    connect(m_keys, &KeyPreview::menuHelpRequested, this, &TBuilder::menuHelp);

    m_helpFileName = u"uforge.hlp"_s;
    m_help = services.help;   // null: the own help window, made when first asked for
    readPalettePagesAndHelpDirectory();
    m_programDirectory = services.programDirectory.isEmpty()
        ? QCoreApplication::applicationDirPath() : services.programDirectory;
    if (!m_programDirectory.endsWith(u'/'))
        m_programDirectory += u'/';
    readSettings();
    PageControl1->setCurrentIndex(ClassPageIndex);

    // Never the folder of an installed program, where the user cannot write.
    QString unitFolder = SettingsLocation::defaultUnitFolder(
        m_programDirectory, SettingsLocation::isBuildTree(QCoreApplication::applicationDirPath()),
        QDir::currentPath());
    if (!unitFolder.endsWith(u'/'))
        unitFolder += u'/';
    m_document.setInitialHeader(unitFolder + QStringLiteral("unit1.pas"));
    connect(&m_document, &SpecDocument::changed, this, &TBuilder::updateTitle);
    if (!services.fileToOpen.isEmpty())
        m_outsideFiles->request(services.fileToOpen);
}

TBuilder::~TBuilder() = default;

void TBuilder::createControls()
{
    auto *central = new QWidget(this);
    central->setObjectName(u"TBuilderClient"_s);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);

    Panel2 = new ButtonBar(central);
    BitBtn1 = Panel2->BitBtn1;
    BitBtn5 = Panel2->BitBtn5;
    btnBuild = Panel2->btnBuild;
    BitBtn3 = Panel2->BitBtn3;
    btnhelp = Panel2->btnhelp;
    layout->addWidget(Panel2);

    PageControl1 = new QTabWidget(central);
    PageControl1->setObjectName(u"PageControl1"_s);
    // Narrower tab padding, so all seven tabs fit the window's initial width.
    auto *tabStyle = new CompactTabStyle;
    tabStyle->setParent(PageControl1->tabBar());
    PageControl1->tabBar()->setStyle(tabStyle);
    layout->addWidget(PageControl1, 1);
    // The Class page, shown first, is made with the window; the others when
    // first needed: made with the window, they would delay its appearance.
    classPage = new ClassPage(m_document, *PathForm, PageControl1);
    PageControl1->addTab(classPage, u"Class"_s);
    m_pages = new LaterPages(PageControl1, {m_document, Awk1, m_prompts, *memoform},
                             [this](int index) { pageMade(index); });
    registerPendingEntries();

    Panel1 = new StatusLine(central);
    layout->addWidget(Panel1);

    createMenus(menuBar());
    menuBar()->setObjectName(u"MainMenu1"_s);
    m_recent = new RecentSpecifications(RecentSpecifications1, m_prompts,
                                        [this](const QString &path) { openFile(path); }, this);
    connect(RecentSpecifications1, &QMenu::hovered, this,
            [this](QAction *item) { showStatusTip(item->statusTip()); });
    connect(RecentSpecifications1, &QMenu::aboutToHide, this, [this] { showStatusTip({}); });
    m_outputCommands = new OutputCommands({this, *this, BitBtn3, *m_printer, [this] { return outputPage(); },
                                           [this] { showPage(OutputPageIndex); },
                                           [this](const QString &text) { setStatusText(text); }});
    connectCommands();
    nameControlsForAccessibility(this);
}

// The buttons and menu items run the window's commands.
void TBuilder::connectCommands()
{
    connect(BitBtn1, &QToolButton::clicked, this, &TBuilder::exitProgram);
    connect(BitBtn5, &QToolButton::clicked, this, &TBuilder::openSpecification);
    connect(btnBuild, &QToolButton::clicked, this, &TBuilder::btnBuildClick);
    connect(BitBtn3, &QToolButton::clicked, this, &TBuilder::saveSourceFile);
    connect(btnhelp, &QToolButton::clicked, this, [this] { help().showContents(); });
    const QList<QAction *> pages = pageItems();
    for (int i = 0; i < pages.size(); ++i)
        connect(pages[i], &QAction::triggered, this, [this, i] { showPage(i); });
    connect(New1, &QAction::triggered, this, &TBuilder::newSpecification);
    connect(Openspcfile1, &QAction::triggered, this, &TBuilder::openSpecification);
    connect(Savespcfile1, &QAction::triggered, this, &TBuilder::Savespcfile1Click);
    connect(Exit1, &QAction::triggered, this, &TBuilder::exitProgram);
    connect(BuildOutput1, &QAction::triggered, this, &TBuilder::btnBuildClick);
    connect(SavetoFile1, &QAction::triggered, this, &TBuilder::saveSourceFile);
    connect(CheckSpecification1, &QAction::triggered, this, [this] { m_buildRun->check(); });
    connect(UpdateExistingUnit1, &QAction::triggered, this, [this] { m_buildRun->update(); });
    connect(SaveLazarusPackage1, &QAction::triggered, this, [this] { m_buildRun->savePackage(); });
    connect(UnitforgeHelp1, &QAction::triggered, this, [this] { help().showContents(); });
    connect(DelphiComponentWritersGuide1, &QAction::triggered, this, [this] {
        const QString problem =
            writersGuideStatusText(startWritersGuide(m_delphiHelpDirectory, m_services.startProgram));
        if (!problem.isEmpty())
            setStatusText(problem);
    });
    connect(ImportUnit1, &QAction::triggered, this, &TBuilder::ImportUnit1Click);
    connect(About1, &QAction::triggered, this, [this] { Aboutform->exec(); });
}

PropertiesPage *TBuilder::propertiesPage() { return m_pages->properties(); }
MethodsPage *TBuilder::methodsPage() { return m_pages->methods(); }
EventHandlersPage *TBuilder::eventHandlersPage() { return m_pages->eventHandlers(); }
MessageHandlersPage *TBuilder::messageHandlersPage() { return m_pages->messageHandlers(); }
OutputPage *TBuilder::outputPage() { return m_pages->output(); }
StylePage *TBuilder::stylePage() { return m_pages->style(); }

// A page just made takes its part of the settings read at the start.
void TBuilder::pageMade(int index)
{
    QWidget *page = m_pages->page(index);
    if (index == OutputPageIndex) {
        OutputPage *output = outputPage();
        connect(output->findingsList, &FindingsList::findingActivated, this, [this](const Finding &finding) {
            if (finding.kind == Finding::Kind::UnitLine && !m_testDrive->outputHoldsCompiledUnit()) {
                setStatusText(finding.name + u" line "_s + QString::number(finding.index)
                              + u" is a line of the unit built for Lazarus, which the Output page "
                                "does not show: "_s + finding.message);
                return;
            }
            showFindingEntry(*this, finding);
        });
        m_outputCommands->connectPage(output);
        output->setLook(m_settings ? m_settings->look : OutputLook{});
        output->setSyntaxColors(SyntaxColors1->isChecked());
        connect(SyntaxColors1, &QAction::toggled, output, &OutputPage::setSyntaxColors);
    } else if (index == StylePageIndex && m_settings) {
        stylePage()->setStyle(m_settings->style);
    } else if (auto *entries = qobject_cast<EntryPage *>(page); entries && !m_titleFile.isEmpty()) {
        entries->fileOpened();
    }
    nameControlsForAccessibility(this);
}

// Asked about in this order: property, method, event handler. A page not
// made yet has nothing typed.
void TBuilder::registerPendingEntries()
{
    const QList<QPair<EntryKind, int>> pages{{EntryKind::Property, PropertiesPageIndex},
                                            {EntryKind::Method, MethodsPageIndex},
                                            {EntryKind::Event, EventHandlersPageIndex}};
    for (const auto &[kind, index] : pages) {
        const auto page = [this, index] { return static_cast<EntryPage *>(m_pages->page(index)); };
        m_pendingEntries.add({kind, index,
                              [this, index, page] { return m_pages->isMade(index) ? page()->pendingName() : QString(); },
                              [page] { page()->addPendingEntry(); }});
    }
}

// Once the window is on the screen: the socket of the hand-over (files that
// start several copies at once wait for the window), and the icon, since
// reading the icon's pictures loads the image plugins.
void TBuilder::listenForHandedOverFiles()
{
    if (m_outsideFiles && !m_listening)
        m_listening = m_outsideFiles->listen(m_instance->socketPath());
}

bool TBuilder::event(QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        QTimer::singleShot(0, this, [this] {
            listenForHandedOverFiles();
            setWindowIcon(programIcon());
        });
    }
    return QMainWindow::event(event);
}

void TBuilder::readPalettePagesAndHelpDirectory()
{
    const Registry *registry = m_services.registry;
    if (!registry) {
        m_ownRegistry = std::make_unique<WineRegistry>(WineRegistry::fromFile(WineRegistry::currentUserFile()));
        registry = m_ownRegistry.get();
    }
    const DelphiInstallation delphi = readDelphiInstallation(*registry);
    classPage->setPalettePages(delphi.palettePages);
    m_delphiHelpDirectory = delphi.helpDirectory;
}

// Without a settings file the Style page and the printer-font items keep
// their initial states; the Output look is applied either way.
void TBuilder::readSettings()
{
    m_settingsFile =
        std::make_unique<SettingsFile>(SettingsLocation::defaultLocations(m_programDirectory));
    m_settings = m_settingsFile->read(m_prompts);
    if (m_settings) {
        Matchfont1->setChecked(m_settings->matchFont);
        UseDefault1->setChecked(!m_settings->matchFont);
        SyntaxColors1->setChecked(m_settings->syntaxColors);
        m_recent->setFiles(m_settings->recentFiles);
        // A stored place off every screen there is now is moved onto one.
        if (!m_settings->windowGeometry.isEmpty())
            restoreGeometry(m_settings->windowGeometry);
    }
}

// A page never made still holds what was read at the start.
void TBuilder::writeSettings()
{
    if (!m_settingsFile || !m_settings)
        return;
    const Style style = m_pages->isMade(StylePageIndex) ? stylePage()->style() : m_settings->style;
    const OutputLook look = m_pages->isMade(OutputPageIndex) ? outputPage()->look() : m_settings->look;
    m_settingsFile->write({style, look, Matchfont1->isChecked(), SyntaxColors1->isChecked(),
                           m_recent->files(), saveGeometry()},
                          m_prompts);
}

void TBuilder::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Only the window becoming visible counts, not its restoring from an icon.
    if (!event->spontaneous() && !m_alreadyRunning)
        classPage->refillAncestorMembers();
}

// Every close: Exit's, the title bar's, Alt+F4, the window manager's. Those
// that did not come through Exit ask Exit's questions when something is unsaved.
void TBuilder::closeEvent(QCloseEvent *event)
{
    if (m_building) {
        event->ignore();
        return;
    }
    if (!m_alreadyRunning && !m_closeApproved && m_work->hasUnsavedWork() && !m_work->beforeExit()) {
        event->ignore();
        return;
    }
    m_closeApproved = false;
    if (!m_alreadyRunning)
        writeSettings();
    m_testDrive->drive().stop();
    event->accept();
}

void TBuilder::showPage(int page)
{
    if (page >= 0 && page < PageControl1->count()) {
        m_pages->page(page);
        PageControl1->setCurrentIndex(page);
    }
}

void TBuilder::setStatusText(const QString &text)
{
    m_statusBeforeTip.reset();
    Panel1->setText(text);
    Panel1->repaint();
}

// A recent file's whole path shows while its item is highlighted; the
// line's text comes back when the menu closes.
void TBuilder::showStatusTip(const QString &tip)
{
    if (tip.isEmpty()) {
        if (m_statusBeforeTip)
            Panel1->setText(*std::exchange(m_statusBeforeTip, std::nullopt));
        return;
    }
    if (!m_statusBeforeTip)
        m_statusBeforeTip = Panel1->text();
    Panel1->setText(tip);
}

// Test Drive puts a component on a form: an ancestor that is none disables it.
void TBuilder::updateTestDrive()
{
    const std::optional<QString> reason = TestDriveCommand::unavailableReason(spec());
    TestDrive1->setEnabled(!reason);
    TestDrive1->setStatusTip(reason ? *reason
                                    : u"Compile the unit for Lazarus and run the component on a form "
                                      "beside a grid of its properties"_s);
}

// "LedLamp.spc* - Unitforge" once a specification file is named, the star
// while it has changes not saved; "Unitforge", as at start, while none is.
void TBuilder::updateTitle()
{
    if (m_titleFile.isEmpty()) {
        setWindowTitle(u"Unitforge"_s);
        setWindowFilePath(QString());
        return;
    }
    setWindowTitle(QFileInfo(m_titleFile).fileName() + u"[*] - Unitforge"_s);
    setWindowFilePath(m_titleFile);
    setWindowModified(m_document.isModified());
}

// ---- Keys, help and the about box ------------------------------------------

HelpViewer &TBuilder::help()
{
    if (!m_help)
        m_help = new HelpWindow(this);
    return *m_help;
}

void TBuilder::FormKeyUp(int key, Qt::KeyboardModifiers modifiers, QWidget *focused)
{
    if (key == Qt::Key_F1) {
        showHelpTopic(nearestHelpTopic(focused));
        return;
    }
    // The tab widget turns its pages on Ctrl+Page Down and Ctrl+Page Up itself.
    if (modifiers & Qt::ControlModifier)
        return;
    if (key == Qt::Key_PageDown)
        showPage((PageControl1->currentIndex() + 1) % PageCount);
    else if (key == Qt::Key_PageUp)
        showPage((PageControl1->currentIndex() + PageCount - 1) % PageCount);
}

void TBuilder::menuHelp(QMenu *menu)
{
    const int topic = nearestHelpTopic(menu);
    // The menus close first, or they would stay above the help window.
    while (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    showHelpTopic(topic);
}

void TBuilder::showHelpTopic(int topic)
{
    if (topic)
        help().showTopic(topic);
    else
        help().showContents();
}
