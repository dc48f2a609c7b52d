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
