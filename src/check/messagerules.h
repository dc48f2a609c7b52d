// The rules for the message handlers: user messages' names and numbers, and
// standard messages that share a number with another handled message.
#pragma once

#include <QString>
#include <QStringList>

#include "check/findinglist.h"

class ComponentSpec;
class TAwk;

void checkMessages(const ComponentSpec &spec, TAwk &awk, FindingList &findings);
