// SPDX-License-Identifier: MIT
// The Style page: how a build formats the unit (indent width, blank lines and
// a separator line between routines, where method comments go) and the
// class library it is written for.
#pragma once

#include "generator/style.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QVBoxLayout;

class StylePage : public QWidget
{
    Q_OBJECT
public:
    explicit StylePage(QWidget *parent = nullptr);

    // The values the controls show now; these are what a build uses.
    Style style() const;
    // Each value goes into its control, which keeps it in range.
    void setStyle(const Style &style);

    // The separator characters offered, in the order the list shows them.
    static QStringList separatorCharacters();

private:
    void addFurtherOptions(QVBoxLayout *layout);

public: // controls
    QLabel *Label1;          // heading
    QLabel *Label2;
    QSpinBox *indent;
    QLabel *Label3;
    QSpinBox *linebreak;
    QLabel *Label4;
    QLabel *Label5;
    QSpinBox *numchars;
    QComboBox *charcombo;
    QLabel *Label6;
    QCheckBox *placebefore;
};
