#include "app/outputpage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>

OutputPage::OutputPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("OutputPage"));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Monospace);
    courier.setPixelSize(13);
    Memo1->setFont(courier);

    Panel5 = new QLabel(this);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel5->setTextFormat(Qt::PlainText);
    Panel5->setMinimumWidth(1);

    m_strip = new QHBoxLayout;
    m_strip->setContentsMargins(0, 0, 0, 0);
    m_strip->setSpacing(2);
    m_strip->addWidget(Panel5, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(Memo1, 1);
    layout->addLayout(m_strip);
}

void OutputPage::setLines(const QStringList &lines)
{
    QString text = lines.join(u'\n');
    if (!lines.isEmpty())
        text += u'\n';
    Memo1->setPlainText(text);
}

QStringList OutputPage::lines() const
{
    return Memo1->toPlainText().split(u'\n');
}

int OutputPage::lineCount() const
{
    return Memo1->document()->blockCount();
}

void OutputPage::clear()
{
    Memo1->clear();
}
