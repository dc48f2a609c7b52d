// SPDX-License-Identifier: MIT
// From a finding of the check to its entry: the window shows the entry's page
// and selects the entry there, in its list or as the field that holds it.
#pragma once

struct Finding;
class TBuilder;

// Nothing of the specification changes: the standard message list, whose
// selection is the specification's, only moves its current line to the
// message. An entry that is gone since the check leaves its page showing,
// with nothing selected.
void showFindingEntry(TBuilder &window, const Finding &finding);
