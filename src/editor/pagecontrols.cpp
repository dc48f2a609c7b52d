// SPDX-License-Identifier: MIT
#include "editor/pagecontrols.h"

#include "editor/controlhints.h"
#include "editor/glyphs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

void describeControl(QWidget *control, const char *name, const QString &hint, int helpContext)
{
    control->setObjectName(QLatin1String(name));
    if (!hint.isEmpty())
        setHint(control, hint);
    if (helpContext)
        setHelpContext(control, helpContext);
}

QLabel *buddyLabel(const QString &caption, QWidget *buddy)
{
    auto *label = new QLabel(caption, buddy->parentWidget());
    label->setObjectName(buddy->objectName() + QStringLiteral("Label"));
    label->setBuddy(buddy);
    return label;
}

QToolButton *commentButton(QWidget *parent, const char *name)
{
    auto *button = pageControl<QToolButton>(parent, name, QStringLiteral("Add a Source code comment"));
    button->setIcon(glyphIcon(Glyph::Comment));
    button->setAccessibleName(QStringLiteral("Comment"));
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

void keepTypedText(QComboBox *box)
{
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
}
