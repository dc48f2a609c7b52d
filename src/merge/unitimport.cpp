// SPDX-License-Identifier: MIT
#include "merge/unitimport.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

#include "awk/awk.h"
#include "generator/messagehandlers.h"
#include "merge/pascallexer.h"
#include "merge/pascalreader.h"
#include "model/ancestortable.h"
#include "model/methoddirectives.h"
#include "model/pascalvocabulary.h"
#include "model/standardmessages.h"
#include "model/unitname.h"

using namespace Qt::StringLiterals;

namespace {

using Kind = PascalToken::Kind;

// Whether a word after the first of a method heading opens or closes a block
// (begin, end, case, record...): the build's class declaration would not read.
bool hasBlockWord(const QString &heading)
{
    PascalLexer lexer(heading);
    bool first = true;
    for (PascalToken token = lexer.next(); token.kind != Kind::EndOfText && token.kind != Kind::Error;
         token = lexer.next()) {
        if (token.kind != Kind::Word)
            continue;
        const PascalWord word = token.word;
        if (!first && word != PascalWord::None && word != PascalWord::Of && word != PascalWord::Directive
            && word != PascalWord::Forward && word != PascalWord::External)
            return true;
        first = false;
    }
    return false;
}

// Whitespace runs that cross a line become one space: a declaration on one line.
QString oneLine(QString text)
{
    static const QRegularExpression breaks(u"\\s*[\\r\\n]\\s*"_s);
    // Most declarations are on one line already.
    if (!text.contains(u'\n') && !text.contains(u'\r'))
        return text.trimmed();
    return text.replace(breaks, u" "_s).trimmed();
}

// Whether a field's type is a record, which no property owns.
bool isRecordType(const QString &type)
{
    static const QRegularExpression record(u"\\brecord\\b"_s, QRegularExpression::CaseInsensitiveOption);
    return record.match(type).hasMatch();
}

QString sectionName(Visibility v)
{
    switch (v) {
    case Visibility::Private: return u"private"_s;
    case Visibility::Protected: return u"protected"_s;
    case Visibility::Public: return u"public"_s;
    case Visibility::Published: return u"published"_s;
    default: return QString();
    }
}

// Line numbers by binary search over the line breaks: members are many.
class LineIndex
{
public:
    explicit LineIndex(QStringView text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'\n')
                m_breaks.append(i);
        }
    }
    int at(qsizetype position) const
    {
        return int(std::lower_bound(m_breaks.begin(), m_breaks.end(), position) - m_breaks.begin()) + 1;
    }

private:
    QList<qsizetype> m_breaks;
};

struct FieldDecl {
    QString name;
    QString type;
    int line = 0;
    int order = 0;
};

struct MethodDecl {
    QString kind;              // lower case: procedure, function, constructor, destructor
    QString name;
    QString heading;           // as written, on one line, directives included
    QString signature;         // the heading up to the ";" before its directives
    QString parameters;        // between the parentheses; empty when none
    QString returnType;
    QStringList directives;    // lower case
    QString messageName;       // the argument of "message"
    Visibility section = Visibility::Published;
    int line = 0;
};

struct PropertyDecl {
    QString name;
    QString text;
    bool hasParameters = false;
    QString parameters;
    bool hasType = false;
    QString type;
    QHash<QString, QString> specifiers;   // lower-case word -> argument as written
    QStringList specifierOrder;           // the words, as they come
    bool arrayDefault = false;
    QString repeatedSpecifier;   // a specifier written twice; empty when none
    bool typeIsName = false;     // the type is a name, dotted or generic, as a property's must be
    Visibility section = Visibility::Published;
    int line = 0;
};

// Reads one class declaration member by member.
class ClassReader
{
public:
    ClassReader(QStringView text, PascalSpan span, const LineIndex &lines, QList<ImportFinding> &findings)
        : m_text(text)
        , m_lines(lines)
        , m_findings(findings)
    {
        PascalLexer lexer(text);
        lexer.setPosition(span.start);
        while (lexer.position() < span.end) {
            const PascalToken token = lexer.nextCode();
            if (token.kind == Kind::EndOfText)
                break;
            if (token.kind == Kind::Error) {
                finding(token.start, u"unreadable text"_s, lexer.errorText());
                break;
            }
            m_tokens.append(token);
            // Most tokens are in lower case already: those share the text's memory.
            const QStringView piece = text.sliced(token.start, token.end - token.start);
            const bool lower = std::none_of(piece.begin(), piece.end(), [](QChar c) { return c.isUpper(); });
            m_lower.append(lower ? QString::fromRawData(piece.data(), piece.size()) : piece.toString().toLower());
        }
    }

    QString ancestor;
    QString unreadHeading;   // the class heading up to where it stops reading; empty when read
    QList<FieldDecl> fields;
    QList<MethodDecl> methods;
    QList<PropertyDecl> properties;

