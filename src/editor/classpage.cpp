#include "editor/classpage.h"

#include "editor/controlhints.h"
#include "editor/selectpathdialog.h"
#include "model/ancestortable.h"
#include "model/componentspec.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kClassHelp = 41005;
constexpr int kInitialAncestor = 18;   // "TComponent"
}

ClassPage::ClassPage(ComponentSpec &spec, TPathForm &pathForm, QWidget *parent)
    : QWidget(parent)
    , m_spec(spec)
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
    // Only the user's own changes count: a choice from the list and every
    // edit of the typed text. Selections made by the program fire nothing.
    connect(ancestorbox, &QComboBox::activated, this, &ClassPage::ancestorboxChange);
    connect(ancestorbox->lineEdit(), &QLineEdit::textEdited, this, &ClassPage::ancestorboxChange);
}

void ClassPage::ancestorboxChange()
{
    refillAncestorMembers();
}

void ClassPage::refillAncestorMembers()
{
    ::refillAncestorMembers(m_spec, ancestorbox->currentIndex());
    emit ancestorMembersChanged();
}

bool ClassPage::selectAncestor(const QString &name)
{
    const int index = ancestorIndex(name);
    if (index < 0 || index >= ancestorbox->count())
        return false;
    ancestorbox->setCurrentIndex(index);
    refillAncestorMembers();
    return true;
}

void ClassPage::setPalettePages(const QStringList &pages)
{
    palpage->clear();
    palpage->addItems(pages);
    palpage->setCurrentIndex(-1);
    palpage->setEditText(QString());
}

void ClassPage::storeHeaderFields() const
{
    m_spec.Filename = unitname->text();
    m_spec.Classname = clname->text();
    m_spec.Ancestor = ancestorbox->currentText();
    m_spec.Palettepage = palpage->currentText();
}

void ClassPage::Button9Click()
{
    if (m_runPathDialog(m_pathForm) == QDialog::Accepted) {
        QString dir = m_pathForm.directory();
        if (!dir.endsWith(u'/'))
            dir += u'/';
        unitname->setText(dir);
    }
    unitname->setFocus();
}
