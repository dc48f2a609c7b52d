// The rules for the message handlers: user messages' names and numbers, and
// standard messages that share a number with another handled message.
#pragma once

#include <QString>
#include <QStringList>

#include "check/findinglist.h"

class ComponentSpec;

void checkMessages(const ComponentSpec &spec, FindingList &findings);
