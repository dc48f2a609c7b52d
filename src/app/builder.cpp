#include "app/builder.h"

#include "app/aboutform.h"
#include "app/accessiblenames.h"
#include "app/buildmerge.h"
#include "app/buttonbar.h"
#include "app/existingunitupdate.h"
#include "app/findingnavigation.h"
#include "app/findingslist.h"
#include "app/helptopics.h"
#include "app/helpwindow.h"
#include "app/hintrouter.h"
#include "app/inputblocker.h"
#include "app/keypreview.h"
#include "app/lazaruspackagesaver.h"
#include "app/outputpage.h"
#include "app/filehandover.h"
#include "app/outputprinter.h"
#include "app/outsidefiles.h"
#include "app/recentspecifications.h"
#include "app/textprinter.h"
#include "app/unsavedwork.h"
#include "app/programicon.h"
#include "app/settingsfile.h"
#include "platform/winepaths.h"
#include "platform/singleinstance.h"
#include "app/sourcefilesaver.h"
#include "app/statusline.h"
#include "app/stylepage.h"
#include "editor/userprompts.h"
#include "app/waitcursor.h"
#include "platform/wineregistry.h"
#include "editor/classpage.h"
#include "editor/eventhandlerspage.h"
#include "editor/methodspage.h"
#include "editor/propertiespage.h"
#include "editor/memoform.h"
#include "editor/propertiespage.h"
#include "editor/methodspage.h"
#include "editor/messagehandlerspage.h"
#include "editor/eventhandlerspage.h"
#include "editor/controlhints.h"
#include "platform/delphiinstallation.h"
#include "editor/selectpathdialog.h"
#include "generator/unitgenerator.h"
#include "check/checker.h"
#include "check/findingsummary.h"
#include "model/unitname.h"
#include "specfile/profilefile.h"
#include "specfile/specfile.h"

#include <QVBoxLayout>
#include <QProxyStyle>
#include <QTabBar>
#include <QMenuBar>
#include <QApplication>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace {


UserPrompts::FileRequest specFileRequest(const QString &title)
{
    UserPrompts::FileRequest request;
    request.title = title;
    request.filter = QStringLiteral("Component Specifications (*.spc)");
    request.defaultSuffix = QStringLiteral("spc");
    return request;
}


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
    setObjectName(QStringLiteral("Builder"));
    setWindowTitle(QStringLiteral("Unitforge"));
    QFont font(QStringLiteral("MS Sans Serif"));
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
    createControls();
    m_work = std::make_unique<UnsavedWork>(
        m_prompts, m_document, m_pendingEntries,
        UnsavedWork::Window{[this] { return saveSpecification(); }, [this] { return saveSourceFile(); },
                            [this] { return outputPage->lineCount(); },
                            [this] { return outputPage->isUnsaved(); },
                            [this](int page) { showPage(page); }});

    m_hints = new HintRouter(this, Panel1);
    m_instance = std::make_unique<SingleInstance>(services.lockPath);
    if (!m_instance->acquire()) {
        m_alreadyRunning = true;
        // A file to open goes to the running copy; without one, or when that
        // copy does not answer, this start says why it ends.
        if (!services.fileToOpen.isEmpty()
            && FileHandOver::send(m_instance->socketPath(), services.fileToOpen))
            return;
        m_prompts.message(UserPrompts::Kind::Information,
                          QStringLiteral("Unitforge is already running."), UserPrompts::Buttons::Ok);
        return;
    }
    m_outsideFiles = new OutsideFiles({this, [this](const QString &path) { openFile(path); },
                                       [this] { return m_building; }},
                                      this);
    m_keys = new KeyPreview(this);
    connect(m_keys, &KeyPreview::keyReleased, this, &TBuilder::FormKeyUp);
    connect(m_keys, &KeyPreview::menuHelpRequested, this, &TBuilder::menuHelp);

    m_helpFileName = QStringLiteral("uforge.hlp");
    m_help = services.help;   // null: the own help window, made when first asked for
    m_winePrefix = services.winePrefix.isEmpty() ? winePrefix() : services.winePrefix;
    const QString windowsDir = m_winePrefix + QStringLiteral("/drive_c/windows");
    m_windowsDirectory = QFileInfo(windowsDir).isDir() ? windowsDir : QString();

    readPalettePagesAndHelpDirectory();
    m_programDirectory = services.programDirectory.isEmpty()
        ? QCoreApplication::applicationDirPath() : services.programDirectory;
    if (!m_programDirectory.endsWith(u'/'))
        m_programDirectory += u'/';
    readSettings();
    PageControl1->setCurrentIndex(ClassPageIndex);

    m_document.setInitialHeader(m_programDirectory + QStringLiteral("unit1.pas"));
    if (!services.fileToOpen.isEmpty())
        m_outsideFiles->request(services.fileToOpen);
}

