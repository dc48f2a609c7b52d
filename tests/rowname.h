// Names for the rows of parameterised tests, so that CTest and the test
// output show and select them by name, never as "N-byte object": a row type
// has a field "name", UF_ROW_NAME(Type) after it makes gtest print a row as
// that name, and RowName() makes the same name the test's, with every
// character a test name cannot hold made "_".
#pragma once

#include <gtest/gtest.h>

#include <QString>

#include <cctype>
#include <ostream>
#include <string>

inline std::string rowNameText(const char *name) { return name; }
inline std::string rowNameText(const std::string &name) { return name; }
inline std::string rowNameText(const QString &name) { return name.toStdString(); }

#define UF_ROW_NAME(Row) \
    [[maybe_unused]] inline void PrintTo(const Row &row, std::ostream *os) \
    { \
        *os << rowNameText(row.name); \
    }

struct RowName {
    template <typename Row>
    std::string operator()(const testing::TestParamInfo<Row> &info) const
    {
        std::string name = rowNameText(info.param.name);
        for (char &c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    }
};
