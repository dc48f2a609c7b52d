#include "editor/memoform.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

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

QString Tmemoform::text() const
{
    return Memo1->toPlainText();
}

void Tmemoform::setText(const QString &text)
{
    Memo1->setPlainText(text);
}

void Tmemoform::clear()
{
    Memo1->clear();
}

// QPlainTextEdit has no length limit of its own; typing or pasting past it is cut.
void Tmemoform::keepWithinLimit()
{
    const QString text = Memo1->toPlainText();
    if (text.size() <= kMaxLength)
        return;
    QTextCursor cursor = Memo1->textCursor();
    const int position = std::min(cursor.position(), kMaxLength);

    // A character outside the Basic Multilingual Plane is never cut in half.
    const int keep = text.at(kMaxLength - 1).isHighSurrogate() ? kMaxLength - 1 : kMaxLength;
    const QSignalBlocker block(Memo1);
    Memo1->setPlainText(text.left(keep));
    cursor = Memo1->textCursor();
    cursor.setPosition(position);
    Memo1->setTextCursor(cursor);
}
