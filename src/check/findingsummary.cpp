// SPDX-License-Identifier: MIT
#include "check/findingsummary.h"

#include "check/checker.h"
#include "generator/unitgenerator.h"

using namespace Qt::StringLiterals;

namespace {

QString counted(int count, const QString &noun)
{
    return u"%1 %2%3"_s.arg(count).arg(noun, count == 1 ? QString() : u"s"_s);
}

} // namespace

QString findingCountText(const QList<Finding> &findings)
{
    const int errors = errorCount(findings);
    const int warnings = int(findings.size()) - errors;
    QStringList parts;
    if (errors > 0)
        parts.append(counted(errors, u"error"_s));
    if (warnings > 0)
        parts.append(counted(warnings, u"warning"_s));
    return parts.join(u", "_s);
}

QString builtStatusText(const QString &filename, const QList<Finding> &findings)
{
    // Without findings the text is exactly the one a build has always shown.
    if (findings.isEmpty())
        return builtStatusText(filename);
    return builtStatusText(filename) + u" ("_s + findingCountText(findings) + u")"_s;
}

QString checkedStatusText(const QList<Finding> &findings)
{
    return u"Specification checked: "_s
        + (findings.isEmpty() ? u"no findings"_s : findingCountText(findings));
}
