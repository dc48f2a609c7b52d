// SPDX-License-Identifier: MIT
#include "app/findingnavigation.h"

#include "app/builder.h"
#include "app/outputpage.h"
#include "app/stylepage.h"
#include "check/findinglocation.h"
#include "editor/classpage.h"
#include "editor/documentlistbox.h"
#include "editor/eventhandlerspage.h"
#include "editor/messagehandlerspage.h"
#include "editor/methodspage.h"
#include "editor/propertiespage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTabWidget>

namespace {

using Place = FindingLocation::Place;

void focusField(QLineEdit *field)
{
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

void focusField(QComboBox *box)
{
    box->setFocus(Qt::OtherFocusReason);
    if (box->lineEdit())
        box->lineEdit()->selectAll();
}

void selectRow(QListWidget *list, int row)
{
    list->setFocus(Qt::OtherFocusReason);
    if (row < 0 || row >= list->count()) {
        list->clearSelection();
        return;
    }
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    list->scrollToItem(list->item(row));
}

// The list's selection is the specification's: only the current line moves.
void markRow(QListWidget *list, int row)
{
    list->setFocus(Qt::OtherFocusReason);
    if (row < 0 || row >= list->count())
        return;
    list->setCurrentRow(row, QItemSelectionModel::NoUpdate);
    list->scrollToItem(list->item(row));
}

} // namespace

void showFindingEntry(TBuilder &window, const Finding &finding)
{
    const FindingLocation location = locateFinding(window.spec(), finding);
    const auto show = [&window](QWidget *page) { window.PageControl1->setCurrentWidget(page); };
    ClassPage *classPage = window.classPage;
    switch (location.place) {
    case Place::UnitName:
        show(classPage);
        focusField(classPage->unitname);
        break;
    case Place::ClassName:
        show(classPage);
        focusField(classPage->clname);
        break;
    case Place::Ancestor:
        show(classPage);
        focusField(classPage->ancestorbox);
        break;
    case Place::PalettePage:
        show(classPage);
        focusField(classPage->palpage);
        break;
    case Place::Separator:
        show(window.stylePage());
        focusField(window.stylePage()->charcombo);
        break;
    case Place::Properties:
        show(window.propertiesPage());
        selectRow(window.propertiesPage()->ListBox1, location.row);
        break;
    case Place::EventHandlers:
        show(window.eventHandlersPage());
        selectRow(window.eventHandlersPage()->ListBox3, location.row);
        break;
    case Place::Methods:
        show(window.methodsPage());
        selectRow(window.methodsPage()->ListBox2, location.row);
        break;
    case Place::UserMessages:
        show(window.messageHandlersPage());
        selectRow(window.messageHandlersPage()->userlist, location.row);
        break;
    case Place::StandardMessages:
        show(window.messageHandlersPage());
        markRow(window.messageHandlersPage()->winlist, location.row);
        break;
    case Place::UnitText: {
        OutputPage *output = window.outputPage();
        show(output);
        const QTextBlock line = output->Memo1->document()->findBlockByNumber(location.row);
        if (line.isValid()) {
            QTextCursor cursor(line);
            cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            output->Memo1->setTextCursor(cursor);
            output->Memo1->ensureCursorVisible();
        }
        output->Memo1->setFocus(Qt::OtherFocusReason);
        break;
    }
    }
}
