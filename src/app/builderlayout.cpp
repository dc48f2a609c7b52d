// The main window's controls and menus, made once when the window is created.
#include "app/builder.h"

#include "app/outputpage.h"
#include "app/stylepage.h"
#include "editor/classpage.h"
#include "editor/controlhints.h"
#include "editor/eventhandlerspage.h"
#include "editor/messagehandlerspage.h"
#include "editor/methodspage.h"
#include "editor/propertiespage.h"
#include "editor/selectpathdialog.h"

#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kButtonWidth = 49;
constexpr int kButtonHeight = 43;
constexpr int kButtonBarHeight = 49;
constexpr int kStatusLineHeight = 25;

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

QAction *menuItem(QMenu *menu, const QString &caption, const char *name)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

void TBuilder::createControls()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("TBuilderClient"));
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);

    createButtonBar();
    layout->addWidget(Panel2);

    PageControl1 = new QTabWidget(central);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    // Narrower tab padding, so all seven tabs fit the window's initial width.
    auto *tabStyle = new CompactTabStyle;
    tabStyle->setParent(PageControl1->tabBar());
    PageControl1->tabBar()->setStyle(tabStyle);
    layout->addWidget(PageControl1, 1);
    createPages();

    Panel1 = new QLabel(central);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(kStatusLineHeight);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);
    Panel1->setIndent(4);
    Panel1->setTextFormat(Qt::PlainText);
    Panel1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Panel1->setMinimumWidth(1);
    QFont bold = Panel1->font();
    bold.setBold(true);
    Panel1->setFont(bold);
    layout->addWidget(Panel1);

    createMenus();
}

void TBuilder::createButtonBar()
{
    Panel2 = new QFrame(centralWidget());
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(kButtonBarHeight);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->installEventFilter(this);   // keeps the Help button at the right edge

    auto button = [this](const QString &caption, const QString &hint, QStyle::StandardPixmap glyph,
                         const char *name, int left) {
        auto *b = new QToolButton(Panel2);
        b->setObjectName(QLatin1String(name));
        b->setText(caption);
        b->setIcon(style()->standardIcon(glyph));
        b->setIconSize(QSize(20, 20));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setFocusPolicy(Qt::StrongFocus);
        b->setAutoRaise(false);
        b->setGeometry(left, (kButtonBarHeight - kButtonHeight) / 2, kButtonWidth, kButtonHeight);
        setHint(b, hint);
        return b;
    };
    BitBtn1 = button(QStringLiteral("E&xit"), QStringLiteral("|Quit Unitforge"),
                     QStyle::SP_DialogCloseButton, "BitBtn1", 5);
    BitBtn5 = button(QStringLiteral("&Open"), QStringLiteral("Open *.spc file"),
                     QStyle::SP_DialogOpenButton, "BitBtn5", 54);
    btnBuild = button(QStringLiteral("&Build"), QStringLiteral("Build the source output"),
                      QStyle::SP_MediaPlay, "btnBuild", 103);
    BitBtn3 = button(QStringLiteral("&Save"), QStringLiteral("Save to a .pas file"),
                     QStyle::SP_DialogSaveButton, "BitBtn3", 152);
    BitBtn3->setEnabled(false);
    btnhelp = button(QStringLiteral("&Help"), QStringLiteral("Unitforge Help"),
                     QStyle::SP_DialogHelpButton, "btnhelp", 0);
    placeHelpButton();
    // Alt+B and Alt+H belong to the "&Build" and "&Help" menus, which win over
    // a button with the same mnemonic; Qt would treat the pair as ambiguous.
    btnBuild->setShortcut(QKeySequence());
    btnhelp->setShortcut(QKeySequence());

    connect(BitBtn1, &QToolButton::clicked, this, &TBuilder::BitBtn1Click);
    connect(BitBtn5, &QToolButton::clicked, this, &TBuilder::BitBtn5Click);
    connect(btnBuild, &QToolButton::clicked, this, &TBuilder::btnBuildClick);
    connect(BitBtn3, &QToolButton::clicked, this, &TBuilder::BitBtn3Click);
    connect(btnhelp, &QToolButton::clicked, this, &TBuilder::btnhelpClick);
}

void TBuilder::placeHelpButton()
{
    btnhelp->move(Panel2->width() - btnhelp->width() - 1, btnhelp->y());
}

