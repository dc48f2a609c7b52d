// Folders that other local users cannot tamper with: the folder of the
// single-instance lock and the hand-over socket, and the folder a module is
// loaded from.
#pragma once

#include <QString>

// A folder only this user may enter: created with mode 700 when absent; an
// existing one is taken only when it is a real directory (not a link), owned
// by this user, with no access for group or others. Empty when neither.
QString privateFolder(const QString &path);

// Whether no other user can change what path holds: path and every folder
// above it are owned by this user or root, and none is writable by group or
// others (a folder with the sticky bit, such as /tmp, excepted). Links are
// followed to what they lead to.
bool onlyOwnerCanChange(const QString &path);