    void read()
    {
        qsizetype i = 0;
        // Name "=" ["packed"] "class" ["(" ancestor {"," interface} ")"]
        while (i < m_tokens.size() && m_lower[i] != u"class")
            ++i;
        ++i;
        if (isSymbol(i, u"(")) {
            const qsizetype open = i;
            QStringList names;
            qsizetype from = ++i;
            // Names, dotted or generic, up to ")"; anything else leaves the heading unread.
            for (; i < m_tokens.size() && !isSymbol(i, u")"); ++i) {
                if (isSymbol(i, u",")) {
                    names.append(span(from, i));
                    from = i + 1;
                } else if (!(m_tokens[i].kind == Kind::Word && !isReservedWord(textOf(i))) && !isSymbol(i, u".")
                           && !isSymbol(i, u"<") && !isSymbol(i, u">")) {
                    break;
                }
            }
            names.append(span(from, i));
            if (!isSymbol(i, u")") || names.contains(QString())) {
                unreadHeading = span(0, std::min(i + 1, m_tokens.size()));
                return;
            }
            ancestor = names.value(0);
            if (names.size() > 1)
                finding(m_tokens[open].start, u"interface list"_s,
                        u"class("_s + names.join(u", "_s) + u")"_s);
            ++i;
        }
        Visibility section = Visibility::Published;
        enum class Mode { Fields, Constants, Types } mode = Mode::Fields;
        while (i < m_tokens.size()) {
            const QString &w = m_lower[i];
            const qsizetype start = i;
            if (w == u"end" && m_tokens[i].kind == Kind::Word)
                return;
            if (w == u"strict") {
                ++i;
                continue;
            }
            if (w == u"private" || w == u"protected" || w == u"public" || w == u"published"
                || w == u"automated") {
                section = visibilityOf(w);
                if (w == u"automated")
                    section = Visibility::Undeclared;
                mode = Mode::Fields;
                ++i;
                continue;
            }
            if (w == u"procedure" || w == u"function" || w == u"constructor" || w == u"destructor"
                || w == u"operator") {
                mode = Mode::Fields;
                i = readMethod(i, section);
                continue;
            }
            if (w == u"property") {
                mode = Mode::Fields;
                i = readProperty(i, section);
                continue;
            }
            if (w == u"class") {
                mode = Mode::Fields;
                const QString next = m_lower.value(i + 1);
                const QString kind = next == u"var"_s ? u"class variable"_s
                    : next == u"property"_s           ? u"class property"_s
                                                      : u"class method"_s;
                i = skipMember(i, true);
                unrepresentable(start, i, kind);
                continue;
            }
            if (w == u"const" || w == u"resourcestring") {
                mode = Mode::Constants;
                ++i;
                continue;
            }
            if (w == u"type") {
                mode = Mode::Types;
                ++i;
                continue;
            }
            if (w == u"var") {
                mode = Mode::Fields;
                ++i;
                continue;
            }
            if (m_tokens[i].kind != Kind::Word || isReservedWord(textOf(i))) {
                i = skipDeclaration(i);
                unrepresentable(start, i, u"unrecognised declaration"_s);
                continue;
            }
            if (mode == Mode::Constants) {
                i = skipDeclaration(i);
                unrepresentable(start, i, u"class constant"_s);
                continue;
            }
            if (mode == Mode::Types) {
                i = skipDeclaration(i);
                unrepresentable(start, i, u"nested type"_s);
                continue;
            }
            i = readFields(i, section);
        }
    }

private:
    bool isSymbol(qsizetype i, QStringView s) const
    {
        return i < m_tokens.size() && m_tokens[i].isSymbol(m_text, s);
    }
    QString textOf(qsizetype i) const
    {
        const PascalToken &t = m_tokens[i];
        return m_text.sliced(t.start, t.end - t.start).toString();
    }
    // The source from token first to just before token last, on one line.
    QString span(qsizetype first, qsizetype last) const
    {
        if (first >= m_tokens.size() || last <= first)
            return QString();
        const qsizetype from = m_tokens[first].start;
        const qsizetype to = m_tokens[std::min(last, m_tokens.size()) - 1].end;
        return oneLine(m_text.sliced(from, to - from).toString());
    }
    void finding(qsizetype position, const QString &kind, const QString &text)
    {
        m_findings.append({m_lines.at(position), kind, text});
    }
    void unrepresentable(qsizetype first, qsizetype last, const QString &kind)
    {
        finding(m_tokens[std::min(first, m_tokens.size() - 1)].start, kind, span(first, last));
    }

    // From i to just after the ";" that ends the declaration there, parentheses,
    // brackets and blocks up to "end" included; stops before the class's own "end".
    qsizetype skipDeclaration(qsizetype i) const
    {
        int depth = 0;
        int blocks = 0;
        for (; i < m_tokens.size(); ++i) {
            const QString &w = m_lower[i];
            if (depth > 0 && endsParameters(i))
                return i;   // a parenthesis that is not closed ends before the next member
            if (m_tokens[i].kind == Kind::Symbol) {
                if (w == u"(" || w == u"[")
                    ++depth;
                else if (w == u")" || w == u"]")
                    depth = std::max(0, depth - 1);
                else if (w == u";" && depth == 0 && blocks == 0)
                    return i + 1;
                continue;
            }
            if (m_tokens[i].kind != Kind::Word)
                continue;
            if (w == u"record" || w == u"object" || w == u"case" || w == u"begin" || w == u"try"
                || ((w == u"class" || w == u"interface") && i > 0 && isSymbol(i - 1, u"=")
                    && !isSymbol(i + 1, u";") && m_lower.value(i + 1) != u"of")) {
                if (w == u"case" && blocks > 0)
                    continue;   // a record's variant part ends with the record
                ++blocks;
            } else if (w == u"end") {
                if (blocks == 0)
                    return i;
                --blocks;
            }
        }
        return i;
    }

    // "class" members: skips the member that follows, a method with its directives.
    qsizetype skipMember(qsizetype i, bool afterClassWord) const
    {
        if (afterClassWord)
            ++i;
        const QString &w = m_lower.value(i);
        i = skipDeclaration(i);
        if (w == u"procedure" || w == u"function" || w == u"constructor" || w == u"destructor"
            || w == u"operator")
            i = skipDirectives(i, nullptr, nullptr);
        return i;
    }

    qsizetype skipDirectives(qsizetype i, QStringList *directives, QString *messageName) const
    {
        while (i < m_tokens.size() && m_tokens[i].kind == Kind::Word
               && pascalWordOf(m_lower[i]) == PascalWord::Directive && !isSymbol(i + 1, u":")
               && !isSymbol(i + 1, u",")) {
            const qsizetype word = i;
            const qsizetype end = skipDeclaration(i);
            if (directives)
                directives->append(m_lower[word]);
            if (messageName && m_lower[word] == u"message")
                *messageName = span(word + 1, end - 1);
            if (end == i)
                break;
            i = end;
        }
        return i;
    }

    // A word no parameter list holds: the next member or the class's end.
    bool endsParameters(qsizetype i) const
    {
        static const QSet<QString> words = {u"procedure"_s, u"function"_s, u"constructor"_s,
                                            u"destructor"_s, u"property"_s, u"end"_s, u"private"_s,
                                            u"protected"_s, u"public"_s, u"published"_s};
        return m_tokens[i].kind == Kind::Word && words.contains(m_lower[i]);
    }

