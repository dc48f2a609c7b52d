// SPDX-License-Identifier: MIT
#include "model/pascalvocabulary.h"

#include <array>
#include <cstring>
#include <vector>

#include "model/stringlists.h"

namespace {

using W = PascalWordEntry;
using P = PascalWord;
using H = HeadingDirective;

// Sorted, lower case. A word that no caller treats specially has no row.
constexpr PascalWordEntry kWords[] = {
    {"abstract", W::Keyword | W::MethodDirective, P::Directive, H::Abstract},
    {"and", W::Reserved | W::Keyword, P::None, H::None},
    {"array", W::Reserved | W::Keyword, P::None, H::None},
    {"as", W::Reserved | W::Keyword, P::None, H::None},
    {"asm", W::Reserved | W::Keyword, P::Asm, H::None},
    {"assembler", 0, P::Directive, H::None},
    {"automated", W::Keyword, P::None, H::None},
    {"begin", W::Reserved | W::Keyword, P::Begin, H::None},
    {"bitpacked", W::Reserved, P::None, H::None},
    {"case", W::Reserved | W::Keyword, P::Case, H::None},
    {"cdecl", W::MethodDirective, P::Directive, H::None},
    {"class", W::Reserved | W::Keyword, P::Class, H::None},
    {"const", W::Reserved | W::Keyword, P::None, H::None},
    {"constructor", W::Reserved | W::Keyword, P::Constructor, H::None},
    {"default", W::PropertyDirective | W::PropertySpecifier, P::None, H::None},
    {"deprecated", 0, P::Directive, H::None},
    {"destructor", W::Reserved | W::Keyword, P::Destructor, H::None},
    {"dispid", W::PropertySpecifier, P::Directive, H::None},
    {"dispinterface", W::Reserved | W::Keyword, P::DispInterface, H::None},
    {"div", W::Reserved | W::Keyword, P::None, H::None},
    {"do", W::Reserved | W::Keyword, P::None, H::None},
    {"downto", W::Reserved | W::Keyword, P::None, H::None},
    {"dynamic", W::Keyword | W::MethodDirective, P::Directive, H::Dynamic},
    {"else", W::Reserved | W::Keyword, P::None, H::None},
    {"end", W::Reserved | W::Keyword, P::End, H::None},
    {"enumerator", 0, P::Directive, H::None},
    {"except", W::Reserved | W::Keyword, P::None, H::None},
    {"experimental", 0, P::Directive, H::None},
    {"export", 0, P::Directive, H::None},
    {"exports", W::Reserved | W::Keyword, P::None, H::None},
    {"external", 0, P::External, H::None},
    {"far", 0, P::Directive, H::None},
    {"file", W::Reserved | W::Keyword, P::None, H::None},
    {"final", 0, P::Directive, H::None},
    {"finalization", W::Reserved | W::Keyword, P::Finalization, H::None},
    {"finally", W::Reserved | W::Keyword, P::None, H::None},
    {"for", W::Reserved | W::Keyword, P::None, H::None},
    {"forward", 0, P::Forward, H::None},
    {"function", W::Reserved | W::Keyword, P::Function, H::None},
    {"goto", W::Reserved | W::Keyword, P::None, H::None},
    {"if", W::Reserved | W::Keyword, P::None, H::None},
    {"implementation", W::Reserved | W::Keyword, P::Implementation, H::None},
    {"implements", W::PropertySpecifier, P::None, H::None},
    {"in", W::Reserved | W::Keyword, P::None, H::None},
    {"index", W::PropertyDirective | W::PropertySpecifier, P::None, H::None},
    {"inherited", W::Reserved | W::Keyword, P::None, H::None},
    {"initialization", W::Reserved | W::Keyword, P::Initialization, H::None},
    {"inline", W::Reserved | W::Keyword, P::Directive, H::None},
    {"interface", W::Reserved | W::Keyword, P::Interface, H::None},
    {"is", W::Reserved | W::Keyword, P::None, H::None},
    {"label", W::Reserved | W::Keyword, P::None, H::None},
    {"library", W::Reserved | W::Keyword, P::Directive, H::None},
    {"local", 0, P::Directive, H::None},
    {"message", 0, P::Directive, H::None},
    {"mod", W::Reserved | W::Keyword, P::None, H::None},
    {"near", 0, P::Directive, H::None},
    {"nil", W::Reserved | W::Keyword, P::None, H::None},
    {"nodefault", W::PropertyDirective | W::PropertySpecifier, P::None, H::None},
    {"not", W::Reserved | W::Keyword, P::None, H::None},
    {"object", W::Reserved | W::Keyword, P::Object, H::None},
    {"of", W::Reserved | W::Keyword, P::Of, H::None},
    {"operator", 0, P::Operator, H::None},
    {"or", W::Reserved | W::Keyword, P::None, H::None},
    {"otherwise", W::Reserved, P::None, H::None},
    {"out", W::Keyword, P::None, H::None},
    {"overload", 0, P::Directive, H::None},
    {"override", W::Keyword | W::MethodDirective, P::Directive, H::Override},
    {"packed", W::Reserved | W::Keyword, P::Packed, H::None},
    {"pascal", W::MethodDirective, P::Directive, H::None},
    {"platform", 0, P::Directive, H::None},
    {"private", W::Keyword, P::None, H::None},
    {"procedure", W::Reserved | W::Keyword, P::Procedure, H::None},
    {"program", W::Reserved | W::Keyword, P::None, H::None},
    {"property", W::Reserved | W::Keyword, P::None, H::None},
    {"protected", W::Keyword, P::None, H::None},
    {"public", W::Keyword, P::None, H::None},
    {"published", W::Keyword, P::None, H::None},
    {"raise", W::Reserved | W::Keyword, P::None, H::None},
    {"read", W::PropertyDirective | W::PropertySpecifier, P::None, H::None},
    {"readonly", W::PropertySpecifier, P::None, H::None},
    {"record", W::Reserved | W::Keyword, P::Record, H::None},
    {"register", W::MethodDirective, P::Directive, H::None},
    {"reintroduce", 0, P::Directive, H::None},
    {"repeat", W::Reserved | W::Keyword, P::None, H::None},
    {"resourcestring", W::Reserved | W::Keyword, P::None, H::None},
    {"safecall", 0, P::Directive, H::None},
    {"set", W::Reserved | W::Keyword, P::None, H::None},
    {"shl", W::Reserved | W::Keyword, P::None, H::None},
    {"shr", W::Reserved | W::Keyword, P::None, H::None},
    {"static", 0, P::Directive, H::None},
    {"stdcall", W::MethodDirective, P::Directive, H::None},
    {"stored", W::PropertyDirective | W::PropertySpecifier, P::None, H::None},
    {"string", W::Reserved | W::Keyword, P::None, H::None},
    {"then", W::Reserved | W::Keyword, P::None, H::None},
    {"threadvar", W::Reserved | W::Keyword, P::None, H::None},
    {"to", W::Reserved | W::Keyword, P::None, H::None},
    {"try", W::Reserved | W::Keyword, P::Try, H::None},
    {"type", W::Reserved | W::Keyword, P::None, H::None},
    {"unimplemented", 0, P::Directive, H::None},
    {"unit", W::Reserved | W::Keyword, P::Unit, H::None},
    {"until", W::Reserved | W::Keyword, P::None, H::None},
    {"uses", W::Reserved | W::Keyword, P::Uses, H::None},
    {"var", W::Reserved | W::Keyword, P::None, H::None},
    {"varargs", 0, P::Directive, H::None},
    {"virtual", W::Keyword | W::MethodDirective, P::Directive, H::Virtual},
    {"while", W::Reserved | W::Keyword, P::None, H::None},
    {"winapi", 0, P::Directive, H::None},
    {"with", W::Reserved | W::Keyword, P::None, H::None},
    {"write", W::PropertyDirective | W::PropertySpecifier, P::None, H::None},
    {"writeonly", W::PropertySpecifier, P::None, H::None},
    {"xor", W::Reserved | W::Keyword, P::None, H::None},
};

constexpr qsizetype kLongestWord = 14;

bool isLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

const PascalWordEntry *findPascalWord(QStringView word)
{
    if (word.size() < 2 || word.size() > kLongestWord)
        return nullptr;
    char lower[kLongestWord + 1];
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char16_t c = word[i].unicode();
        if (c >= 0x80)
            return nullptr;
        lower[i] = char(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    }
    lower[word.size()] = 0;
    // Looked up among the words of the same length only: the unit reader asks
    // for every word it meets.
    static const auto byLength = [] {
        std::array<std::vector<const PascalWordEntry *>, kLongestWord + 1> table;
        for (const PascalWordEntry &entry : kWords)
            table[std::strlen(entry.word)].push_back(&entry);
        return table;
    }();
    for (const PascalWordEntry *entry : byLength[size_t(word.size())]) {
        if (std::strcmp(entry->word, lower) == 0)
            return entry;
    }
    return nullptr;
}

bool pascalWordHas(QStringView word, PascalWordEntry::Use use)
{
    const PascalWordEntry *entry = findPascalWord(word);
    return entry && (entry->uses & use);
}

bool isReservedWord(QStringView text)
{
    return pascalWordHas(text, PascalWordEntry::Reserved);
}

PascalWord pascalWordOf(QStringView word)
{
    const PascalWordEntry *entry = findPascalWord(word);
    return entry ? entry->readerWord : PascalWord::None;
}

QString headingDirectiveWord(HeadingDirective directive)
{
    for (const PascalWordEntry &entry : kWords) {
        if (entry.heading == directive && directive != HeadingDirective::None)
            return QString::fromLatin1(entry.word);
    }
    return QString();
}

bool isPascalIdentifier(QStringView text)
{
    if (text.isEmpty() || !isLetter(text.at(0)))
        return false;
    for (const QChar c : text) {
        if (!isLetter(c) && !isDigit(c))
            return false;
    }
    return true;
}

bool sameName(const QString &a, const QString &b)
{
    return a.size() == b.size() && asciiUpper(a) == asciiUpper(b);
}
