// SPDX-License-Identifier: MIT
// The command line that opens the Delphi Component Writers' Guide in the
// Windows help viewer, and starting it.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The longest command line the help viewer is started with.
inline constexpr int kWritersGuideMaxLength = 255;

// "winhelp.exe " + the Delphi help directory + "\" (unless empty or already
// ending in one) + "cwg.hlp". nullopt when the result is longer than
// kWritersGuideMaxLength: a cut-off path would name a file that isn't there.
std::optional<QString> writersGuideCommandLine(const QString &delphiHelpDirectory);

// Starts a program detached; false when it could not be started.
using ProgramStarter = std::function<bool(const QString &program, const QStringList &arguments)>;

enum class WritersGuideStart { Started, TooLong, NoWine, Failed };

// Starts the command line through wine. starter null: QProcess::startDetached,
// and wine must be found on the PATH.
WritersGuideStart startWritersGuide(const QString &delphiHelpDirectory,
                                    const ProgramStarter &starter = nullptr);

// The status line's text for a start that did not happen; empty for Started.
QString writersGuideStatusText(WritersGuideStart result);
