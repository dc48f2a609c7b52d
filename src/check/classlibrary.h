// SPDX-License-Identifier: MIT
// What the check knows of the class library beyond its types: the classes of
// the ancestor list that are no components, and the standard messages whose
// numbers lie at or above WM_USER, where user messages are numbered.
#pragma once

#include <QString>

#include <optional>

// Whether the class is a known class of the library that does not descend
// from TComponent.
bool isNonComponentClass(const QString &name);

// For a standard message numbered WM_USER + n: n; otherwise none.
std::optional<int> standardMessageUserOffset(const QString &message);
