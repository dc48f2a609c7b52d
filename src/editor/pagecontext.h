// SPDX-License-Identifier: MIT
// What an editor page is given when it is made: the document it changes, the
// field splitter, the questions it may ask, and the shared comment dialog.
#pragma once

class SpecDocument;
class TAwk;
class Tmemoform;
class UserPrompts;

struct PageContext {
    SpecDocument &document;
    TAwk &awk;
    UserPrompts &prompts;
    Tmemoform &memoform;
};
