// SPDX-License-Identifier: MIT
#include "merge/classmembers.h"

#include "merge/pascalcursor.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

using Kind = PascalToken::Kind;

bool isWord(QStringView text, QStringView word)
{
    return text.compare(word, Qt::CaseInsensitive) == 0;
}

bool isVisibility(QStringView text)
{
    return isWord(text, u"private") || isWord(text, u"protected") || isWord(text, u"public")
        || isWord(text, u"published") || isWord(text, u"automated");
}

bool isBlockWord(QStringView text)
{
    return isWord(text, u"const") || isWord(text, u"type") || isWord(text, u"var")
        || isWord(text, u"threadvar") || isWord(text, u"resourcestring");
}

class MemberReader : private PascalCursor
{
public:
    MemberReader(QStringView text, qsizetype offset)
        : PascalCursor(text)
        , m_offset(offset)
    {
    }

    ClassMembers read();

private:
    QStringView wordText(const PascalToken &token) const
    {
        return token.kind == Kind::Word ? m_text.sliced(token.start, token.end - token.start) : QStringView();
    }
    PascalSpan shifted(qsizetype start, qsizetype end) const { return {start + m_offset, end + m_offset}; }
    bool readDeclaration(ClassMember &member);
    void skipToSemicolon();

    qsizetype m_offset;
};

// Up to the ";" that ends the declaration, over parentheses, brackets and nested blocks.
void MemberReader::skipToSemicolon()
{
    int depth = 0;
    while (ok() && !atEnd()) {
        if (depth == 0 && symbol(m_token, u";"))
            return;
        if (symbol(m_token, u"(") || symbol(m_token, u"["))
            ++depth;
        else if (symbol(m_token, u")") || symbol(m_token, u"]"))
            depth = std::max(0, depth - 1);
        else if (depth == 0 && m_token.is(PascalWord::End))
            return;   // the class ends without the ";" a declaration owes
        else if (opensBlock(false))
            skipBlock();
        advance();
    }
}

bool MemberReader::readDeclaration(ClassMember &member)
{
    const qsizetype start = m_token.start;
    PascalToken first = m_token;
    if (first.is(PascalWord::Class)) {
        advance();
        if (!ok() || atEnd() || m_token.is(PascalWord::End))
            return false;
        first = m_token;
    }
    const QStringView word = wordText(first);
    const bool routine = first.is(PascalWord::Procedure) || first.is(PascalWord::Function)
        || first.is(PascalWord::Constructor) || first.is(PascalWord::Destructor)
        || first.is(PascalWord::Operator);
    if (routine || isWord(word, u"property")) {
        member.kind = routine ? ClassMember::Kind::Method : ClassMember::Kind::Property;
        advance();
        if (ok() && m_token.kind == Kind::Word)
            member.names.append(wordText(m_token).toString().toUpper());
    } else if (isBlockWord(word)) {
        // "const", "type" or "var" alone: the declarations that follow are members of their own.
        member.tokens = shifted(start, first.end);
        advance();
        return ok();
    } else if (first.kind == Kind::Word && !opensBlock(false)) {
        // "A, B: integer;" is a field list; "Max = 10;" a constant or type.
        QStringList names{wordText(first).toString().toUpper()};
        advance();
        while (ok() && symbol(m_token, u",")) {
            advance();
            if (m_token.kind == Kind::Word)
                names.append(wordText(m_token).toString().toUpper());
            advance();
        }
        if (ok() && symbol(m_token, u":")) {
            member.kind = ClassMember::Kind::Field;
            member.names = names;
        }
    }
    skipToSemicolon();
    if (!ok() || atEnd())
        return false;
    qsizetype end = m_token.end;
    if (!symbol(m_token, u";")) {
        end = m_previous.end;   // at the class's "end"
        member.closed = false;
    } else {
        advance();
    }
    // A method's directives and an array property's "default", each with its ";".
    while (ok() && member.kind != ClassMember::Kind::Field && member.kind != ClassMember::Kind::Other
           && m_token.kind == Kind::Word && !peek().isSymbol(m_text, u":")
           && (m_token.is(PascalWord::Directive)
               || (member.kind == ClassMember::Kind::Property && isWord(wordText(m_token), u"default")
                   && peek().isSymbol(m_text, u";")))) {
        skipToSemicolon();
        if (!ok() || !symbol(m_token, u";"))
            return false;
        end = m_token.end;
        advance();
    }
    member.tokens = shifted(start, end);
    return ok();
}

ClassMembers MemberReader::read()
{
    ClassMembers result;
    advance();
    // The heading: the name, "=", perhaps "packed", "class" and the ancestors.
    while (ok() && !atEnd() && !m_token.is(PascalWord::Class))
        advance();
    if (!ok() || atEnd())
        return result;
    advance();
    if (ok() && symbol(m_token, u"("))
        skipParentheses();
    if (!ok())
        return result;
    result.bodyStart = m_previous.end + m_offset;
    while (ok() && !atEnd() && !m_token.is(PascalWord::End)) {
        ClassMember member;
        const QStringView word = wordText(m_token);
        if (isWord(word, u"strict") && isVisibility(wordText(peek()))) {
            const qsizetype start = m_token.start;
            advance();
            member.kind = ClassMember::Kind::Section;
            member.names.append(u"STRICT "_s + wordText(m_token).toString().toUpper());
            member.tokens = shifted(start, m_token.end);
            advance();
        } else if (isVisibility(word)) {
            member.kind = ClassMember::Kind::Section;
            member.names.append(word.toString().toUpper());
            member.tokens = shifted(m_token.start, m_token.end);
            advance();
        } else if (!readDeclaration(member)) {
            return {};
        }
        result.members.append(member);
    }
    if (!ok() || atEnd())
        return {};
    // The "end" must be the one the unit reader closed the class with: the
    // declaration ends right after it (and its ";").
    const PascalToken semicolon = peek();
    const qsizetype after = semicolon.isSymbol(m_text, u";") ? semicolon.end : m_token.end;
    if (!m_text.sliced(after).trimmed().isEmpty())
        return {};
    result.bodyEnd = m_token.start + m_offset;
    result.read = true;
    return result;
}

} // namespace

ClassMembers readClassMembers(QStringView text, PascalSpan span)
{
    if (!span.isValid() || span.end > text.size() || span.start >= span.end)
        return {};
    return MemberReader(text.sliced(span.start, span.end - span.start), span.start).read();
}
