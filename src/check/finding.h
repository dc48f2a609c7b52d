// SPDX-License-Identifier: MIT
// One finding of the specification check: which entry, what is wrong with it
// and what to do, and whether the compiler will reject the unit for it.
#pragma once

#include <QString>

struct Finding {
    // The entry a finding is about; index addresses it in its list:
    // Property: Properties; Event: Events; Method: Methods; Message:
    // UserMessages; StandardMessage: the standard message list. The header
    // fields (Unit, Class, Ancestor, PalettePage) and Style have index -1.
    // UnitLine: a line a compile of the unit rejected; name is the unit's
    // file, index the line (1-based).
    enum class Kind { Unit, Class, Ancestor, PalettePage, Style, Property, Event, Method, Message,
                      StandardMessage, UnitLine };
    // Error: the compiler rejects the unit. Warning: it compiles, but not as
    // the user most likely means.
    enum class Severity { Error, Warning };

    Kind kind = Kind::Class;
    QString name;
    int index = -1;
    QString message;
    Severity severity = Severity::Error;
};

// What a rule says about one entry: how bad, and the message.
struct Verdict {
    Finding::Severity severity;
    QString message;
};

// "property", "palette page", ...: the entry as a finding names it.
QString kindLabel(Finding::Kind kind);
// "error" or "warning".
QString severityLabel(Finding::Severity severity);
// The entry: "property 'Ratio'", or "gauge.pas line 40".
QString findingEntry(const Finding &finding);
// The entry and the message: "property 'Ratio': ...".
QString describeFinding(const Finding &finding);
