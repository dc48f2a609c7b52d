// SPDX-License-Identifier: MIT
// The Class page: the specification's header fields (unit name, class name,
// ancestor, palette page), the "Select Path" command, and the ancestor's
// published members kept in step with the ancestor chosen. The fields go into
// the document as they are typed, and follow it when it changes otherwise
// (Open).
#pragma once

#include <QWidget>
#include <functional>

#include "model/specdocument.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TPathForm;

class ClassPage : public QWidget
{
    Q_OBJECT
public:
    ClassPage(SpecDocument &document, TPathForm &pathForm, QWidget *parent = nullptr);

    // Recomputes StandardProperties and StandardEvents from the ancestor list's
    // entry equal to the ancestor text (without regard to case); none when no
    // entry is.
    void refillAncestorMembers();
    // Puts the palette page names into palpage's list; its text is emptied.
    void setPalettePages(const QStringList &pages);

    // How the Select Path dialog is run; tests replace the modal exec.
    using PathDialogRunner = std::function<int(TPathForm &)>;
    void setPathDialogRunner(PathDialogRunner runner) { m_runPathDialog = std::move(runner); }

public slots: // handlers
    void ancestorboxChange();
    void Button9Click();

public: // controls
    QLabel *Label1;
    QLineEdit *unitname;
    QPushButton *Button9;
    QLabel *Label2;
    QLineEdit *clname;
    QLabel *Label3;
    QComboBox *ancestorbox;
    QLabel *Label4;
    QComboBox *palpage;

private:
    // Shows the document's header fields where they differ from the controls.
    void showHeaderFields();
    // Marks the list entry equal to the ancestor text as selected, keeping
    // the text as typed.
    void selectEntryOfText();

    SpecDocument &m_document;
    TPathForm &m_pathForm;
    PathDialogRunner m_runPathDialog;
};
