// SPDX-License-Identifier: MIT
// Small makers for the controls of the editor pages, so that every page
// names, labels and describes its controls the same way.
#pragma once

#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QToolButton;

// A control of a page: its objectName is its name, and it carries its hint
// and help context (0: none).
template <class Control>
Control *pageControl(QWidget *parent, const char *name, const QString &hint = QString(),
                     int helpContext = 0);

// A label leading to buddy: its mnemonic moves the focus there. Its
// objectName is the buddy's followed by "Label".
QLabel *buddyLabel(const QString &caption, QWidget *buddy);

// The glyph button that opens the shared comment dialog.
QToolButton *commentButton(QWidget *parent, const char *name);

// An editable combo box whose typed text stays typed text: it is neither
// added to the list nor completed from it.
void keepTypedText(QComboBox *box);

// ---- implementation

void describeControl(QWidget *control, const char *name, const QString &hint, int helpContext);

template <class Control>
Control *pageControl(QWidget *parent, const char *name, const QString &hint, int helpContext)
{
    auto *control = new Control(parent);
    describeControl(control, name, hint, helpContext);
    return control;
}
