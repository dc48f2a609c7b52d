// Reads arbitrary bytes as a Pascal unit file and merges a new build, in the
// file's line ends, into it:
// nothing may crash or hang. A unit that reads has its parts in order inside
// the text; the merge of a readable unit succeeds, reads again, and a second
// merge changes nothing.
#include <QByteArray>

#include <cstdlib>

#include "awk/awk.h"
#include "generator/unitgenerator.h"
#include "merge/pascalreader.h"
#include "merge/unitfile.h"
#include "merge/unitmerge.h"
#include "model/componentspec.h"
#include "specfile/textcodec.h"

namespace {

QString builtUnit()
{
    ComponentSpec spec;
    spec.Classname = QStringLiteral("TGauge");
    spec.Palettepage = QStringLiteral("Samples");
    PropertyInput value;
    value.name = QStringLiteral("Value");
    value.type = QStringLiteral("integer");
    value.defaultValue = QStringLiteral("1");
    value.writeMethod = QStringLiteral("SetValue");
    spec.addProperty(value);
    MethodInput paint;
    paint.kind = QStringLiteral("Procedure");
    paint.name = QStringLiteral("Paint");
    paint.comment = QStringLiteral("draws");
    spec.addMethod(paint);
    spec.addUserMessage(QStringLiteral("WM_NEEDLE"), 1);
    TAwk awk;
    QStringList lines = generateUnit(spec, Style(), awk, nullptr).lines;
    lines.append(QString());
    return decodeText(sourceFileBytes(lines));
}

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkOrder(const PascalUnit &unit, qsizetype size)
{
    require(unit.implementation >= 0 && unit.implementationBody > unit.implementation);
    require(!unit.uses.isValid() || (unit.uses.start < unit.uses.end && unit.uses.end <= unit.implementation));
    for (const PascalClassDeclaration &declaration : unit.classes)
        require(declaration.span.start < declaration.span.end && declaration.span.end <= unit.implementation);
    qsizetype at = unit.implementationBody;
    for (const PascalRoutine &routine : unit.routines) {
        require(!routine.name.isEmpty());
        require(at <= routine.start && routine.start < routine.headingEnd && routine.headingEnd <= routine.blockStart
                && routine.blockStart < routine.end);
        at = routine.end;
    }
    require(unit.mainBlock < 0 || (at <= unit.mainBlock && unit.mainBlock < unit.finalEnd));
    require(at <= unit.finalEnd && unit.finalEnd < unit.afterEnd && unit.afterEnd <= size);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString builtWithCrLf = builtUnit();
    // As an update reads a unit file: the new build gets the file's line end.
    const UnitFile file = decodeUnitFile(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const QString &text = file.text;
    QString built = builtWithCrLf;
    if (file.lineBreak != QStringLiteral("\r\n"))
        built.replace(QStringLiteral("\r\n"), file.lineBreak);
    const PascalUnit unit = readPascalUnit(text);
    if (!unit.isReadable())
        return 0;
    checkOrder(unit, text.size());

    const UnitMerge merge = mergeUnits(built, text);
    require(merge.error.isEmpty());
    const PascalUnit merged = readPascalUnit(merge.text);
    require(merged.isReadable());
    const UnitMerge again = mergeUnits(built, merge.text);
    require(again.text == merge.text && again.lost.isEmpty());
    return 0;
}
