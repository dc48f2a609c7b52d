#include "editor/messagehandlerspage.h"

#include "editor/documentlistbox.h"
#include "editor/numberspinbox.h"
#include "editor/pagecontrols.h"
#include "editor/userprompts.h"
#include "model/entryvalidation.h"
#include "model/specdocument.h"
#include "model/standardmessages.h"

#include <QHBoxLayout>
#include <QItemSelection>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QValidator>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int kLargestOffset = 99999;

// Every letter typed, pasted or set becomes upper case.
class UpperCaseValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

// The picture between the page's two halves: a sealed envelope.
QPixmap envelopePicture(const QPalette &palette)
{
    const qreal ratio = 2;
    QPixmap pixmap(QSize(36, 26) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(1.5, 1.5, 33, 23);
    painter.setPen(QPen(palette.color(QPalette::WindowText), 1.2));
    painter.setBrush(QColor(0xff, 0xf8, 0xdc));
    painter.drawRect(body);
    QPainterPath flap;
    flap.moveTo(body.topLeft());
    flap.lineTo(body.center().x(), body.center().y() + 2);
    flap.lineTo(body.topRight());
    painter.drawPath(flap);
    painter.setBrush(QColor(0xb0, 0x20, 0x20));
    painter.drawEllipse(QPointF(body.center().x(), body.center().y() + 2), 3, 3);
    return pixmap;
}

} // namespace

MessageHandlersPage::MessageHandlersPage(const PageContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(u"MessageHandlersPage"_s);
    createControls();
    layOutControls();
    connectHandlers();
}

void MessageHandlersPage::createControls()
{
    Label22 = pageControl<QLabel>(this, "Label22");
    Label22->setText(u"If you want to override standard message handling for a standard windows "
                     "message, select the message(s) from the list box below.  If you want to build "
                     "a user defined message handler, enter the message name and WM_USER offset here "_s);
    Label22->setWordWrap(true);
    QFont bold = font();
    bold.setBold(true);
    Label22->setFont(bold);

    winlist = pageControl<QListWidget>(this, "winlist", u"Standard Windows Messages"_s);
    winlist->setSelectionMode(QAbstractItemView::ExtendedSelection);
    winlist->setUniformItemSizes(true);
    winlist->addItems(standardMessageNames());

    Image1 = pageControl<QLabel>(this, "Image1");
    Image1->setPixmap(envelopePicture(palette()));

    Label25 = pageControl<QLabel>(this, "Label25");
    Label25->setText(u"User Defined Messages..."_s);
    Label25->setFont(bold);

    messname = pageControl<QLineEdit>(this, "messname", u"Enter the Message Name"_s);
    messname->setValidator(new UpperCaseValidator(messname));

    SpinEdit1 = pageControl<NumberSpinBox>(this, "SpinEdit1", u"Select or enter the WM_USER offset"_s);
    SpinEdit1->setRange(1, kLargestOffset);
    SpinEdit1->setValue(1);

    Button7 = pageControl<QPushButton>(this, "Button7", u"Add User Defined Message"_s);
    Button7->setText(u"&Add"_s);
    Button7->setEnabled(false);
    Button8 = pageControl<QPushButton>(this, "Button8", u"Remove User Defined Message"_s);
    Button8->setText(u"&Remove"_s);
    Button8->setEnabled(false);

    userlist = pageControl<DocumentListBox>(this, "userlist", u"User Defined Messages"_s);
}

