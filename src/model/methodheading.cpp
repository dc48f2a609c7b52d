#include "model/methodheading.h"

#include "model/stringlists.h"

using namespace Qt::StringLiterals;

namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// The ")" that closes the "(" at open; when none does, the last ")" after
// it; -1 when there is no ")" after it at all.
qsizetype closingParenthesis(const QString &text, qsizetype open)
{
    int depth = 0;
    for (qsizetype i = open; i < text.size(); ++i) {
        if (text.at(i) == u'(')
            ++depth;
        else if (text.at(i) == u')' && --depth == 0)
            return i;
    }
    const qsizetype last = text.lastIndexOf(u')');
    return last > open ? last : -1;
}

} // namespace

MethodHeading parseMethodHeading(const QString &heading)
{
    MethodHeading result;
    const QString text = heading.trimmed();
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && !text.at(i).isSpace())
        ++i;
    // The implementation puts the class name after the first blank; a tab or
    // a line break there leaves the method unqualified.
    if (i < n && text.at(i) != u' ') {
        result.damage = u"the kind and the name must be parted by a blank"_s;
        return result;
    }
    result.kind = text.left(i);
    while (i < n && text.at(i).isSpace())
        ++i;
    const qsizetype nameStart = i;
    while (i < n && (isNameChar(text.at(i)) || text.at(i) == u'.'))
        ++i;
    result.name = text.mid(nameStart, i - nameStart);
    while (i < n && text.at(i).isSpace())
        ++i;
    if (i < n && text.at(i) == u'(') {
        const qsizetype close = closingParenthesis(text, i);
        if (close < 0) {
            result.damage = u"the parameter list has no closing parenthesis"_s;
            return result;
        }
        result.hasParameters = true;
        result.parameters = text.mid(i + 1, close - i - 1);
        i = close + 1;
        while (i < n && text.at(i).isSpace())
            ++i;
    }
    if (i < n && text.at(i) == u':') {
        const qsizetype semicolon = text.indexOf(u';', i);
        const qsizetype end = semicolon < 0 ? n : semicolon;
        result.hasReturnType = true;
        result.returnType = text.mid(i + 1, end - i - 1).trimmed();
        i = end;
    }
    if (i >= n || text.at(i) != u';') {
        result.damage = u"it does not end in ';' after the name, parameters and return type"_s;
        return result;
    }
    for (const QString &word : text.mid(i + 1).split(u';')) {
        if (!word.trimmed().isEmpty())
            result.directives.append(word.trimmed());
    }
    return result;
}

QList<ParameterGroup> parseParameters(const QString &parameters, QString *damage)
{
    QList<ParameterGroup> groups;
    for (const QString &part : parameters.split(u';')) {
        ParameterGroup group;
        QString names = part;
        const qsizetype colon = part.indexOf(u':');
        if (colon >= 0) {
            names = part.left(colon);
            group.type = part.mid(colon + 1).trimmed();
            if (group.type.isEmpty()) {
                *damage = u"a parameter has ':' but no type"_s;
                return groups;
            }
        }
        names = names.trimmed();
        for (const QString &modifier : {u"var"_s, u"const"_s}) {
            if (asciiLower(names).startsWith(modifier)
                && names.size() > modifier.size() && names.at(modifier.size()).isSpace()) {
                group.modifier = modifier;
                names = names.mid(modifier.size()).trimmed();
            }
        }
        if (group.type.isEmpty() && group.modifier.isEmpty()) {
            *damage = u"parameter '%1' has no type; write it as Name: Type"_s.arg(names);
            return groups;
        }
        for (const QString &name : names.split(u','))
            group.names.append(name.trimmed());
        groups.append(group);
    }
    return groups;
}
