#include "app/outputpage.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/cursorpositionlabel.h"
#include "app/finddialog.h"
#include "app/findingslist.h"
#include "app/outputicons.h"
#include "app/pascalhighlighter.h"
#include "app/picklist.h"
#include "app/replacedialog.h"
#include "app/textcontrolsearch.h"
#include "editor/controlhints.h"
#include "editor/userprompts.h"

namespace {
constexpr int kFontPanelWidth = 94;
constexpr int kSizePanelWidth = 34;
}

OutputPage::OutputPage(UserPrompts &prompts, QWidget *parent)
    : QWidget(parent), m_prompts(prompts)
{
    setObjectName(QStringLiteral("OutputPage"));

    createToolbar();

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAccessibleName(QStringLiteral("Output text"));
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Monospace);
    courier.setPixelSize(13);
    Memo1->setFont(courier);
    setWordWrap(false);
    Memo1->viewport()->setMouseTracking(true);
    Memo1->viewport()->installEventFilter(this);
    m_highlighter = new PascalHighlighter(Memo1->document());
    setColors(m_fontColor, m_background);

    createStatusBar();

    // The findings share the text's room; the user moves the border between them.
    m_textAndFindings = new QSplitter(Qt::Vertical, this);
    m_textAndFindings->setObjectName(QStringLiteral("OutputSplitter"));
    m_textAndFindings->setChildrenCollapsible(false);
    m_textAndFindings->addWidget(Memo1);
    findingsList = new FindingsList(m_textAndFindings);
    m_textAndFindings->addWidget(findingsList);
    m_textAndFindings->setStretchFactor(0, 1);
    m_textAndFindings->setStretchFactor(1, 0);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel3);
    layout->addWidget(m_textAndFindings, 1);
    layout->addWidget(Panel4);

    createPickLists();
    createSearchDialogs();
    updateFontPanels();

    // The commands follow every change of what they depend on.
    connect(Memo1, &QPlainTextEdit::textChanged, this, &OutputPage::updateCommandStates);
    connect(Memo1, &QPlainTextEdit::selectionChanged, this, &OutputPage::updateCommandStates);
    connect(Memo1, &QPlainTextEdit::undoAvailable, this, &OutputPage::updateCommandStates);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &OutputPage::updateCommandStates);
    updateCommandStates();
}

