// SPDX-License-Identifier: MIT
// Shows the wait cursor for as long as it lives, so an early return cannot
// leave the cursor set.
#pragma once

#include <QCursor>
#include <QGuiApplication>

class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};
