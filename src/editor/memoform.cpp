#include "editor/memoform.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

Tmemoform::Tmemoform(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_document(new QTextDocument(this))
{
    setObjectName(QStringLiteral("memoform"));
    setWindowTitle(QStringLiteral("Source Code Comments"));
    connect(m_document, &QTextDocument::contentsChange, this, &Tmemoform::noteChange);
}

void Tmemoform::createControls()
{
    if (m_memo)
        return;
    QFont bold(QStringLiteral("MS Sans Serif"));
    bold.setBold(true);
    setFont(bold);

    m_label = new QLabel(QStringLiteral("Enter a comment to be included in the source file."), this);
    m_label->setObjectName(QStringLiteral("Label1"));

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    // Laid out only now: laying out a text looks up its typeface.
    m_document->setDocumentLayout(new QPlainTextDocumentLayout(m_document));
    m_memo->setDocument(m_document);
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setBold(true);
    m_memo->setFont(courier);
    m_memo->setTabChangesFocus(true);
    m_label->setBuddy(m_memo);
    // The window names its text controls after their labels when it is made,
    // before these exist: named here as that would.
    m_memo->setAccessibleName(QStringLiteral("Enter a comment to be included in the source file"));
    connect(m_memo, &QPlainTextEdit::textChanged, this, &Tmemoform::keepWithinLimit);

    m_ok = new QPushButton(QStringLiteral("&Ok"), this);
    m_ok->setObjectName(QStringLiteral("Button1"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Button2"));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);   // Esc rejects too

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_memo, 1);
    layout->addLayout(buttons);
    resize(420, 220);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Tmemoform::setVisible(bool visible)
{
    // The text control takes the focus at every opening, not only the first:
    // the dialog would otherwise give it back to the button that closed it.
    if (visible) {
        createControls();
        m_memo->setFocus();
    }
    QDialog::setVisible(visible);
}

QPlainTextEdit *Tmemoform::Memo1()
{
    createControls();
    return m_memo;
}

QLabel *Tmemoform::Label1()
{
    createControls();
    return m_label;
}

QPushButton *Tmemoform::Button1()
{
    createControls();
    return m_ok;
}

QPushButton *Tmemoform::Button2()
{
    createControls();
    return m_cancel;
}

// Not toPlainText(): it turns no-break spaces into spaces.
QString Tmemoform::text() const
{
    QString text = m_document->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

void Tmemoform::setText(const QString &text)
{
    m_settingText = true;
    if (m_memo)
        m_memo->setPlainText(text);   // the cursor goes to the start as well
    else
        m_document->setPlainText(text);
    m_settingText = false;
    m_length = m_document->characterCount() - 1;
}

void Tmemoform::clear()
{
    setText(QString());
}

void Tmemoform::noteChange(int position, int /*removed*/, int added)
{
    m_insertedEnd = position + added;
}

// QPlainTextEdit has no length limit of its own. What the user types or
// pastes past the limit is taken off the end of the inserted text, as an
// edit control refuses it; a longer text set by the program may shrink but
// not grow.
void Tmemoform::keepWithinLimit()
{
    const int length = m_document->characterCount() - 1;
    const int allowed = std::max(kMaxLength, m_length);
    if (m_settingText || length <= allowed || m_insertedEnd < 0) {
        m_length = length;
        return;
    }
    const QString text = m_document->toRawText();
    int end = std::min(m_insertedEnd, length);
    int begin = std::max(0, end - (length - allowed));
    // A character outside the Basic Multilingual Plane is never cut in half.
    if (begin > 0 && begin < text.size() && text.at(begin).isLowSurrogate())
        --begin;
    m_settingText = true;
    QTextCursor cut(m_document);
    cut.joinPreviousEditBlock();   // one undo step with the typing
    cut.setPosition(begin);
    cut.setPosition(end, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
    cut.endEditBlock();
    m_settingText = false;
    m_length = m_document->characterCount() - 1;
}
