// SPDX-License-Identifier: MIT
// An editor page that collects one entry at a time (a property, a method, an
// event handler). What its name field holds and has not been added yet is its
// pending entry: Build, Exit and the page's own edit-back ask about it and
// run the page's Add on Yes.
#pragma once

#include "editor/pagecontext.h"
#include "model/pendingentries.h"

#include <QWidget>


class EntryPage : public QWidget
{
    Q_OBJECT
public:
    explicit EntryPage(const PageContext &context, QWidget *parent = nullptr);

    virtual EntryKind entryKind() const = 0;
    // The name field's text; empty when nothing is pending.
    virtual QString pendingName() const = 0;
    // Add, exactly as if the page's Add button had been pressed.
    virtual void addPendingEntry() = 0;
    // The last step of Open, whether or not a file was read: the Remove
    // button is enabled when the defined list holds an entry. Nothing is
    // disabled here.
    virtual void fileOpened() {}

public slots: // handlers
    // The comment button of every entry page: shows the shared comment
    // dialog modally; how it was closed does not matter.
    void SpeedButton1Click();

protected:
    // Asks the pending-entry question when the name field holds a name and
    // runs Add on Yes; any other answer goes on without adding.
    void offerPendingEntry();

    PageContext m_context;
};
