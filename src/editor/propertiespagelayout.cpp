// The Properties page's controls and their places, made once with the page.
#include "editor/propertiespage.h"

#include "editor/documentlistbox.h"
#include "editor/pagecontrols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kDefaultValueHelp = 41004;
constexpr int kNameHelp = 41008;
constexpr int kAccessHelp = 41015;
constexpr int kTypeHelp = 41016;
constexpr int kStorageHelp = 41017;
constexpr int kReadOnlyHelp = 41018;
constexpr int kRuntimeOnlyHelp = 41020;
constexpr int kWriteOnlyHelp = 41023;

// pageControl for the controls made with a caption.
template <class Control>
Control *named(Control *control, const char *name, const QString &hint = QString(), int help = 0)
{
    describeControl(control, name, hint, help);
    return control;
}

QComboBox *accessChoice(QWidget *parent, const char *name)
{
    auto *choice = named(new QComboBox(parent), name,
                         QStringLiteral("Select Direct Access or Access method"), kAccessHelp);
    choice->addItems({QStringLiteral("Direct Access"), QStringLiteral("Access Method")});
    choice->setCurrentIndex(PropertiesPage::DirectAccess);
    return choice;
}

QLineEdit *methodName(QWidget *parent, const char *name, const QString &hint)
{
    auto *edit = named(new QLineEdit(parent), name, hint, kAccessHelp);
    edit->setEnabled(false);
    return edit;
}

} // namespace

void PropertiesPage::createControls()
{
    propname = named(new QLineEdit(this), "propname", QStringLiteral("Enter property name"), kNameHelp);
    SpeedButton1 = commentButton(this, "SpeedButton1");

    typebox = named(new QComboBox(this), "typebox",
                    QStringLiteral("Select or Enter the property's data type"), kTypeHelp);
    typebox->setEditable(true);
    // The type is taken as typed: never completed, never added to the list.
    typebox->setInsertPolicy(QComboBox::NoInsert);
    typebox->setCompleter(nullptr);
    typebox->addItems({QStringLiteral("boolean"), QStringLiteral("byte"), QStringLiteral("char"),
                       QStringLiteral("integer"), QStringLiteral("longint"), QStringLiteral("Pchar"),
                       QStringLiteral("Pointer"), QStringLiteral("real"), QStringLiteral("string"),
                       QStringLiteral("word")});
    typebox->setCurrentIndex(-1);
    Pointercheck = named(new QCheckBox(QStringLiteral("Pointer"), this), "Pointercheck",
                         QStringLiteral("Make Pointer to data type"));

    dval = named(new QLineEdit(this), "dval", QStringLiteral("Enter the default property value"),
                 kDefaultValueHelp);
    propspeccombo = named(new QComboBox(this), "propspeccombo", QStringLiteral("Select Property Type"));
    propspeccombo->addItems({QStringLiteral("Normal"), QStringLiteral("Indexed (Array Property)")});
    propspeccombo->setCurrentIndex(Normal);

    readit = accessChoice(this, "readit");
    Edit1 = methodName(this, "Edit1", QStringLiteral("Enter read access method name"));
    writeit = accessChoice(this, "writeit");
    Edit3 = methodName(this, "Edit3", QStringLiteral("Enter write access method name"));

    GroupBox1 = named(new QGroupBox(QStringLiteral("Property Attributes..."), this), "GroupBox1",
                      QStringLiteral("Set property attributes"));
    runonly = named(new QCheckBox(QStringLiteral("Ru&ntime Only"), GroupBox1), "runonly",
                    QStringLiteral("Check to make property runtime only"), kRuntimeOnlyHelp);
    ronly = named(new QCheckBox(QStringLiteral("Rea&d Only"), GroupBox1), "ronly",
                  QStringLiteral("Check to make property read only"), kReadOnlyHelp);
    wonly = named(new QCheckBox(QStringLiteral("Wr&ite Only"), GroupBox1), "wonly",
                  QStringLiteral("Check to make property write only"), kWriteOnlyHelp);
    procheck = named(new QCheckBox(QStringLiteral("Prote&cted"), GroupBox1), "procheck",
                     QStringLiteral("Check to make property protected"), kStorageHelp);
    Storecheck = named(new QCheckBox(QStringLiteral("St&ored"), GroupBox1), "Storecheck",
                       QStringLiteral("Check to store property (default)"), kStorageHelp);
    Storecheck->setChecked(true);

    Button1 = named(new QPushButton(QStringLiteral("&Add >>"), this), "Button1",
                    QStringLiteral("Add property to definitions list"), kNameHelp);
    Button1->setEnabled(false);
    Button2 = named(new QPushButton(QStringLiteral("<< R&emove "), this), "Button2",
                    QStringLiteral("Remove property from definitions list"), kReadOnlyHelp);
    Button2->setEnabled(false);

    ListBox1 = pageControl<DocumentListBox>(this, "ListBox1");
    ListBox4 = pageControl<DocumentListBox>(this, "ListBox4",
                                            QStringLiteral("Standard Properties (For Reference Only)"));
}

