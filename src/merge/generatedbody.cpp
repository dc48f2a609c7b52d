// SPDX-License-Identifier: MIT
#include "merge/generatedbody.h"

#include "merge/pascallexer.h"

#include <QList>
#include <QRegularExpression>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kBegin = u"begin";
constexpr QStringView kEnd = u"end;";
constexpr QStringView kCustomize = u"{customize message handling here}";

bool isIdentifier(QStringView text)
{
    if (text.isEmpty() || text.front().isDigit())
        return false;
    for (const QChar c : text) {
        if (!c.isLetterOrNumber() && c != u'_')
            return false;
    }
    return true;
}

// A value and its closing ";" and nothing more: no comment, no second
// statement, no word that opens or closes a block. Taking such a line out of a
// body or putting another in its place leaves the body's blocks as they were.
bool isOneStatement(QStringView valueAndSemicolon)
{
    PascalLexer lexer(valueAndSemicolon);
    for (;;) {
        const PascalToken token = lexer.next();
        switch (token.kind) {
        case PascalToken::Kind::EndOfText:
            return false;
        case PascalToken::Kind::Error:
        case PascalToken::Kind::Comment:
            return false;
        case PascalToken::Kind::Word:
            if (token.word != PascalWord::None && token.word != PascalWord::Directive)
                return false;
            break;
        case PascalToken::Kind::Symbol:
            if (token.isSymbol(valueAndSemicolon, u";"))
                return token.end == valueAndSemicolon.size();
            break;
        default:
            break;
        }
    }
}

bool isRegisterCall(QStringView line)
{
    const QStringView call = line.trimmed();
    return call.startsWith(u"RegisterComponents('") && call.endsWith(u"]);")
        && call.contains(u"',[");
}

// A comment as a build writes it: "{ " text " }", perhaps over several lines.
bool isMethodComment(const QList<QStringView> &lines)
{
    if (lines.isEmpty())
        return false;
    qsizetype braces = 0;
    for (const QStringView line : lines)
        braces += line.count(u'}');
    return lines.first().startsWith(u"{ ") && lines.last().endsWith(u" }") && braces == 1;
}

bool isWorkingStatements(const QList<QStringView> &statements)
{
    static const QRegularExpression working(QRegularExpression::anchoredPattern(
        u"(?:\\{ F\\w+ holds one value for every Index \\}\\n)?"
        u"(?:Result := F\\w+;"
        u"|if (F\\w+) <> Value then\\nbegin\\n\\1 := Value;\\n(?:Invalidate;\\n)?end;"
        u"|F\\w+ := Value;(?:\\nInvalidate;)?"
        u"|F\\w+\\.Assign\\(Value\\);(?:\\nInvalidate;)?"
        u"|(?:Result := )?inherited(?: \\w+(?:\\([\\w, ]*\\))?)?;"
        u"|if Assigned\\((F\\w+)\\) then\\n\\2\\(Self\\);)"_s));
    QStringList trimmed;
    for (const QStringView line : statements)
        trimmed.append(line.trimmed().toString());
    return working.match(trimmed.join(u'\n')).hasMatch();
}

// "FFont.Free;", at any indentation: the destructor freeing an object a property owns.
bool isOwnedRelease(QStringView line)
{
    static const QRegularExpression release(QRegularExpression::anchoredPattern(u"\\s*F\\w+\\.Free;"_s));
    return release.match(line).hasMatch();
}

// The lines between "begin" and the closing "end;" of a body in comparable
// text; nothing when the body is not framed as a build frames it.
std::optional<QList<QStringView>> statementsOf(QStringView text, bool commentAllowed)
{
    QList<QStringView> lines = text.split(u'\n');
    // The rest of the heading's line, then "begin" ... "end;".
    if (lines.size() < 3 || !lines.first().isEmpty() || lines.last() != kEnd)
        return std::nullopt;
    lines.removeFirst();
    lines.removeLast();
    const qsizetype begin = lines.indexOf(kBegin);
    if (begin < 0 || (begin > 0 && !(commentAllowed && isMethodComment(lines.first(begin)))))
        return std::nullopt;
    return lines.sliced(begin + 1);
}

} // namespace

QString comparableText(QStringView text)
{
    QString result;
    result.reserve(text.size());
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool atBreak = i == text.size() || text[i] == u'\n' || text[i] == u'\r';
        if (!atBreak)
            continue;
        QStringView line = text.sliced(lineStart, i - lineStart);
        while (!line.isEmpty() && (line.back() == u' ' || line.back() == u'\t'))
            line.chop(1);
        result += line;
        if (i == text.size())
            break;
        result += u'\n';
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        lineStart = i + 1;
    }
    return result;
}

QStringView createdField(QStringView line)
{
    static const QRegularExpression creation(
        QRegularExpression::anchoredPattern(u"\\s*(F\\w+) := T\\w+\\.Create;"_s));
    const QRegularExpressionMatch created = creation.match(line);
    return created.hasMatch() ? created.capturedView(1) : QStringView();
}

QStringView initializedField(QStringView line)
{
    // Five blanks, the field, " := ", the value and ";", as the Properties page composes it.
    if (line.size() < 10 || !line.startsWith(u"     ") || line[5] == u' ' || !line.endsWith(u';'))
        return {};
    const qsizetype assign = line.indexOf(u" := ");
    if (assign < 0)
        return {};
    const QStringView field = line.sliced(5, assign - 5);
    return isIdentifier(field) && isOneStatement(line.sliced(assign + 4)) ? field : QStringView();
}

bool isGeneratedBody(QStringView body, BodyRole role, bool commentAllowed)
{
    const QString text = comparableText(body);
    const std::optional<QList<QStringView>> framed = statementsOf(text, commentAllowed);
    if (!framed)
        return false;
    const QList<QStringView> &statements = *framed;

    switch (role) {
    case BodyRole::Method:
        return statements.size() == 1 && statements[0].isEmpty();
    case BodyRole::Register:
        return statements.size() == 1 && isRegisterCall(statements[0]);
    case BodyRole::Destructor:
        return !statements.isEmpty() && statements.last().trimmed() == u"inherited Destroy;"
            && std::all_of(statements.begin(), statements.end() - 1, isOwnedRelease);
    case BodyRole::MessageHandler:
        return statements.size() == 2 && statements[0] == kCustomize
            && (statements[1].isEmpty() || statements[1].trimmed() == u"inherited;");
    case BodyRole::Constructor:
        if (statements.isEmpty() || statements[0].trimmed() != u"inherited Create(AOwner);")
            return false;
        for (qsizetype i = 1; i < statements.size(); ++i) {
            if (initializedField(statements[i]).isEmpty() && createdField(statements[i]).isEmpty())
                return false;
        }
        return true;
    }
    return false;
}

bool isWorkingMethodBody(QStringView body, bool commentAllowed)
{
    const QString text = comparableText(body);
    const std::optional<QList<QStringView>> statements = statementsOf(text, commentAllowed);
    return statements && isWorkingStatements(*statements);
}

int lineCount(QStringView text)
{
    int count = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n')
            ++count;
        else if (text[i] == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n'))
            ++count;
    }
    return count;
}
