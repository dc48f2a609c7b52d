// SPDX-License-Identifier: MIT
#include "specfile/recentfiles.h"

#include "specfile/profilefile.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString key(int number)
{
    return QStringLiteral("File") + QString::number(number);
}

} // namespace

RecentFiles::RecentFiles(const QStringList &files)
{
    for (auto it = files.crbegin(); it != files.crend(); ++it)
        add(*it);
}

void RecentFiles::add(const QString &path)
{
    if (path.isEmpty())
        return;
    const QString clean = QDir::cleanPath(path);
    m_files.removeAll(clean);
    m_files.prepend(clean);
    while (m_files.size() > kMaxFiles)
        m_files.removeLast();
}

void RecentFiles::remove(const QString &path)
{
    m_files.removeAll(QDir::cleanPath(path));
}

QStringList RecentFiles::labels() const
{
    QStringList names;
    for (const QString &file : m_files)
        names.append(QFileInfo(file).fileName());
    QStringList labels;
    for (qsizetype i = 0; i < m_files.size(); ++i) {
        if (names.count(names[i]) > 1)
            labels.append(names[i] + QStringLiteral(" (")
                          + QDir::toNativeSeparators(QFileInfo(m_files[i]).path()) + u')');
        else
            labels.append(names[i]);
    }
    return labels;
}

RecentFiles RecentFiles::read(const ProfileFile &profile)
{
    QStringList files;
    for (int number = 1; number <= kMaxFiles; ++number)
        files.append(profile.readString(section(), key(number)));
    return RecentFiles(files);
}

void RecentFiles::write(ProfileFile &profile) const
{
    profile.eraseSection(section());
    for (qsizetype i = 0; i < m_files.size(); ++i)
        profile.writeString(section(), key(int(i) + 1), m_files[i]);
}
