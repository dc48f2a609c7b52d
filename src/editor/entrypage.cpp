#include "editor/entrypage.h"

#include "editor/controlhints.h"
#include "editor/memoform.h"
#include "editor/userprompts.h"

#include <QPainter>
#include <QPixmap>
#include <QToolButton>

namespace {

// A note with a pencil: the comment button's glyph.
QIcon commentGlyph()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 255, 200));
    p.drawRect(QRectF(1.5, 1.5, 10, 13));
    p.setPen(QPen(Qt::darkBlue, 1));
    for (const qreal y : {4.5, 7.5, 10.5})
        p.drawLine(QPointF(3.5, y), QPointF(9.5, y));
    p.setPen(QPen(QColor(160, 80, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 4), QPointF(8.5, 12.5));
    return QIcon(pixmap);
}

} // namespace

EntryPage::EntryPage(const PageContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
{
}

void EntryPage::SpeedButton1Click()
{
    m_context.memoform.exec();
}

QToolButton *EntryPage::makeCommentButton(const QString &name)
{
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setIcon(commentGlyph());
    button->setFocusPolicy(Qt::StrongFocus);
    setHint(button, QStringLiteral("Add a Source code comment"));
    connect(button, &QToolButton::clicked, this, &EntryPage::SpeedButton1Click);
    return button;
}

void EntryPage::offerPendingEntry()
{
    const QString name = pendingName();
    if (name.isEmpty())
        return;
    if (m_context.prompts.message(Prompts::Kind::Warning, pendingEntryQuestion(entryKind(), name),
                                  Prompts::Buttons::YesNo)
        == Prompts::Answer::Yes)
        addPendingEntry();
}
