// SPDX-License-Identifier: MIT
#include "editor/propertiespage.h"

#include "editor/documentlistbox.h"
#include "editor/memoform.h"
#include "editor/userprompts.h"
#include "model/entryvalidation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QPushButton>

#include <algorithm>

PropertiesPage::PropertiesPage(const PageContext &context, QWidget *parent)
    : EntryPage(context, parent)
    , m_document(context.document)
{
    setObjectName(QStringLiteral("PropertiesPage"));
    createControls();
    layOutControls();
    connectHandlers();
    connect(&m_document, &SpecDocument::changed, this, &PropertiesPage::refresh);
    refresh(SpecDocument::PropertyList | SpecDocument::AncestorMembers);
}

void PropertiesPage::connectHandlers()
{
    connect(propname, &QLineEdit::textChanged, this, &PropertiesPage::propnameChange);
    connect(Button1, &QPushButton::clicked, this, &PropertiesPage::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &PropertiesPage::Button2Click);
    // A double-click anywhere in the list, also below its last line: the
    // pending question comes first, whatever is selected.
    connect(ListBox1, &DocumentListBox::dblClick, this, &PropertiesPage::ListBox1DblClick);
    connect(SpeedButton1, &QToolButton::clicked, this, &EntryPage::SpeedButton1Click);
    // Boxes set from code run their handlers too: the interlocks and the
    // reset after Add rely on it.
    connect(ronly, &QCheckBox::toggled, this, &PropertiesPage::ronlyClick);
    connect(wonly, &QCheckBox::toggled, this, &PropertiesPage::wonlyClick);
    // A combo box item selected from code runs nothing; only the user's choice does.
    connect(readit, &QComboBox::activated, this, &PropertiesPage::readitClick);
    connect(writeit, &QComboBox::activated, this, &PropertiesPage::writeitClick);
    connect(propspeccombo, &QComboBox::activated, this, &PropertiesPage::propspeccomboClick);
}

QString PropertiesPage::pendingName() const
{
    return propname->text();
}

void PropertiesPage::refresh(SpecDocument::Parts parts)
{
    if (parts & SpecDocument::PropertyList)
        showDefinedProperties();
    if (parts & SpecDocument::AncestorMembers)
        showStandardProperties();
}

void PropertiesPage::showDefinedProperties()
{
    ListBox1->showLines(m_document.spec().DefinedProperties);
}

void PropertiesPage::showStandardProperties()
{
    QStringList names = m_document.spec().StandardProperties;
    names.sort(Qt::CaseInsensitive);
    ListBox4->clear();
    ListBox4->addItems(names);
}

int PropertiesPage::selectedRow() const
{
    return ListBox1->selectedRow();
}

void PropertiesPage::disableRemoveWhenEmpty()
{
    if (ListBox1->count() == 0)
        Button2->setEnabled(false);
}

void PropertiesPage::fileOpened()
{
    if (ListBox1->count() > 0)
        Button2->setEnabled(true);
}

void PropertiesPage::propnameChange()
{
    Button1->setEnabled(!propname->text().isEmpty());
}

PropertyInput PropertiesPage::fields() const
{
    PropertyInput property;
    property.name = propname->text();
    property.type = typebox->currentText();
    property.defaultValue = dval->text();
    property.indexed = propspeccombo->currentIndex() == Indexed;
    property.pointer = Pointercheck->isChecked();
    property.runtimeOnly = runonly->isChecked();
    property.readOnly = ronly->isChecked();
    property.writeOnly = wonly->isChecked();
    property.isProtected = procheck->isChecked();
    property.stored = Storecheck->isChecked();
    property.readMethod = Edit1->text();
    property.writeMethod = Edit3->text();
    property.comment = m_context.memoform.text();
    return property;
}

void PropertiesPage::Button1Click()
{
    const ComponentSpec &spec = m_document.spec();
    const EntryCheck<PropertyInput> check =
        checkProperty(fields(), spec.StandardProperties, spec.DefinedProperties);
    if (const auto *refusal = std::get_if<EntryRefusal>(&check)) {
        m_context.prompts.message(refusal->box, refusal->message, Prompts::Buttons::Ok);
        if (refusal->clearName)
            propname->clear();
        if (refusal->focus == EntryField::Name)
            propname->setFocus();
        else if (refusal->focus == EntryField::Type)
            typebox->setFocus();
        return;
    }
    const ComponentSpec::PropertyAdded added = m_document.addProperty(std::get<PropertyInput>(check));
    if (added.runtimeOnlyChecked)
        runonly->setChecked(true);
    m_context.memoform.clear();
    clearFieldsForNext();
}

