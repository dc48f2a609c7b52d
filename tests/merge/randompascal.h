// SPDX-License-Identifier: MIT
// Random Object Pascal that a user might write into a unit: bodies full of
// the cases a reader trips over ("end;" in strings and comments, nested
// begin/case/try/asm blocks, local routines, var and const sections), and
// routines of one's own. Everything compiles with only the unit's own names.
#pragma once

#include <QString>

#include <random>

class RandomPascal
{
public:
    explicit RandomPascal(quint32 seed)
        : m_random(seed)
    {
    }

    // A body for a routine: the text after its heading through "end;", CR LF line ends.
    QString body();
    // A procedure or function of one's own, without a line break after its "end;".
    QString ownRoutine();
    // A line of one's own for the constructor, with its line break.
    QString constructorLine();

    bool chance(double probability) { return std::bernoulli_distribution(probability)(m_random); }
    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    template <typename List>
    const auto &pick(const List &list) { return list[number(0, int(std::size(list)) - 1)]; }
    int serial() { return ++m_serial; }

private:
    QString statements(bool variables, bool localFunction);

    std::mt19937 m_random;
    int m_serial = 0;
};
