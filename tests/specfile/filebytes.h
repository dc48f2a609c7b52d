// SPDX-License-Identifier: MIT
// Whole-file reads and writes for tests that look at files byte by byte, and
// the comparison with the expected files kept in tests/data.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <gtest/gtest.h>

inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The full name of a file in tests/data.
inline QString testDataPath(const char *name)
{
    return QStringLiteral(UF_TEST_DATA_DIR "/") + QLatin1String(name);
}

// Expects bytes to equal the file tests/data/<name> byte for byte, and names
// the first line (CR LF ends lines) that differs.
inline void expectSameAsDataFile(const QByteArray &bytes, const char *name)
{
    const QByteArray expected = readBytes(testDataPath(name));
    ASSERT_FALSE(expected.isEmpty()) << "no file tests/data/" << name;
    if (bytes == expected)
        return;
    const QList<QByteArray> got = bytes.split('\n');
    const QList<QByteArray> want = expected.split('\n');
    for (qsizetype i = 0; i < std::min(got.size(), want.size()); ++i)
        ASSERT_EQ(got.at(i).toStdString(), want.at(i).toStdString()) << name << " line " << i + 1;
    FAIL() << name << ": " << got.size() << " lines instead of " << want.size();
}
