// SPDX-License-Identifier: MIT
#include "generator/implementation.h"

#include "awk/awk.h"
#include "generator/bodysource.h"
#include "generator/lazarusunit.h"
#include "generator/messagehandlers.h"
#include "generator/sourcewriter.h"
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

void emitUserMethod(SourceWriter &out, const QString &classname, const MethodEntry &method)
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
    out.EmitPair(u"begin"_s);
    out.Emit(u"end;"_s);
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
    out.Emit(u"end;"_s);

    emitRoutineFrame(out);
    out.Emit(u"destructor "_s + cls + u".Destroy;"_s);
    out.Emit(u"begin"_s);
    out.Emit(out.J() + u"inherited Destroy;"_s);
    out.Emit(u"end;"_s);

    for (const QString &declaration : procedures) {
        const QString rest = headingRest(awk, declaration);
        emitRoutineFrame(out);
        out.Emit(u"procedure "_s + cls + u"."_s + rest);
        out.EmitPair(u"begin"_s);
        out.Emit(u"end;"_s);
    }

    for (const QString &declaration : functions) {
        const QString rest = headingRest(awk, declaration);
        emitRoutineFrame(out);
        out.Emit(u"function "_s + cls + u"."_s + rest);
        const QString section = bodies ? routineKey(awk, u"function"_s + cls + u"."_s + rest) : QString();
        if (bodies)
            emitNumberedLines(out, *bodies, section, u"v"_s, u"varcount"_s);
        out.EmitPair(u"begin"_s);
        if (bodies)
            emitNumberedLines(out, *bodies, section, QString(), u"count"_s);
        out.Emit(u"end;"_s);
    }

    for (const MethodEntry &method : spec.methods()) {
        // Delphi refuses a definition of an abstract method.
        if (!namesAbstract(method.heading))
            emitUserMethod(out, cls, method);
    }

    emitMessageBodies(out, spec, awk);
    out.Emit(u"end."_s);
}