void OutputPage::createToolbar()
{
    Panel3 = new QFrame(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel3->setFixedHeight(30);

    const auto button = [this](const char *name, int left, const QString &hint, OutputTool tool) {
        auto *b = new QToolButton(Panel3);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(left, 2, 25, 25);
        b->setIcon(outputToolIcon(tool));
        b->setAutoRaise(false);
        setHint(b, hint);
        return b;
    };
    btnPrint = button("btnPrint", 138, QStringLiteral("Print"), OutputTool::Print);
    btnfind = button("btnfind", 165, QStringLiteral("Search"), OutputTool::Find);
    btnreplace = button("btnreplace", 189, QStringLiteral("Search and Replace"), OutputTool::Replace);
    btnundo = button("btnundo", 217, QStringLiteral("Undo"), OutputTool::Undo);
    btnErase = button("btnErase", 241, QStringLiteral("Erase"), OutputTool::Erase);
    btncut = button("btncut", 265, QStringLiteral("Cut to Clipboard"), OutputTool::Cut);
    btnCopy = button("btnCopy", 289, QStringLiteral("Copy to Clipboard"), OutputTool::Copy);
    btnPaste = button("btnPaste", 313, QStringLiteral("Paste from Clipboard"), OutputTool::Paste);
    btnfont = button("btnfont", 346, QStringLiteral("Font"), OutputTool::Font);
    btnbrush = button("btnbrush", 370, QStringLiteral("Background color"), OutputTool::Brush);
    btnwordwrap = button("btnwordwrap", 404, QStringLiteral("Wordwrap"), OutputTool::Wordwrap);
    btnwordwrap->setCheckable(true);

    const auto menuCommand = [this](QToolButton *b, OutputMenuCommand command) {
        connect(b, &QToolButton::clicked, this, [this, command] { emit menuCommandRequested(command); });
    };
    menuCommand(btnPrint, OutputMenuCommand::Print);
    menuCommand(btncut, OutputMenuCommand::Cut);
    menuCommand(btnCopy, OutputMenuCommand::Copy);
    menuCommand(btnPaste, OutputMenuCommand::Paste);
    menuCommand(btnfont, OutputMenuCommand::Font);
    menuCommand(btnbrush, OutputMenuCommand::BackgroundColor);
    menuCommand(btnwordwrap, OutputMenuCommand::Wordwrap);
    connect(btnfind, &QToolButton::clicked, this, &OutputPage::btnfindClick);
    connect(btnreplace, &QToolButton::clicked, this, &OutputPage::btnreplaceClick);
    connect(btnundo, &QToolButton::clicked, this, &OutputPage::btnundoClick);
    connect(btnErase, &QToolButton::clicked, this, &OutputPage::btnEraseClick);
}

void OutputPage::createStatusBar()
{
    Panel4 = new QFrame(this);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setFixedHeight(19);
    const auto panel = [this](const char *name) {
        auto *label = new QLabel(Panel4);
        label->setObjectName(QLatin1String(name));
        label->setFrameStyle(QFrame::Panel | QFrame::Raised);
        label->setTextFormat(Qt::PlainText);
        label->setIndent(3);
        return label;
    };
    fontpanel = panel("fontpanel");
    fontpanel->setFixedWidth(kFontPanelWidth);
    fontpanel->installEventFilter(this);
    sizepanel = panel("sizepanel");
    sizepanel->setFixedWidth(kSizePanelWidth);
    sizepanel->installEventFilter(this);
    Panel5 = panel("Panel5");
    Panel5->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel5->setMinimumWidth(1);
    cursorpanel = new CursorPositionLabel(Memo1, Panel5);
    cursorpanel->setObjectName(QStringLiteral("cursorpanel"));
    auto *inPanel5 = new QHBoxLayout(Panel5);
    inPanel5->setContentsMargins(0, 0, 6, 0);
    inPanel5->addStretch(1);
    inPanel5->addWidget(cursorpanel);

    auto *strip = new QHBoxLayout(Panel4);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->setSpacing(0);
    strip->addWidget(fontpanel);
    strip->addWidget(sizepanel);
    strip->addWidget(Panel5, 1);
}

void OutputPage::createPickLists()
{
    fontlistbox = new PickList(QStringLiteral("fontlistbox"), 0, 94, this);
    sizelist = new PickList(QStringLiteral("sizelist"), 92, 36, this);
    connect(fontlistbox, &PickList::picked, this, [this](const QString &name) {
        QFont font = Memo1->font();
        font.setFamily(name);
        setOutputFont(font);
    });
    connect(sizelist, &PickList::picked, this, [this](const QString &size) {
        QFont font = Memo1->font();
        font.setPointSize(size.toInt());
        setOutputFont(font);
    });
}

void OutputPage::createSearchDialogs()
{
    FindDialog1 = new FindDialog(this);
    ReplaceDialog1 = new ReplaceDialog(this);
    connect(FindDialog1, &FindDialog::findNext, this, &OutputPage::FindDialog1Find);
    connect(ReplaceDialog1, &ReplaceDialog::findNext, this, &OutputPage::ReplaceDialog1Find);
    connect(ReplaceDialog1, &ReplaceDialog::replace, this, &OutputPage::ReplaceDialog1Replace);
    connect(ReplaceDialog1, &ReplaceDialog::replaceAll, this, &OutputPage::ReplaceDialog1ReplaceAll);
}

// A unit just built has not been saved yet.
void OutputPage::setLines(const QStringList &lines)
{
    QString text = lines.join(u'\n');
    if (!lines.isEmpty())
        text += u'\n';
    Memo1->setPlainText(text);
    Memo1->document()->setModified(!lines.isEmpty());
}

bool OutputPage::isUnsaved() const
{
    return Memo1->document()->isModified();
}

void OutputPage::markSaved()
{
    Memo1->document()->setModified(false);
}

QStringList OutputPage::lines() const
{
    return typedText(*Memo1).split(u'\n');
}

int OutputPage::lineCount() const
{
    return Memo1->document()->blockCount();
}

void OutputPage::clear()
{
    Memo1->clear();
    findingsList->setFindings({});
}

// A list that appears gets room for its first lines, at most half the text's;
// while it stays, the border stays where the user put it.
void OutputPage::showFindings(const QList<Finding> &findings)
{
    const bool appears = findingsList->isHidden() && !findings.isEmpty();
    findingsList->setFindings(findings);
    if (!appears)
        return;
    // A page out of sight is laid out at its size only when it is shown: do it now.
    if (!isVisible() && parentWidget())
        resize(parentWidget()->size());
    layout()->activate();
    const int room = m_textAndFindings->height() - m_textAndFindings->handleWidth();
    const int list = std::min(findingsList->sizeHint().height(), room / 2);
    m_textAndFindings->setSizes({room - list, list});
}

OutputCommandStates OutputPage::commandStates() const
{
    const QTextDocument *document = Memo1->document();
    const QMimeData *clip = QApplication::clipboard()->mimeData();
    OutputCommandStates states;
    states.hasText = document->blockCount() > 1 || !document->firstBlock().text().isEmpty();
    states.hasSelection = Memo1->textCursor().hasSelection();
    states.canPaste = clip && clip->hasText();
    states.canUndo = document->isUndoAvailable();
    return states;
}

// The page's own buttons follow at once; the window hears of every change.
void OutputPage::updateCommandStates()
{
    const OutputCommandStates states = commandStates();
    for (QWidget *w : {static_cast<QWidget *>(btnPrint), static_cast<QWidget *>(btnfind),
                       static_cast<QWidget *>(btnreplace)})
        w->setEnabled(states.hasText);
    for (QWidget *w : {btncut, btnErase, btnCopy})
        w->setEnabled(states.hasSelection);
    btnPaste->setEnabled(states.canPaste);
    btnundo->setEnabled(states.canUndo);
    if (states == m_states)
        return;
    m_states = states;
    emit commandStatesChanged(states);
}

bool OutputPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Memo1->viewport() && event->type() == QEvent::MouseMove) {
        updateCommandStates();
    } else if (event->type() == QEvent::MouseButtonPress
               && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == fontpanel)
            fontpanelClick();
        else if (watched == sizepanel)
            sizepanelClick();
    }
    return QWidget::eventFilter(watched, event);
}

void OutputPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fontlistbox->hide();
    sizelist->hide();
}

void OutputPage::setUnitFileName(const QString &name)
{
    Panel5->setText(name);
}

QString OutputPage::unitFileName() const
{
    return Panel5->text();
}

// ---- Look --------------------------------------------------------------------

void OutputPage::setWordWrap(bool on)
{
    Memo1->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    btnwordwrap->setChecked(on);
}

void OutputPage::setColors(const QColor &fontColor, const QColor &background)
{
    m_fontColor = fontColor;
    m_background = background;
    m_highlighter->setColors(fontColor, background);
    applyColors();
}

// Coloured, the plain text takes the highlighter's readable text colour;
// plain, exactly the colour chosen.
void OutputPage::applyColors()
{
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Text,
                     m_highlighter->isEnabled() ? m_highlighter->textColor() : m_fontColor);
    palette.setColor(QPalette::Base, m_background);
    // The selection stays visible while a dialog or another control has the focus.
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    Memo1->setPalette(palette);
}

void OutputPage::setSyntaxColors(bool on)
{
    m_highlighter->setEnabled(on);
    applyColors();
}

void OutputPage::setOutputFont(const QFont &font)
{
    Memo1->setFont(font);
    updateFontPanels();
}

QFont OutputPage::outputFont() const
{
    return Memo1->font();
}

void OutputPage::updateFontPanels()
{
    const QFontInfo info(Memo1->font());
    fontpanel->setText(Memo1->font().family());
    sizepanel->setText(QString::number(info.pointSize()));
}

void OutputPage::setLook(const OutputLook &look)
{
    QFont font = Memo1->font();
    QColor fontColor = m_fontColor;
    QColor background = m_background;
    applyLook(look, font, fontColor, background);
    setColors(fontColor, background);
    setOutputFont(font);
}

