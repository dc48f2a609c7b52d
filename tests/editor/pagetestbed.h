// What the editor page tests share: a page made with its own document,
// splitter, scripted prompts and comment dialog, shown on the offscreen
// platform, and helpers that act on it as a user does.
#pragma once

#include "awk/awk.h"
#include "editor/memoform.h"
#include "editor/pagecontext.h"
#include "model/specdocument.h"
#include "scriptedprompts.h"
#include "rowname.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>

class QAbstractButton;
class QListWidget;
class QWidget;

// One control as a page's table describes it.
struct ControlRow {
    const char *name;
    const char *kind;        // the Qt class it is, or inherits
    QString caption;         // its own text, or its label's; empty: none
    QString state;           // as stateOf() words it
    QString hint;            // the long hint; empty: none
    int help = 0;            // the help context; 0: none
    QStringList items = {};  // a combo box's or list's lines, in order
};

UF_ROW_NAME(ControlRow)

// "enabled" or "disabled", then "checked" or "unchecked" for a check box or
// radio button and the text of an edit or combo box.
QString stateOf(const QWidget *control);
// The text of a label, button or group box, else the text of the label whose
// buddy it is.
QString captionOf(const QWidget *control);
QStringList itemsOf(const QWidget *control);
// Compares a control found by name in page with its row.
void expectControl(QWidget *page, const ControlRow &row);

template <class Page>
class PageTestBed : public ::testing::Test
{
protected:
    PageTestBed() { page.show(); }
    void TearDown() override { EXPECT_TRUE(prompts.exhausted()) << "a scripted answer was not asked for"; }

    SpecDocument document;
    const ComponentSpec &spec = document.spec();
    TAwk awk;
    ScriptedPrompts prompts;
    Tmemoform memoform;
    Page page{PageContext{document, awk, prompts, memoform}};
};

void click(QAbstractButton *button);
// Replaces the text of an edit as the user does: select all, then type.
void retype(QWidget *edit, const QString &text);
// Clicks line row of list (selecting it); -1 clicks nowhere.
void clickRow(QListWidget *list, int row);
// A double-click on line row, after the first click has selected it; -1
// double-clicks below the last line.
void doubleClickRow(QListWidget *list, int row);