void TBuilder::createPages()
{
    const PageContext context{m_document, Awk1, m_prompts, *memoform};
    classPage = new ClassPage(m_document, *PathForm, PageControl1);
    propertiesPage = new PropertiesPage(context, PageControl1);
    methodsPage = new MethodsPage(context, PageControl1);
    eventHandlersPage = new EventHandlersPage(context, PageControl1);
    messageHandlersPage = new MessageHandlersPage(context, PageControl1);
    outputPage = new OutputPage(m_prompts, PageControl1);
    stylePage = new StylePage(PageControl1);

    PageControl1->addTab(classPage, QStringLiteral("Class"));
    PageControl1->addTab(propertiesPage, QStringLiteral("Properties"));
    PageControl1->addTab(methodsPage, QStringLiteral("Methods"));
    PageControl1->addTab(eventHandlersPage, QStringLiteral("Event Handlers"));
    PageControl1->addTab(messageHandlersPage, QStringLiteral("Message Handlers"));
    PageControl1->addTab(outputPage, QStringLiteral("Output"));
    PageControl1->addTab(stylePage, QStringLiteral("Style"));
    registerPendingEntries();
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

void TBuilder::createMenus()
{
    QMenuBar *MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

    QMenu *file = MainMenu1->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    New1 = menuItem(file, QStringLiteral("&New"), "New1");
    file->addSeparator();
    Openspcfile1 = menuItem(file, QStringLiteral("&Open *.spc file"), "Openspcfile1");
    Savespcfile1 = menuItem(file, QStringLiteral("Sa&ve *.spc file"), "Savespcfile1");
    file->addSeparator();
    Print1 = menuItem(file, QStringLiteral("&Print"), "Print1");
    PrinterSetup1 = menuItem(file, QStringLiteral("Printer &Setup..."), "PrinterSetup1");
    file->addSeparator();
    Exit1 = menuItem(file, QStringLiteral("E&xit"), "Exit1");

    QMenu *edit = MainMenu1->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("Edit1"));
    Cut1 = menuItem(edit, QStringLiteral("C&ut"), "Cut1");
    Cut1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    Copy1 = menuItem(edit, QStringLiteral("&Copy"), "Copy1");
    Copy1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    Paste1 = menuItem(edit, QStringLiteral("&Paste"), "Paste1");
    Paste1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    SelectAll1 = menuItem(edit, QStringLiteral("Select &All"), "SelectAll1");
    for (QAction *a : {Cut1, Copy1, Paste1, SelectAll1})
        a->setEnabled(false);
    edit->addSeparator();
    Preferences1 = edit->addMenu(QStringLiteral("P&references"));
    Preferences1->setObjectName(QStringLiteral("Preferences1"));
    Printerfont = Preferences1->addMenu(QStringLiteral("&Printer font"));
    Printerfont->setObjectName(QStringLiteral("Printerfont"));
    UseDefault1 = menuItem(Printerfont, QStringLiteral("&Use Default Font"), "UseDefault1");
    Matchfont1 = menuItem(Printerfont, QStringLiteral("&Match Output Window Font"), "Matchfont1");
    // Choosing the ticked item ticks the other one, which an exclusive group would refuse.
    for (QAction *a : {UseDefault1, Matchfont1})
        a->setCheckable(true);
    Matchfont1->setChecked(true);
    Preferences1->addSeparator();
    Wordwrap1 = menuItem(Preferences1, QStringLiteral("&Wordwrap"), "Wordwrap1");
    Wordwrap1->setCheckable(true);
    BackgroundColor1 = menuItem(Preferences1, QStringLiteral("&Background Color..."), "BackgroundColor1");
    Options1 = menuItem(Preferences1, QStringLiteral("&Font..."), "Options1");

    QMenu *page = MainMenu1->addMenu(QStringLiteral("&Page"));
    page->setObjectName(QStringLiteral("Page1"));
    Class1 = menuItem(page, QStringLiteral("&Class"), "Class1");
    Properties1 = menuItem(page, QStringLiteral("&Properties"), "Properties1");
    Methods1 = menuItem(page, QStringLiteral("&Methods"), "Methods1");
    EventHandlers1 = menuItem(page, QStringLiteral("&Event Handlers"), "EventHandlers1");
    MessageHandlers1 = menuItem(page, QStringLiteral("Message &Handlers"), "MessageHandlers1");
    Output1 = menuItem(page, QStringLiteral("&Output"), "Output1");
    Style1 = menuItem(page, QStringLiteral("&Style"), "Style1");
    const QList<QAction *> pageItems{Class1, Properties1, Methods1, EventHandlers1,
                                     MessageHandlers1, Output1, Style1};
    for (int i = 0; i < pageItems.size(); ++i)
        connect(pageItems[i], &QAction::triggered, this, [this, i] { showPage(i); });

    QMenu *build = MainMenu1->addMenu(QStringLiteral("&Build"));
    build->setObjectName(QStringLiteral("Build1"));
    BuildOutput1 = menuItem(build, QStringLiteral("B&uild Source Output"), "BuildOutput1");
    SavetoFile1 = menuItem(build, QStringLiteral("&Save .pas File"), "SavetoFile1");

    QMenu *help = MainMenu1->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    UnitforgeHelp1 = menuItem(help, QStringLiteral("&Unitforge Help"), "UnitforgeHelp1");
    DelphiComponentWritersGuide1 = menuItem(help, QStringLiteral("&Delphi Component Writers' Guide"),
                                            "DelphiComponentWritersGuide1");
    help->addSeparator();
    About1 = menuItem(help, QStringLiteral("&About"), "About1");

    connect(New1, &QAction::triggered, this, &TBuilder::New1Click);
    connect(Openspcfile1, &QAction::triggered, this, &TBuilder::Openspcfile1Click);
    connect(Savespcfile1, &QAction::triggered, this, &TBuilder::Savespcfile1Click);
    connect(Exit1, &QAction::triggered, this, &TBuilder::Exit1Click);
    connect(SelectAll1, &QAction::triggered, this, &TBuilder::SelectAll1Click);
    connect(BuildOutput1, &QAction::triggered, this, &TBuilder::BuildOutput1Click);
    connect(SavetoFile1, &QAction::triggered, this, &TBuilder::SavetoFile1Click);
    connect(UnitforgeHelp1, &QAction::triggered, this, &TBuilder::UnitforgeHelp1Click);
    connect(DelphiComponentWritersGuide1, &QAction::triggered, this,
            &TBuilder::DelphiComponentWritersGuide1Click);
    connect(About1, &QAction::triggered, this, &TBuilder::About1Click);

    connect(Print1, &QAction::triggered, this, &TBuilder::Print1Click);
    connect(PrinterSetup1, &QAction::triggered, this, &TBuilder::PrinterSetup1Click);
    connect(UseDefault1, &QAction::triggered, this, &TBuilder::UseDefault1Click);
    connect(Matchfont1, &QAction::triggered, this, &TBuilder::Matchfont1Click);
    connect(Wordwrap1, &QAction::triggered, this, &TBuilder::Wordwrap1Click);
    connectOutputPage();
}