// Three columns that read from left to right: the property's fields and
// attributes, the buttons that move it into the list and out again, and the
// lists. The fields widen and the lists grow with the window; the fields and
// the buttons keep to the top.
void PropertiesPage::layOutControls()
{
    auto *form = new QGridLayout;
    form->setHorizontalSpacing(6);
    form->setVerticalSpacing(6);
    int row = 0;
    form->addWidget(buddyLabel(QStringLiteral("P&roperty Name:"), propname), row, 0);
    form->addWidget(propname, row, 1, 1, 2);
    form->addWidget(SpeedButton1, row++, 3);
    form->addWidget(buddyLabel(QStringLiteral("Data &Type:"), typebox), row, 0);
    form->addWidget(typebox, row, 1, 1, 2);
    form->addWidget(Pointercheck, row++, 3);
    form->addWidget(buddyLabel(QStringLiteral("Default &Value:"), dval), row, 0);
    form->addWidget(dval, row++, 1, 1, 3);
    form->addWidget(buddyLabel(QStringLiteral("Property T&ype:"), propspeccombo), row, 0);
    form->addWidget(propspeccombo, row++, 1, 1, 3);
    form->addWidget(buddyLabel(QStringLiteral("Read Acce&ss..."), readit), row, 0);
    form->addWidget(readit, row, 1);
    form->addWidget(Edit1, row++, 2, 1, 2);
    form->addWidget(buddyLabel(QStringLiteral("&Write Access..."), writeit), row, 0);
    form->addWidget(writeit, row, 1);
    form->addWidget(Edit3, row++, 2, 1, 2);
    form->setColumnStretch(1, 1);
    form->setColumnStretch(2, 1);

    auto *attributes = new QGridLayout(GroupBox1);
    attributes->setContentsMargins(8, 4, 8, 4);
    attributes->setVerticalSpacing(2);
    attributes->addWidget(runonly, 0, 0);
    attributes->addWidget(ronly, 0, 1);
    attributes->addWidget(wonly, 0, 2);
    attributes->addWidget(procheck, 1, 0);
    attributes->addWidget(Storecheck, 1, 1);

    auto *fields = new QVBoxLayout;
    fields->addLayout(form);
    fields->addWidget(GroupBox1);

    // The buttons stand beside the fields they take from and give back to,
    // in the middle of them, however tall the window.
    auto *buttons = new QVBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addStretch(1);

    auto *fieldsAndButtons = new QHBoxLayout;
    fieldsAndButtons->setSpacing(8);
    fieldsAndButtons->addLayout(fields, 1);
    fieldsAndButtons->addLayout(buttons);

    auto *leftColumn = new QVBoxLayout;
    leftColumn->addLayout(fieldsAndButtons);
    leftColumn->addStretch(1);

    auto *lists = new QVBoxLayout;
    lists->setSpacing(2);
    lists->addWidget(buddyLabel(QStringLiteral("Properties Defined..."), ListBox1));
    lists->addWidget(ListBox1, 3);
    lists->addSpacing(4);
    lists->addWidget(buddyLabel(QStringLiteral("Standard Properties..."), ListBox4));
    lists->addWidget(ListBox4, 2);

    auto *page = new QHBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->setSpacing(8);
    page->addLayout(leftColumn, 3);
    page->addLayout(lists, 2);

    QWidget *order[] = {propname, SpeedButton1, typebox, Pointercheck, dval, propspeccombo,
                        readit, Edit1, writeit, Edit3, runonly, ronly, wonly, procheck,
                        Storecheck, Button1, Button2, ListBox1, ListBox4};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}
