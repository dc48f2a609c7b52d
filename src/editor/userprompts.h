// SPDX-License-Identifier: MIT
// The window's questions and dialogs: the message boxes and file dialogs of
// Prompts, and the font and colour dialogs of the Output page.
#pragma once

#include "platform/prompts.h"

#include <QColor>
#include <QFont>
#include <optional>

class UserPrompts : public Prompts
{
public:
    virtual std::optional<QFont> chooseFont(const QFont &initial) = 0;
    virtual std::optional<QColor> chooseColor(const QColor &initial) = 0;
};
