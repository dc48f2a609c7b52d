// SPDX-License-Identifier: MIT
#include "editor/eventhandlerspage.h"

#include "editor/documentlistbox.h"
#include "editor/memoform.h"
#include "editor/pagecontrols.h"
#include "editor/userprompts.h"
#include "model/entryvalidation.h"
#include "model/handlername.h"
#include "model/specdocument.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
constexpr int kEventHelp = 41006;
constexpr int kRemoveHelp = 41018;
}

EventHandlersPage::EventHandlersPage(const PageContext &context, QWidget *parent)
    : EntryPage(context, parent)
{
    setObjectName(u"EventHandlersPage"_s);
    createControls();
    layOutControls();
    connectHandlers();
}

void EventHandlersPage::createControls()
{
    eventname = pageControl<QLineEdit>(this, "eventname", u"Enter a name for the event handler"_s,
                                       kEventHelp);
    SpeedButton3 = commentButton(this, "SpeedButton3");

    const QString typeHint = u"Enter or Select the handler type"_s;
    eventtype = pageControl<QComboBox>(this, "eventtype", typeHint, kEventHelp);
    keepTypedText(eventtype);
    eventtype->addItems({u"TNotifyEvent"_s, u"TMessageEvent"_s});
    eventtype->setCurrentIndex(0);
    eventtype->setToolTip(typeHint);   // the one hint of the window shown as a pop-up too

    Edit5 = pageControl<QLineEdit>(this, "Edit5",
                                   u"Enter the paramater list (without parentheses)"_s, kEventHelp);
    pcheck = pageControl<QCheckBox>(this, "pcheck", u"Check to make handler protected"_s);
    pcheck->setText(u"Protecte&d"_s);

    ListBox3 = pageControl<DocumentListBox>(this, "ListBox3", u"Handlers Defined"_s);
    ListBox5 = pageControl<DocumentListBox>(this, "ListBox5", u"Standard Events for this class"_s);

    Button5 = pageControl<QPushButton>(this, "Button5", u"Add to list of defined handlers"_s);
    Button5->setText(u"&Add >>"_s);
    Button5->setEnabled(false);
    Button6 = pageControl<QPushButton>(this, "Button6", u"Remove from list of defined handlers"_s,
                                       kRemoveHelp);
    Button6->setText(u"<< R&emove "_s);
    Button6->setEnabled(false);
}

