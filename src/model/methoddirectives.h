// The directives a method heading may end with, as the model spells them:
// the Methods page composes "virtual;" or "dynamic;", then "override;", then
// "abstract;"; the build cuts them out of the implementation heading again,
// and the check asks which directives Delphi 2.0 knows. The words themselves
// live in the Pascal vocabulary.
#pragma once

#include <QString>
#include <QStringList>

#include "model/pascalvocabulary.h"

// The directive with its ";", as a heading spells it: "virtual;".
const QString &headingDirectiveText(HeadingDirective directive);

// The four, each with its ";", in the order in which the implementation
// heading cuts them out: virtual, dynamic, abstract, override.
const QStringList &methodDirectives();

// Cuts the first occurrence of each directive out of heading, in that order;
// no surrounding blank is touched.
QString withoutDirectives(QString heading);

// Whether heading holds "abstract;" anywhere: the build writes no body for
// such a method, and a merge takes its declaration as the build's.
bool namesAbstract(QStringView heading);

// Whether a directive word, in any letter case, is one Delphi 2.0 takes after
// a method heading.
bool isMethodDirective(QStringView word);

// Which of the Methods page's directives a heading's directive words hold;
// only the lower-case spelling counts, as only it is cut by the build.
struct PageDirectives {
    bool isVirtual = false;
    bool isDynamic = false;   // wins over virtual when a heading has both
    bool isOverride = false;
    bool isAbstract = false;
};
PageDirectives pageDirectives(const QStringList &written);

// The Methods page's directive that word spells in any letter case; None when it is none of them.
HeadingDirective headingDirectiveOf(QStringView word);
