#include "app/builder.h"

#include "app/aboutform.h"
#include "app/helpwindow.h"
#include "app/hintrouter.h"
#include "app/inputblocker.h"
#include "app/keypreview.h"
#include "app/outputpage.h"
#include "app/programicon.h"
#include "app/settingsfile.h"
#include "platform/singleinstance.h"
#include "app/sourcefilesaver.h"
#include "app/stylepage.h"
#include "editor/userprompts.h"
#include "app/waitcursor.h"
#include "platform/wineregistry.h"
#include "editor/classpage.h"
#include "editor/eventhandlerspage.h"
#include "editor/methodspage.h"
#include "editor/propertiespage.h"
#include "editor/memoform.h"
#include "editor/controlhints.h"
#include "platform/delphiinstallation.h"
#include "editor/selectpathdialog.h"
#include "generator/unitgenerator.h"
#include "model/unitname.h"
#include "specfile/profilefile.h"
#include "specfile/specfile.h"

#include <QAbstractSpinBox>
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
#include <QToolButton>

namespace {

const QString kSaveSpecQuestion = QStringLiteral("Do you want to save the component specification ?");
const QString kSaveCurrentSpecQuestion =
    QStringLiteral("Do you want to save the current component specifications ?");
const QString kSaveSourceQuestion = QStringLiteral("Do you want to save the source (*.pas) file ?");

UserPrompts::FileRequest specFileRequest(const QString &title)
{
    UserPrompts::FileRequest request;
    request.title = title;
    request.filter = QStringLiteral("Component Specifications (*.spc)");
    request.defaultSuffix = QStringLiteral("spc");
    return request;
}

// The help context of the focused control; the edit part of a combo box or
// spin box counts as the box itself.
int helpContextFor(const QWidget *focused)
{
    for (const QWidget *w = focused; w; w = w->parentWidget()) {
        if (const int context = helpContextOf(w))
            return context;
        const QWidget *parent = w->parentWidget();
        if (!qobject_cast<const QComboBox *>(parent) && !qobject_cast<const QAbstractSpinBox *>(parent))
            break;
    }
    return 0;
}

} // namespace

TBuilder::TBuilder(const BuilderServices &services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_prompts(*services.prompts)
{
    setObjectName(QStringLiteral("Builder"));
    setWindowTitle(QStringLiteral("Unitforge"));
    setWindowIcon(programIcon());
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
    createControls();

    m_hints = new HintRouter(this, Panel1);
    m_instance = std::make_unique<SingleInstance>(services.lockPath);
    if (!m_instance->acquire()) {
        m_prompts.message(UserPrompts::Kind::Information,
                          QStringLiteral("Unitforge is already running."), UserPrompts::Buttons::Ok);
        m_alreadyRunning = true;
        return;
    }
    m_keys = new KeyPreview(this);
    connect(m_keys, &KeyPreview::keyReleased, this, &TBuilder::FormKeyUp);

    m_helpFileName = QStringLiteral("uforge.hlp");
    if (services.help) {
        m_help = services.help;
    } else {
        m_helpWindow = new HelpWindow(this);
        m_help = m_helpWindow;
    }
    const QString windowsDir = QFileInfo(WineRegistry::currentUserFile()).absolutePath()
        + QStringLiteral("/drive_c/windows");
    m_windowsDirectory = QFileInfo(windowsDir).isDir() ? windowsDir : QString();

    readPalettePagesAndHelpDirectory();
    m_programDirectory = services.programDirectory.isEmpty()
        ? QCoreApplication::applicationDirPath() : services.programDirectory;
    if (!m_programDirectory.endsWith(u'/'))
        m_programDirectory += u'/';
    readSettings();
    showPage(ClassPageIndex);

    m_document.setInitialHeader(m_programDirectory + QStringLiteral("unit1.pas"));
}

TBuilder::~TBuilder() = default;

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
    QStringList locations = SettingsFile::defaultLocations();
    locations.first() = m_programDirectory + QStringLiteral("uforge.ini");
    m_settingsFile = std::make_unique<SettingsFile>(locations);
    const std::optional<Settings> settings = m_settingsFile->read(m_prompts);
    if (settings) {
        stylePage->setStyle(settings->style);
        Matchfont1->setChecked(settings->matchFont);
        UseDefault1->setChecked(!settings->matchFont);
    }
    outputPage->setLook(settings ? settings->look : OutputLook{});
}

void TBuilder::writeSettings()
{
    if (m_settingsFile)
        m_settingsFile->write({stylePage->style(), outputPage->look(), Matchfont1->isChecked()},
                              m_prompts);
}

void TBuilder::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Only the window becoming visible counts, not its restoring from an icon.
    if (!event->spontaneous() && !m_alreadyRunning)
        classPage->refillAncestorMembers();
}

void TBuilder::closeEvent(QCloseEvent *event)
{
    if (m_building) {
        event->ignore();
        return;
    }
    if (!m_alreadyRunning)
        writeSettings();
    event->accept();
}

bool TBuilder::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Panel2 && event->type() == QEvent::Resize)
        placeHelpButton();
    return QMainWindow::eventFilter(watched, event);
}

void TBuilder::showPage(int page)
{
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
    if (m_building)
        return;
    if (!m_pendingEntries.ask(m_prompts, [this](int page) { showPage(page); }))
        return;
    if (m_prompts.message(UserPrompts::Kind::Confirm, kSaveSpecQuestion, UserPrompts::Buttons::YesNo)
            == UserPrompts::Answer::Yes
        && saveSpecification() == SaveResult::Failed)
        return;   // the refused write has been reported; the work is still here
    if (!offerToSaveSource())
        return;
    close();
}

void TBuilder::New1Click()
{
    if (m_building)
        return;
    if (!offerToSaveWork(kSaveSpecQuestion))
        return;
    resetSpecification();
}