TBuilder::~TBuilder() = default;

void TBuilder::createControls()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("TBuilderClient"));
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
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    // Narrower tab padding, so all seven tabs fit the window's initial width.
    auto *tabStyle = new CompactTabStyle;
    tabStyle->setParent(PageControl1->tabBar());
    PageControl1->tabBar()->setStyle(tabStyle);
    layout->addWidget(PageControl1, 1);
    createPages();

    Panel1 = new StatusLine(central);
    layout->addWidget(Panel1);

    createMenus(menuBar());
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    m_recent = new RecentSpecifications(RecentSpecifications1, m_prompts,
                                        [this](const QString &path) { openFile(path); }, this);
    connectCommands();
    nameControlsForAccessibility(this);
}

// The buttons and menu items run the window's handlers.
void TBuilder::connectCommands()
{
    connect(BitBtn1, &QToolButton::clicked, this, &TBuilder::BitBtn1Click);
    connect(BitBtn5, &QToolButton::clicked, this, &TBuilder::BitBtn5Click);
    connect(btnBuild, &QToolButton::clicked, this, &TBuilder::btnBuildClick);
    connect(BitBtn3, &QToolButton::clicked, this, &TBuilder::BitBtn3Click);
    connect(btnhelp, &QToolButton::clicked, this, &TBuilder::btnhelpClick);
    const QList<QAction *> pages = pageItems();
    for (int i = 0; i < pages.size(); ++i)
        connect(pages[i], &QAction::triggered, this, [this, i] { showPage(i); });
    connect(New1, &QAction::triggered, this, &TBuilder::New1Click);
    connect(Openspcfile1, &QAction::triggered, this, &TBuilder::Openspcfile1Click);
    connect(Savespcfile1, &QAction::triggered, this, &TBuilder::Savespcfile1Click);
    connect(Exit1, &QAction::triggered, this, &TBuilder::Exit1Click);
    connect(SelectAll1, &QAction::triggered, this, &TBuilder::SelectAll1Click);
    connect(BuildOutput1, &QAction::triggered, this, &TBuilder::BuildOutput1Click);
    connect(SavetoFile1, &QAction::triggered, this, &TBuilder::SavetoFile1Click);
    connect(SaveLazarusPackage1, &QAction::triggered, this, &TBuilder::SaveLazarusPackage1Click);
    connect(CheckSpecification1, &QAction::triggered, this, &TBuilder::CheckSpecification1Click);
    connect(UpdateExistingUnit1, &QAction::triggered, this, &TBuilder::UpdateExistingUnit1Click);
    connect(UnitforgeHelp1, &QAction::triggered, this, &TBuilder::UnitforgeHelp1Click);
    connect(DelphiComponentWritersGuide1, &QAction::triggered, this,
            &TBuilder::DelphiComponentWritersGuide1Click);
    connect(About1, &QAction::triggered, this, &TBuilder::About1Click);

    connect(Print1, &QAction::triggered, this, &TBuilder::Print1Click);
    connect(PrinterSetup1, &QAction::triggered, this, &TBuilder::PrinterSetup1Click);
    connect(UseDefault1, &QAction::triggered, this, &TBuilder::UseDefault1Click);
    connect(Matchfont1, &QAction::triggered, this, &TBuilder::Matchfont1Click);
    connect(Wordwrap1, &QAction::triggered, this, &TBuilder::Wordwrap1Click);
    connectDesktopCommands();
}

