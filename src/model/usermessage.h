// A user message as the specification stores it: name + "[WM_USER + " +
// offset + "]}  ". Readers take it apart with the splitter at "[" and "]":
// field 0 is the name, field 1 the constant ("WM_USER + 3").
#pragma once

#include <QString>

class TAwk;

struct UserMessageParts {
    QString name;
    QString value;           // the constant, e.g. "WM_USER + 3"
    bool hasFields = false;  // false for an empty entry
};

UserMessageParts splitUserMessage(TAwk &awk, const QString &entry);

// The offset a constant gives WM_USER: the text after "WM_USER" (in any
// letter case) and "+"; the constant itself, trimmed, when it is no such sum.
QString userMessageOffsetText(const QString &value);

// The offset text of a stored entry, read from its last "[" group, the
// trailing "[WM_USER + n]}": the name before it may hold any character,
// brackets included. Empty when the entry has no "[".
QString userMessageOffsetOf(const QString &entry);
