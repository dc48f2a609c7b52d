// SPDX-License-Identifier: MIT
// The File menu's "Recent Specifications": the files opened or saved last,
// each item opening its file with Open's questions. A file that has gone is
// taken off the list once the user has been told.
#pragma once

#include "specfile/recentfiles.h"

#include <QObject>
#include <functional>

class Prompts;
class QMenu;

class RecentSpecifications : public QObject
{
    Q_OBJECT
public:
    // open: Open's questions, then the file.
    RecentSpecifications(QMenu *menu, Prompts &prompts, std::function<void(const QString &)> open,
                         QObject *parent = nullptr);

    QStringList files() const { return m_files.files(); }
    void setFiles(const QStringList &files);
    // A file just opened or saved.
    void add(const QString &path);
    // What the n-th item (from 0) does when chosen.
    void openEntry(int index);

private:
    void updateMenu();

    QMenu *m_menu;
    Prompts &m_prompts;
    std::function<void(const QString &)> m_open;
    RecentFiles m_files;
};
