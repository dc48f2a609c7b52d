// SPDX-License-Identifier: MIT
#include "randomspecification.h"

#include <array>

#include "model/standardmessages.h"
#include "randompascal.h"
#include "unitfixtures.h"

namespace {

const char *const kStandardMessages[] = {"WM_PAINT", "WM_SIZE", "WM_LBUTTONDOWN", "WM_KEYDOWN", "WM_TIMER"};
const char *const kTypes[] = {"integer", "string", "boolean", "longint"};

} // namespace

RandomSpecification::RandomSpecification(RandomPascal &random, const QString &classname)
    : m_random(random)
{
    spec.Filename = QStringLiteral("cycleunit.pas");
    spec.Classname = classname;
    spec.Ancestor = QStringLiteral("TCustomControl");
    spec.Palettepage = QStringLiteral("Samples");
    for (int i = 0; i < 3; ++i) {
        changeProperty(true, false);
        changeMethod(true, false);
    }
    spec.selectStandardMessage(QStringLiteral("WM_PAINT"));
    spec.addUserMessage(QStringLiteral("WM_U0"), 1);
}

void RandomSpecification::changeProperty(bool add, bool remove)
{
    PropertyInput input;
    int row = -1;
    if (remove) {
        if (spec.DefinedProperties.isEmpty())
            return;
        row = m_random.number(0, int(spec.DefinedProperties.size()) - 1);
        spec.decodeProperty(row, input);
        spec.removeDefinedProperty(row);
        if (!add)
            return;
    } else {
        input.name = QStringLiteral("P%1").arg(m_random.serial());
    }
    input.type = QString::fromUtf8(m_random.pick(kTypes));
    input.defaultValue = QString();
    if (m_random.chance(0.5))
        input.defaultValue = input.type == u"boolean" ? QStringLiteral("True") : QStringLiteral("%1").arg(m_random.number(0, 99));
    // An indexed property takes no default, or the unit would not compile.
    input.indexed = input.defaultValue.isEmpty() && m_random.chance(0.25);
    input.readMethod = input.indexed || m_random.chance(0.3) ? QStringLiteral("Get") + input.name : QString();
    input.writeMethod = input.indexed || m_random.chance(0.4) ? QStringLiteral("Set") + input.name : QString();
    input.isProtected = m_random.chance(0.1);
    input.stored = m_random.chance(0.8);
    spec.addProperty(input);
}

void RandomSpecification::changeMethod(bool add, bool remove)
{
    QString name = QStringLiteral("M%1").arg(m_random.serial());
    if (remove) {
        if (spec.DefinedMethods.isEmpty())
            return;
        const int row = m_random.number(0, int(spec.DefinedMethods.size()) - 1);
        name = spec.DefinedMethods[row];
        spec.removeMethod(row);
        if (!add)
            return;
    }
    const bool function = m_random.chance(0.5);
    static const char *const kParams[] = {"", "A: integer", "A, B: integer; C: string"};
    MethodInput input = methodInput(function ? QStringLiteral("Function") : QStringLiteral("Procedure"), name,
                                    QString::fromUtf8(m_random.pick(kParams)),
                                    function ? QString::fromUtf8(m_random.pick(kTypes)) : QString());
    input.directive = m_random.chance(0.3) ? MethodDirective::Virtual : MethodDirective::Static;
    input.isAbstract = input.directive == MethodDirective::Virtual && m_random.chance(0.2);
    input.isPublic = m_random.chance(0.6);
    input.isProtected = !input.isPublic && m_random.chance(0.5);
    input.isPrivate = !input.isPublic && !input.isProtected;
    input.comment = m_random.chance(0.3) ? QStringLiteral("does %1").arg(m_random.serial()) : QString();
    spec.addMethod(input);
}

int RandomSpecification::change()
{
    const int changes = m_random.number(1, 3);
    for (int i = 0; i < changes; ++i) {
        const bool crowded = spec.DefinedProperties.size() > 12;
        switch (m_random.number(0, 11)) {
        case 0: changeProperty(!crowded, crowded); break;
        case 1: changeProperty(false, true); break;
        case 2: changeProperty(true, true); break;
        case 3: changeMethod(spec.DefinedMethods.size() < 8, spec.DefinedMethods.size() >= 8); break;
        case 4: changeMethod(false, true); break;
        case 5: changeMethod(true, true); break;
        case 6: {
            const QString message = QString::fromUtf8(m_random.pick(kStandardMessages));
            const int index = int(standardMessageNames().indexOf(message));
            spec.setStandardMessageSelected(index, !spec.isStandardMessageSelected(index));
            break;
        }
        case 7:
            if (spec.UserMessages.size() < 3)
                spec.addUserMessage(QStringLiteral("WM_U%1").arg(m_random.serial()), m_random.serial());
            else
                spec.removeUserMessage(m_random.number(0, int(spec.UserMessages.size()) - 1));
            break;
        case 8: {
            EventInput event;
            event.name = QStringLiteral("OnE%1").arg(m_random.serial());
            event.type = QStringLiteral("TNotifyEvent");
            if (spec.DefinedHandlers.size() < 3)
                spec.addEventHandler(event);
            else
                spec.removeDefinedHandler(m_random.number(0, int(spec.DefinedHandlers.size()) - 1));
            break;
        }
        case 9:
            spec.Palettepage = m_random.chance(0.5) ? QStringLiteral("Samples") : QStringLiteral("Additional");
            spec.Ancestor = m_random.chance(0.8) ? QStringLiteral("TCustomControl") : QStringLiteral("TGraphicControl");
            break;
        case 10:
            if (spec.StandardProperties.isEmpty())
                spec.StandardProperties.append(QStringLiteral("Color"));
            else
                spec.StandardProperties.clear();
            break;
        default:
            if (m_random.chance(0.3)) {
                style.indent = m_random.number(1, 4);
                style.blankLines = m_random.number(0, 2);
                style.separatorLength = m_random.pick(std::array{0, 10, 80});
                style.separatorChar = m_random.chance(0.5) ? QStringLiteral("=") : QStringLiteral("-");
                style.commentsBefore = m_random.chance(0.5);
            }
            break;
        }
    }
    return changes;
}