// In this order; unchecking Read Only or Write Only re-enables the other
// side through its interlock before the method fields are disabled again.
void PropertiesPage::clearFieldsForNext()
{
    propname->clear();
    Edit1->clear();
    Edit3->clear();
    readit->setCurrentIndex(DirectAccess);
    writeit->setCurrentIndex(DirectAccess);
    propname->setFocus();
    Button2->setEnabled(true);
    dval->clear();
    ronly->setChecked(false);
    runonly->setChecked(false);
    wonly->setChecked(false);
    procheck->setChecked(false);
    Storecheck->setChecked(true);
    propspeccombo->setCurrentIndex(Normal);
    Pointercheck->setChecked(false);
    Edit1->setEnabled(false);
    Edit3->setEnabled(false);
}

void PropertiesPage::Button2Click()
{
    const int row = selectedRow();
    if (row < 0 || !m_document.removeDefinedProperty(row))
        return;
    disableRemoveWhenEmpty();
}

void PropertiesPage::ListBox1DblClick()
{
    offerPendingEntry();
    const int row = selectedRow();
    if (row < 0)
        return;
    const std::optional<PropertyInput> property = m_document.takeProperty(row);
    if (!property)
        return;
    showProperty(*property);
    disableRemoveWhenEmpty();
}

namespace {

void showAccess(QComboBox *choice, QLineEdit *method, const QString &name)
{
    method->setText(name);
    method->setEnabled(!name.isEmpty());
    choice->setCurrentIndex(name.isEmpty() ? PropertiesPage::DirectAccess
                                           : PropertiesPage::AccessMethod);
}

} // namespace

void PropertiesPage::showProperty(const PropertyInput &property)
{
    propspeccombo->setCurrentIndex(property.indexed ? Indexed : Normal);
    m_context.memoform.setText(property.comment);
    propname->setText(property.name);
    Storecheck->setChecked(property.stored);
    typebox->setEditText(property.type);
    Pointercheck->setChecked(property.pointer);
    dval->setText(property.defaultValue);
    // The attribute boxes before the access fields: checking Read Only (Write
    // Only) empties the other side's method field, which a read-only
    // (write-only) property may still name.
    runonly->setChecked(property.runtimeOnly);
    ronly->setChecked(property.readOnly);
    wonly->setChecked(property.writeOnly);
    procheck->setChecked(property.isProtected);
    showAccess(readit, Edit1, property.readMethod);
    showAccess(writeit, Edit3, property.writeMethod);
}

void PropertiesPage::ronlyClick()
{
    const bool checked = ronly->isChecked();
    writeit->setEnabled(!checked);
    if (checked)
        Edit3->clear();
    Edit3->setEnabled(!checked);
    if (checked)
        wonly->setChecked(false);
    wonly->setEnabled(!checked);
}

void PropertiesPage::wonlyClick()
{
    const bool checked = wonly->isChecked();
    readit->setEnabled(!checked);
    if (checked)
        Edit1->clear();
    Edit1->setEnabled(!checked);
    if (checked)
        ronly->setChecked(false);
    ronly->setEnabled(!checked);
}

void PropertiesPage::readitClick()
{
    UpdateAccessFields();
}

void PropertiesPage::writeitClick()
{
    UpdateAccessFields();
}

void PropertiesPage::propspeccomboClick()
{
    if (propspeccombo->currentIndex() != Indexed)
        return;
    readit->setCurrentIndex(AccessMethod);
    writeit->setCurrentIndex(AccessMethod);
    UpdateAccessFields();
}

// Both sides every time, the read side first: a choice on either side puts
// the "Get"/"Set" suggestion back into the other side's method field.
void PropertiesPage::UpdateAccessFields()
{
    const auto update = [this](QComboBox *choice, QLineEdit *method, const QString &prefix) {
        if (choice->currentIndex() == DirectAccess) {
            method->clear();
            method->setEnabled(false);
        } else {
            method->setText(prefix + propname->text());
            method->setEnabled(true);
            dval->clear();
        }
    };
    update(readit, Edit1, QStringLiteral("Get"));
    update(writeit, Edit3, QStringLiteral("Set"));
}
