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
