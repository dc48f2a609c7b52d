// SPDX-License-Identifier: MIT
// The specification files opened or saved last, the newest first and at most
// eight, as the File menu lists them. The settings file keeps them in a
// section of their own, "Recent Specifications", as File1, File2, ...
#pragma once

#include <QString>
#include <QStringList>

class ProfileFile;

class RecentFiles
{
public:
    static constexpr int kMaxFiles = 8;
    static QString section() { return QStringLiteral("Recent Specifications"); }

    RecentFiles() = default;
    // The first eight distinct names of files that are not empty.
    explicit RecentFiles(const QStringList &files);

    const QStringList &files() const { return m_files; }
    bool isEmpty() const { return m_files.isEmpty(); }

    // Puts path first; an entry already there moves up, the ninth drops off.
    void add(const QString &path);
    void remove(const QString &path);

    // The captions the menu shows, one per entry: the file's name, followed
    // by its folder in brackets when another entry has the same name.
    QStringList labels() const;

    static RecentFiles read(const ProfileFile &profile);
    // Replaces the section with the list.
    void write(ProfileFile &profile) const;

private:
    QStringList m_files;
};
