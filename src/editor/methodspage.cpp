#include "editor/methodspage.h"

#include "editor/documentlistbox.h"
#include "editor/memoform.h"
#include "editor/pagecontrols.h"
#include "editor/userprompts.h"
#include "model/entryvalidation.h"
#include "model/specdocument.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
constexpr int kMethodHelp = 41007;
constexpr int kRemoveHelp = 41018;
constexpr int kProcedureItem = 1;
const QString kProcedure = u"Procedure"_s;
}

MethodsPage::MethodsPage(const PageContext &context, QWidget *parent)
    : EntryPage(context, parent)
{
    setObjectName(u"MethodsPage"_s);
    createControls();
    layOutControls();
    connectHandlers();
}

void MethodsPage::createControls()
{
    Methodname = pageControl<QLineEdit>(this, "Methodname", u"Enter Method name"_s, kMethodHelp);
    SpeedButton2 = commentButton(this, "SpeedButton2");

    Methodtype = pageControl<QComboBox>(this, "Methodtype", u"Select function or procedure"_s,
                                        kMethodHelp);
    Methodtype->addItems({u"Function"_s, u"Procedure"_s});
    Methodtype->setCurrentIndex(kProcedureItem);

    returntype = pageControl<QComboBox>(this, "returntype",
                                        u"Select or Enter the type of data returned"_s, kMethodHelp);
    keepTypedText(returntype);
    // In the order of a list sorted without regard to letter case.
    returntype->addItems({u"boolean"_s, u"byte"_s, u"char"_s, u"integer"_s, u"longint"_s,
                          u"Pchar"_s, u"real"_s, u"string"_s, u"word"_s});
    returntype->setCurrentIndex(-1);
    returntype->setEditText(QString());
    returntype->setEnabled(false);   // a procedure returns nothing

    plist = pageControl<QLineEdit>(
        this, "plist", u"Enter the paramater declaration (without the parentheses)"_s, kMethodHelp);

    GroupBox2 = pageControl<QGroupBox>(this, "GroupBox2", u"Select method options"_s);
    GroupBox2->setTitle(u"Type..."_s);
    vcheck = pageControl<QRadioButton>(GroupBox2, "vcheck", u"Check to make method virtual"_s);
    vcheck->setText(u"&Virtual"_s);
    dcheck = pageControl<QRadioButton>(GroupBox2, "dcheck", u"Check to make method dynamic"_s);
    dcheck->setText(u"&Dynamic"_s);
    scheck = pageControl<QRadioButton>(GroupBox2, "scheck", u"Check to make method static"_s);
    scheck->setText(u"Stati&c"_s);
    scheck->setChecked(true);

    GroupBox3 = pageControl<QGroupBox>(this, "GroupBox3");
    GroupBox3->setTitle(u"Options..."_s);
    auto check = [this](const char *name, const QString &caption, const QString &hint) {
        auto *box = pageControl<QCheckBox>(GroupBox3, name, hint);
        box->setText(caption);
        return box;
    };
    methprivate = check("methprivate", u"Pri&vate"_s, u"Make Method Private"_s);
    methpublic = check("methpublic", u"P&ublic"_s, u"Make Method Public"_s);
    methpublic->setChecked(true);
    methprotected = check("methprotected", u"P&rotected"_s, u"Make Method Protected"_s);
    methabstract = check("methabstract", u"&Abstract"_s, u"Make Method Abstract"_s);
    methabstract->setEnabled(false);
    methoverride = check("methoverride", u"&Override"_s,
                         u"Use Override directive in method declaration"_s);

    Button3 = pageControl<QPushButton>(this, "Button3", u"Add to list of defined methods"_s);
    Button3->setText(u"&Add >>"_s);
    Button3->setEnabled(false);
    Button4 = pageControl<QPushButton>(this, "Button4", u"Remove from list of defined methods"_s,
                                       kRemoveHelp);
    Button4->setText(u"<< R&emove "_s);
    Button4->setEnabled(false);

    ListBox2 = pageControl<DocumentListBox>(this, "ListBox2", u"Defined Methods"_s);
}

