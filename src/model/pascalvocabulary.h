// SPDX-License-Identifier: MIT
// The words of Object Pascal that the program treats specially, in one table:
// the reserved words that can never be a name, the words the Output page
// colours, the words the unit reader looks at, and the directives a method
// heading may end with. Each caller asks the table what a word is to it.
#pragma once

#include <QString>
#include <QStringView>

// The words the unit reader looks at; every other word is PascalWord::None.
enum class PascalWord {
    None,
    Asm, Begin, Case, Class, Constructor, Destructor, DispInterface, End, Finalization,
    Function, Implementation, Initialization, Interface, Object, Of, Operator, Packed,
    Procedure, Record, Try, Unit, Uses,
    // Heading directives: they may follow a routine heading, each up to its ";".
    Directive, Forward, External,
};

// The directives the Methods page writes after a heading.
enum class HeadingDirective { None, Virtual, Dynamic, Override, Abstract };

struct PascalWordEntry {
    enum Use : unsigned {
        // Reserved in Delphi 2.0 or in Free Pascal's Delphi mode: never a name.
        Reserved = 0x01,
        // Coloured as a keyword on the Output page: the reserved words, the
        // visibility words and the method directives that are never names in practice.
        Keyword = 0x02,
        // Coloured as a keyword inside a property declaration only.
        PropertyDirective = 0x04,
        // A directive Delphi 2.0 takes after a method heading.
        MethodDirective = 0x08,
        // A word that ends a property's type in a declaration, in Delphi 2.0
        // or in a later compiler's units (implements, readonly, ...).
        PropertySpecifier = 0x10,
    };

    const char *word;             // lower case
    unsigned uses;                // Use flags
    PascalWord readerWord;        // what the unit reader makes of it
    HeadingDirective heading;     // the Methods page's directive it spells
};

// The table's entry for word in any letter case (A to Z only); nullptr when
// the word is none of the table's.
const PascalWordEntry *findPascalWord(QStringView word);

// Whether word, in any letter case, has the given use.
bool pascalWordHas(QStringView word, PascalWordEntry::Use use);

// Whether text, in any letter case, is a reserved word of Delphi 2.0 or of
// Free Pascal in Delphi mode. Directives (read, write, default, virtual,
// private, ...) are not: both compilers take them as names.
bool isReservedWord(QStringView text);

// The keyword the unit reader sees in a word, letter case ignored.
PascalWord pascalWordOf(QStringView word);

// The directive as a method heading spells it: lower case, e.g. "virtual".
QString headingDirectiveWord(HeadingDirective directive);

// A letter or "_", then letters, digits and "_" (ASCII only, as both compilers read them).
bool isPascalIdentifier(QStringView text);


// Whether two names are one to the compiler: Pascal ignores the letter case of A to Z.
bool sameName(const QString &a, const QString &b);
