// The message handling of the generated component: the constants of the
// user-defined messages, the message-method declarations and their bodies.
#pragma once

#include <QString>

class ComponentSpec;
class SourceWriter;
class TAwk;

// The handler name of a message: its "_"-separated words run together, the
// first upper-cased (unless keepFirstAsStored) and the rest lower-cased.
QString messageHandlerName(TAwk &awk, const QString &message, bool keepFirstAsStored = false);

void emitMessageConstants(SourceWriter &out, const ComponentSpec &spec);
void emitMessageDeclarations(SourceWriter &out, const ComponentSpec &spec, TAwk &awk);
void emitMessageBodies(SourceWriter &out, const ComponentSpec &spec, TAwk &awk);