// The Class page, shown first, is made with the window; the other pages have
// empty stand-ins under their tabs until ensurePages() makes them, just after
// the window is first painted: made and laid out with the window, they would
// delay its first appearance.
void TBuilder::createPages()
{
    classPage = new ClassPage(m_document, *PathForm, PageControl1);
    PageControl1->addTab(classPage, QStringLiteral("Class"));
    for (const QString &caption : {QStringLiteral("Properties"), QStringLiteral("Methods"),
                                   QStringLiteral("Event Handlers"), QStringLiteral("Message Handlers"),
                                   QStringLiteral("Output"), QStringLiteral("Style")})
        PageControl1->addTab(new QWidget, caption);
    // A tab chosen before then makes them first.
    connect(PageControl1->tabBar(), &QTabBar::tabBarClicked, this, &TBuilder::ensurePages);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TBuilder::ensurePages);
}

void TBuilder::ensurePages()
{
    if (propertiesPage)
        return;
    const PageContext context{m_document, Awk1, m_prompts, *memoform};
    propertiesPage = new PropertiesPage(context, PageControl1);
    methodsPage = new MethodsPage(context, PageControl1);
    eventHandlersPage = new EventHandlersPage(context, PageControl1);
    messageHandlersPage = new MessageHandlersPage(context, PageControl1);
    outputPage = new OutputPage(m_prompts, PageControl1);
    stylePage = new StylePage(PageControl1);

    const int current = PageControl1->currentIndex();
    const QList<QWidget *> pages{propertiesPage, methodsPage, eventHandlersPage,
                                 messageHandlersPage, outputPage, stylePage};
    for (int i = PropertiesPageIndex; i < PageCount; ++i) {
        QWidget *standIn = PageControl1->widget(i);
        const QString caption = PageControl1->tabText(i);
        PageControl1->removeTab(i);
        PageControl1->insertTab(i, pages[i - PropertiesPageIndex], caption);
        delete standIn;
    }
    PageControl1->setCurrentIndex(current);

    registerPendingEntries();
    connect(outputPage->findingsList, &FindingsList::findingActivated, this,
            [this](const Finding &finding) { showFindingEntry(*this, finding); });
    connectOutputPage();
    applyPageSettings();
    nameControlsForAccessibility(this);
}

// Once the window is on the screen: the pages it does not show yet, the
// socket of the hand-over (it loads the network library), and the icon,
// since reading the icon's pictures loads the image plugins.
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
            ensurePages();
            listenForHandedOverFiles();
            setWindowIcon(programIcon());
        });
    }
    return QMainWindow::event(event);
}

// Asked about in this order: property, method, event handler.
void TBuilder::registerPendingEntries()
{
    const QList<QPair<EntryPage *, int>> pages{{propertiesPage, PropertiesPageIndex},
                                              {methodsPage, MethodsPageIndex},
                                              {eventHandlersPage, EventHandlersPageIndex}};
    for (const auto &[page, index] : pages) {
        m_pendingEntries.add({page->entryKind(), index, [page] { return page->pendingName(); },
                              [page] { page->addPendingEntry(); }});
    }
}


