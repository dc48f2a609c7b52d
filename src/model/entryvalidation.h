// The checks an editor page runs before it adds an entry, as plain functions:
// given what the page's fields hold and the lists that already exist, the first
// check that fails (its message, box and where the focus goes) or the entry to
// add. Names are compared without regard to letter case unless said otherwise.
#pragma once

#include "model/componentspec.h"
#include "platform/prompts.h"

#include <QString>
#include <QStringList>
#include <variant>

class TAwk;

// The field of a page that takes the focus after a refusal.
enum class EntryField { None, Name, Type, Kind };

struct EntryRefusal {
    QString message;               // empty: refused without a word
    Prompts::Kind box = Prompts::Kind::Error;
    EntryField focus = EntryField::None;
    bool clearName = false;        // the name field is emptied as well
};

template <class Entry>
using EntryCheck = std::variant<EntryRefusal, Entry>;

// Properties: standard property of the ancestor, already defined, empty name,
// a name beginning with "on", empty type; in that order.
EntryCheck<PropertyInput> checkProperty(const PropertyInput &fields,
                                        const QStringList &standardProperties,
                                        const QStringList &definedProperties);

// Methods: already defined, no kind, a function without a return type.
EntryCheck<MethodInput> checkMethod(const MethodInput &fields, const QStringList &definedMethods);

// Event handlers: an empty name adds nothing and says nothing; the name is
// normalised ("Click" becomes "OnClick") before it is compared; then an
// already defined handler, an empty type.
EntryCheck<EventInput> checkEventHandler(const EventInput &fields, const QStringList &definedHandlers);

// What the Message Handlers page adds for one user message.
struct UserMessageInput {
    QString name;
    int offset = 1;
    // The name has no "_": the page asks whether to go on.
    bool askNamingQuestion = false;
};

// User messages: a message of the same name (letter case included), an
// offset already used, a stored line whose offset is not a number. The offset
// of a stored line is the number after "WM_USER +" in its bracketed part.
EntryCheck<UserMessageInput> checkUserMessage(const QString &name, int offset,
                                              const QStringList &userMessages, TAwk &awk);

// "Message names generally take the form XX_MESSAGENAME ".
QString userMessageNamingQuestion();
