// SPDX-License-Identifier: MIT
// The Properties page: the fields of one property at a time, checked and
// added to the specification with "&Add >>", the properties defined so far
// (removed again, or loaded back into the fields to be changed), and the
// ancestor's published properties for reference.
#pragma once

#include "editor/entrypage.h"
#include "model/specdocument.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class DocumentListBox;
class QPushButton;
class QToolButton;

class PropertiesPage : public EntryPage
{
    Q_OBJECT
public:
    // The items of readit and writeit, and of propspeccombo.
    enum Access { DirectAccess, AccessMethod };
    enum Kind { Normal, Indexed };

    explicit PropertiesPage(const PageContext &context, QWidget *parent = nullptr);

    EntryKind entryKind() const override { return EntryKind::Property; }
    QString pendingName() const override;
    void addPendingEntry() override { Button1Click(); }
    void fileOpened() override;

public slots: // handlers
    void propnameChange();
    void Button1Click();
    void Button2Click();
    void ListBox1DblClick();
    void ronlyClick();
    void wonlyClick();
    void readitClick();
    void writeitClick();
    void propspeccomboClick();
    void UpdateAccessFields();

public: // controls
    QLineEdit *propname;
    QToolButton *SpeedButton1;
    QComboBox *typebox;
    QCheckBox *Pointercheck;
    QLineEdit *dval;
    QComboBox *propspeccombo;
    DocumentListBox *ListBox1;
    DocumentListBox *ListBox4;
    QPushButton *Button1;
    QPushButton *Button2;
    QGroupBox *GroupBox1;
    QCheckBox *runonly;
    QCheckBox *ronly;
    QCheckBox *wonly;
    QCheckBox *procheck;
    QCheckBox *Storecheck;
    QComboBox *readit;
    QLineEdit *Edit1;
    QComboBox *writeit;
    QLineEdit *Edit3;

protected:

private:
    // Made once, in propertiespagelayout.cpp.
    void createControls();
    void layOutControls();
    void connectHandlers();

    // What the fields hold, as the property they describe.
    PropertyInput fields() const;
    // Edit-back: the fields show a stored property.
    void showProperty(const PropertyInput &property);
    // After a successful Add: the fields ready for the next property.
    void clearFieldsForNext();
    void showDefinedProperties();
    void showStandardProperties();
    void refresh(SpecDocument::Parts parts);
    int selectedRow() const;
    void disableRemoveWhenEmpty();

    SpecDocument &m_document;
};