OutputLook OutputPage::look() const
{
    return lookOf(Memo1->font(), m_fontColor, m_background, logicalDpiY());
}

// ---- Pick lists --------------------------------------------------------------

void OutputPage::popUp(QLabel *panel, PickList *list, const QStringList &entries)
{
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->repaint();
    list->popUp(entries, Panel4);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
}

void OutputPage::fontpanelClick()
{
    QStringList families = QFontDatabase::families();
    families.sort(Qt::CaseInsensitive);
    popUp(fontpanel, fontlistbox, families);
}

void OutputPage::sizepanelClick()
{
    QStringList sizes;
    for (int size = 2; size <= 24; ++size)
        sizes.append(QString::number(size));
    popUp(sizepanel, sizelist, sizes);
}

// ---- Editing -----------------------------------------------------------------

void OutputPage::Cut1Click()
{
    Memo1->cut();
}

void OutputPage::Copy1Click()
{
    Memo1->copy();
}

void OutputPage::Paste1Click()
{
    Memo1->paste();
}

void OutputPage::SelectAll1Click()
{
    Memo1->selectAll();
}

void OutputPage::btnEraseClick()
{
    Memo1->textCursor().removeSelectedText();
}

void OutputPage::btnundoClick()
{
    Memo1->undo();
}

// ---- Find and replace --------------------------------------------------------

void OutputPage::btnfindClick()
{
    FindDialog1->show();
    FindDialog1->raise();
    FindDialog1->activateWindow();
    FindDialog1->focusFindText();
}

void OutputPage::btnreplaceClick()
{
    ReplaceDialog1->show();
    ReplaceDialog1->raise();
    ReplaceDialog1->activateWindow();
    ReplaceDialog1->focusFindText();
}

// Closing the box activates the main window, where a further Enter would
// replace the selected text; the dialog takes the focus back instead.
void OutputPage::reportNotFound(QWidget *dialog)
{
    m_prompts.message(UserPrompts::Kind::Information, QStringLiteral("Not found"),
                      UserPrompts::Buttons::Ok);
    if (dialog->isVisible()) {
        dialog->raise();
        dialog->activateWindow();
    }
}

void OutputPage::FindDialog1Find()
{
    const QString pattern = FindDialog1->findText();
    if (!pattern.isEmpty() && !findAndSelect(*Memo1, pattern, FindDialog1->options()))
        reportNotFound(FindDialog1);
}

void OutputPage::findAgain(bool down)
{
    const QString pattern = FindDialog1->findText();
    if (pattern.isEmpty()) {
        btnfindClick();
        return;
    }
    SearchOptions options = FindDialog1->options();
    options.down = down;
    if (!findAndSelect(*Memo1, pattern, options))
        reportNotFound(FindDialog1);
}

void OutputPage::ReplaceDialog1Find()
{
    const QString pattern = ReplaceDialog1->findText();
    if (!pattern.isEmpty() && !findAndSelect(*Memo1, pattern, ReplaceDialog1->options()))
        reportNotFound(ReplaceDialog1);
}

void OutputPage::ReplaceDialog1Replace()
{
    replaceNext(*Memo1, ReplaceDialog1->findText(), ReplaceDialog1->replaceText(),
                ReplaceDialog1->options());
}

void OutputPage::ReplaceDialog1ReplaceAll()
{
    replaceAll(*Memo1, ReplaceDialog1->findText(), ReplaceDialog1->replaceText(),
               ReplaceDialog1->options());
    ReplaceDialog1->close();
}

// ---- Font and colour ---------------------------------------------------------

void OutputPage::Options1Click()
{
    if (const std::optional<QFont> font = m_prompts.chooseFont(Memo1->font()))
        setOutputFont(*font);
}

void OutputPage::BackgroundColor1Click()
{
    if (const std::optional<QColor> color = m_prompts.chooseColor(m_background))
        setColors(m_fontColor, *color);
}

// The font dialog has no colour of its own: the text colour has its own command.
void OutputPage::FontColor1Click()
{
    if (const std::optional<QColor> color = m_prompts.chooseColor(m_fontColor))
        setColors(*color, m_background);
}
