#include "merge/pascalreader.h"

#include "merge/pascalcursor.h"
#include "merge/pascallexer.h"

using namespace Qt::StringLiterals;

namespace {

using Kind = PascalToken::Kind;

// Local routines nest no deeper than this; deeper text is refused rather
// than read on a stack it could exhaust.
constexpr int kDeepestRoutine = 64;

bool isRoutineWord(const PascalToken &token)
{
    return token.is(PascalWord::Procedure) || token.is(PascalWord::Function)
        || token.is(PascalWord::Constructor) || token.is(PascalWord::Destructor);
}

class UnitReader : private PascalCursor
{
public:
    explicit UnitReader(QStringView text)
        : PascalCursor(text)
    {
    }

    PascalUnit read();

private:
    bool startsRoutine();
    void readInterface();
    void readImplementation();
    void readInitialization();
    bool readRoutine(PascalRoutine &routine, int depth);
    qsizetype endOfLineComments(qsizetype end) const;

    PascalUnit m_unit;
};

// A routine heading starts here, unless the word names a procedural type
// ("TProc = procedure;", "P: function: integer").
bool UnitReader::startsRoutine()
{
    if (symbol(m_previous, u"=") || symbol(m_previous, u":"))
        return false;
    if (isRoutineWord(m_token))
        return true;
    if (!m_token.is(PascalWord::Class))
        return false;
    const PascalToken following = peek();
    return isRoutineWord(following) || following.is(PascalWord::Operator);
}

// A routine's text runs on over comments that follow its "end;" on the same line.
qsizetype UnitReader::endOfLineComments(qsizetype end) const
{
    PascalLexer lexer(m_text);
    lexer.setPosition(end);
    for (;;) {
        const PascalToken token = lexer.next();
        if (token.kind != Kind::Comment)
            return end;
        const QStringView between = m_text.sliced(end, token.start - end);
        if (between.contains(u'\n') || between.contains(u'\r'))
            return end;
        end = token.end;
    }
}

// Reads a routine from its heading; returns whether it has a body (a forward
// or external declaration has none).
bool UnitReader::readRoutine(PascalRoutine &routine, int depth)
{
    if (depth > kDeepestRoutine) {
        fail(u"routines nested too deeply"_s, m_token.start);
        return false;
    }
    routine.start = m_token.start;
    if (m_token.is(PascalWord::Class))
        advance();
    advance();
    while (ok() && m_token.kind == Kind::Word) {
        routine.name += textOf(m_token);
        advance();
        if (!symbol(m_token, u"."))
            break;
        routine.name += u'.';
        advance();
    }
    if (ok() && routine.name.isEmpty())
        fail(u"a routine heading without a name"_s, routine.start);
    if (ok() && symbol(m_token, u"("))
        skipParentheses();
    while (ok() && !atEnd() && !symbol(m_token, u";") && !m_token.is(PascalWord::Begin)
           && !isSectionWord(m_token))
        advance();
    if (ok() && !symbol(m_token, u";"))
        fail(u"the heading of "_s + routine.name + u" does not end with \";\""_s, routine.start);
    if (!ok())
        return false;
    routine.headingEnd = m_token.end;
    advance();
    bool declarationOnly = false;
    while (ok() && (m_token.is(PascalWord::Directive) || m_token.is(PascalWord::Forward)
                    || m_token.is(PascalWord::External))) {
        declarationOnly = declarationOnly || !m_token.is(PascalWord::Directive);
        skipTo(u";");
        routine.headingEnd = m_token.end;
        advance();
    }
    if (declarationOnly || !ok())
        return false;

    // Declarations, local routines among them, up to the statements.
    while (ok()) {
        if (m_token.is(PascalWord::Begin) || m_token.is(PascalWord::Asm)) {
            routine.blockStart = m_token.start;
            skipBlock();
            if (ok())
                advance();
            if (ok() && !symbol(m_token, u";"))
                fail(u"the \"end\" of "_s + routine.name + u" is not followed by \";\""_s,
                     m_previous.start);
            if (!ok())
                return false;
            routine.end = endOfLineComments(m_token.end);
            advance();
            return true;
        }
        if (atEnd() || isSectionWord(m_token) || m_token.is(PascalWord::End)) {
            fail(routine.name + u" has no statement part"_s, routine.start);
            return false;
        }
        if (startsRoutine()) {
            PascalRoutine local;
            readRoutine(local, depth + 1);
            continue;
        }
        if (opensBlock(false))
            skipBlock();
        advance();
    }
    return false;
}

void UnitReader::readInterface()
{
    if (!m_token.is(PascalWord::Unit)) {
        fail(u"the text does not begin with \"unit\""_s, m_token.start);
        return;
    }
    skipTo(u";");
    advance();
    if (ok() && !m_token.is(PascalWord::Interface))
        fail(u"no \"interface\" after the unit heading"_s, m_token.start);
    if (ok())
        advance();
    while (ok()) {
        if (m_token.is(PascalWord::Implementation))
            return;
        if (atEnd() || isSectionWord(m_token)) {
            fail(u"no implementation section"_s, m_token.start);
            return;
        }
        if (m_token.is(PascalWord::End)) {
            fail(peek().isSymbol(m_text, u".") ? u"no implementation section"_s
                                               : u"\"end\" without a block"_s,
                 m_token.start);
            return;
        }
        if (m_token.is(PascalWord::Uses) && !m_unit.uses.isValid()) {
            m_unit.uses.start = m_token.start;
            skipTo(u";");
            m_unit.uses.end = m_token.end;
        } else if (m_token.is(PascalWord::Class) && opensBlock(false)) {
            PascalClassDeclaration declaration;
            const bool named = m_before.kind == Kind::Word;
            declaration.name = named ? textOf(m_before) : QString();
            declaration.span.start = named ? m_before.start : m_token.start;
            skipBlock();
            if (ok())
                advance();
            declaration.span.end = symbol(m_token, u";") ? m_token.end : m_previous.end;
            m_unit.classes.append(declaration);
            continue;
        } else if (opensBlock(false)) {
            skipBlock();
        }
        advance();
    }
}

// Statements, perhaps with a finalization part, up to the closing "end".
void UnitReader::readInitialization()
{
    advance();
    while (ok() && !m_token.is(PascalWord::End)) {
        if (atEnd() || m_token.is(PascalWord::Implementation)
            || m_token.is(PascalWord::Initialization)) {
            fail(u"no \"end.\" closes the unit"_s, m_token.start);
            return;
        }
        if (opensBlock(false))
            skipBlock();
        advance();
    }
}

void UnitReader::readImplementation()
{
    m_unit.implementation = m_token.start;
    m_unit.implementationBody = m_token.end;
    advance();
    while (ok()) {
        if (atEnd()) {
            fail(u"no \"end.\" closes the unit"_s, m_token.start);
            return;
        }
        if (startsRoutine()) {
            PascalRoutine routine;
            if (readRoutine(routine, 0))
                m_unit.routines.append(routine);
            continue;
        }
        if (m_token.is(PascalWord::Initialization) || m_token.is(PascalWord::Begin)) {
            m_unit.mainBlock = m_token.start;
            if (m_token.is(PascalWord::Begin))
                skipBlock();
            else
                readInitialization();
            if (!ok())
                return;
            // At the "end" that closes the unit.
        }
        if (m_token.is(PascalWord::End)) {
            m_unit.finalEnd = m_token.start;
            // Nothing after "end." is read: it may hold anything.
            const PascalToken dot = peek();
            if (!dot.isSymbol(m_text, u".")) {
                fail(u"\"end\" without a block"_s, m_token.start);
                return;
            }
            m_unit.afterEnd = dot.end;
            return;
        }
        if (isSectionWord(m_token)) {
            fail(u"a section keyword out of place"_s, m_token.start);
            return;
        }
        if (opensBlock(false))
            skipBlock();
        advance();
    }
}

PascalUnit UnitReader::read()
{
    advance();
    if (ok())
        readInterface();
    if (ok())
        readImplementation();
    if (!ok()) {
        PascalUnit failed;
        failed.error = error();
        return failed;
    }
    return m_unit;
}

} // namespace

QStringView PascalRoutine::qualifier() const
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QStringView() : QStringView(name).first(dot);
}

QStringView PascalRoutine::member() const
{
    return QStringView(name).sliced(name.lastIndexOf(u'.') + 1);
}

PascalUnit readPascalUnit(QStringView text)
{
    return UnitReader(text).read();
}

int lineNumberAt(QStringView text, qsizetype position)
{
    position = qBound(qsizetype(0), position, text.size());
    // CR LF, LF and CR each end a line.
    int line = 1;
    for (qsizetype i = 0; i < position; ++i) {
        if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n')))
            ++line;
    }
    return line;
}
