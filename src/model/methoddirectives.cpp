#include "model/methoddirectives.h"

const QStringList &methodDirectives()
{
    static const QStringList directives{kVirtualDirective, kDynamicDirective, kAbstractDirective,
                                        kOverrideDirective};
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

HeadingDirectives trailingDirectives(QString heading)
{
    HeadingDirectives found;
    bool cut = true;
    while (cut) {
        cut = false;
        for (const QString &directive : methodDirectives()) {
            if (!heading.endsWith(directive)
                || !QStringView(heading).chopped(directive.size()).endsWith(u';'))
                continue;
            heading.chop(directive.size());
            if (directive == kVirtualDirective)
                found.isVirtual = true;
            else if (directive == kDynamicDirective)
                found.isDynamic = true;
            else if (directive == kAbstractDirective)
                found.isAbstract = true;
            else
                found.isOverride = true;
            cut = true;
            break;
        }
    }
    found.heading = heading;
    return found;
}
