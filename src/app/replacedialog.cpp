#include "app/replacedialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

ReplaceDialog::ReplaceDialog(QWidget *parent)
    : QDialog(parent),
      m_findEdit(new QLineEdit(this)),
      m_replaceEdit(new QLineEdit(this)),
      m_matchCase(new QCheckBox(tr("Match &case"), this)),
      m_wholeWord(new QCheckBox(tr("Match &whole word only"), this)),
      m_findNextButton(new QPushButton(tr("&Find Next"), this)),
      m_replaceButton(new QPushButton(tr("&Replace"), this)),
      m_replaceAllButton(new QPushButton(tr("Replace &All"), this))
{
    setObjectName(QStringLiteral("ReplaceDialog1"));
    setWindowTitle(tr("Replace"));
    setModal(false);
    m_findEdit->setObjectName(QStringLiteral("findedit"));
    m_replaceEdit->setObjectName(QStringLiteral("replaceedit"));
    m_matchCase->setObjectName(QStringLiteral("matchcase"));
    m_wholeWord->setObjectName(QStringLiteral("wholeword"));
    m_findNextButton->setObjectName(QStringLiteral("findnextbutton"));
    m_replaceButton->setObjectName(QStringLiteral("replacebutton"));
    m_replaceAllButton->setObjectName(QStringLiteral("replaceallbutton"));

    auto *fields = new QGridLayout;
    auto *findLabel = new QLabel(tr("Fi&nd what:"), this);
    findLabel->setBuddy(m_findEdit);
    auto *replaceLabel = new QLabel(tr("Re&place with:"), this);
    replaceLabel->setBuddy(m_replaceEdit);
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(m_findEdit, 0, 1);
    fields->addWidget(replaceLabel, 1, 0);
    fields->addWidget(m_replaceEdit, 1, 1);

    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addSpacing(8);
    left->addWidget(m_wholeWord);
    left->addWidget(m_matchCase);
    left->addStretch();

    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelbutton"));
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_findNextButton);
    buttons->addWidget(m_replaceButton);
    buttons->addWidget(m_replaceAllButton);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(buttons);

    // Enter does Find Next whichever button has the focus or was used last:
    // no button becomes the default by taking the focus.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);
    m_findNextButton->setDefault(true);
    const auto updateButtons = [this] {
        const bool any = !m_findEdit->text().isEmpty();
        m_findNextButton->setEnabled(any);
        m_replaceButton->setEnabled(any);
        m_replaceAllButton->setEnabled(any);
    };
    updateButtons();
    connect(m_findEdit, &QLineEdit::textChanged, this, updateButtons);
    connect(m_findNextButton, &QPushButton::clicked, this, &ReplaceDialog::findNext);
    connect(m_replaceButton, &QPushButton::clicked, this, &ReplaceDialog::replace);
    connect(m_replaceAllButton, &QPushButton::clicked, this, &ReplaceDialog::replaceAll);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString ReplaceDialog::findText() const
{
    return m_findEdit->text();
}

void ReplaceDialog::setFindText(const QString &text)
{
    m_findEdit->setText(text);
}

QString ReplaceDialog::replaceText() const
{
    return m_replaceEdit->text();
}

SearchOptions ReplaceDialog::options() const
{
    return {true, m_matchCase->isChecked(), m_wholeWord->isChecked()};
}

void ReplaceDialog::focusFindText()
{
    m_findEdit->setFocus();
    m_findEdit->selectAll();
}