// The method's fields on the left, Add and Remove in the middle, the defined
// methods on the right.
void MethodsPage::layOutControls()
{
    auto *nameRow = new QHBoxLayout;
    nameRow->setSpacing(2);
    nameRow->addWidget(Methodname, 1);
    nameRow->addWidget(SpeedButton2);

    auto *fieldsGrid = new QGridLayout;
    fieldsGrid->setVerticalSpacing(6);
    fieldsGrid->addWidget(buddyLabel(u"Met&hod Name:"_s, Methodname), 0, 0);
    fieldsGrid->addLayout(nameRow, 0, 1);
    fieldsGrid->addWidget(buddyLabel(u"&Type:"_s, Methodtype), 1, 0);
    fieldsGrid->addWidget(Methodtype, 1, 1);
    fieldsGrid->addWidget(buddyLabel(u"Return T&ype:"_s, returntype), 2, 0);
    fieldsGrid->addWidget(returntype, 2, 1);
    fieldsGrid->addWidget(buddyLabel(u"Parameter&s:"_s, plist), 3, 0);
    fieldsGrid->addWidget(plist, 3, 1);
    fieldsGrid->setColumnStretch(1, 1);

    auto *binding = new QVBoxLayout(GroupBox2);
    binding->setSpacing(2);
    for (QWidget *w : {vcheck, dcheck, scheck})
        binding->addWidget(w);
    binding->addStretch(1);

    auto *options = new QGridLayout(GroupBox3);
    options->setVerticalSpacing(2);
    options->addWidget(methprivate, 0, 0);
    options->addWidget(methpublic, 1, 0);
    options->addWidget(methprotected, 2, 0);
    options->addWidget(methabstract, 0, 1);
    options->addWidget(methoverride, 1, 1);
    options->setRowStretch(3, 1);

    auto *boxes = new QHBoxLayout;
    boxes->addWidget(GroupBox2);
    boxes->addWidget(GroupBox3, 1);

    auto *left = new QVBoxLayout;
    left->addLayout(fieldsGrid);
    left->addLayout(boxes);
    left->addStretch(1);

    // Add and Remove stand level with the top of the defined list.
    auto *buttons = new QVBoxLayout;
    buttons->addSpacing(fontMetrics().height() + 2);
    buttons->addWidget(Button3);
    buttons->addWidget(Button4);
    buttons->addStretch(1);

    auto *right = new QVBoxLayout;
    right->setSpacing(2);
    right->addWidget(buddyLabel(u"Methods Defined..."_s, ListBox2));
    right->addWidget(ListBox2, 1);

    auto *page = new QHBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->addLayout(left, 5);
    page->addLayout(buttons);
    page->addLayout(right, 3);

    QWidget *order[] = {Methodname, SpeedButton2, Methodtype, returntype, plist, vcheck, dcheck,
                        scheck, methprivate, methpublic, methprotected, methabstract,
                        methoverride, Button3, Button4, ListBox2};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// A check box's or radio button's state set from code runs its handler as a
// click does; a kind picked from code runs nothing. The interlocks rely on it.
void MethodsPage::connectHandlers()
{
    connect(Methodname, &QLineEdit::textChanged, this, &MethodsPage::MethodnameChange);
    connect(Methodtype, &QComboBox::activated, this, &MethodsPage::MethodtypeChange);
    auto onSelected = [this](QRadioButton *button, void (MethodsPage::*handler)()) {
        connect(button, &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on)
                (this->*handler)();
        });
    };
    onSelected(vcheck, &MethodsPage::vcheckClick);
    onSelected(dcheck, &MethodsPage::dcheckClick);
    onSelected(scheck, &MethodsPage::scheckClick);
    connect(methprivate, &QCheckBox::toggled, this, &MethodsPage::methprivateClick);
    connect(methpublic, &QCheckBox::toggled, this, &MethodsPage::methpublicClick);
    connect(methprotected, &QCheckBox::toggled, this, &MethodsPage::methprotectedClick);
    connect(SpeedButton2, &QToolButton::clicked, this, &EntryPage::SpeedButton1Click);
    connect(Button3, &QPushButton::clicked, this, &MethodsPage::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &MethodsPage::Button4Click);
    connect(ListBox2, &DocumentListBox::dblClick, this, &MethodsPage::ListBox2DblClick);
    connect(&m_context.document, &SpecDocument::changed, this, [this](SpecDocument::Parts parts) {
        if (parts & SpecDocument::MethodList)
            ListBox2->showLines(m_context.document.spec().DefinedMethods);
    });
    ListBox2->showLines(m_context.document.spec().DefinedMethods);
}

QString MethodsPage::pendingName() const
{
    return Methodname->text();
}

void MethodsPage::addPendingEntry()
{
    Button3Click();
}

void MethodsPage::fileOpened()
{
    if (ListBox2->count() > 0)
        Button4->setEnabled(true);
}

// ---- handlers ---------------------------------------------------------------

void MethodsPage::MethodnameChange()
{
    Button3->setEnabled(!Methodname->text().isEmpty());
}

void MethodsPage::MethodtypeChange()
{
    returntype->setEnabled(Methodtype->currentText() != kProcedure);
}

void MethodsPage::vcheckClick()
{
    methabstract->setEnabled(vcheck->isChecked());
}

void MethodsPage::dcheckClick()
{
    methabstract->setEnabled(dcheck->isChecked());
}