// The explanation across the top; the standard messages on the left, the
// user-defined messages on the right, the picture between them.
void MessageHandlersPage::layOutControls()
{
    auto *standard = new QVBoxLayout;
    standard->setSpacing(2);
    standard->addWidget(buddyLabel(u"Standard Messages..."_s, winlist));
    standard->addWidget(winlist, 1);

    auto *offset = new QHBoxLayout;
    offset->addWidget(buddyLabel(u"Message Constant WM_USER + "_s, SpinEdit1));
    offset->addWidget(SpinEdit1);
    offset->addStretch(1);
    SpinEdit1->setMinimumWidth(SpinEdit1->fontMetrics().horizontalAdvance(u"999999"_s) + 32);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button7);
    buttons->addWidget(Button8);

    auto *user = new QVBoxLayout;
    user->setSpacing(4);
    user->addWidget(Label25);
    user->addSpacing(4);
    user->addWidget(buddyLabel(u"Message &Name:"_s, messname));
    user->addWidget(messname);
    user->addLayout(offset);
    user->addLayout(buttons);
    user->addWidget(userlist, 1);

    auto *halves = new QHBoxLayout;
    halves->addLayout(standard, 4);
    halves->addWidget(Image1, 0, Qt::AlignCenter);
    halves->addLayout(user, 5);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->addWidget(Label22);
    page->addLayout(halves, 1);

    QWidget *order[] = {winlist, messname, SpinEdit1, Button7, Button8, userlist};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MessageHandlersPage::connectHandlers()
{
    connect(messname, &QLineEdit::textChanged, this, &MessageHandlersPage::messnameChange);
    connect(Button7, &QPushButton::clicked, this, &MessageHandlersPage::Button7Click);
    connect(Button8, &QPushButton::clicked, this, &MessageHandlersPage::Button8Click);
    connect(userlist, &QListWidget::itemSelectionChanged, this, &MessageHandlersPage::userlistClick);
    connect(winlist, &QListWidget::itemSelectionChanged, this,
            &MessageHandlersPage::takeStandardSelection);
    connect(&m_context.document, &SpecDocument::changed, this,
            [this](SpecDocument::Parts parts) { showDocumentLists(parts); });
    showDocumentLists(SpecDocument::MessageList);
}

// What the document holds now; none of it counts as the user's doing.
void MessageHandlersPage::showDocumentLists(int parts)
{
    if (!(parts & SpecDocument::MessageList) || m_takingSelection)
        return;
    const QScopedValueRollback showing(m_showingDocument, true);
    const ComponentSpec &spec = m_context.document.spec();
    userlist->showLines(spec.UserMessages);
    QItemSelection selection;
    for (int i = 0; i < winlist->count(); ++i) {
        if (spec.isStandardMessageSelected(i)) {
            const QModelIndex index = winlist->model()->index(i, 0);
            selection.select(index, index);
        }
    }
    winlist->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void MessageHandlersPage::takeStandardSelection()
{
    if (m_showingDocument)
        return;
    const QScopedValueRollback taking(m_takingSelection, true);
    for (int i = 0; i < winlist->count(); ++i)
        m_context.document.setStandardMessageSelected(i, winlist->item(i)->isSelected());
}

// ---- handlers ---------------------------------------------------------------

void MessageHandlersPage::messnameChange()
{
    Button7->setEnabled(!messname->text().isEmpty());
}

void MessageHandlersPage::Button7Click()
{
    const EntryCheck<UserMessageInput> check =
        checkUserMessage(messname->text(), SpinEdit1->number(),
                         m_context.document.spec().UserMessages, m_context.awk);
    if (const auto *refusal = std::get_if<EntryRefusal>(&check)) {
        m_context.prompts.message(refusal->box, refusal->message, Prompts::Buttons::Ok);
        return;
    }
    const UserMessageInput &entry = std::get<UserMessageInput>(check);
    if (entry.askNamingQuestion
        && m_context.prompts.message(Prompts::Kind::Warning, userMessageNamingQuestion(),
                                     Prompts::Buttons::YesNo)
            == Prompts::Answer::No) {
        messname->setFocus();
        return;
    }
    m_context.document.addUserMessage(entry.name, entry.offset);
    Button8->setEnabled(true);
    messname->clear();
    messname->setFocus();
}

void MessageHandlersPage::userlistClick()
{
    if (!m_showingDocument)
        Button8->setEnabled(userlist->selectedRow() >= 0);
}

void MessageHandlersPage::Button8Click()
{
    const int row = userlist->selectedRow();
    if (row < 0)
        return;
    m_context.document.removeUserMessage(row);
    Button8->setEnabled(userlist->count() > 0);
}
