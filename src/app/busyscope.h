// SPDX-License-Identifier: MIT
// The window runs one command while a BusyScope lives: the flag it holds is
// set, so commands and closes that arrive meanwhile do nothing. Given the
// window, it also shows the wait cursor and holds back the user's input, for
// a stretch that asks no questions. Nested scopes leave the flag as they found it.
#pragma once

#include "app/inputblocker.h"
#include "app/waitcursor.h"

#include <optional>

class BusyScope
{
public:
    explicit BusyScope(bool &busy)
        : m_busy(busy)
        , m_before(busy)
    {
        m_busy = true;
    }
    BusyScope(bool &busy, QWidget *window)
        : BusyScope(busy)
    {
        m_blocker.emplace(window);
        m_wait.emplace();
    }
    ~BusyScope() { m_busy = m_before; }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    bool &m_busy;
    const bool m_before;
    std::optional<InputBlocker> m_blocker;
    std::optional<WaitCursor> m_wait;
};
