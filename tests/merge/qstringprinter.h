// Failures show Qt texts as text. Every test file of a test program that
// compares QStrings includes this, so that all of them print alike.
#pragma once

#include <QString>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
