// SPDX-License-Identifier: MIT
// Names and descriptions for screen readers, given once to every control of
// a window: a glyph button is named by its caption (or, without one, its
// hint) and described by its hint; a control without a label of its own is
// named by its label's text or else its hint. Names set by hand are kept,
// except on glyph buttons, which all follow the one rule.
#pragma once

class QWidget;

void nameControlsForAccessibility(QWidget *window);