void MethodsPage::scheckClick()
{
    methabstract->setChecked(false);
    methabstract->setEnabled(!scheck->isChecked());
}

void MethodsPage::sectionInterlock(QCheckBox *clicked, QCheckBox *other1, QCheckBox *other2)
{
    if (clicked->isChecked()) {
        // Both are unchecked before either is disabled: unchecking one runs
        // its own interlock, which enables the others again.
        other1->setChecked(false);
        other2->setChecked(false);
        other1->setEnabled(false);
        other2->setEnabled(false);
    } else {
        other1->setEnabled(true);
        other2->setEnabled(true);
    }
}

void MethodsPage::methprivateClick()
{
    sectionInterlock(methprivate, methpublic, methprotected);
}

void MethodsPage::methpublicClick()
{
    sectionInterlock(methpublic, methprivate, methprotected);
}

void MethodsPage::methprotectedClick()
{
    sectionInterlock(methprotected, methprivate, methpublic);
}

MethodInput MethodsPage::fields() const
{
    MethodInput method;
    method.kind = Methodtype->currentText();
    method.name = Methodname->text();
    method.params = plist->text();
    method.returnType = returntype->currentText();
    if (vcheck->isChecked())
        method.directive = MethodDirective::Virtual;
    else if (dcheck->isChecked())
        method.directive = MethodDirective::Dynamic;
    else
        method.directive = MethodDirective::Static;
    method.isOverride = methoverride->isChecked();
    method.isAbstract = methabstract->isChecked();
    method.isPrivate = methprivate->isChecked();
    method.isPublic = methpublic->isChecked();
    method.isProtected = methprotected->isChecked();
    method.comment = m_context.memoform.text();
    return method;
}

void MethodsPage::Button3Click()
{
    const EntryCheck<MethodInput> check =
        checkMethod(fields(), m_context.document.spec().DefinedMethods);
    if (const auto *refusal = std::get_if<EntryRefusal>(&check)) {
        m_context.prompts.message(refusal->box, refusal->message, Prompts::Buttons::Ok);
        if (refusal->focus == EntryField::Name)
            Methodname->setFocus();
        else if (refusal->focus == EntryField::Kind)
            Methodtype->setFocus();
        return;
    }
    if (m_context.document.addMethod(std::get<MethodInput>(check)).publicChecked)
        methpublic->setChecked(true);
    resetForNextMethod();
}

// Static, Public alone, no directive, empty name and parameters; the kind
// and the return type stay for the next method.
void MethodsPage::resetForNextMethod()
{
    Button4->setEnabled(true);
    scheck->setChecked(true);
    Methodname->clear();
    plist->clear();
    methabstract->setChecked(false);
    methoverride->setChecked(false);
    methprivate->setChecked(false);
    methprivate->setEnabled(false);
    methpublic->setEnabled(true);
    methpublic->setChecked(true);
    methprotected->setEnabled(false);
    methprotected->setChecked(false);
    m_context.memoform.clear();
    Methodname->setFocus();
}

void MethodsPage::Button4Click()
{
    const int row = ListBox2->selectedRow();
    if (row < 0)
        return;
    m_context.document.removeMethod(row);
    if (ListBox2->count() == 0)
        Button4->setEnabled(false);
}

void MethodsPage::ListBox2DblClick()
{
    offerPendingEntry();
    plist->clear();
    const int row = ListBox2->selectedRow();
    if (row < 0)
        return;
    const std::optional<MethodInput> method = m_context.document.takeMethod(row);
    if (!method)
        return;
    showFields(*method);
    if (ListBox2->count() == 0)
        Button4->setEnabled(false);
}

// Every field is set to what the heading holds, Abstract and Override
// included, so that Add with no change gives the same method back.
void MethodsPage::showFields(const MethodInput &method)
{
    m_context.memoform.clear();
    m_context.memoform.setText(method.comment);

    if (method.isAbstract)
        methabstract->setEnabled(true);
    methabstract->setChecked(method.isAbstract);
    switch (method.directive) {
    case MethodDirective::Virtual:
        vcheck->setChecked(true);
        break;
    case MethodDirective::Dynamic:
        dcheck->setChecked(true);
        break;
    case MethodDirective::Static:
        scheck->setChecked(true);
        break;
    }
    methoverride->setChecked(method.isOverride);

    methprivate->setChecked(method.isPrivate);
    methpublic->setChecked(method.isPublic);
    methprotected->setChecked(method.isProtected);

    plist->setText(method.params);
    Methodname->setText(method.name);
    const bool procedure = method.kind == kProcedure;
    Methodtype->setCurrentIndex(procedure ? kProcedureItem : 0);
    returntype->setEnabled(!procedure);
    returntype->setEditText(procedure ? QString() : method.returnType);
}
