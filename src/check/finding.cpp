// SPDX-License-Identifier: MIT
#include "check/finding.h"

using namespace Qt::StringLiterals;

QString kindLabel(Finding::Kind kind)
{
    switch (kind) {
    case Finding::Kind::Unit: return u"unit"_s;
    case Finding::Kind::Class: return u"class"_s;
    case Finding::Kind::Ancestor: return u"ancestor"_s;
    case Finding::Kind::PalettePage: return u"palette page"_s;
    case Finding::Kind::Style: return u"style"_s;
    case Finding::Kind::Property: return u"property"_s;
    case Finding::Kind::Event: return u"event"_s;
    case Finding::Kind::Method: return u"method"_s;
    case Finding::Kind::Message:
    case Finding::Kind::StandardMessage: return u"message"_s;
    case Finding::Kind::UnitLine: return u"line"_s;
    }
    return QString();
}

QString severityLabel(Finding::Severity severity)
{
    return severity == Finding::Severity::Error ? u"error"_s : u"warning"_s;
}

QString findingEntry(const Finding &finding)
{
    if (finding.kind == Finding::Kind::UnitLine)
        return finding.name + u" line "_s + QString::number(finding.index);
    return kindLabel(finding.kind) + u" '"_s + finding.name + u"'"_s;
}

QString describeFinding(const Finding &finding)
{
    return findingEntry(finding) + u": "_s + finding.message;
}
