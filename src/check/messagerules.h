// The rules for the message handlers: user messages' names and numbers, and
// standard messages that share a number with another handled message.
#pragma once

#include <QString>
#include <QStringList>

#include "check/findinglist.h"

class ComponentSpec;
class TAwk;

// A user message entry taken apart as the build does.
struct UserMessageParts {
    QString name;        // field 0
    QString value;       // field 1, the constant expression
    bool hasFields = false;
};
UserMessageParts splitUserMessageEntry(TAwk &awk, const QString &entry);

void checkMessages(const ComponentSpec &spec, TAwk &awk, FindingList &findings);
