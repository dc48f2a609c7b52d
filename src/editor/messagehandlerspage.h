// SPDX-License-Identifier: MIT
// The Message Handlers page: the standard Windows messages the component
// handles, chosen by selecting them in the fixed list of 230 names (the
// selection is the document's), and the user-defined messages, each a name
// and an offset from WM_USER.
#pragma once

#include "editor/pagecontext.h"

#include <QWidget>

class DocumentListBox;
class NumberSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class MessageHandlersPage : public QWidget
{
    Q_OBJECT
public:
    explicit MessageHandlersPage(const PageContext &context, QWidget *parent = nullptr);

public slots: // handlers
    void messnameChange();
    void Button7Click();
    void userlistClick();
    void Button8Click();

public: // controls
    QLabel *Label22;
    QListWidget *winlist;
    QLabel *Image1;
    QLabel *Label25;
    QLineEdit *messname;
    NumberSpinBox *SpinEdit1;
    QPushButton *Button7;
    QPushButton *Button8;
    DocumentListBox *userlist;

private:
    void createControls();
    void layOutControls();
    void connectHandlers();
    void showDocumentLists(int parts);
    // The user's choice in winlist goes into the document.
    void takeStandardSelection();

    PageContext m_context;
    bool m_showingDocument = false;
    bool m_takingSelection = false;
};
