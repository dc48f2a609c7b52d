// SPDX-License-Identifier: MIT
// A component specification changed at random the way a user changes it on
// the pages: properties, methods, event handlers and messages added, removed
// and changed; the palette page, the ancestor and the formatting style. Every
// specification it makes builds into a unit that compiles.
#pragma once

#include <QString>

#include "generator/style.h"
#include "model/componentspec.h"

class RandomPascal;

class RandomSpecification
{
public:
    RandomSpecification(RandomPascal &random, const QString &classname);

    // One to three changes; returns how many.
    int change();

    ComponentSpec spec;
    Style style;

private:
    // Adds a property, removes one, or both: a property changed under its name.
    void changeProperty(bool add, bool remove);
    void changeMethod(bool add, bool remove);

    RandomPascal &m_random;
};
