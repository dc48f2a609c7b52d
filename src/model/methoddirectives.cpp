#include "model/methoddirectives.h"

const QString &headingDirectiveText(HeadingDirective directive)
{
    static const QString texts[] = {
        QString(),
        headingDirectiveWord(HeadingDirective::Virtual) + u';',
        headingDirectiveWord(HeadingDirective::Dynamic) + u';',
        headingDirectiveWord(HeadingDirective::Override) + u';',
        headingDirectiveWord(HeadingDirective::Abstract) + u';',
    };
    return texts[int(directive)];
}

const QStringList &methodDirectives()
{
    static const QStringList directives{headingDirectiveText(HeadingDirective::Virtual),
                                        headingDirectiveText(HeadingDirective::Dynamic),
                                        headingDirectiveText(HeadingDirective::Abstract),
                                        headingDirectiveText(HeadingDirective::Override)};
    return directives;
}

QString withoutDirectives(QString heading)
{
    for (const QString &directive : methodDirectives()) {
        const qsizetype at = heading.indexOf(directive);
        if (at >= 0)
            heading.remove(at, directive.size());
    }
    return heading;
}

bool namesAbstract(QStringView heading)
{
    return heading.contains(headingDirectiveText(HeadingDirective::Abstract));
}

bool isMethodDirective(QStringView word)
{
    return pascalWordHas(word, PascalWordEntry::MethodDirective);
}

HeadingDirective headingDirectiveOf(QStringView word)
{
    const PascalWordEntry *entry = findPascalWord(word);
    return entry ? entry->heading : HeadingDirective::None;
}

PageDirectives pageDirectives(const QStringList &written)
{
    PageDirectives found;
    for (const QString &word : written) {
        if (headingDirectiveWord(headingDirectiveOf(word)) != word)
            continue;
        switch (headingDirectiveOf(word)) {
        case HeadingDirective::Virtual: found.isVirtual = true; break;
        case HeadingDirective::Dynamic: found.isDynamic = true; break;
        case HeadingDirective::Override: found.isOverride = true; break;
        case HeadingDirective::Abstract: found.isAbstract = true; break;
        case HeadingDirective::None: break;
        }
    }
    return found;
}
