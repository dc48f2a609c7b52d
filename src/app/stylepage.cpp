#include "app/stylepage.h"

#include "editor/numberspinbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QValidator>
#include <QVBoxLayout>

namespace {

// Limits what the user types to one character. A length limit on the line
// edit itself would also cut a longer text set by the program, which must
// be shown and used whole.
class OneCharacterValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return input.size() <= 1 ? Acceptable : Invalid;
    }
};

QSpinBox *spinBox(QWidget *parent, const char *name, StyleRange range, int value)
{
    auto *box = new NumberSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(range.min, range.max);
    box->setValue(value);
    box->setMinimumWidth(52);
    return box;
}

// Every spin box of the page is made by spinBox().
int valueOf(const QSpinBox *box)
{
    return static_cast<const NumberSpinBox *>(box)->number();
}

} // namespace

QStringList StylePage::separatorCharacters()
{
    // The order of the platform's sorted list, which puts the punctuation
    // marks before the mathematical signs.
    return {QStringLiteral("-"), QStringLiteral("#"), QStringLiteral("*"), QStringLiteral("/"),
            QStringLiteral("\\"), QStringLiteral("_"), QStringLiteral("|"), QStringLiteral("~"),
            QStringLiteral("+"), QStringLiteral("<"), QStringLiteral("="), QStringLiteral(">")};
}

StylePage::StylePage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("StylePage"));

    Label1 = new QLabel(QStringLiteral("Source Code Formatting..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);

    Label2 = new QLabel(QStringLiteral("Spaces to indent:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    indent = spinBox(this, "indent", kIndentRange, Style().indent);
    Label2->setBuddy(indent);

    Label3 = new QLabel(QStringLiteral("Separate Functions and Procedures by "), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    linebreak = spinBox(this, "linebreak", kBlankLinesRange, Style().blankLines);
    Label3->setBuddy(linebreak);
    Label4 = new QLabel(QStringLiteral("blank lines"), this);
    Label4->setObjectName(QStringLiteral("Label4"));

    Label5 = new QLabel(QStringLiteral("Separate Functions and Procedures with line of "), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    numchars = spinBox(this, "numchars", kSeparatorLengthRange, Style().separatorLength);
    Label5->setBuddy(numchars);
    charcombo = new QComboBox(this);
    charcombo->setObjectName(QStringLiteral("charcombo"));
    charcombo->setEditable(true);
    charcombo->setInsertPolicy(QComboBox::NoInsert);
    charcombo->setCompleter(nullptr);
    charcombo->addItems(separatorCharacters());
    charcombo->setCurrentIndex(-1);
    charcombo->setEditText(QString());
    charcombo->setValidator(new OneCharacterValidator(charcombo));
    charcombo->setMinimumWidth(48);
    Label6 = new QLabel(QStringLiteral("characters"), this);
    Label6->setObjectName(QStringLiteral("Label6"));

    placebefore = new QCheckBox(QStringLiteral("Place source comments before declaration"), this);
    placebefore->setObjectName(QStringLiteral("placebefore"));

    targetlabel = new QLabel(QStringLiteral("Write the unit for:"), this);
    targetlabel->setObjectName(QStringLiteral("targetlabel"));
    targetcombo = new QComboBox(this);
    targetcombo->setObjectName(QStringLiteral("targetcombo"));
    targetcombo->addItems({targetName(Target::Delphi2), targetName(Target::Lazarus)});
    targetlabel->setBuddy(targetcombo);
    auto *targetRow = new QHBoxLayout;
    targetRow->setSpacing(6);
    targetRow->addWidget(targetlabel);
    targetRow->addWidget(targetcombo);
    targetRow->addStretch();

    // Each row reads as a sentence: label, value, the rest of the sentence.
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(10);
    grid->addWidget(Label2, 0, 0);
    grid->addWidget(indent, 0, 1);
    grid->addWidget(Label3, 1, 0);
    grid->addWidget(linebreak, 1, 1);
    grid->addWidget(Label4, 1, 2);
    grid->addWidget(Label5, 2, 0);
    grid->addWidget(numchars, 2, 1);
    auto *charRow = new QHBoxLayout;
    charRow->setSpacing(6);
    charRow->addWidget(charcombo);
    charRow->addWidget(Label6);
    charRow->addStretch();
    grid->addLayout(charRow, 2, 2);
    grid->setColumnStretch(2, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(14);
    layout->addWidget(Label1);
    layout->addLayout(grid);
    layout->addWidget(placebefore);
    layout->addLayout(targetRow);
    layout->addStretch();

    setTabOrder(indent, linebreak);
    setTabOrder(linebreak, numchars);
    setTabOrder(numchars, charcombo);
    setTabOrder(charcombo, placebefore);
    setTabOrder(placebefore, targetcombo);
}

Style StylePage::style() const
{
    Style s;
    s.indent = valueOf(indent);
    s.blankLines = valueOf(linebreak);
    s.separatorLength = valueOf(numchars);
    s.separatorChar = charcombo->currentText();
    s.commentsBefore = placebefore->isChecked();
    s.target = targetcombo->currentIndex() == 1 ? Target::Lazarus : Target::Delphi2;
    return s;
}

void StylePage::setStyle(const Style &s)
{
    const Style inRange = s.withinRanges();
    indent->setValue(inRange.indent);
    linebreak->setValue(inRange.blankLines);
    numchars->setValue(inRange.separatorLength);
    charcombo->setEditText(inRange.separatorChar);
    placebefore->setChecked(inRange.commentsBefore);
    targetcombo->setCurrentIndex(inRange.target == Target::Lazarus ? 1 : 0);
}