// The questions that protect unsaved work before New and Open: the
// specification (when it has entries), then the source. False: stop.
bool TBuilder::offerToSaveWork(const QString &specQuestion)
{
    if (m_document.hasEntries()) {
        const auto answer = m_prompts.message(UserPrompts::Kind::Confirm, specQuestion,
                                              UserPrompts::Buttons::YesNoCancel);
        if (answer == UserPrompts::Answer::Cancel)
            return false;
        if (answer == UserPrompts::Answer::Yes && saveSpecification() == SaveResult::Failed)
            return false;
    }
    return offerToSaveSource();
}

// Asked when the Output page holds more than one line. False: stop.
bool TBuilder::offerToSaveSource()
{
    if (outputPage->lineCount() <= 1)
        return true;
    const auto answer = m_prompts.message(UserPrompts::Kind::Confirm, kSaveSourceQuestion,
                                          UserPrompts::Buttons::YesNoCancel);
    if (answer == UserPrompts::Answer::Cancel)
        return false;
    return answer != UserPrompts::Answer::Yes || saveSourceFile() != SaveResult::Failed;
}

void TBuilder::resetSpecification()
{
    m_document.reset();
    outputPage->clear();
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
    if (m_building)
        return;
    if (!offerToSaveWork(kSaveCurrentSpecQuestion))
        return;

    UserPrompts::FileRequest request = specFileRequest(QStringLiteral("Open"));
    if (!m_document.currentFile().isEmpty())
        request.directory = QFileInfo(m_document.currentFile()).absolutePath();
    const QString path = m_prompts.openFileName(request);
    if (!path.isEmpty()) {
        QString warning;
        {
            WaitCursor wait;
            m_document.open(path, Awk1, &warning);
        }
        if (!warning.isEmpty())
            m_prompts.message(UserPrompts::Kind::Warning, warning, UserPrompts::Buttons::Ok);
    }
    for (EntryPage *page : std::initializer_list<EntryPage *>{propertiesPage, methodsPage,
                                                              eventHandlersPage})
        page->fileOpened();
    showPage(PropertiesPageIndex);
    outputPage->clear();
}

void TBuilder::Savespcfile1Click()
{
    saveSpecification();
}

TBuilder::SaveResult TBuilder::saveSpecification()
{
    UserPrompts::FileRequest request = specFileRequest(QStringLiteral("Save As"));
    request.confirmOverwrite = true;
    const QString current = m_document.currentFile();
    const QFileInfo proposed(current.isEmpty() ? proposedSpecificationPath(spec().Filename) : current);
    request.directory = directoryPart(proposed.filePath());
    request.proposedName = fileNamePart(proposed.filePath());
    const QString path = m_prompts.saveFileName(request);
    if (path.isEmpty())
        return SaveResult::Cancelled;
    QString error;
    bool saved = false;
    {
        WaitCursor wait;
        saved = m_document.save(path, &error);
    }
    if (!saved) {
        m_prompts.message(UserPrompts::Kind::Error, error, UserPrompts::Buttons::Ok);
        return SaveResult::Failed;
    }
    return SaveResult::Saved;
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

void TBuilder::build()
{
    if (m_building)
        return;
    m_building = true;
    const auto done = qScopeGuard([this] { m_building = false; });

    outputPage->Panel5->setText(spec().Filename.toLower());
    if (const std::optional<QString> refusal = buildRefusal(spec())) {
        m_prompts.message(UserPrompts::Kind::Error, *refusal, UserPrompts::Buttons::Ok);
        showPage(ClassPageIndex);
        classPage->clname->setFocus();
        return;
    }
    if (!m_pendingEntries.ask(m_prompts, [this](int page) { showPage(page); }))
        return;

    // The splitter lets window events run while it works; none of the user's
    // may start another command before the unit is complete.
    const InputBlocker blocker(this);
    WaitCursor wait;
    std::unique_ptr<ProfileFile> bodies;
    if (!m_document.currentFile().isEmpty())
        bodies = std::make_unique<ProfileFile>(m_document.currentFile());
    outputPage->clear();
    setStatusText(buildingStatusText(unitIdentifier(spec().Filename)));
    const GeneratedUnit unit = generateUnit(spec(), stylePage->style(), Awk1, bodies.get());
    m_document.setBuildCounts({int(unit.procedures.size()), int(unit.functions.size())});
    outputPage->setLines(unit.lines);

    BitBtn3->setEnabled(true);
    showPage(OutputPageIndex);
    setStatusText(builtStatusText(spec().Filename));
    SelectAll1->setEnabled(true);
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

// A declined overwrite lets Exit and New go on; a failed write stops them.
TBuilder::SaveResult TBuilder::saveSourceFile()
{
    const SourceSaveResult result =
        ::saveSourceFile(spec().Filename, outputPage->lines(), m_prompts);
    m_document.setFilename(result.unitName);
    switch (result.outcome) {
    case SourceSaveResult::Outcome::Saved:
        return SaveResult::Saved;
    case SourceSaveResult::Outcome::Failed:
        return SaveResult::Failed;
    default:
        return SaveResult::Cancelled;
    }
}

void TBuilder::SelectAll1Click()
{
    outputPage->Memo1->selectAll();
}

// ---- Keys, help and the about box ------------------------------------------

void TBuilder::FormKeyUp(int key, Qt::KeyboardModifiers modifiers, QWidget *focused)
{
    if (key == Qt::Key_F1) {
        if (const int context = helpContextFor(focused))
            m_help->showTopic(context);
        else
            m_help->showContents();
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

void TBuilder::btnhelpClick()
{
    m_help->showContents();
}

void TBuilder::UnitforgeHelp1Click()
{
    m_help->showContents();
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