    // Whether the tokens from first to just before last name a type: words
    // joined by "." or in "<...>", as in "Graphics.TColor" or
    // "specialize TList<integer>".
    bool isTypeName(qsizetype first, qsizetype last) const
    {
        if (first >= last)
            return false;
        bool afterWord = false;
        for (qsizetype k = first; k < last && k < m_tokens.size(); ++k) {
            const bool word = m_tokens[k].kind == Kind::Word;
            if (word) {
                if (afterWord && m_lower[k - 1] != u"specialize")
                    return false;
            } else if (!isSymbol(k, u".") && !isSymbol(k, u"<") && !isSymbol(k, u">") && !isSymbol(k, u",")) {
                return false;
            }
            afterWord = word;
        }
        return true;
    }

    // Whether a comment stands between the tokens from first to just before last.
    bool hasComment(qsizetype first, qsizetype last) const
    {
        for (qsizetype k = first; k + 1 < last && k + 1 < m_tokens.size(); ++k) {
            const QStringView gap = m_text.sliced(m_tokens[k].end, m_tokens[k + 1].start - m_tokens[k].end);
            if (std::any_of(gap.begin(), gap.end(), [](QChar c) { return !c.isSpace(); }))
                return true;
        }
        return false;
    }

    // Where the tokens from first to just before last stop being one declaration:
    // a word that begins the next member, or a parenthesis not closed (last
    // then); -1 when they are one.
    qsizetype brokenAt(qsizetype first, qsizetype last) const
    {
        int depth = 0;
        for (qsizetype k = first; k < last && k < m_tokens.size(); ++k) {
            if (endsParameters(k))
                return k;
            if (isSymbol(k, u"(") || isSymbol(k, u"["))
                ++depth;
            else if ((isSymbol(k, u")") || isSymbol(k, u"]")) && --depth < 0)
                return last;
        }
        return depth == 0 ? -1 : last;
    }

    qsizetype readMethod(qsizetype i, Visibility section)
    {
        MethodDecl method;
        method.kind = m_lower[i];
        method.section = section;
        method.line = m_lines.at(m_tokens[i].start);
        const qsizetype start = i;
        ++i;
        QString name;
        while (i < m_tokens.size() && (m_tokens[i].kind == Kind::Word || isSymbol(i, u"."))
               && !isSymbol(i, u"(")) {
            name += textOf(i);
            ++i;
            if (!isSymbol(i, u"."))
                break;
        }
        method.name = name;
        if (!name.isEmpty() && !isSymbol(i, u"(") && !isSymbol(i, u":") && !isSymbol(i, u";")
            && !isSymbol(i, u"=")) {
            i = std::max(skipDeclaration(i), i + 1);
            unrepresentable(start, i, u"unreadable declaration"_s);
            return i;
        }
        if (isSymbol(i, u"(")) {
            const qsizetype open = i;
            int depth = 0;
            for (; i < m_tokens.size(); ++i) {
                if (isSymbol(i, u"("))
                    ++depth;
                else if (isSymbol(i, u")") && --depth == 0)
                    break;
                else if (isSymbol(i, u";") && depth == 0)
                    break;
                else if (endsParameters(i)) {
                    // A parenthesis that is not closed: the declaration ends here.
                    unrepresentable(start, i, u"unreadable declaration"_s);
                    return i;
                }
            }
            const qsizetype from = m_tokens[open].end;
            const qsizetype to = i < m_tokens.size() ? m_tokens[i].start : m_tokens.last().end;
            method.parameters = oneLine(m_text.sliced(from, std::max<qsizetype>(0, to - from)).toString());
            ++i;
        }
        bool returnsNothing = false;
        if (isSymbol(i, u":")) {
            const qsizetype first = i + 1;
            while (i < m_tokens.size() && !isSymbol(i, u";") && m_lower[i] != u"end")
                ++i;
            method.returnType = span(first, i);
            returnsNothing = method.returnType.isEmpty();
        }
        const bool interfaceMapping = isSymbol(i, u"=") || name.contains(u'.');
        i = skipDeclaration(i);
        if (const qsizetype broken = brokenAt(start + 1, i); broken >= 0) {
            unrepresentable(start, broken, u"unreadable declaration"_s);
            return broken;
        }
        if (returnsNothing || !isSymbol(i - 1, u";")) {
            // The class's end or a symbol ends it: no heading a build could copy.
            i = std::max(i, start + 1);
            unrepresentable(start, i, u"unreadable declaration"_s);
            return i;
        }
        method.signature = span(start, i);
        i = skipDirectives(i, &method.directives, &method.messageName);
        if (const qsizetype broken = brokenAt(start + 1, i); broken >= 0) {
            unrepresentable(start, broken, u"unreadable declaration"_s);
            return broken;
        }
        if (hasComment(start, i)) {
            // A build copies a heading into the unit twice and takes it apart.
            unrepresentable(start, i, u"declaration with a comment inside"_s);
            return i;
        }
        method.heading = span(start, i);
        if (name.isEmpty() || interfaceMapping) {
            unrepresentable(start, i, u"method resolution clause"_s);
            return i;
        }
        methods.append(method);
        return i;
    }