void TBuilder::readPalettePagesAndHelpDirectory()
{
    const Registry *registry = m_services.registry;
    if (!registry) {
        m_ownRegistry = std::make_unique<WineRegistry>(
            WineRegistry::fromFile(WineRegistry::currentUserFile()));
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
        std::make_unique<SettingsFile>(SettingsFile::defaultLocations(m_programDirectory));
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

// The settings' part for the Style and Output pages, once they are made.
void TBuilder::applyPageSettings()
{
    if (m_settings) {
        stylePage->setStyle(m_settings->style);
        outputPage->setSyntaxColors(m_settings->syntaxColors);
    }
    outputPage->setLook(m_settings ? m_settings->look : OutputLook{});
    m_settings.reset();
}

void TBuilder::writeSettings()
{
    ensurePages();
    if (m_settingsFile)
        m_settingsFile->write({stylePage->style(), outputPage->look(), Matchfont1->isChecked(),
                               SyntaxColors1->isChecked(), m_recent->files(), saveGeometry()},
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
    if (!m_alreadyRunning)
        ensurePages();
    if (!m_alreadyRunning && !m_closeApproved && m_work->hasUnsavedWork() && !m_work->beforeExit()) {
        event->ignore();
        return;
    }
    m_closeApproved = false;
    if (!m_alreadyRunning)
        writeSettings();
    event->accept();
}

void TBuilder::showPage(int page)
{
    ensurePages();
    if (page >= 0 && page < PageControl1->count())
        PageControl1->setCurrentIndex(page);
}

void TBuilder::setStatusText(const QString &text)
{
    Panel1->setText(text);
    Panel1->repaint();
}

// ---- Exit and New ----------------------------------------------------------

void TBuilder::BitBtn1Click()
{
    exitProgram();
}

void TBuilder::Exit1Click()
{
    exitProgram();
}

void TBuilder::exitProgram()
{
    ensurePages();
    if (m_building || !m_work->beforeExit())
        return;
    m_closeApproved = true;
    close();
}

void TBuilder::New1Click()
{
    ensurePages();
    if (m_building || !m_work->beforeNew())
        return;
    resetSpecification();
}

void TBuilder::resetSpecification()
{
    m_document.reset();
    outputPage->clear();
    m_buildMerge->forget();
}

// ---- Open and Save specification -------------------------------------------

void TBuilder::BitBtn5Click()
{
    openSpecification();
}

void TBuilder::Openspcfile1Click()
{
    openSpecification();
}

void TBuilder::openSpecification()
{
    ensurePages();
    if (m_building || !m_work->beforeOpen())
        return;
    UserPrompts::FileRequest request = specFileRequest(QStringLiteral("Open"));
    if (!m_document.currentFile().isEmpty())
        request.directory = QFileInfo(m_document.currentFile()).absolutePath();
    const QString path = m_prompts.openFileName(request);
    // A cancelled dialog changes nothing.
    if (!path.isEmpty())
        readSpecificationFile(path);
}

// A file that is no specification is refused before anything changes.
bool TBuilder::readSpecificationFile(const QString &path)
{
    ensurePages();
    if (m_building)
        return false;
    SpecDocument::OpenResult result;
    {
        // As during a build: no other command, and no close, runs inside the reading.
        m_building = true;
        const auto done = qScopeGuard([this] { m_building = false; });
        const InputBlocker blocker(this);
        WaitCursor wait;
        result = m_document.open(path, Awk1);
    }
    if (!result.opened) {
        m_prompts.message(UserPrompts::Kind::Error, result.message, UserPrompts::Buttons::Ok);
        return false;
    }
    if (!result.message.isEmpty())
        m_prompts.message(UserPrompts::Kind::Warning, result.message, UserPrompts::Buttons::Ok);
    for (EntryPage *page : QList<EntryPage *>{propertiesPage, methodsPage, eventHandlersPage})
        page->fileOpened();
    showPage(PropertiesPageIndex);
    outputPage->clear();
    m_recent->add(m_document.currentFile());
    m_buildMerge->forget();
    return true;
}

void TBuilder::openFile(const QString &path)
{
    ensurePages();
    if (m_building || !m_work->beforeOpen())
        return;
    readSpecificationFile(path);
}

void TBuilder::Savespcfile1Click()
{
    saveSpecification();
}

UnsavedWork::SaveResult TBuilder::saveSpecification()
{
    ensurePages();
    UserPrompts::FileRequest request = specFileRequest(QStringLiteral("Save As"));
    request.confirmOverwrite = true;
    const QString current = m_document.currentFile();
    const QFileInfo proposed(current.isEmpty() ? proposedSpecificationPath(spec().Filename) : current);
    request.directory = directoryPart(proposed.filePath());
    request.proposedName = fileNamePart(proposed.filePath());
    const QString path = m_prompts.saveFileName(request);
    if (path.isEmpty())
        return UnsavedWork::SaveResult::Cancelled;
    QString error;
    bool saved = false;
    {
        WaitCursor wait;
        saved = m_document.save(path, &error);
    }
    if (!saved) {
        m_prompts.message(UserPrompts::Kind::Error, error, UserPrompts::Buttons::Ok);
        return UnsavedWork::SaveResult::Failed;
    }
    m_recent->add(QFileInfo(path).absoluteFilePath());
    return UnsavedWork::SaveResult::Saved;
}

// ---- Build -----------------------------------------------------------------

void TBuilder::btnBuildClick()
{
    build();
}

void TBuilder::BuildOutput1Click()
{
    build();
}

// With code written into the Output text since the last Build, the new unit
// is merged with it; a No to the question leaves everything as it was.
void TBuilder::build()
{
    ensurePages();
    if (m_building)
        return;
    m_building = true;
    const auto done = qScopeGuard([this] { m_building = false; });

    const ShownTexts before = shownTexts();
    if (!readyToBuild())
        return;
    const QStringList written = outputPage->lines();
    const bool merging = m_buildMerge->hasWrittenCode(written);
    const GeneratedUnit unit = writeUnit(!merging);
    BuildMerge::Output output{unit.lines, false};
    if (merging) {
        const std::optional<BuildMerge::Output> merged = m_buildMerge->merge(unit.lines, written);
        if (!merged)
            return showAgain(before);
        output = *merged;
    }
    const QList<Finding> findings = showBuiltUnit(unit, output.lines);
    setStatusText(builtStatusText(spec().Filename, findings)
                  + (output.keptCode ? QStringLiteral(", written code kept") : QString()));
}

// A build that stops at a question leaves the status line and the unit's
// file name as they were before it began.
TBuilder::ShownTexts TBuilder::shownTexts() const
{
    return {Panel1->text(), outputPage->Panel5->text()};
}

void TBuilder::showAgain(const ShownTexts &texts)
{
    outputPage->Panel5->setText(texts.unitFile);
    setStatusText(texts.status);
}

bool TBuilder::readyToBuild()
{
    outputPage->Panel5->setText(spec().Filename.toLower());
    if (const std::optional<QString> refusal = buildRefusal(spec())) {
        m_prompts.message(UserPrompts::Kind::Error, *refusal, UserPrompts::Buttons::Ok);
        showPage(ClassPageIndex);
        classPage->clname->setFocus();
        return false;
    }
    return m_pendingEntries.ask(m_prompts, [this](int page) { showPage(page); });
}

// The splitter lets window events run while it works; none of the user's
// may start another command before the unit is complete.
GeneratedUnit TBuilder::writeUnit(bool clearOutput)
{
    const InputBlocker blocker(this);
    WaitCursor wait;
    std::unique_ptr<ProfileFile> bodies;
    if (!m_document.currentFile().isEmpty())
        bodies = std::make_unique<ProfileFile>(m_document.currentFile());
    if (clearOutput)
        outputPage->clear();
    setStatusText(buildingStatusText(unitIdentifier(spec().Filename)));
    return generateUnit(spec(), stylePage->style(), Awk1, bodies.get());
}

// lines: the unit, or the unit with written code merged in.
QList<Finding> TBuilder::showBuiltUnit(const GeneratedUnit &unit, const QStringList &lines)
{
    const InputBlocker blocker(this);
    WaitCursor wait;
    m_document.setBuildCounts({int(unit.procedures.size()), int(unit.functions.size())});
    outputPage->setLines(lines);
    m_buildMerge->remember(unit.lines);

    // The check warns and never changes the unit.
    const QList<Finding> findings = checkSpecification(spec(), stylePage->style());
    outputPage->showFindings(findings);

    BitBtn3->setEnabled(true);
    showPage(OutputPageIndex);
    SelectAll1->setEnabled(true);
    return findings;
}

// A build merged into a unit file, shown and saved over the file.
void TBuilder::UpdateExistingUnit1Click()
{
    ensurePages();
    if (m_building)
        return;
    m_building = true;
    const auto done = qScopeGuard([this] { m_building = false; });

    const ShownTexts before = shownTexts();
    if (!readyToBuild())
        return;
    ExistingUnitUpdate update(m_prompts);
    const bool written = m_buildMerge->hasWrittenCode(outputPage->lines()) && outputPage->isUnsaved();
    if (!update.mayReplaceOutput(written) || !update.chooseUnit(spec().Filename, m_winePrefix))
        return showAgain(before);
    const GeneratedUnit unit = writeUnit(false);
    if (!update.merge(unit.lines))
        return showAgain(before);
    showBuiltUnit(unit, update.outputLines());
    if (update.save())
        outputPage->markSaved();
    setStatusText(update.statusText());
}

// The check on its own: the findings show on the Output page, the unit stays as it is.
void TBuilder::CheckSpecification1Click()
{
    ensurePages();
    if (m_building)
        return;
    QList<Finding> findings;
    {
        m_building = true;
        const auto done = qScopeGuard([this] { m_building = false; });
        const InputBlocker blocker(this);
        findings = checkSpecification(spec(), stylePage->style());
    }
    outputPage->showFindings(findings);
    if (!findings.isEmpty())
        showPage(OutputPageIndex);
    setStatusText(checkedStatusText(findings));
}

// A build for Lazarus, whatever the Style page's target, written with its
// icon and package file; the Output page keeps what it shows.
void TBuilder::SaveLazarusPackage1Click()
{
    ensurePages();
    if (m_building)
        return;
    m_building = true;
    const auto done = qScopeGuard([this] { m_building = false; });
    const ShownTexts before = shownTexts();
    if (!readyToBuild())
        return;
    QStringList lines;
    {
        const InputBlocker blocker(this);
        WaitCursor wait;
        std::unique_ptr<ProfileFile> bodies;
        if (!m_document.currentFile().isEmpty())
            bodies = std::make_unique<ProfileFile>(m_document.currentFile());
        Style style = stylePage->style();
        style.target = Target::Lazarus;
        lines = generateUnit(spec(), style, Awk1, bodies.get()).lines;
    }
    const std::optional<QString> status = saveLazarusPackage(spec(), lines, m_prompts);
    showAgain(before);
    if (status)
        setStatusText(*status);
}

// ---- Source file -------------------------------------------------------------

void TBuilder::BitBtn3Click()
{
    saveSourceFile();
}

void TBuilder::SavetoFile1Click()
{
    saveSourceFile();
}

// A declined overwrite lets Exit and New go on; a failed write or a cancelled
// dialog stops them.
UnsavedWork::SaveResult TBuilder::saveSourceFile()
{
    ensurePages();
    const SourceSaveResult result =
        ::saveSourceFile(spec().Filename, outputPage->lines(), m_prompts, m_winePrefix);
    m_document.setFilename(result.unitName);
    switch (result.outcome) {
    case SourceSaveResult::Outcome::Saved:
        outputPage->markSaved();
        return UnsavedWork::SaveResult::Saved;
    case SourceSaveResult::Outcome::Failed:
        return UnsavedWork::SaveResult::Failed;
    case SourceSaveResult::Outcome::Cancelled:
        return UnsavedWork::SaveResult::Cancelled;
    default:
        return UnsavedWork::SaveResult::Declined;
    }
}

void TBuilder::SelectAll1Click()
{
    ensurePages();
    outputPage->SelectAll1Click();
}

// ---- The Output page's commands ------------------------------------------------

void TBuilder::connectOutputPage()
{
    connect(Cut1, &QAction::triggered, outputPage, &OutputPage::Cut1Click);
    connect(Copy1, &QAction::triggered, outputPage, &OutputPage::Copy1Click);
    connect(Paste1, &QAction::triggered, outputPage, &OutputPage::Paste1Click);
    connect(Options1, &QAction::triggered, outputPage, &OutputPage::Options1Click);
    connect(BackgroundColor1, &QAction::triggered, outputPage, &OutputPage::BackgroundColor1Click);
    connect(FontColor1, &QAction::triggered, outputPage, &OutputPage::FontColor1Click);
    connect(outputPage, &OutputPage::commandStatesChanged, this, &TBuilder::updateCommandStates);
    connect(outputPage, &OutputPage::menuCommandRequested, this, &TBuilder::runMenuCommand);
    connect(SyntaxColors1, &QAction::toggled, outputPage, &OutputPage::setSyntaxColors);
    updateCommandStates(outputPage->commandStates());
}

// The Save button is enabled by Build only; an empty text disables it.
void TBuilder::updateCommandStates(const OutputCommandStates &states)
{
    SelectAll1->setEnabled(states.hasText);
    if (!states.hasText)
        BitBtn3->setEnabled(false);
    Cut1->setEnabled(states.hasSelection);
    Copy1->setEnabled(states.hasSelection);
    Paste1->setEnabled(states.canPaste);
    for (QAction *item : {Find1, FindNext1, FindPrevious1, Replace1})
        item->setEnabled(states.hasText);
}

// The Output page's search, which its toolbar reaches by its own buttons, and
// its colouring. The search items show the page first.
void TBuilder::connectDesktopCommands()
{
    connect(Find1, &QAction::triggered, this, [this] {
        showPage(OutputPageIndex);
        outputPage->btnfindClick();
    });
    connect(Replace1, &QAction::triggered, this, [this] {
        showPage(OutputPageIndex);
        outputPage->btnreplaceClick();
    });
    connect(FindNext1, &QAction::triggered, this, [this] {
        showPage(OutputPageIndex);
        outputPage->findAgain(true);
    });
    connect(FindPrevious1, &QAction::triggered, this, [this] {
        showPage(OutputPageIndex);
        outputPage->findAgain(false);
    });
}

// A toolbar button that stands for a menu item does nothing while the item is disabled.
void TBuilder::runMenuCommand(OutputMenuCommand command)
{
    QAction *item = nullptr;
    switch (command) {
    case OutputMenuCommand::Print: item = Print1; break;
    case OutputMenuCommand::Cut: item = Cut1; break;
    case OutputMenuCommand::Copy: item = Copy1; break;
    case OutputMenuCommand::Paste: item = Paste1; break;
    case OutputMenuCommand::Font: item = Options1; break;
    case OutputMenuCommand::BackgroundColor: item = BackgroundColor1; break;
    case OutputMenuCommand::Wordwrap: item = Wordwrap1; break;
    }
    if (item->isEnabled())
        item->trigger();
}

void TBuilder::Print1Click()
{
    ensurePages();
    QStringList lines = outputPage->lines();
    if (lines.last().isEmpty())
        lines.removeLast();
    const bool match = Matchfont1->isChecked();
    const QString where = m_printer->print(lines, match ? outputPage->outputFont() : defaultPrinterFont(),
                                           match ? outputPage->fontColor() : QColor(Qt::black));
    if (!where.isEmpty())
        setStatusText(where);
}

void TBuilder::PrinterSetup1Click()
{
    m_printer->setup(this);
}

// Either item flips both: the chosen one has flipped its own tick already.
void TBuilder::UseDefault1Click()
{
    Matchfont1->setChecked(!UseDefault1->isChecked());
}

void TBuilder::Matchfont1Click()
{
    UseDefault1->setChecked(!Matchfont1->isChecked());
}

// The item is checkable: it has flipped its tick before this runs.
void TBuilder::Wordwrap1Click()
{
    ensurePages();
    outputPage->setWordWrap(Wordwrap1->isChecked());
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

void TBuilder::btnhelpClick()
{
    help().showContents();
}

void TBuilder::UnitforgeHelp1Click()
{
    help().showContents();
}

void TBuilder::DelphiComponentWritersGuide1Click()
{
    const QString problem =
        writersGuideStatusText(startWritersGuide(m_delphiHelpDirectory, m_services.startProgram));
    if (!problem.isEmpty())
        setStatusText(problem);
}

void TBuilder::About1Click()
{
    Aboutform->exec();
}
