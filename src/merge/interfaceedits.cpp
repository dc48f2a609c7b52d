// SPDX-License-Identifier: MIT
#include "merge/interfaceedits.h"

#include "generator/interfacespelling.h"
#include "generator/lazarusunit.h"
#include "merge/pascallexer.h"
#include "merge/pascalreader.h"
#include "model/methoddirectives.h"

#include <QHash>

#include <algorithm>
#include <QRegularExpression>

using namespace Qt::StringLiterals;
using namespace InterfaceSpelling;

namespace {

struct SourceLine {
    QStringView text;
    qsizetype start = 0;
};

QList<SourceLine> linesBefore(QStringView text, qsizetype end)
{
    QList<SourceLine> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < end; ++i) {
        if (text[i] != u'\n' && text[i] != u'\r')
            continue;
        lines.append({text.sliced(start, i - start), start});
        if (text[i] == u'\r' && i + 1 < end && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < end)
        lines.append({text.sliced(start, end - start), start});
    return lines;
}

// The build's spellings of the interface lines that depend on the specification.
QString spelled(const QString &piece)
{
    return QRegularExpression::escape(piece);
}

const QRegularExpression &fieldLine()
{
    static const QRegularExpression re(u"^\\s*(\\w+)"_s + spelled(kTypeSeparator) + u"\\S.*;$"_s);
    return re;
}
const QRegularExpression &propertyLine()
{
    static const QRegularExpression re(u"^\\s*"_s + spelled(kProperty) + u"(\\w+)(?:"_s
                                       + spelled(kIndexBrackets) + u")?"_s + spelled(kTypeSeparator));
    return re;
}
const QRegularExpression &ancestorPropertyLine()
{
    static const QRegularExpression re(u"^\\s*"_s + spelled(kProperty) + u"\\w+;$"_s);
    return re;
}
const QRegularExpression &routineLine()
{
    static const QRegularExpression re(u"^\\s*(?:function|procedure|Function|Procedure) (\\w+)"_s);
    return re;
}
const QRegularExpression &messageClause()
{
    static const QRegularExpression re(spelled(kMessageClause) + u"(\\w+);$"_s);
    return re;
}
const QRegularExpression &constantLine()
{
    static const QRegularExpression re(u"^\\s*(\\w+)"_s + spelled(kConstantSeparator) + u".*;$"_s);
    return re;
}
const QRegularExpression &classLine()
{
    static const QRegularExpression re(u"^\\s*(\\w+)"_s + spelled(kClassOpening) + u".*\\)$"_s);
    return re;
}
const QRegularExpression &unitLine()
{
    static const QRegularExpression re(u"^"_s + spelled(kUnit) + u"\\S.*;$"_s);
    return re;
}

const QRegularExpression &accessClause()
{
    static const QRegularExpression re(u"\\b(?:read|write) (\\w+)"_s);
    return re;
}
// The name ends where the build ends it: at "(", ":" or ";". A name running
// on in letters that are no word characters here is another member's.
const QRegularExpression &accessMethodLine()
{
    static const QRegularExpression re(u"^\\s*(?:function|procedure) (\\w+)(?=[(:;])"_s);
    return re;
}
const QRegularExpression &messageHandlerLine()
{
    static const QRegularExpression re(u"^\\s*procedure \\w+\\(var Message: \\w+\\)"_s
                                       + spelled(kMessageClause) + u"\\w+;$"_s);
    return re;
}
// The Methods page writes "Procedure" and "Function" capitalised.
const QRegularExpression &pageMethodLine()
{
    static const QRegularExpression re(u"^\\s*(?:Procedure|Function) \\w+"_s);
    return re;
}
const QRegularExpression &standardLifetimeLine()
{
    static const QRegularExpression re(
        u"^\\s*(?:constructor Create\\(AOwner:TComponent\\);override;|destructor Destroy;override;)$"_s);
    return re;
}

QString captured(const QRegularExpression &re, QStringView line)
{
    const QRegularExpressionMatch match = re.match(line);
    return match.hasMatch() ? match.captured(1).toUpper() : QString();
}

struct BuildNames {
    QSet<QString> fields;       // upper case, as declared by the build
    QSet<QString> properties;
    QSet<QString> messages;
};

BuildNames buildNames(const QList<SourceLine> &lines)
{
    BuildNames names;
    for (const SourceLine &line : lines) {
        if (QString name = captured(propertyLine(), line.text); !name.isEmpty())
            names.properties.insert(name);
        else if (QString field = captured(fieldLine(), line.text); !field.isEmpty())
            names.fields.insert(field);
        if (QString message = captured(messageClause(), line.text); !message.isEmpty())
            names.messages.insert(message);
    }
    return names;
}

bool isBuildLine(QStringView line, const BuildNames &names, QStringView oldClass,
                 const QSet<QString> &oldRoutines)
{
    if (unitLine().match(line).hasMatch() || ancestorPropertyLine().match(line).hasMatch())
        return true;
    if (QString property = captured(propertyLine(), line); !property.isEmpty())
        return names.fields.contains(u"F"_s + property);
    if (QString routine = captured(routineLine(), line); !routine.isEmpty())
        return oldRoutines.contains(routine) || namesAbstract(line);
    if (QString cls = captured(classLine(), line); !cls.isEmpty())
        return cls == oldClass.toString().toUpper();
    if (QString field = captured(fieldLine(), line); !field.isEmpty()) {
        return field.startsWith(u'F') && names.properties.contains(field.mid(1));
    }
    if (QString constant = captured(constantLine(), line); !constant.isEmpty())
        return names.messages.contains(constant);
    return false;
}

} // namespace

