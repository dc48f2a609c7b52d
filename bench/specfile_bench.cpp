// SPDX-License-Identifier: MIT
// Open, build and save of a large specification file: 5,000 properties and
// 1,000 methods (argument 5000), and the same at half size to show that the
// time grows linearly. Goal: under 50 ms in all at full size.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "awk/awk.h"
#include "generator/unitgenerator.h"
#include "model/componentspec.h"
#include "specfile/profilefile.h"
#include "specfile/specfile.h"
#include "specfile/textcodec.h"

namespace {

ComponentSpec largeSpec(int properties)
{
    ComponentSpec spec;
    spec.reset();
    spec.Filename = QStringLiteral("/work/units/Large.pas");
    spec.Classname = QStringLiteral("TLarge");
    spec.Ancestor = QStringLiteral("TCustomControl");
    spec.Palettepage = QStringLiteral("Samples");
    for (int i = 0; i < properties; ++i) {
        const QString n = QString::number(i);
        if (i % 10 == 9) {
            spec.addEventHandler({QStringLiteral("OnEvent") + n, QStringLiteral("TNotifyEvent"),
                                  QStringLiteral("Sender: TObject"), i % 20 == 9, QString()});
            continue;
        }
        PropertyInput p;
        p.name = QStringLiteral("Prop") + n;
        p.type = i % 3 ? QStringLiteral("integer") : QStringLiteral("string");
        p.defaultValue = i % 2 ? n : QString();
        p.indexed = i % 7 == 0;
        p.stored = i % 5 != 0;
        if (i % 4 == 0)
            p.readMethod = QStringLiteral("Get") + p.name;
        if (i % 6 == 0)
            p.writeMethod = QStringLiteral("Set") + p.name;
        if (i % 8 == 0)
            p.comment = QStringLiteral("Property ") + n + QStringLiteral("\nsecond line");
        spec.addProperty(p);
    }
    for (int i = 0; i < properties / 5; ++i) {
        MethodInput m;
        m.kind = i % 2 ? QStringLiteral("Procedure") : QStringLiteral("Function");
        m.name = QStringLiteral("Method") + QString::number(i);
        m.params = QStringLiteral("A, B: integer");
        m.returnType = QStringLiteral("longint");
        m.directive = i % 3 ? MethodDirective::Static : MethodDirective::Virtual;
        m.comment = QStringLiteral("Does step ") + QString::number(i);
        spec.addMethod(m);
    }
    for (int i = 0; i < 40; ++i)
        spec.setStandardMessageSelected(i * 5, true);
    for (int i = 1; i <= 50; ++i)
        spec.addUserMessage(QStringLiteral("WM_USERMSG") + QString::number(i), i);
    return spec;
}

void BM_OpenBuildSave(benchmark::State &state)
{
    const int properties = int(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.spc"));
    QString error;
    if (!saveSpecification(largeSpec(properties), path, &error)) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    // Hand-written bodies for every tenth read access function.
    {
        ProfileFile file(path);
        for (int i = 0; i < properties; i += 40) {
            const QString section = QStringLiteral("functionTLarge.GetProp") + QString::number(i);
            file.writeInteger(section, QStringLiteral("varcount"), 1);
            file.writeString(section, QStringLiteral("v1"), QStringLiteral("var n: integer;"));
            file.writeInteger(section, QStringLiteral("count"), 1);
            file.writeString(section, QStringLiteral("1"), QStringLiteral("Result := n;"));
        }
        file.save();
    }
    TAwk awk;
    qint64 bytes = 0;
    for (auto _ : state) {
        ProfileFile file(path);
        ComponentSpec spec;
        spec.reset();
        readSpecification(spec, file, awk);
        QStringList lines = generateUnit(spec, Style(), awk, &file).lines;
        lines.append(QString());
        const QByteArray unit = sourceFileBytes(lines);
        bytes = unit.size();
        if (!saveSpecification(spec, path, &error))
            state.SkipWithError(qPrintable(error));
        benchmark::DoNotOptimize(unit.data());
    }
    state.counters["properties"] = properties;
    state.counters["methods"] = properties / 5;
    state.counters["unit_bytes"] = double(bytes);
}

} // namespace

BENCHMARK(BM_OpenBuildSave)->Arg(2500)->Arg(5000)->Unit(benchmark::kMillisecond);
