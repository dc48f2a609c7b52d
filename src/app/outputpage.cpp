#include "app/outputpage.h"

#include <QAction>
#include <QActionGroup>
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
#include <QPrinterInfo>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/finddialog.h"
#include "app/outputicons.h"
#include "app/picklist.h"
#include "app/replacedialog.h"
#include "editor/controlhints.h"

namespace {
constexpr int kFontPanelWidth = 94;
constexpr int kSizePanelWidth = 34;
}

OutputPage::OutputPage(UserPrompts &prompts, QWidget *parent)
    : QWidget(parent), m_prompts(prompts)
{
    setObjectName(QStringLiteral("OutputPage"));
    m_hasPrinter = [] { return !QPrinterInfo::availablePrinterNames().isEmpty(); };

    createToolbar();

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Monospace);
    courier.setPixelSize(13);
    Memo1->setFont(courier);
    setWordWrap(false);
    Memo1->viewport()->setMouseTracking(true);
    Memo1->viewport()->installEventFilter(this);
    setColors(m_fontColor, m_background);

    createStatusBar();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel3);
    layout->addWidget(Memo1, 1);
    layout->addWidget(Panel4);

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

    FindDialog1 = new FindDialog(this);
    ReplaceDialog1 = new ReplaceDialog(this);
    connect(FindDialog1, &FindDialog::findNext, this, &OutputPage::FindDialog1Find);
    connect(ReplaceDialog1, &ReplaceDialog::findNext, this, &OutputPage::ReplaceDialog1Find);
    connect(ReplaceDialog1, &ReplaceDialog::replace, this, &OutputPage::ReplaceDialog1Replace);
    connect(ReplaceDialog1, &ReplaceDialog::replaceAll, this, &OutputPage::ReplaceDialog1ReplaceAll);

    updateFontPanels();
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

    connect(btnPrint, &QToolButton::clicked, this, [this] { runItem(m_menu.Print1, &OutputPage::Print1Click); });
    connect(btnfind, &QToolButton::clicked, this, &OutputPage::btnfindClick);
    connect(btnreplace, &QToolButton::clicked, this, &OutputPage::btnreplaceClick);
    connect(btnundo, &QToolButton::clicked, this, &OutputPage::btnundoClick);
    connect(btnErase, &QToolButton::clicked, this, &OutputPage::btnEraseClick);
    connect(btncut, &QToolButton::clicked, this, [this] { runItem(m_menu.Cut1, &OutputPage::Cut1Click); });
    connect(btnCopy, &QToolButton::clicked, this, [this] { runItem(m_menu.Copy1, &OutputPage::Copy1Click); });
    connect(btnPaste, &QToolButton::clicked, this, [this] { runItem(m_menu.Paste1, &OutputPage::Paste1Click); });
    connect(btnfont, &QToolButton::clicked, this, [this] { runItem(m_menu.Options1, &OutputPage::Options1Click); });
    connect(btnbrush, &QToolButton::clicked, this,
            [this] { runItem(m_menu.BackgroundColor1, &OutputPage::BackgroundColor1Click); });
    connect(btnwordwrap, &QToolButton::clicked, this, &OutputPage::btnwordwrapClick);
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

    auto *strip = new QHBoxLayout(Panel4);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->setSpacing(0);
    strip->addWidget(fontpanel);
    strip->addWidget(sizepanel);
    strip->addWidget(Panel5, 1);
}

void OutputPage::connectMenu(const OutputMenu &menu)
{
    m_menu = menu;
    connect(menu.Cut1, &QAction::triggered, this, &OutputPage::Cut1Click);
    connect(menu.Copy1, &QAction::triggered, this, &OutputPage::Copy1Click);
    connect(menu.Paste1, &QAction::triggered, this, &OutputPage::Paste1Click);
    connect(menu.Print1, &QAction::triggered, this, &OutputPage::Print1Click);
    connect(menu.PrinterSetup1, &QAction::triggered, this, &OutputPage::PrinterSetup1Click);
    connect(menu.UseDefault1, &QAction::triggered, this, &OutputPage::UseDefault1Click);
    connect(menu.Matchfont1, &QAction::triggered, this, &OutputPage::Matchfont1Click);
    connect(menu.Wordwrap1, &QAction::triggered, this, &OutputPage::Wordwrap1Click);
    connect(menu.BackgroundColor1, &QAction::triggered, this, &OutputPage::BackgroundColor1Click);
    connect(menu.Options1, &QAction::triggered, this, &OutputPage::Options1Click);
    // Choosing the ticked printer-font item ticks the other one, which an
    // exclusive group would refuse.
    if (QActionGroup *group = menu.UseDefault1->actionGroup())
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction *item : {menu.Print1, menu.PrinterSetup1, menu.UseDefault1, menu.Matchfont1,
                          menu.Wordwrap1, menu.BackgroundColor1, menu.Options1})
        item->setEnabled(true);
    menu.Wordwrap1->setChecked(Memo1->lineWrapMode() != QPlainTextEdit::NoWrap);
}

void OutputPage::runItem(QAction *item, void (OutputPage::*handler)())
{
    if (!item)
        (this->*handler)();
    else if (item->isEnabled())
        item->trigger();
}

void OutputPage::setLines(const QStringList &lines)
{
    QString text = lines.join(u'\n');
    if (!lines.isEmpty())
        text += u'\n';
    Memo1->setPlainText(text);
}

// Not toPlainText(): it also turns no-break spaces into spaces, and Save,
// Print and the search must see the characters as they were typed.
QString OutputPage::text() const
{
    QString text = Memo1->document()->toRawText();
    for (QChar &c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    return text;
}

QStringList OutputPage::lines() const
{
    return text().split(u'\n');
}

int OutputPage::lineCount() const
{
    return Memo1->document()->blockCount();
}

void OutputPage::clear()
{
    Memo1->clear();
}

void OutputPage::updateCommandStates()
{
    const QTextDocument *document = Memo1->document();
    const bool hasText = document->blockCount() > 1 || !document->firstBlock().text().isEmpty();
    const bool hasSelection = Memo1->textCursor().hasSelection();
    const QMimeData *clip = QApplication::clipboard()->mimeData();
    const bool clipboardText = clip && clip->hasText();

    for (QWidget *w : {static_cast<QWidget *>(btnPrint), static_cast<QWidget *>(btnfind),
                       static_cast<QWidget *>(btnreplace)})
        w->setEnabled(hasText);
    if (m_menu.SelectAll1)
        m_menu.SelectAll1->setEnabled(hasText);
    if (!hasText && m_menu.saveButton)
        m_menu.saveButton->setEnabled(false);
    for (QWidget *w : {btncut, btnErase, btnCopy})
        w->setEnabled(hasSelection);
    for (QAction *a : {m_menu.Cut1, m_menu.Copy1})
        if (a)
            a->setEnabled(hasSelection);
    btnPaste->setEnabled(clipboardText);
    if (m_menu.Paste1)
        m_menu.Paste1->setEnabled(clipboardText);
    btnundo->setEnabled(document->isUndoAvailable());
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
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Text, fontColor);
    palette.setColor(QPalette::Base, background);
    // The selection stays visible while a dialog or another control has the focus.
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    Memo1->setPalette(palette);
}

void OutputPage::setOutputFont(const QFont &font)
{
    Memo1->setFont(font);
    updateFontPanels();
}

QColor OutputPage::fontColor() const
{
    return m_fontColor;
}

QColor OutputPage::backgroundColor() const
{
    return m_background;
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