    qsizetype readProperty(qsizetype i, Visibility section)
    {
        PropertyDecl property;
        property.section = section;
        property.line = m_lines.at(m_tokens[i].start);
        const qsizetype start = i;
        ++i;
        property.name = i < m_tokens.size() ? textOf(i) : QString();
        ++i;
        if (isSymbol(i, u"[")) {
            const qsizetype open = i;
            while (i < m_tokens.size() && !isSymbol(i, u"]") && !isSymbol(i, u";"))
                ++i;
            property.hasParameters = true;
            property.parameters = span(open + 1, i);
            ++i;
        }
        auto atSpecifier = [&](qsizetype k) {
            return isSymbol(k, u";")
                || (m_tokens[k].kind == Kind::Word && pascalWordHas(m_lower[k], PascalWordEntry::PropertySpecifier));
        };
        if (isSymbol(i, u":")) {
            const qsizetype first = ++i;
            while (i < m_tokens.size() && !atSpecifier(i) && m_lower[i] != u"end")
                ++i;
            property.hasType = true;
            property.type = span(first, i);
            property.typeIsName = isTypeName(first, i);
        }
        while (i < m_tokens.size() && !isSymbol(i, u";") && m_lower[i] != u"end") {
            const QString word = m_lower[i];
            const qsizetype first = ++i;
            int depth = 0;
            while (i < m_tokens.size() && m_lower[i] != u"end"
                   && (depth > 0 || !atSpecifier(i))) {
                if (isSymbol(i, u"(") || isSymbol(i, u"["))
                    ++depth;
                else if (isSymbol(i, u")") || isSymbol(i, u"]"))
                    --depth;
                ++i;
            }
            if (property.specifiers.contains(word))
                property.repeatedSpecifier = word;
            property.specifiers.insert(word, span(first, i));
            property.specifierOrder.append(word);
        }
        if (isSymbol(i, u";"))
            ++i;
        if (m_lower.value(i) == u"default" && isSymbol(i + 1, u";")) {
            property.arrayDefault = true;
            i += 2;
        }
        while (m_tokens.value(i).kind == Kind::Word
               && (m_lower[i] == u"deprecated" || m_lower[i] == u"platform"
                   || m_lower[i] == u"experimental")) {
            property.specifiers.insert(m_lower[i], QString());
            property.specifierOrder.append(m_lower[i]);
            i = skipDeclaration(i);
        }
        if (const qsizetype broken = brokenAt(start + 1, i); broken >= 0) {
            unrepresentable(start, broken, u"unreadable declaration"_s);
            return broken;
        }
        if (hasComment(start, i)) {
            unrepresentable(start, i, u"declaration with a comment inside"_s);
            return i;
        }
        property.text = span(start, i);
        properties.append(property);
        return i;
    }

    qsizetype readFields(qsizetype i, Visibility section)
    {
        const qsizetype start = i;
        QStringList names;
        while (i < m_tokens.size() && m_tokens[i].kind == Kind::Word) {
            names.append(textOf(i));
            ++i;
            if (!isSymbol(i, u","))
                break;
            ++i;
        }
        if (!isSymbol(i, u":")) {
            i = std::max(skipDeclaration(i), i + 1);
            unrepresentable(start, i, u"unrecognised declaration"_s);
            return i;
        }
        const qsizetype first = i + 1;
        i = skipDeclaration(i);
        const QString type = span(first, i - 1);
        const int line = m_lines.at(m_tokens[start].start);
        for (const QString &name : names) {
            FieldDecl field{name, type, line, int(fields.size())};
            if (section != Visibility::Private || isRecordType(type))
                field.order = -1 - int(fields.size());   // not one a property can own
            fields.append(field);
        }
        return i;
    }

    QStringView m_text;
    const LineIndex &m_lines;
    QList<ImportFinding> &m_findings;
    QList<PascalToken> m_tokens;
    QStringList m_lower;
};

struct Registration {
    QString page;         // as written between the quotes, which a build writes back
    QString className;
    QString unreadPage;   // the page argument when it is not one string; empty when it is
};

QList<Registration> registrations(QStringView text, const PascalUnit &unit)
{
    QList<Registration> found;
    for (const PascalRoutine &routine : unit.routines) {
        if (!routine.qualifier().isEmpty() || !sameName(routine.name, u"Register"_s))
            continue;
        PascalLexer lexer(text);
        lexer.setPosition(routine.blockStart);
        QList<QString> words;   // the tokens' text, up to the routine's end
        while (lexer.position() < routine.end) {
            const PascalToken token = lexer.nextCode();
            if (token.kind == Kind::EndOfText || token.kind == Kind::Error)
                break;
            words.append(text.sliced(token.start, token.end - token.start).toString());
        }
        for (qsizetype i = 0; i + 4 < words.size(); ++i) {
            if (words[i].compare(u"RegisterComponents"_s, Qt::CaseInsensitive) != 0 || words[i + 1] != u"(")
                continue;
            const QString &argument = words[i + 2];
            const bool literal = argument.size() >= 2 && argument.startsWith(u'\'') && argument.endsWith(u'\'')
                && words[i + 3] == u",";
            const QString page = literal ? argument.mid(1, argument.size() - 2) : QString();
            qsizetype k = i + 3;
            while (k < words.size() && words[k] != u"[")
                ++k;
            QString unread;
            if (!literal) {
                unread = words.mid(i + 2, k - i - 2).join(u' ');
                if (unread.endsWith(u" ,"_s))
                    unread.chop(2);
            }
            for (++k; k < words.size() && words[k] != u"]"; ++k) {
                if (words[k] != u"," && isPascalIdentifier(words[k]))
                    found.append({page, words[k], unread});
            }
        }
    }
    return found;
}

// "NAME = WM_USER + n;" constants of the interface, in order.
QList<std::pair<QString, int>> userMessageConstants(QStringView interfaceText)
{
    static const QRegularExpression constant(
        u"\\b([A-Za-z_][A-Za-z0-9_]*)\\s*=\\s*WM_USER\\s*\\+\\s*([0-9]+)\\s*;"_s,
        QRegularExpression::CaseInsensitiveOption);
    QList<std::pair<QString, int>> found;
    auto it = constant.globalMatch(interfaceText);
    while (it.hasNext()) {
        const auto match = it.next();
        bool ok = false;
        const int offset = match.captured(2).toInt(&ok);
        if (ok)
            found.append(std::pair<QString, int>(match.captured(1), offset));
    }
    return found;
}

// "TNameEvent = procedure(Sender: TObject; ...) of object;" types of the interface.
QHash<QString, QString> eventTypeParameters(QStringView interfaceText)
{
    static const QRegularExpression type(
        u"\\b([A-Za-z_][A-Za-z0-9_]*)\\s*=\\s*(?:procedure|function)\\s*(?:\\(([^)]*)\\))?[^;=]*?\\bof\\s+object"_s,
        QRegularExpression::CaseInsensitiveOption);
    QHash<QString, QString> found;
    auto it = type.globalMatch(interfaceText);
    while (it.hasNext()) {
        const auto match = it.next();
        found.insert(match.captured(1).toUpper(), oneLine(match.captured(2)));
    }
    return found;
}

