// SPDX-License-Identifier: MIT
// Folders that other local users cannot tamper with: the folder of the
// single-instance lock and the hand-over socket.
#pragma once

#include <QString>

// A folder only this user may enter: created with mode 700 when absent; an
// existing one is taken only when it is a real directory (not a link), owned
// by this user, with no access for group or others. Empty when neither.
QString privateFolder(const QString &path);