QList<LostLines> lostInterfaceLines(QStringView newText, const PascalUnit &newUnit,
                                    QStringView oldText, const PascalUnit &oldUnit,
                                    QStringView oldClass, const QSet<QString> &oldRoutines)
{
    QHash<QStringView, int> present;
    QSet<QStringView> presentTrimmed;
    for (const SourceLine &line : linesBefore(newText, newUnit.implementation)) {
        ++present[line.text];
        presentTrimmed.insert(line.text.trimmed());
    }

    const QList<SourceLine> oldLines = linesBefore(oldText, oldUnit.implementation);
    PascalSpan classSpan;
    for (const PascalClassDeclaration &declaration : oldUnit.classes) {
        if (declaration.name.compare(oldClass, Qt::CaseInsensitive) == 0)
            classSpan = declaration.span;
    }

    const QStringList newUses = newUnit.uses.isValid()
        ? usesClauseUnits(newText.sliced(newUnit.uses.start, newUnit.uses.end - newUnit.uses.start))
        : QStringList();
    BuildNames names;
    bool namesRead = false;
    QList<LostLines> lost{{u"the uses clause"_s, {}}, {u"the class declaration"_s, {}},
                          {u"the interface section"_s, {}}};
    for (const SourceLine &line : oldLines) {
        int &count = present[line.text];
        if (count > 0) {
            --count;
            continue;
        }
        if (line.text.trimmed().isEmpty() || presentTrimmed.contains(line.text.trimmed()))
            continue;
        if (!namesRead) {
            names = buildNames(oldLines);
            namesRead = true;
        }
        if (isBuildLine(line.text, names, oldClass, oldRoutines))
            continue;
        // A line of the uses clause whose units the new one still names.
        const qsizetype at = line.start + line.text.size() - 1;
        if (oldUnit.uses.contains(at)) {
            const QStringList units = usesClauseUnits(line.text);
            if (std::all_of(units.begin(), units.end(),
                            [&](const QString &unit) { return newUses.contains(unit, Qt::CaseInsensitive); }))
                continue;
        }
        LostLines &where = oldUnit.uses.contains(at) ? lost[0] : classSpan.contains(at) ? lost[1] : lost[2];
        where.lines.append(line.text.toString());
    }
    lost.removeIf([](const LostLines &entry) { return entry.lines.isEmpty(); });
    return lost;
}

