// SPDX-License-Identifier: MIT
// The Methods page: one method at a time (kind, name, parameters, return
// type, binding, directives, section) composed into its heading and added to
// the document; the defined methods, removed or taken back for editing.
#pragma once

#include "editor/entrypage.h"
#include "model/componentspec.h"

class DocumentListBox;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

class MethodsPage : public EntryPage
{
    Q_OBJECT
public:
    explicit MethodsPage(const PageContext &context, QWidget *parent = nullptr);

    EntryKind entryKind() const override { return EntryKind::Method; }
    QString pendingName() const override;
    void addPendingEntry() override;
    void fileOpened() override;

public slots: // handlers
    void MethodnameChange();
    void MethodtypeChange();
    void vcheckClick();
    void dcheckClick();
    void scheckClick();
    void methprivateClick();
    void methpublicClick();
    void methprotectedClick();
    void Button3Click();
    void Button4Click();
    void ListBox2DblClick();

public: // controls
    QLineEdit *Methodname;
    QToolButton *SpeedButton2;
    QComboBox *Methodtype;
    QComboBox *returntype;
    QLineEdit *plist;
    QGroupBox *GroupBox2;
    QRadioButton *vcheck;
    QRadioButton *dcheck;
    QRadioButton *scheck;
    QGroupBox *GroupBox3;
    QCheckBox *methprivate;
    QCheckBox *methpublic;
    QCheckBox *methprotected;
    QCheckBox *methabstract;
    QCheckBox *methoverride;
    QPushButton *Button3;
    QPushButton *Button4;
    DocumentListBox *ListBox2;

private:
    void createControls();
    void layOutControls();
    void connectHandlers();

    MethodInput fields() const;
    void showFields(const MethodInput &method);
    void resetForNextMethod();
    // The section interlock: a box checked unchecks and disables the other
    // two; a box unchecked enables them.
    void sectionInterlock(QCheckBox *clicked, QCheckBox *other1, QCheckBox *other2);
};