// The handler's fields and, below them for reference, the ancestor's events
// on the left; Add and Remove in the middle; the defined handlers on the right.
void EventHandlersPage::layOutControls()
{
    auto *nameRow = new QHBoxLayout;
    nameRow->setSpacing(2);
    nameRow->addWidget(eventname, 1);
    nameRow->addWidget(SpeedButton3);

    auto *fieldsGrid = new QGridLayout;
    fieldsGrid->setVerticalSpacing(6);
    fieldsGrid->addWidget(buddyLabel(u"&Handler Name:"_s, eventname), 0, 0);
    fieldsGrid->addLayout(nameRow, 0, 1);
    fieldsGrid->addWidget(buddyLabel(u"&Type:"_s, eventtype), 1, 0);
    fieldsGrid->addWidget(eventtype, 1, 1);
    fieldsGrid->addWidget(buddyLabel(u"Parameter&s:"_s, Edit5), 2, 0);
    fieldsGrid->addWidget(Edit5, 2, 1);
    fieldsGrid->addWidget(pcheck, 3, 1);
    fieldsGrid->setColumnStretch(1, 1);

    auto *left = new QVBoxLayout;
    left->addLayout(fieldsGrid);
    left->addSpacing(6);
    left->setSpacing(2);
    left->addWidget(buddyLabel(u"Standard Events..."_s, ListBox5));
    left->addWidget(ListBox5, 1);

    // Add and Remove stand level with the top of the defined list.
    auto *buttons = new QVBoxLayout;
    buttons->addSpacing(fontMetrics().height() + 2);
    buttons->addWidget(Button5);
    buttons->addWidget(Button6);
    buttons->addStretch(1);

    auto *right = new QVBoxLayout;
    right->setSpacing(2);
    right->addWidget(buddyLabel(u"Handlers Defined..."_s, ListBox3));
    right->addWidget(ListBox3, 1);

    auto *page = new QHBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->addLayout(left, 5);
    page->addLayout(buttons);
    page->addLayout(right, 3);

    QWidget *order[] = {eventname, SpeedButton3, eventtype, Edit5, pcheck, ListBox5,
                        Button5, Button6, ListBox3};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void EventHandlersPage::connectHandlers()
{
    connect(eventname, &QLineEdit::textChanged, this, &EventHandlersPage::eventnameChange);
    connect(eventtype, &QComboBox::editTextChanged, this, &EventHandlersPage::eventtypeChange);
    connect(SpeedButton3, &QToolButton::clicked, this, &EntryPage::SpeedButton1Click);
    connect(Button5, &QPushButton::clicked, this, &EventHandlersPage::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &EventHandlersPage::Button6Click);
    connect(ListBox3, &DocumentListBox::dblClick, this, &EventHandlersPage::ListBox3DblClick);
    connect(&m_context.document, &SpecDocument::changed, this,
            [this](SpecDocument::Parts parts) { showDocumentLists(parts); });
    showDocumentLists(SpecDocument::Everything);
}

void EventHandlersPage::showDocumentLists(int parts)
{
    const ComponentSpec &spec = m_context.document.spec();
    if (parts & (SpecDocument::EventList | SpecDocument::PropertyList))
        ListBox3->showLines(spec.DefinedHandlers);
    if (parts & SpecDocument::AncestorMembers)
        ListBox5->showLines(spec.StandardEvents);
}

QString EventHandlersPage::pendingName() const
{
    return eventname->text();
}

void EventHandlersPage::addPendingEntry()
{
    Button5Click();
}

void EventHandlersPage::fileOpened()
{
    if (ListBox3->count() > 0)
        Button6->setEnabled(true);
}

// ---- handlers ---------------------------------------------------------------

void EventHandlersPage::eventnameChange()
{
    Button5->setEnabled(!eventname->text().isEmpty());
}

// Any method type may be typed; nothing follows from it until Add.
void EventHandlersPage::eventtypeChange()
{
}

void EventHandlersPage::Button5Click()
{
    if (eventname->text().isEmpty())
        return;
    // The field shows the name as it will be stored, refused or not.
    const QString name = normalisedHandlerName(eventname->text());
    if (name != eventname->text())
        eventname->setText(name);

    EventInput fields;
    fields.name = name;
    fields.type = eventtype->currentText();
    fields.params = Edit5->text();
    fields.isProtected = pcheck->isChecked();
    fields.comment = m_context.memoform.text();
    const EntryCheck<EventInput> check =
        checkEventHandler(fields, m_context.document.spec().DefinedHandlers);
    if (const auto *refusal = std::get_if<EntryRefusal>(&check)) {
        m_context.prompts.message(refusal->box, refusal->message, Prompts::Buttons::Ok);
        if (refusal->focus == EntryField::Name)
            eventname->setFocus();
        else if (refusal->focus == EntryField::Type)
            eventtype->setFocus();
        return;
    }
    m_context.document.addEventHandler(std::get<EventInput>(check));
    m_context.memoform.clear();

    Button6->setEnabled(true);
    pcheck->setChecked(false);
    eventname->clear();
    eventname->setFocus();
    Edit5->clear();
}

void EventHandlersPage::Button6Click()
{
    const int row = ListBox3->selectedRow();
    if (row < 0)
        return;
    m_context.document.removeDefinedHandler(row);
    if (ListBox3->count() == 0)
        Button6->setEnabled(false);
}

void EventHandlersPage::ListBox3DblClick()
{
    offerPendingEntry();
    const int row = ListBox3->selectedRow();
    if (row < 0)
        return;
    // A field whose list has no entry for the handler keeps what it shows.
    const ComponentSpec &spec = m_context.document.spec();
    const bool hasProtected = row < spec.EProtected.size();
    const bool hasParams = row < spec.EventParams.size();
    const std::optional<EventInput> event = m_context.document.takeEventHandler(row);
    if (event) {
        eventname->setText(event->name);
        m_context.memoform.setText(event->comment);
        eventtype->setEditText(event->type);
        if (hasProtected)
            pcheck->setChecked(event->isProtected);
        if (hasParams)
            Edit5->setText(event->params);
    }
    if (ListBox3->count() == 0)
        Button6->setEnabled(false);
}