// The constructor's "FName := value;" statements, by field name in upper case.
QHash<QString, QString> constructorAssignments(QStringView text, const PascalUnit &unit,
                                               const QString &className)
{
    QHash<QString, QString> found;
    static const QRegularExpression assignment(u"^\\s*([A-Za-z_][A-Za-z0-9_]*)\\s*:=\\s*(.*?);\\s*$"_s,
                                               QRegularExpression::MultilineOption);
    for (const PascalRoutine &routine : unit.routines) {
        if (!sameName(routine.qualifier().toString(), className) || !sameName(routine.member().toString(), u"Create"_s))
            continue;
        const QStringView body = text.sliced(routine.blockStart, routine.end - routine.blockStart);
        auto it = assignment.globalMatch(body);
        while (it.hasNext()) {
            const auto match = it.next();
            found.insert(match.captured(1).toUpper(), match.captured(2));
        }
        break;
    }
    return found;
}

bool isIndexParameter(const QString &parameters)
{
    QString p = parameters;
    p.remove(u' ');
    return p.compare(u"Index:integer"_s, Qt::CaseInsensitive) == 0;
}

// One quoted string, as a build writes a default: not a constant, an
// expression or several statements.
bool isStringLiteral(const QString &value)
{
    static const QRegularExpression literal(u"^'(?:[^'\\r\\n]|'')*'$"_s);
    return literal.match(value).hasMatch();
}

QString unquoted(const QString &value)
{
    if (value.size() >= 2 && value.startsWith(u'\'') && value.endsWith(u'\''))
        return value.mid(1, value.size() - 2).replace(u"''"_s, u"'"_s);
    return value;
}

class SpecBuilder
{
public:
    SpecBuilder(QStringView text, const PascalUnit &unit, const ClassReader &cls, UnitImport &result)
        : m_text(text)
        , m_unit(unit)
        , m_class(cls)
        , m_result(result)
        , m_spec(result.spec)
    {
    }

    void build()
    {
        const QStringView interfaceText = m_text.first(std::max<qsizetype>(0, m_unit.implementation));
        m_eventTypes = eventTypeParameters(interfaceText);
        m_initial = constructorAssignments(m_text, m_unit, m_spec.Classname);
        indexBodies();
        for (const MethodDecl &method : m_class.methods)
            m_methodsByName[method.name.toUpper()].append(&method);
        for (const FieldDecl &field : m_class.fields)
            m_fieldsByName.insert(field.name.toUpper(), &field);

        readProperties();
        readMethods(interfaceText);
        listLeftoverFields();
        compareAncestorMembers();
    }

private:
    void finding(int line, const QString &kind, const QString &text)
    {
        m_result.findings.append({line, kind, text});
    }
    void recognise(const QString &kind) { ++m_result.recognised[kind]; }
    // Takes name for a member a build declares; false when one has it already.
    bool claimName(const QString &name)
    {
        const QString upper = name.toUpper();
        if (m_builtNames.contains(upper))
            return false;
        m_builtNames.insert(upper);
        return true;
    }

    const MethodDecl *soleMethod(const QString &name, const QString &kind) const
    {
        const auto list = m_methodsByName.value(name.toUpper());
        if (list.size() != 1 || list[0]->kind != kind)
            return nullptr;
        return list[0];
    }

    // Why a property cannot be an entry; empty when it can.
    QString propertyProblem(const PropertyDecl &p, bool event) const
    {
        const QString field = u"F"_s + p.name;
        // The first the pages cannot hold, as written: the same finding every time.
        for (const QString &word : p.specifierOrder) {
            if (word != u"read" && word != u"write" && word != u"stored" && word != u"default")
                return u"property with "_s + word;
        }
        if (!p.typeIsName)
            return u"property whose type is not a type name"_s;
        if (!p.repeatedSpecifier.isEmpty())
            return u"property with "_s + p.repeatedSpecifier + u" written twice"_s;
        if (p.arrayDefault)
            return u"default array property"_s;
        if (p.hasParameters && (event || !isIndexParameter(p.parameters)))
            return u"array property with parameters other than Index: integer"_s;
        if (p.section == Visibility::Private || p.section == Visibility::Undeclared)
            return u"property in a section the pages do not hold"_s;
        if (p.name.size() >= 2 && p.name.first(2).compare(u"on"_s, Qt::CaseInsensitive) == 0 && !event)
            return QString();   // unreachable: such names are events
        const QString reader = p.specifiers.value(u"read"_s);
        const QString writer = p.specifiers.value(u"write"_s);
        const bool reads = p.specifiers.contains(u"read"_s);
        const bool writes = p.specifiers.contains(u"write"_s);
        if (!reads && !writes)
            return u"property with neither read nor write"_s;
        if ((reads && !isPascalIdentifier(reader)) || (writes && !isPascalIdentifier(writer)))
            return u"property that reads or writes a part of a field"_s;
        if (event) {
            if (!sameName(reader, field) || !sameName(writer, field))
                return u"event with access methods"_s;
            if (p.specifiers.contains(u"default"_s) || p.specifiers.contains(u"stored"_s))
                return u"event with a default or stored specifier"_s;
            if (p.section == Visibility::Public)
                return u"public event"_s;
            return QString();
        }
        if (reads && !sameName(reader, field)) {
            if (m_fieldsByName.contains(reader.toUpper()))
                return u"property that reads a field not named F + its name"_s;
            if (!soleMethod(reader, u"function"_s))
                return u"property that reads through a method the class does not declare once"_s;
        }
        if (writes && !sameName(writer, field)) {
            if (m_fieldsByName.contains(writer.toUpper()))
                return u"property that writes a field not named F + its name"_s;
            if (!soleMethod(writer, u"procedure"_s))
                return u"property that writes through a method the class does not declare once"_s;
        }
        if (p.specifiers.contains(u"stored"_s)) {
            const QString stored = p.specifiers.value(u"stored"_s).toLower();
            if (stored != u"false" && stored != u"true")
                return u"property stored by a method or expression"_s;
        }
        return QString();
    }

