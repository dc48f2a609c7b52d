#include "app/stylepage.h"

#include "editor/numberspinbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
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

QSpinBox *spinBox(QWidget *parent, const StyleOption &option)
{
    auto *box = new NumberSpinBox(parent);
    box->setObjectName(QLatin1StringView(option.control));
    box->setRange(option.range.min, option.range.max);
    box->setValue(styleNumber(Style(), option));
    box->setMinimumWidth(52);
    return box;
}

QLabel *label(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1StringView(name));
    return label;
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

    const StyleOption &indentOption = styleOption("indent");
    Label2 = label(this, "Label2", QLatin1StringView(indentOption.caption));
    indent = spinBox(this, indentOption);
    Label2->setBuddy(indent);

    const StyleOption &linebreakOption = styleOption("linebreak");
    Label3 = label(this, "Label3", QLatin1StringView(linebreakOption.caption));
    linebreak = spinBox(this, linebreakOption);
    Label3->setBuddy(linebreak);
    Label4 = label(this, "Label4", QStringLiteral("blank lines"));

    const StyleOption &numcharsOption = styleOption("numchars");
    Label5 = label(this, "Label5", QLatin1StringView(numcharsOption.caption));
    numchars = spinBox(this, numcharsOption);
    Label5->setBuddy(numchars);
    const StyleOption &linecharOption = styleOption("linechar");
    charcombo = new QComboBox(this);
    charcombo->setObjectName(QLatin1StringView(linecharOption.control));
    charcombo->setEditable(true);
    charcombo->setInsertPolicy(QComboBox::NoInsert);
    charcombo->setCompleter(nullptr);
    charcombo->addItems(separatorCharacters());
    charcombo->setCurrentIndex(-1);
    charcombo->setEditText(QString());
    charcombo->setValidator(new OneCharacterValidator(charcombo));
    charcombo->setMinimumWidth(48);
    Label6 = label(this, "Label6", QLatin1StringView(linecharOption.caption));

    const StyleOption &placebeforeOption = styleOption("commentsbefore");
    placebefore = new QCheckBox(QLatin1StringView(placebeforeOption.caption), this);
    placebefore->setObjectName(QLatin1StringView(placebeforeOption.control));

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
    addFurtherOptions(layout);
    layout->addStretch();

    setTabOrder(indent, linebreak);
    setTabOrder(linebreak, numchars);
    setTabOrder(numchars, charcombo);
    setTabOrder(charcombo, placebefore);
}

// The options the sentences above do not hold, one row each below them.
void StylePage::addFurtherOptions(QVBoxLayout *layout)
{
    auto *form = new QFormLayout;
    QWidget *previous = placebefore;
    for (const StyleOption &option : kStyleOptions) {
        const QString name = QLatin1StringView(option.control);
        if (findChild<QWidget *>(name))
            continue;
        const QString caption = QLatin1StringView(option.caption);
        QWidget *control = nullptr;
        switch (option.kind()) {
        case StyleOption::Kind::Number:
            control = spinBox(this, option);
            break;
        case StyleOption::Kind::Switch:
            control = new QCheckBox(caption, this);
            break;
        case StyleOption::Kind::Text:
            control = new QLineEdit(styleText(Style(), option), this);
            break;
        case StyleOption::Kind::Choice: {
            auto *box = new QComboBox(this);
            for (const char *choice : option.choices)
                box->addItem(QLatin1StringView(choice));
            box->setCurrentIndex(styleNumber(Style(), option));
            control = box;
            break;
        }
        }
        control->setObjectName(name);
        if (option.kind() == StyleOption::Kind::Switch)
            form->addRow(control);
        else
            form->addRow(caption, control);
        setTabOrder(previous, control);
        previous = control;
    }
    layout->addLayout(form);
}

Style StylePage::style() const
{
    Style s;
    for (const StyleOption &option : kStyleOptions) {
        const QWidget *control = findChild<QWidget *>(QLatin1StringView(option.control));
        if (const auto *box = qobject_cast<const NumberSpinBox *>(control))
            setStyleNumber(s, option, box->number());
        else if (const auto *check = qobject_cast<const QCheckBox *>(control))
            setStyleNumber(s, option, check->isChecked());
        else if (const auto *edit = qobject_cast<const QLineEdit *>(control))
            setStyleText(s, option, edit->text());
        else if (const auto *combo = qobject_cast<const QComboBox *>(control))
            option.kind() == StyleOption::Kind::Choice
                ? setStyleNumber(s, option, combo->currentIndex())
                : setStyleText(s, option, combo->currentText());
    }
    return s;
}

void StylePage::setStyle(const Style &s)
{
    for (const StyleOption &option : kStyleOptions) {
        QWidget *control = findChild<QWidget *>(QLatin1StringView(option.control));
        if (auto *box = qobject_cast<QSpinBox *>(control))
            box->setValue(styleNumber(s, option));
        else if (auto *check = qobject_cast<QCheckBox *>(control))
            check->setChecked(styleNumber(s, option) != 0);
        else if (auto *edit = qobject_cast<QLineEdit *>(control))
            edit->setText(styleText(s, option));
        else if (auto *combo = qobject_cast<QComboBox *>(control))
            option.kind() == StyleOption::Kind::Choice
                ? combo->setCurrentIndex(styleNumber(s, option))
                : combo->setEditText(styleText(s, option));
    }
}
