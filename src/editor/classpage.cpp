// SPDX-License-Identifier: MIT
#include "editor/classpage.h"

#include "editor/controlhints.h"
#include "editor/selectpathdialog.h"
#include "model/ancestortable.h"
#include "model/specdocument.h"
#include "model/unitname.h"
#include "platform/winepaths.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace {
constexpr int kClassHelp = 41005;
constexpr int kInitialAncestor = 18;   // "TComponent"
}

ClassPage::ClassPage(SpecDocument &document, TPathForm &pathForm, QWidget *parent)
    : QWidget(parent)
    , m_document(document)
    , m_pathForm(pathForm)
    , m_runPathDialog([](TPathForm &form) { return form.exec(); })
{
    setObjectName(QStringLiteral("ClassPage"));

    unitname = new QLineEdit(this);
    unitname->setObjectName(QStringLiteral("unitname"));
    setHint(unitname, QStringLiteral("Enter the unit name"));

    Button9 = new QPushButton(QStringLiteral("Se&lect Path..."), this);
    Button9->setObjectName(QStringLiteral("Button9"));

    clname = new QLineEdit(this);
    clname->setObjectName(QStringLiteral("clname"));
    setHint(clname, QStringLiteral("Enter the component's class name"));

    ancestorbox = new QComboBox(this);
    ancestorbox->setObjectName(QStringLiteral("ancestorbox"));
    ancestorbox->setEditable(true);
    // Typed text stays typed text: it is never added to the list.
    ancestorbox->setInsertPolicy(QComboBox::NoInsert);
    ancestorbox->setCompleter(nullptr);   // no text the user did not type
    ancestorbox->setMaxVisibleItems(16);
    ancestorbox->addItems(ancestorNames());
    ancestorbox->setCurrentIndex(kInitialAncestor);
    setHint(ancestorbox, QStringLiteral("Select or enter the component's ancestor class type"));

    palpage = new QComboBox(this);
    palpage->setObjectName(QStringLiteral("palpage"));
    palpage->setEditable(true);
    palpage->setInsertPolicy(QComboBox::NoInsert);
    palpage->setCompleter(nullptr);
    setHint(palpage, QStringLiteral("Select or enter the palette page"));

    for (QWidget *w : {static_cast<QWidget *>(unitname), static_cast<QWidget *>(Button9),
                       static_cast<QWidget *>(clname), static_cast<QWidget *>(ancestorbox),
                       static_cast<QWidget *>(palpage)})
        setHelpContext(w, kClassHelp);

    auto label = [this](const QString &caption, QWidget *buddy, const char *name) {
        auto *l = new QLabel(caption, this);
        l->setObjectName(QLatin1String(name));
        l->setBuddy(buddy);
        return l;
    };
    Label1 = label(QStringLiteral("&Unit Name:"), unitname, "Label1");
    Label2 = label(QStringLiteral("Class &Name:"), clname, "Label2");
    Label3 = label(QStringLiteral("&Ancestor:"), ancestorbox, "Label3");
    Label4 = label(QStringLiteral("Pa&lette Page:"), palpage, "Label4");

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(unitname, 0, 1);
    grid->addWidget(Button9, 0, 2);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(clname, 1, 1);
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(ancestorbox, 2, 1);
    grid->addWidget(Label4, 3, 0);
    grid->addWidget(palpage, 3, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);

    setTabOrder(unitname, Button9);
    setTabOrder(Button9, clname);
    setTabOrder(clname, ancestorbox);
    setTabOrder(ancestorbox, palpage);

    connect(Button9, &QPushButton::clicked, this, &ClassPage::Button9Click);
    // Only the user's own changes refill the members: a choice from the list
    // and every edit of the typed text. Selections made by the program do not.
    connect(ancestorbox, &QComboBox::activated, this, &ClassPage::ancestorboxChange);
    connect(ancestorbox->lineEdit(), &QLineEdit::textEdited, this, &ClassPage::ancestorboxChange);

    // Every change of a field, typed or set, goes into the document at once.
    connect(unitname, &QLineEdit::textChanged, &m_document, &SpecDocument::setFilename);
    connect(clname, &QLineEdit::textChanged, &m_document, &SpecDocument::setClassname);
    connect(ancestorbox, &QComboBox::editTextChanged, &m_document, &SpecDocument::setAncestor);
    connect(palpage, &QComboBox::editTextChanged, &m_document, &SpecDocument::setPalettepage);
    connect(&m_document, &SpecDocument::changed, this, [this](SpecDocument::Parts parts) {
        if (parts & SpecDocument::Header)
            showHeaderFields();
    });
    showHeaderFields();
}

void ClassPage::showHeaderFields()
{
    const ComponentSpec &spec = m_document.spec();
    if (unitname->text() != spec.Filename)
        unitname->setText(spec.Filename);
    if (clname->text() != spec.Classname)
        clname->setText(spec.Classname);
    if (palpage->currentText() != spec.Palettepage)
        palpage->setEditText(spec.Palettepage);
    if (ancestorbox->currentText() != spec.Ancestor) {
        ancestorbox->setEditText(spec.Ancestor);
        selectEntryOfText();
    }
}

void ClassPage::selectEntryOfText()
{
    const QString text = ancestorbox->currentText();
    const int index = ancestorIndex(text);
    if (index == ancestorbox->currentIndex())
        return;
    // Qt's combo box keeps its old entry while the user types, and selecting
    // an entry replaces the text; neither is wanted here.
    QLineEdit *edit = ancestorbox->lineEdit();
    const int cursor = edit->cursorPosition();
    const QSignalBlocker blockBox(ancestorbox);
    const QSignalBlocker blockEdit(edit);
    ancestorbox->setCurrentIndex(index);
    edit->setText(text);
    edit->setCursorPosition(cursor);
}

void ClassPage::ancestorboxChange()
{
    selectEntryOfText();
    refillAncestorMembers();
}

void ClassPage::refillAncestorMembers()
{
    m_document.refillAncestorMembers(ancestorIndex(ancestorbox->currentText()));
}

void ClassPage::setPalettePages(const QStringList &pages)
{
    palpage->clear();
    palpage->addItems(pages);
    palpage->setCurrentIndex(-1);
    palpage->setEditText(QString());
}

// The chosen folder replaces the folder part of the unit name; its file name
// stays ("unit1.pas" when it has none).
void ClassPage::Button9Click()
{
    // Starts in the unit name's folder when there is one.
    m_pathForm.setDirectory(withSlashes(directoryPart(unitname->text())));
    if (m_runPathDialog(m_pathForm) == QDialog::Accepted) {
        QString dir = m_pathForm.directory();
        if (!dir.endsWith(u'/'))
            dir += u'/';
        QString file = fileNamePart(unitname->text());
        if (file.isEmpty())
            file = QStringLiteral("unit1.pas");
        unitname->setText(dir + file);
    }
    unitname->setFocus();
}