    void readProperties()
    {
        struct Pending {
            const PropertyDecl *decl;
            bool event;
            int order;
        };
        QList<Pending> pending;
        QSet<QString> accepted;
        QSet<QString> claimed;   // the access methods of the accepted ones
        int unowned = 0;
        for (const PropertyDecl &p : m_class.properties) {
            const bool onName = p.name.size() >= 2 && p.name.first(2).compare(u"on"_s, Qt::CaseInsensitive) == 0;
            if (!p.hasType && !p.hasParameters && p.specifiers.isEmpty() && !p.arrayDefault) {
                if (p.section == Visibility::Published) {
                    (onName ? m_spec.StandardEvents : m_spec.StandardProperties).append(p.name);
                    recognise(u"ancestor member"_s);
                } else {
                    finding(p.line, u"ancestor member re-declared outside published"_s, p.text);
                }
                continue;
            }
            if (!p.hasType) {
                finding(p.line, u"ancestor member re-declared with changes"_s, p.text);
                continue;
            }
            // The pages hold one entry of a name; the unit keeps the others.
            // A build declares an access method for each property that names one.
            const QString ownField = (u"F"_s + p.name).toUpper();
            QStringList methods;
            for (const QString &word : {u"read"_s, u"write"_s}) {
                const QString accessor = p.specifiers.value(word).toUpper();
                if (p.specifiers.contains(word) && accessor != ownField && !m_fieldsByName.contains(accessor))
                    methods.append(accessor);
            }
            const bool shared = std::any_of(methods.begin(), methods.end(),
                                            [&](const QString &m) { return claimed.contains(m); })
                || (methods.size() == 2 && methods[0] == methods[1]);
            const QString problem = accepted.contains(p.name.toUpper())
                ? (onName ? u"event declared more than once"_s : u"property declared more than once"_s)
                : shared ? u"property that shares an access method"_s
                         : propertyProblem(p, onName);
            if (!problem.isEmpty()) {
                for (const QString &word : {u"read"_s, u"write"_s, u"stored"_s}) {
                    if (p.specifiers.contains(word))
                        m_unheldAccessMethods.insert(p.specifiers.value(word).toUpper());
                }
                finding(p.line, problem, p.text);
                continue;
            }
            const FieldDecl *field = m_fieldsByName.value((u"F"_s + p.name).toUpper());
            const int order = field && field->order >= 0 ? field->order : 100000 + unowned++;
            pending.append({&p, onName, order});
            accepted.insert(p.name.toUpper());
            for (const QString &m : std::as_const(methods))
                claimed.insert(m);
        }
        std::stable_sort(pending.begin(), pending.end(),
                         [](const Pending &a, const Pending &b) { return a.order < b.order; });
        for (const Pending &item : pending) {
            const PropertyDecl &p = *item.decl;
            m_owned.insert((u"F"_s + p.name).toUpper());
            claimName(p.name);
            claimName(u"F"_s + p.name);
            if (item.event) {
                EventInput input;
                input.name = p.name;
                input.type = p.type;
                input.params = m_eventTypes.value(p.type.toUpper());
                input.isProtected = p.section == Visibility::Protected;
                m_spec.addEventHandler(input);
                recognise(u"event"_s);
                continue;
            }
            PropertyInput input;
            input.name = p.name;
            input.type = p.type;
            input.indexed = p.hasParameters;
            const bool reads = p.specifiers.contains(u"read"_s);
            const bool writes = p.specifiers.contains(u"write"_s);
            input.readOnly = reads && !writes;
            input.writeOnly = writes && !reads;
            input.isProtected = p.section == Visibility::Protected;
            input.runtimeOnly = p.section == Visibility::Public && !input.readOnly && !input.writeOnly
                && !input.indexed;
            input.stored = p.specifiers.value(u"stored"_s, u"true"_s).toLower() != u"false";
            const QString field = u"F"_s + p.name;
            const QString reader = p.specifiers.value(u"read"_s);
            const QString writer = p.specifiers.value(u"write"_s);
            if (reads && !sameName(reader, field)) {
                input.readMethod = reader;
                m_accessMethods.insert(reader.toUpper());
            }
            if (writes && !sameName(writer, field)) {
                input.writeMethod = writer;
                m_accessMethods.insert(writer.toUpper());
            }
            const bool isString = p.type.toUpper() == u"STRING";
            if (p.specifiers.contains(u"default"_s))
                input.defaultValue = p.specifiers.value(u"default"_s);
            else if (isString && isStringLiteral(m_initial.value(field.toUpper())))
                input.defaultValue = unquoted(m_initial.value(field.toUpper()));
            m_spec.addProperty(input);
            // The page places a property by its boxes; the unit says where it is.
            m_spec.Sections.last() = sectionName(p.section);
            recognise(u"property"_s);
        }
    }

    // The routines of the class's methods, by name in upper case: the first of each.
    void indexBodies()
    {
        for (qsizetype i = 0; i < m_unit.routines.size(); ++i) {
            const PascalRoutine &routine = m_unit.routines[i];
            if (sameName(routine.qualifier().toString(), m_spec.Classname)) {
                const QString key = routine.member().toString().toUpper();
                if (!m_bodies.contains(key))
                    m_bodies.insert(key, i);
            }
        }
    }

    // The comment a build writes under a method's heading: "{ text }" alone
    // between the heading and "begin".
    QString methodComment(const QString &name) const
    {
        const qsizetype i = bodyPosition(name);
        if (i < 0)
            return QString();
        const PascalRoutine &routine = m_unit.routines[i];
        const QString between = m_text.sliced(routine.headingEnd, routine.blockStart - routine.headingEnd)
                                    .toString().trimmed();
        if (between.startsWith(u"{ "_s) && between.endsWith(u" }"_s) && between.count(u'}') == 1)
            return between.mid(2, between.size() - 4);
        return QString();
    }

    qsizetype bodyPosition(const QString &name) const { return m_bodies.value(name.toUpper(), -1); }

