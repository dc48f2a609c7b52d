// The implementation section of the unit: Register, constructor, destructor,
// the access methods (with hand-written bodies where the specification file
// has them), the user methods, the message handlers and the closing "end.".
#pragma once

#include <QString>

class BodySource;
class ComponentSpec;
class SourceWriter;
class TAwk;

// The text with every space (code 32) removed.
QString removeSpaces(const QString &text);
// The section name under which a specification file may hold a routine's body.
QString routineKey(TAwk &awk, const QString &text);
// An access-method declaration without its keyword, words joined by single spaces.
QString headingRest(TAwk &awk, const QString &declaration);

void emitImplementation(SourceWriter &out, const ComponentSpec &spec, TAwk &awk,
                        const BodySource *bodies);
