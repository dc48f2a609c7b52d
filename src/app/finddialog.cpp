#include "app/finddialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

FindDialog::FindDialog(QWidget *parent)
    : QDialog(parent),
      m_findEdit(new QLineEdit(this)),
      m_up(new QRadioButton(tr("&Up"))),
      m_down(new QRadioButton(tr("&Down"))),
      m_matchCase(new QCheckBox(tr("Match &case"), this)),
      m_wholeWord(new QCheckBox(tr("Match &whole word only"), this)),
      m_findNextButton(new QPushButton(tr("&Find Next"), this))
{
    setObjectName(QStringLiteral("FindDialog1"));
    setWindowTitle(tr("Find"));
    setModal(false);
    m_findEdit->setObjectName(QStringLiteral("findedit"));
    m_up->setObjectName(QStringLiteral("upbutton"));
    m_down->setObjectName(QStringLiteral("downbutton"));
    m_matchCase->setObjectName(QStringLiteral("matchcase"));
    m_wholeWord->setObjectName(QStringLiteral("wholeword"));
    m_findNextButton->setObjectName(QStringLiteral("findnextbutton"));
    m_down->setChecked(true);

    auto *findLabel = new QLabel(tr("Fi&nd what:"), this);
    findLabel->setBuddy(m_findEdit);
    auto *findRow = new QHBoxLayout;
    findRow->addWidget(findLabel);
    findRow->addWidget(m_findEdit);

    auto *direction = new QGroupBox(tr("Direction"), this);
    auto *directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(m_up);
    directionLayout->addWidget(m_down);

    auto *optionsLayout = new QVBoxLayout;
    optionsLayout->addWidget(m_wholeWord);
    optionsLayout->addWidget(m_matchCase);
    auto *lower = new QHBoxLayout;
    lower->addLayout(optionsLayout);
    lower->addWidget(direction);

    auto *left = new QVBoxLayout;
    left->addLayout(findRow);
    left->addLayout(lower);

    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelbutton"));
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_findNextButton);
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
    m_findNextButton->setEnabled(false);
    connect(m_findEdit, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_findNextButton->setEnabled(!text.isEmpty()); });
    connect(m_findNextButton, &QPushButton::clicked, this, &FindDialog::findNext);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString FindDialog::findText() const
{
    return m_findEdit->text();
}

void FindDialog::setFindText(const QString &text)
{
    m_findEdit->setText(text);
}

SearchOptions FindDialog::options() const
{
    return {m_down->isChecked(), m_matchCase->isChecked(), m_wholeWord->isChecked()};
}

void FindDialog::focusFindText()
{
    m_findEdit->setFocus();
    m_findEdit->selectAll();
}
