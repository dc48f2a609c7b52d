// SPDX-License-Identifier: MIT
// Writes a whole file so that a failure leaves the old one as it was: the
// bytes go to a temporary file beside the target, which then replaces it.
#pragma once

#include <QByteArray>
#include <QString>

// Where a write failed: the file could not be created (or opened), or the
// bytes could not all be written into it.
enum class WriteFailure { None, Create, Write };

// Returns false, with the reason in *error and the failing stage in *failure
// when given, when the file cannot be written. A target that is a device or a
// pipe (/dev/null, /dev/stdout) is written in place: renaming over it would
// replace the device itself.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr,
                         WriteFailure *failure = nullptr);
