#include "pagetestbed.h"

#include "editor/controlhints.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

QString stateOf(const QWidget *control)
{
    QString state = control->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled");
    if (const auto *button = qobject_cast<const QAbstractButton *>(control); button && button->isCheckable())
        state += button->isChecked() ? QStringLiteral(", checked") : QStringLiteral(", unchecked");
    if (const auto *edit = qobject_cast<const QLineEdit *>(control))
        state += QStringLiteral(", \"%1\"").arg(edit->text());
    if (const auto *box = qobject_cast<const QComboBox *>(control))
        state += QStringLiteral(", \"%1\"").arg(box->currentText());
    if (const auto *spin = qobject_cast<const QSpinBox *>(control))
        state += QStringLiteral(", %1 of %2 to %3").arg(spin->value()).arg(spin->minimum()).arg(spin->maximum());
    return state;
}

QString captionOf(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (const auto *group = qobject_cast<const QGroupBox *>(control))
        return group->title();
    for (const QLabel *label : control->window()->findChildren<QLabel *>()) {
        if (label->buddy() == control)
            return label->text();
    }
    return QString();
}

QStringList itemsOf(const QWidget *control)
{
    QStringList items;
    if (const auto *box = qobject_cast<const QComboBox *>(control)) {
        for (int i = 0; i < box->count(); ++i)
            items.append(box->itemText(i));
    }
    if (const auto *list = qobject_cast<const QListWidget *>(control)) {
        for (int i = 0; i < list->count(); ++i)
            items.append(list->item(i)->text());
    }
    return items;
}

void expectControl(QWidget *page, const ControlRow &row)
{
    const QWidget *control = page->findChild<QWidget *>(QLatin1String(row.name));
    ASSERT_TRUE(control) << "no control named " << row.name;
    EXPECT_TRUE(control->inherits(row.kind)) << control->metaObject()->className();
    EXPECT_EQ(captionOf(control), row.caption);
    EXPECT_EQ(stateOf(control), row.state);
    EXPECT_EQ(control->statusTip(), row.hint);
    EXPECT_EQ(helpContextOf(control), row.help);
    EXPECT_EQ(itemsOf(control), row.items);
}

// A check box or radio button takes clicks on its box and caption only, and
// a layout may make it wider than both: it is clicked on its box.
void click(QAbstractButton *button)
{
    const bool boxed = qobject_cast<QCheckBox *>(button) || qobject_cast<QRadioButton *>(button);
    QTest::mouseClick(button, Qt::LeftButton, {},
                      boxed ? QPoint(6, button->height() / 2) : button->rect().center());
}

void retype(QWidget *edit, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(edit))
        line->selectAll();
    else if (auto *box = qobject_cast<QComboBox *>(edit); box && box->lineEdit())
        box->lineEdit()->selectAll();
    else if (auto *spin = qobject_cast<QAbstractSpinBox *>(edit))
        spin->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

namespace {
QPoint pointOfRow(QListWidget *list, int row)
{
    if (row >= 0)
        return list->visualItemRect(list->item(row)).center();
    return QPoint(list->viewport()->width() / 2, list->viewport()->height() - 2);
}
} // namespace

void clickRow(QListWidget *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, pointOfRow(list, row));
}

void doubleClickRow(QListWidget *list, int row)
{
    clickRow(list, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, pointOfRow(list, row));
}
