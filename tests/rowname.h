// Names for the rows of parameterised tests, so that CTest shows and selects
// them by name: rowName gives a row's name field with every character a test
// name cannot hold made "_", and a row type's PrintTo prints the same field.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

struct RowName {
    template <typename Row>
    std::string operator()(const testing::TestParamInfo<Row> &info) const
    {
        std::string name = info.param.name;
        for (char &c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    }
};
