// SPDX-License-Identifier: MIT
#include "generator/implementation.h"

#include "awk/awk.h"
#include "generator/bodysource.h"
#include "generator/lazarusunit.h"
#include "generator/messagehandlers.h"
#include "generator/notifydispatch.h"
#include "generator/sourcewriter.h"
#include "generator/workingbodies.h"
#include "model/componentspec.h"
#include "model/methoddirectives.h"
#include "model/unitname.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Emits keys prefix + 1 .. prefix + count of section, skipping absent and
// empty ones. Only the keys present are visited, so an absurd count or key
// read from a file costs nothing.
void emitNumberedLines(SourceWriter &out, const BodySource &bodies, const QString &section,
                       const QString &prefix, const QString &countKey)
{
    const qint64 count = bodies.readInteger(section, countKey, 0);
    for (const qint64 j : bodies.numberedKeys(section, prefix)) {
        if (j > count)
            break;
        if (j < 1)
            continue;
        const QString line = bodies.readString(section, prefix + QString::number(j));
        if (!line.isEmpty())
            out.Emit(line);
    }
}

void emitRoutineFrame(SourceWriter &out)
{
    out.EmitSpacers(out.style().blankLines);
    out.EmitSeparator();
}

void emitUserMethod(SourceWriter &out, const QString &classname, const MethodEntry &method,
                    bool working)
{
    QString heading = method.heading;
    const qsizetype space = heading.indexOf(u' ');
    if (space >= 0)
        heading.insert(space + 1, classname + u"."_s);
    heading = withoutDirectives(heading);
    const QString &comment = method.comment;
    const bool before = out.style().commentsBefore;

    emitRoutineFrame(out);
    if (before && !comment.isEmpty())
        out.EmitComment(comment);
    out.Emit(heading);
    if (!before && !comment.isEmpty())
        out.EmitComment(comment);
    if (working && callsInherited(method)) {
        out.Emit(u"begin"_s);
        emitInheritedCall(out, method);
    } else {
        out.EmitPair(u"begin"_s);
    }
    out.Emit(u"end;"_s);
}

// The properties with a read (or write) method, in the order their
// declarations were emitted.
QList<PropertyEntry> withAccessMethod(const QList<PropertyEntry> &properties, bool read)
{
    QList<PropertyEntry> chosen;
    for (const PropertyEntry &property : properties) {
        if (!(read ? property.readMethod : property.writeMethod).isEmpty())
            chosen.append(property);
    }
    return chosen;
}

} // namespace

QString removeSpaces(const QString &text)
{
    return QString(text).remove(u' ');
}

QString routineKey(TAwk &awk, const QString &text)
{
    const QStringList &fields = awk.split(u" (:;"_s, removeSpaces(text));
    return fields.size() >= 2 ? fields.at(0) : QString();
}

QString headingRest(TAwk &awk, const QString &declaration)
{
    // Blank and tab only: a dotted type such as Classes.TStrings stays whole,
    // so the heading matches its declaration.
    const QStringList &fields = awk.split(u" \t"_s, declaration);
    return fields.mid(1).join(u' ');
}

void emitImplementation(SourceWriter &out, const ComponentSpec &spec, TAwk &awk,
                        const BodySource *bodies, const QStringList &functions,
                        const QStringList &procedures)
{
    const QString &cls = spec.Classname;
    const bool working = out.style().workingBodies;
    const QList<PropertyEntry> properties = working ? spec.properties() : QList<PropertyEntry>();
    const QList<PropertyEntry> readers = withAccessMethod(properties, true);
    const QList<PropertyEntry> writers = withAccessMethod(properties, false);
    const bool repaint = working && repaintsOnChange(spec, out);
    out.EmitPair(u"implementation"_s);

    out.EmitSeparator();
    out.Emit(u"procedure Register;"_s);
    out.Emit(u"begin"_s);
    if (out.style().target == Target::Lazarus)
        out.Emit(out.J() + lazarusIconInclude(unitIdentifier(spec.Filename)));
    out.Emit(out.J() + u"RegisterComponents('"_s + spec.Palettepage + u"',["_s + cls + u"]);"_s);
    out.Emit(u"end;"_s);

    emitRoutineFrame(out);
    out.Emit(u"constructor "_s + cls + u".Create(AOwner:TComponent);"_s);
    out.Emit(u"begin"_s);
    out.Emit(out.J() + u"inherited Create(AOwner);"_s);
    for (const QString &statement : spec.Initializers) {
        if (statement != kNone)
            out.Emit(statement);
    }
    // After the defaults, so that a default of nil does not lose an owned object.
    if (working)
        emitOwnedCreations(out, spec);
    out.Emit(u"end;"_s);

    emitRoutineFrame(out);
    out.Emit(u"destructor "_s + cls + u".Destroy;"_s);
    out.Emit(u"begin"_s);
    if (working)
        emitOwnedReleases(out, spec);
    out.Emit(out.J() + u"inherited Destroy;"_s);
    out.Emit(u"end;"_s);

    for (qsizetype i = 0; i < procedures.size(); ++i) {
        const QString rest = headingRest(awk, procedures.at(i));
        emitRoutineFrame(out);
        out.Emit(u"procedure "_s + cls + u"."_s + rest);
        if (i < writers.size()) {
            out.Emit(u"begin"_s);
            emitWriteStatements(out, writers.at(i), repaint);
        } else {
            out.EmitPair(u"begin"_s);
        }
        out.Emit(u"end;"_s);
    }

    for (qsizetype i = 0; i < functions.size(); ++i) {
        const QString &declaration = functions.at(i);
        const QString rest = headingRest(awk, declaration);
        emitRoutineFrame(out);
        out.Emit(u"function "_s + cls + u"."_s + rest);
        const QString section = bodies ? routineKey(awk, u"function"_s + cls + u"."_s + rest) : QString();
        if (bodies)
            emitNumberedLines(out, *bodies, section, u"v"_s, u"varcount"_s);
        // Statements written by hand take the place of the working body.
        if (i < readers.size() && !(bodies && bodies->readInteger(section, u"count"_s, 0) > 0)) {
            out.Emit(u"begin"_s);
            emitReadStatements(out, readers.at(i));
        } else {
            out.EmitPair(u"begin"_s);
            if (bodies)
                emitNumberedLines(out, *bodies, section, QString(), u"count"_s);
        }
        out.Emit(u"end;"_s);
    }

    for (const MethodEntry &method : spec.methods()) {
        // Delphi refuses a definition of an abstract method.
        if (!namesAbstract(method.heading))
            emitUserMethod(out, cls, method, working);
    }

    if (working)
        emitDispatchBodies(out, cls, notifyDispatches(spec, awk));
    emitMessageBodies(out, spec, awk);
    out.Emit(u"end."_s);
}
