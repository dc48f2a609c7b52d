// SPDX-License-Identifier: MIT
// The constructor of a merged unit: the user's lines where they were, and
// exactly the default-value initialisations of the new build.
#pragma once

#include <QSet>
#include <QString>
#include <QStringView>

struct ConstructorMerge {
    QString body;
    int ownLines = 0;   // lines of the user's kept, blank lines not counted
};

// newBody, oldBody: the texts after the two headings, through "end;".
// propertyFields: the upper-cased fields that hold a property's value in
// either unit; an initialisation of any other field is a line of the user's.
// An initialisation the new build has replaces the old one in its place; one
// it no longer has goes; a new one follows the initialisation before it in
// the new build, or "inherited Create(AOwner);" when it is the first.
// newPropertyFields: those of the new unit alone. The creation of an object a
// property owns is the build's when the new build creates it too or the
// property is gone; otherwise it may be the user's and stays.
ConstructorMerge mergeConstructorBody(QStringView newBody, QStringView oldBody,
                                      const QSet<QString> &propertyFields, const QSet<QString> &newPropertyFields);
