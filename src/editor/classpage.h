// The Class page: the specification's header fields (unit name, class name,
// ancestor, palette page), the "Select Path" command, and the ancestor's
// published members kept in step with the ancestor chosen.
#pragma once

#include <QWidget>
#include <functional>

class ComponentSpec;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TPathForm;

class ClassPage : public QWidget
{
    Q_OBJECT
public:
    ClassPage(ComponentSpec &spec, TPathForm &pathForm, QWidget *parent = nullptr);

    // Recomputes StandardProperties and StandardEvents from the entry selected
    // in the ancestor list (not from typed text).
    void refillAncestorMembers();
    // Selects the list entry equal to name without regard to case and refills
    // the members; false (nothing changes) when the list has no such entry.
    bool selectAncestor(const QString &name);
    // Puts the palette page names into palpage's list; its text is emptied.
    void setPalettePages(const QStringList &pages);
    // Copies the controls into the specification's header fields.
    void storeHeaderFields() const;

    // How the Select Path dialog is run; tests replace the modal exec.
    using PathDialogRunner = std::function<int(TPathForm &)>;
    void setPathDialogRunner(PathDialogRunner runner) { m_runPathDialog = std::move(runner); }

signals:
    // StandardProperties and StandardEvents have been refilled or emptied.
    void ancestorMembersChanged();

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
    ComponentSpec &m_spec;
    TPathForm &m_pathForm;
    PathDialogRunner m_runPathDialog;
};