    void readMessage(const MethodDecl &m, const QList<std::pair<QString, int>> &constants)
    {
        const QString &message = m.messageName;
        const qsizetype standard = standardMessageNames().indexOf(message.toUpper());
        if (standard >= 0) {
            if (m_spec.isStandardMessageSelected(int(standard))) {
                finding(m.line, u"second handler of a message"_s, m.heading);
                return;
            }
            if (!claimName(messageHandlerName(m_awk, standardMessageNames().at(standard)))) {
                finding(m.line, u"handler a build would name like another member"_s, m.heading);
                return;
            }
            m_spec.setStandardMessageSelected(int(standard), true);
            recognise(u"standard message"_s);
            return;
        }
        for (const auto &[name, offset] : constants) {
            if (!sameName(name, message))
                continue;
            if (offset < 1 || offset > 99999 || m_userMessages.contains(name.toUpper())) {
                finding(m.line, u"user message the pages cannot hold"_s, m.heading);
                return;
            }
            if (!claimName(messageHandlerName(m_awk, name, true))) {
                finding(m.line, u"handler a build would name like another member"_s, m.heading);
                return;
            }
            m_userMessages.insert(name.toUpper(), offset);
            recognise(u"user message"_s);
            return;
        }
        finding(m.line, u"handler of a message that is neither standard nor WM_USER + n"_s, m.heading);
    }

    void readMethods(QStringView interfaceText)
    {
        const QList<std::pair<QString, int>> constants = userMessageConstants(interfaceText);
        struct Pending {
            const MethodDecl *decl;
            qsizetype body;
        };
        QList<Pending> pending;
        // The handlers first: a build names them, and a method may not take those names.
        for (const MethodDecl &m : m_class.methods) {
            if (m.directives.contains(u"message"_s))
                readMessage(m, constants);
        }
        for (const MethodDecl &m : m_class.methods) {
            const QString upper = m.name.toUpper();
            if (m.directives.contains(u"message"_s))
                continue;
            const bool overloaded = m_methodsByName.value(upper).size() > 1
                || m.directives.contains(u"overload"_s);
            if (m.kind == u"constructor" || m.kind == u"destructor") {
                QString heading = m.heading;
                heading.remove(u' ');
                if (!overloaded
                    && ((m.kind == u"constructor"
                         && heading.compare(u"constructorCreate(AOwner:TComponent);override;"_s, Qt::CaseInsensitive) == 0)
                        || (m.kind == u"destructor"
                            && heading.compare(u"destructorDestroy;override;"_s, Qt::CaseInsensitive) == 0)))
                    continue;   // a build writes these two itself
                finding(m.line, m.kind + u" the pages do not hold"_s, m.heading);
                continue;
            }
            if (m.kind == u"operator") {
                finding(m.line, u"operator"_s, m.heading);
                continue;
            }
            if (overloaded) {
                finding(m.line, u"overloaded method"_s, m.heading);
                continue;
            }
            if (m_accessMethods.contains(upper))
                continue;   // a property's access method: the build declares it
            if (m_unheldAccessMethods.contains(upper)) {
                finding(m.line, u"access method of a property the pages cannot hold"_s, m.heading);
                continue;
            }
            if (m_builtNames.contains(upper)) {
                finding(m.line, u"method named like a member a build writes"_s, m.heading);
                continue;
            }
            QString other;
            for (const QString &d : m.directives) {
                if (findPascalWord(d)->heading == HeadingDirective::None)   // not one the Methods page writes
                    other = d;
            }
            if (!other.isEmpty()) {
                finding(m.line, u"method with the directive "_s + other, m.heading);
                continue;
            }
            if (hasBlockWord(m.heading)) {
                finding(m.line, u"method heading with a word that opens or closes a block"_s, m.heading);
                continue;
            }
            // A build defines the method under its heading less the directive
            // texts it knows, wherever they stand: they must be the directives.
            if (withoutDirectives(m.heading).trimmed() != m.signature) {
                finding(m.line, u"method heading a build would not copy as written"_s, m.heading);
                continue;
            }
            if (m.section == Visibility::Published || m.section == Visibility::Undeclared) {
                finding(m.line, u"method in a section the pages do not hold"_s, m.heading);
                continue;
            }
            pending.append({&m, bodyPosition(m.name)});
        }
        // A build writes the bodies in the methods' order and each section's
        // headings in that order too; an abstract method has no body, so it
        // follows the method declared before it in its section.
        QList<Pending> withBodies;
        for (const Pending &item : pending) {
            if (item.body >= 0)
                withBodies.append(item);
        }
        std::stable_sort(withBodies.begin(), withBodies.end(),
                         [](const Pending &a, const Pending &b) { return a.body < b.body; });
        QList<const MethodDecl *> ordered;
        for (const Pending &item : withBodies)
            ordered.append(item.decl);
        for (qsizetype k = 0; k < pending.size(); ++k) {
            if (pending[k].body >= 0)
                continue;
            // After the method declared before it in its section; with none,
            // after the one declared before it at all, ahead of its section.
            qsizetype at = -1;
            for (qsizetype before = k - 1; before >= 0 && at < 0; --before) {
                if (pending[before].decl->section == pending[k].decl->section)
                    at = ordered.indexOf(pending[before].decl) + 1;
            }
            if (at < 0) {
                at = k > 0 ? ordered.indexOf(pending[k - 1].decl) + 1 : 0;
                for (qsizetype first = 0; first < ordered.size(); ++first) {
                    if (ordered[first]->section == pending[k].decl->section) {
                        at = std::min(at, first);
                        break;
                    }
                }
            }
            ordered.insert(at, pending[k].decl);
        }
        for (const MethodDecl *m : ordered) {
            m_spec.Methods.append(m->heading);
            m_spec.MethodComments.append(methodComment(m->name));
            m_spec.MethodSections.append(sectionName(m->section));
            m_spec.DefinedMethods.append(m->name);
            recognise(u"method"_s);
        }
        for (const auto &[name, offset] : constants) {
            if (m_userMessages.contains(name.toUpper()))
                m_spec.addUserMessage(name, offset);
        }
    }

    void listLeftoverFields()
    {
        for (const FieldDecl &field : m_class.fields) {
            if (!m_owned.contains(field.name.toUpper()))
                finding(field.line, u"field of no property"_s, field.name + u" : "_s + field.type);
        }
    }

