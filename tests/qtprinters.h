// SPDX-License-Identifier: MIT
// Qt's strings in failure messages as text, not as bytes: included into
// every test (see tests/CMakeLists.txt).
#pragma once

#include <QByteArray>
#include <QString>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray &bytes, std::ostream *os)
{
    *os << '"' << bytes.toStdString() << '"';
}
