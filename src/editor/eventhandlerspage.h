// SPDX-License-Identifier: MIT
// The Event Handlers page: one event at a time (handler name, method type,
// parameters, protected or published) added to the document, where it is a
// property and an event at once; the defined handlers, removed or taken back
// for editing; the ancestor's published events for reference.
#pragma once

#include "editor/entrypage.h"
#include "model/componentspec.h"

class DocumentListBox;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

class EventHandlersPage : public EntryPage
{
    Q_OBJECT
public:
    explicit EventHandlersPage(const PageContext &context, QWidget *parent = nullptr);

    EntryKind entryKind() const override { return EntryKind::Event; }
    QString pendingName() const override;
    void addPendingEntry() override;
    void fileOpened() override;

public slots: // handlers
    void eventnameChange();
    void eventtypeChange();
    void Button5Click();
    void Button6Click();
    void ListBox3DblClick();

public: // controls
    QLineEdit *eventname;
    QToolButton *SpeedButton3;
    QComboBox *eventtype;
    QLineEdit *Edit5;
    QCheckBox *pcheck;
    DocumentListBox *ListBox3;
    DocumentListBox *ListBox5;
    QPushButton *Button5;
    QPushButton *Button6;

private:
    void createControls();
    void layOutControls();
    void connectHandlers();
    void showDocumentLists(int parts);
};
