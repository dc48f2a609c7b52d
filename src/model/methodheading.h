// A stored method heading taken apart: "Function Total(A, B: integer) :
// longint;virtual;abstract;" gives its kind, name, parameters, return type
// and directives. The check, edit-back and the build all read headings so.
#pragma once

#include <QString>
#include <QStringList>

struct MethodHeading {
    QString kind;            // the first word as written ("Function", "Procedure", ...)
    QString name;
    bool hasParameters = false;
    QString parameters;      // from the first "(" to the ")" that closes it (or, when
                             // none does, the last ")")
    bool hasReturnType = false;
    QString returnType;
    QStringList directives;  // the words after the ";" that ends the heading, as written
    QString damage;          // why the heading cannot be read; empty when it can
};

MethodHeading parseMethodHeading(const QString &heading);

// One parameter group: "var A, B: integer".
struct ParameterGroup {
    QString modifier;        // "var", "const" or empty
    QStringList names;
    QString type;            // empty for an untyped var or const parameter
};

// The groups of a parameter text; *damage says why it cannot be read.
QList<ParameterGroup> parseParameters(const QString &parameters, QString *damage);
