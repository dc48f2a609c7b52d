// SPDX-License-Identifier: MIT
#include "model/handlername.h"

bool beginsWithOn(const QString &name)
{
    return name.size() >= 2 && (name.at(0) == u'o' || name.at(0) == u'O')
        && (name.at(1) == u'n' || name.at(1) == u'N');
}

QString normalisedHandlerName(const QString &name)
{
    return beginsWithOn(name) ? name : QStringLiteral("On") + name;
}
