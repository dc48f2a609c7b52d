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

class StylePage : public QWidget
{
    Q_OBJECT
public:
    explicit StylePage(QWidget *parent = nullptr);

    // The values the controls show now; these are what a build uses.
    Style style() const;
    // Brings each value into its control's range first.
    void setStyle(const Style &style);

    // The separator characters offered, in the order the list shows them.
    static QStringList separatorCharacters();

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
    QLabel *targetlabel;
    QComboBox *targetcombo;  // "Delphi 2.0" or "Lazarus"
};
