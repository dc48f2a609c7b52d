// The directives a method heading may end with, in the order a heading is
// composed ("virtual;" or "dynamic;", then "override;", then "abstract;") and
// cut out again ("virtual;", "dynamic;", "abstract;", "override;").
#pragma once

#include <QString>
#include <QStringList>

inline const QString kVirtualDirective = QStringLiteral("virtual;");
inline const QString kDynamicDirective = QStringLiteral("dynamic;");
inline const QString kAbstractDirective = QStringLiteral("abstract;");
inline const QString kOverrideDirective = QStringLiteral("override;");

// The order in which the implementation heading and edit-back cut them out.
const QStringList &methodDirectives();

// Cuts the first occurrence of each directive out of heading, in that order;
// no surrounding blank is touched.
QString withoutDirectives(QString heading);

// A stored heading taken apart into the heading proper and the directives
// that end it.
struct HeadingDirectives {
    QString heading;          // the heading without its directives, ending in ";"
    bool isVirtual = false;
    bool isDynamic = false;   // wins over virtual when a heading has both
    bool isAbstract = false;
    bool isOverride = false;
};

// Directives count only at the end of the heading, each right after a ";"
// (the heading's own or another directive's), in any order: a method named
// Devirtualize or a parameter called override is no directive.
HeadingDirectives trailingDirectives(QString heading);
