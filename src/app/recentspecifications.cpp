// SPDX-License-Identifier: MIT
#include "app/recentspecifications.h"

#include "platform/prompts.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

RecentSpecifications::RecentSpecifications(QMenu *menu, Prompts &prompts,
                                           std::function<void(const QString &)> open,
                                           QObject *parent)
    : QObject(parent)
    , m_menu(menu)
    , m_prompts(prompts)
    , m_open(std::move(open))
{
    updateMenu();
}

void RecentSpecifications::setFiles(const QStringList &files)
{
    m_files = RecentFiles(files);
    updateMenu();
}

void RecentSpecifications::add(const QString &path)
{
    m_files.add(path);
    updateMenu();
}

void RecentSpecifications::openEntry(int index)
{
    if (index < 0 || index >= m_files.files().size())
        return;
    const QString path = m_files.files().at(index);
    if (!QFileInfo(path).isFile()) {
        m_prompts.message(Prompts::Kind::Information,
                          QStringLiteral("%1 no longer exists. It has been removed from the list "
                                         "of recent specifications.")
                              .arg(QDir::toNativeSeparators(path)),
                          Prompts::Buttons::Ok);
        m_files.remove(path);
        updateMenu();
        return;
    }
    m_open(path);
}

// Items "&1 name" to "&8 name"; the status line shows the whole path.
void RecentSpecifications::updateMenu()
{
    // The item chosen may be the one running: the old items go once it has finished.
    for (QAction *old : m_menu->actions()) {
        m_menu->removeAction(old);
        old->setParent(nullptr);
        old->deleteLater();
    }
    const QStringList labels = m_files.labels();
    for (qsizetype i = 0; i < labels.size(); ++i) {
        QString caption = labels[i];
        caption.replace(u'&', QStringLiteral("&&"));
        QAction *item = m_menu->addAction(u'&' + QString::number(i + 1) + u' ' + caption);
        item->setObjectName(QStringLiteral("RecentFile") + QString::number(i + 1));
        item->setStatusTip(QDir::toNativeSeparators(m_files.files().at(i)));
        connect(item, &QAction::triggered, this, [this, i] { openEntry(int(i)); });
    }
    m_menu->setEnabled(!labels.isEmpty());
}
