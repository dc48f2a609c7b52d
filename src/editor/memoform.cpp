#include "editor/memoform.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

Tmemoform::Tmemoform(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("memoform"));
    setWindowTitle(QStringLiteral("Source Code Comments"));
    QFont bold(QStringLiteral("MS Sans Serif"));
    bold.setBold(true);
    setFont(bold);

    Label1 = new QLabel(QStringLiteral("Enter a comment to be included in the source file."), this);
    Label1->setObjectName(QStringLiteral("Label1"));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setBold(true);
    Memo1->setFont(courier);
    Memo1->setTabChangesFocus(true);
    Label1->setBuddy(Memo1);
    connect(Memo1->document(), &QTextDocument::contentsChange, this, &Tmemoform::noteChange);
    connect(Memo1, &QPlainTextEdit::textChanged, this, &Tmemoform::keepWithinLimit);

    Button1 = new QPushButton(QStringLiteral("&Ok"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("&Cancel"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);   // Esc rejects too

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Memo1, 1);
    layout->addLayout(buttons);
    resize(420, 220);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

// Not toPlainText(): it turns no-break spaces into spaces.
QString Tmemoform::text() const
{
    QString text = Memo1->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

void Tmemoform::setText(const QString &text)
{
    m_settingText = true;
    Memo1->setPlainText(text);
    m_settingText = false;
    m_length = Memo1->document()->characterCount() - 1;
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
    const int length = Memo1->document()->characterCount() - 1;
    const int allowed = std::max(kMaxLength, m_length);
    if (m_settingText || length <= allowed || m_insertedEnd < 0) {
        m_length = length;
        return;
    }
    const QString text = Memo1->document()->toRawText();
    int end = std::min(m_insertedEnd, length);
    int begin = std::max(0, end - (length - allowed));
    // A character outside the Basic Multilingual Plane is never cut in half.
    if (begin > 0 && begin < text.size() && text.at(begin).isLowSurrogate())
        --begin;
    m_settingText = true;
    QTextCursor cut(Memo1->document());
    cut.joinPreviousEditBlock();   // one undo step with the typing
    cut.setPosition(begin);
    cut.setPosition(end, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
    cut.endEditBlock();
    m_settingText = false;
    m_length = Memo1->document()->characterCount() - 1;
}