BuildMemberSpelling::BuildMemberSpelling(QStringView classText)
{
    const QList<SourceLine> lines = linesBefore(classText, classText.size());
    const BuildNames names = buildNames(lines);
    for (const QString &field : names.fields) {
        if (field.startsWith(u'F') && names.properties.contains(field.mid(1)))
            m_fields.insert(field);
    }
    for (const QString &property : names.properties) {
        if (names.fields.contains(u"F"_s + property))
            m_properties.insert(property);
    }
    for (const SourceLine &line : lines) {
        if (!m_properties.contains(captured(propertyLine(), line.text)))
            continue;
        QRegularExpressionMatchIterator it = accessClause().globalMatch(line.text.toString());
        while (it.hasNext())
            m_accessMethods.insert(it.next().captured(1).toUpper());
    }
}

bool BuildMemberSpelling::matches(QStringView line) const
{
    if (ancestorPropertyLine().match(line).hasMatch() || messageHandlerLine().match(line).hasMatch()
        || pageMethodLine().match(line).hasMatch() || standardLifetimeLine().match(line).hasMatch())
        return true;
    if (QString property = captured(propertyLine(), line); !property.isEmpty())
        return m_properties.contains(property);
    if (QString routine = captured(accessMethodLine(), line); !routine.isEmpty())
        return m_accessMethods.contains(routine);
    if (QString field = captured(fieldLine(), line); !field.isEmpty())
        return m_fields.contains(field);
    return false;
}

QSet<QString> handledMessages(QStringView classText)
{
    static const QRegularExpression handler(u"^\\s*procedure \\w+\\(var Message: \\w+\\)"_s
                                            + spelled(kMessageClause) + u"(\\w+);$"_s);
    QSet<QString> messages;
    for (const SourceLine &line : linesBefore(classText, classText.size())) {
        if (QString message = captured(handler, line.text); !message.isEmpty())
            messages.insert(message);
    }
    return messages;
}

bool isBuildLineOutsideClass(QStringView line, const QSet<QString> &messages)
{
    if (unitLine().match(line).hasMatch() || line == lazarusModeLine() || line == u"procedure Register;")
        return true;
    const QString constant = captured(constantLine(), line);
    return !constant.isEmpty() && messages.contains(constant);
}

QStringList usesClauseUnits(QStringView clause)
{
    QStringList units;
    QString name;
    bool naming = true;   // false after "in", up to the next ","
    PascalLexer lexer(clause);
    for (PascalToken token = lexer.nextCode(); token.kind != PascalToken::Kind::EndOfText
         && token.kind != PascalToken::Kind::Error; token = lexer.nextCode()) {
        const QStringView text = clause.sliced(token.start, token.end - token.start);
        if (token.is(PascalWord::Uses))
            continue;
        if (token.isSymbol(clause, u",") || token.isSymbol(clause, u";")) {
            if (!name.isEmpty())
                units.append(name);
            name.clear();
            naming = true;
        } else if (token.kind == PascalToken::Kind::Word && text.compare(u"in", Qt::CaseInsensitive) == 0) {
            naming = false;
        } else if (naming && (token.kind == PascalToken::Kind::Word || token.isSymbol(clause, u"."))) {
            name += text;
        }
    }
    if (!name.isEmpty())
        units.append(name);
    return units;
}

QSet<QString> propertyFields(QStringView interfaceText)
{
    const BuildNames names = buildNames(linesBefore(interfaceText, interfaceText.size()));
    QSet<QString> fields;
    for (const QString &field : names.fields) {
        if (field.startsWith(u'F') && names.properties.contains(field.mid(1)))
            fields.insert(field);
    }
    return fields;
}