    void compareAncestorMembers()
    {
        const int index = ancestorIndex(m_spec.Ancestor);
        if (index < 0)
            return;
        m_spec.Ancestor = ancestorNames().at(index);
        ComponentSpec table;
        refillAncestorMembers(table, index);
        if (table.StandardProperties != m_spec.StandardProperties || table.StandardEvents != m_spec.StandardEvents)
            finding(m_classLine, u"ancestor members"_s,
                    u"the re-declared members are not those "_s + m_spec.Ancestor
                        + u" publishes; a specification file keeps the ancestor's"_s);
    }

    QStringView m_text;
    const PascalUnit &m_unit;
    const ClassReader &m_class;
    UnitImport &m_result;
    ComponentSpec &m_spec;
    QHash<QString, QString> m_eventTypes;
    QHash<QString, QString> m_initial;
    QHash<QString, QList<const MethodDecl *>> m_methodsByName;
    QHash<QString, const FieldDecl *> m_fieldsByName;
    QSet<QString> m_owned;
    QSet<QString> m_accessMethods;
    QSet<QString> m_unheldAccessMethods;
    QHash<QString, int> m_userMessages;
    QHash<QString, qsizetype> m_bodies;
    QSet<QString> m_builtNames{u"CREATE"_s, u"DESTROY"_s};   // in upper case
    TAwk m_awk;

public:
    int m_classLine = 0;
};

// The file's path, its name spelled as the unit's heading spells it when the
// two differ in letter case only, so that a build names the unit as it was;
// not where that spelling names no file but the path does (a file system that
// tells letter case apart), since a build merges into the file of that name.
QString unitNameField(QStringView text, const QString &path, QList<ImportFinding> &findings)
{
    PascalLexer lexer(text);
    if (!lexer.nextCode().is(PascalWord::Unit))
        return path;
    const PascalToken name = lexer.nextCode();
    if (name.kind != Kind::Word)
        return path;
    const QString declared = text.sliced(name.start, name.end - name.start).toString();
    const QString identifier = unitIdentifier(path);
    if (identifier == declared)
        return path;
    const qsizetype at = directoryPart(path).size();
    const QString respelled = path.left(at) + declared + path.mid(at + identifier.size());
    if (!sameName(identifier, declared) || !fileNamePart(path).startsWith(identifier)
        || (QFileInfo::exists(path) && !QFileInfo::exists(respelled))) {
        findings.append({lineNumberAt(text, name.start), u"unit name"_s,
                         u"the unit is named "_s + declared + u", its file "_s + fileNamePart(path)
                             + u"; a build names it "_s + identifier});
        return path;
    }
    return respelled;
}

} // namespace

QString ImportFinding::message() const
{
    const QString where = line > 0 ? u"line "_s + QString::number(line) + u": "_s : QString();
    return where + kind + u": "_s + text;
}

QString severalClassesText(const QStringList &classes)
{
    return u"The unit registers several classes; name one of them: "_s + classes.join(u", "_s);
}

UnitImport importUnit(QStringView text, const QString &path, const QString &className)
{
    UnitImport result;
    const PascalUnit unit = readPascalUnit(text);
    if (!unit.isReadable()) {
        result.refusal = ImportRefusal::Unreadable;
        result.refusalText = u"The unit cannot be read: "_s + unit.error;
        return result;
    }
    for (const PascalClassDeclaration &c : unit.classes)
        result.declared.append(c.name);
    const QList<Registration> registered = registrations(text, unit);
    for (const Registration &r : registered) {
        if (!result.classes.contains(r.className, Qt::CaseInsensitive))
            result.classes.append(r.className);
    }
    const PascalClassDeclaration *declaration = nullptr;
    auto declared = [&](const QString &name) -> const PascalClassDeclaration * {
        for (const PascalClassDeclaration &c : unit.classes) {
            if (sameName(c.name, name))
                return &c;
        }
        return nullptr;
    };
    if (!className.isEmpty()) {
        declaration = declared(className);
        if (!declaration) {
            result.refusal = ImportRefusal::UnknownClass;
            result.refusalText = u"The unit declares no class "_s + className;
            return result;
        }
    } else {
        QStringList candidates;
        for (const QString &name : std::as_const(result.classes)) {
            if (declared(name))
                candidates.append(name);
        }
        if (candidates.isEmpty()) {
            result.refusal = ImportRefusal::NoClass;
            result.refusalText = u"The unit registers no component class"_s;
            return result;
        }
        if (candidates.size() > 1) {
            result.refusal = ImportRefusal::SeveralClasses;
            result.classes = candidates;
            result.refusalText = severalClassesText(candidates);
            return result;
        }
        declaration = declared(candidates.first());
    }

    ComponentSpec &spec = result.spec;
    spec.Filename = unitNameField(text, path, result.findings);
    spec.Classname = declaration->name;
    spec.Palettepage.clear();
    bool isRegistered = false;
    for (const Registration &r : registered) {
        if (sameName(r.className, declaration->name)) {
            spec.Palettepage = r.page;
            isRegistered = true;
            if (!r.unreadPage.isEmpty())
                result.findings.append({lineNumberAt(text, declaration->span.start), u"registration"_s,
                                        u"the palette page is not one string: "_s + r.unreadPage});
            break;
        }
    }
    if (!isRegistered)
        result.findings.append({lineNumberAt(text, declaration->span.start), u"registration"_s,
                                declaration->name + u" is not registered; a build registers it"_s});

    const LineIndex lines(text);
    ClassReader reader(text, declaration->span, lines, result.findings);
    reader.read();
    if (!reader.unreadHeading.isEmpty()) {
        result.refusal = ImportRefusal::Unreadable;
        result.refusalText = u"The unit cannot be read: the class heading on line %1 is not Name = class(Ancestor): %2"_s
                                 .arg(lineNumberAt(text, declaration->span.start))
                                 .arg(reader.unreadHeading);
        result.findings.clear();
        return result;
    }
    spec.Ancestor = reader.ancestor.isEmpty() ? u"TObject"_s : reader.ancestor;
    SpecBuilder builder(text, unit, reader, result);
    builder.m_classLine = lineNumberAt(text, declaration->span.start);
    builder.build();
    std::stable_sort(result.findings.begin(), result.findings.end(),
                     [](const ImportFinding &a, const ImportFinding &b) { return a.line < b.line; });
    return result;
}
