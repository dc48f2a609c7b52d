// SPDX-License-Identifier: MIT
// The specification check: finds the entries that will keep the built unit
// from compiling (errors) or make it behave otherwise than the user likely
// means (warnings), for Delphi 2.0 and for Free Pascal in Delphi mode. It
// reads the specification as the build does and never changes it.
#pragma once

#include <QList>

#include "check/finding.h"

class ComponentSpec;
struct Style;

// The findings, grouped by entry in the order of the pages (unit, class,
// ancestor, palette page, style, properties, events, methods, messages).
QList<Finding> checkSpecification(const ComponentSpec &spec, const Style &style);

// How many of the findings are errors.
int errorCount(const QList<Finding> &findings);
