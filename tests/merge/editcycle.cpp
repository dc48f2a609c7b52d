// SPDX-License-Identifier: MIT
#include "editcycle.h"

#include <QDir>
#include <QHash>
#include <QSet>

#include <algorithm>

#include "merge/generatedbody.h"
#include "merge/unitmerge.h"
#include "randompascal.h"
#include "randomspecification.h"
#include "specfile/filewriter.h"
#include "unitfixtures.h"

namespace {

const QString kClass = QStringLiteral("TCycle");

QString keyOf(const QString &name)
{
    return name.toUpper();
}

QStringList keysOf(const PascalUnit &unit)
{
    QStringList keys;
    for (const PascalRoutine &routine : unit.routines)
        keys.append(keyOf(routine.name));
    return keys;
}

} // namespace

QString CycleFigures::summary() const
{
    return QStringLiteral("%1 cycles, %2 specification changes; %3 bodies written, %4 times a written "
                          "body came back byte for byte; %5 own routines added, found %6 times; %7 "
                          "constructor lines added, found %8 times; %9 pieces of written code lost "
                          "and listed; largest unit %10 lines; %11 failures")
        .arg(cycles).arg(specificationChanges).arg(bodiesWritten).arg(bodiesComeBack)
        .arg(ownRoutinesAdded).arg(ownRoutinesKept).arg(constructorLinesAdded)
        .arg(constructorLinesKept).arg(lostListed).arg(largestUnitLines).arg(failures.size());
}

class EditCycles::State
{
public:
    State(quint32 seed, const QString &dumpFolder);
    void cycle();

    RandomPascal random;
    QString dump;
    CycleFigures figures;

private:
    void fail(const QString &what) { figures.failures.append(QStringLiteral("cycle %1: %2").arg(figures.cycles).arg(what)); }
    void insert(qsizetype at, const QString &text) { unit.insert(at, text); }
    void editUnit();
    void writeBodies();
    void addConstructorLine();
    void addOwnRoutine();
    void addOwnDeclaration();
    void editInterface();
    void check(const QString &built, const UnitMerge &merge);
    void checkConstructor(const QString &merged);
    void dropNotesOfVanishedMethods(const QSet<QString> &newKeys);
    void dumpUnits(const QString &before, const QString &after) const;

    RandomSpecification specification;
    ComponentSpec &spec = specification.spec;
    Style &style = specification.style;
    QString unit;
    QHash<QString, QString> written;     // by upper-cased routine name
    QStringList own;
    QStringList constructorLines;
    QString mainBlock;
    QString tail;
    QStringList ownDeclarations;         // fields, methods and units declared by hand in the interface
    QSet<QString> ownMethods;            // keys of the methods among them, whose text is in own
};

EditCycles::State::State(quint32 seed, const QString &dumpFolder)
    : random(seed)
    , dump(dumpFolder)
    , specification(random, kClass)
{
    unit = builtUnit(spec, style);
}

void EditCycles::State::writeBodies()
{
    const PascalUnit read = readPascalUnit(unit);
    for (qsizetype i = read.routines.size() - 1; i >= 0; --i) {
        const PascalRoutine &routine = read.routines[i];
        const bool ofTheClass = routine.qualifier().compare(kClass, Qt::CaseInsensitive) == 0;
        if (!(ofTheClass || routine.name == u"Register") || routine.member() == u"Create"
            || ownMethods.contains(keyOf(routine.name)) || !random.chance(0.25))
            continue;
        const QString body = random.body();
        unit.replace(routine.headingEnd, routine.end - routine.headingEnd, body);
        written.insert(keyOf(routine.name), body);
        ++figures.bodiesWritten;
    }
}

void EditCycles::State::addConstructorLine()
{
    const PascalUnit read = readPascalUnit(unit);
    const PascalRoutine *creator = findRoutine(read, kClass + QStringLiteral(".Create"));
    if (!creator)
        return fail(QStringLiteral("no constructor"));
    // At the start of a line between "begin" and "end;".
    QList<qsizetype> lineStarts;
    for (qsizetype at = unit.indexOf(u'\n', creator->blockStart); at >= 0 && at < creator->end - 4;
         at = unit.indexOf(u'\n', at + 1))
        lineStarts.append(at + 1);
    if (lineStarts.isEmpty())
        return;
    const QString line = random.constructorLine();
    insert(random.pick(lineStarts), line);
    ++figures.constructorLinesAdded;
    constructorLines.append(line);
    const QString body = bodyOf(unit, kClass + QStringLiteral(".Create"));
    std::sort(constructorLines.begin(), constructorLines.end(),
              [&body](const QString &a, const QString &b) { return body.indexOf(a) < body.indexOf(b); });
}

void EditCycles::State::addOwnRoutine()
{
    const PascalUnit read = readPascalUnit(unit);
    const QString text = random.ownRoutine();
    const int k = random.number(0, int(read.routines.size()));
    if (k == read.routines.size())
        insert(read.mainBlock >= 0 ? read.mainBlock : read.finalEnd, text + QStringLiteral("\r\n"));
    else
        insert(k == 0 ? read.implementationBody : read.routines[k - 1].end, QStringLiteral("\r\n") + text);
    own.append(text);
    ++figures.ownRoutinesAdded;
}

void EditCycles::State::addOwnDeclaration()
{
    // A comment or a declaration on lines of its own, above a routine or "end.".
    const PascalUnit read = readPascalUnit(unit);
    const int k = random.number(0, int(read.routines.size()));
    const qsizetype before = k == read.routines.size() ? (read.mainBlock >= 0 ? read.mainBlock : read.finalEnd)
                                                       : read.routines[k].start;
    const qsizetype at = unit.lastIndexOf(u'\n', before - 1) + 1;
    const int n = random.serial();
    const QString text = random.chance(0.5) ? QStringLiteral("{ note %1: end; }\r\n").arg(n)
                                            : QStringLiteral("const\r\n  Own%1 = 'end;'; // begin\r\n").arg(n);
    insert(at, text);
    own.append(text);
    ++figures.ownRoutinesAdded;
}

void EditCycles::State::editInterface()
{
    // Just after the line that reads trimmed, or -1.
    const auto lineAfter = [this](QStringView trimmed) -> qsizetype {
        qsizetype start = 0;
        for (qsizetype end = unit.indexOf(u'\n'); end >= 0; end = unit.indexOf(u'\n', start)) {
            if (QStringView(unit).sliced(start, end - start).trimmed() == trimmed)
                return end + 1;
            start = end + 1;
        }
        return -1;
    };
    if (random.chance(0.1)) {
        // Also in the build's spelling, which without a property of its own is no build's line.
        const QString line = QString::fromLatin1(random.chance(0.5) ? "    FOwn%1: integer;" : "    FOwn%1 : integer;")
                                 .arg(random.serial());
        insert(lineAfter(QStringLiteral("private")), line + QStringLiteral("\r\n"));
        ownDeclarations.append(line + QStringLiteral("\r\n"));
    }
    if (random.chance(0.05) && unit.contains(QStringLiteral("mplayer,Spin;\r\n"))) {
        unit.replace(QStringLiteral("mplayer,Spin;\r\n"), QStringLiteral("mplayer,Spin,OwnLib;\r\n"));
        ownDeclarations.append(QStringLiteral("mplayer,Spin,OwnLib;\r\n"));
    }
    if (random.chance(0.08)) {
        const QString name = QStringLiteral("OwnMethod%1").arg(random.serial());
        const QString declaration = QStringLiteral("    procedure %1;\r\n").arg(name);
        insert(lineAfter(QStringLiteral("public")), declaration);
        const PascalUnit read = readPascalUnit(unit);
        const QString routine = QStringLiteral("procedure %1.%2;%3\r\n").arg(kClass, name, random.body());
        insert(read.mainBlock >= 0 ? read.mainBlock : read.finalEnd, routine);
        ownDeclarations.append(declaration);
        own.append(routine);
        ownMethods.insert(keyOf(kClass + u'.' + name));
    }
}

void EditCycles::State::editUnit()
{
    writeBodies();
    if (random.chance(0.25))
        addConstructorLine();
    if (random.chance(0.3))
        addOwnRoutine();
    if (random.chance(0.15))
        addOwnDeclaration();
    editInterface();
    if (mainBlock.isEmpty() && random.chance(0.05)) {
        mainBlock = QStringLiteral("initialization\r\n  { started: end; }\r\nfinalization\r\n  begin\r\n  end;\r\n");
        insert(readPascalUnit(unit).finalEnd, mainBlock);
    }
    if (tail.isEmpty() && random.chance(0.05)) {
        tail = QStringLiteral("\r\n{ after the end: begin }\r\n");
        unit += tail;
    }
}

void EditCycles::State::checkConstructor(const QString &merged)
{
    const QString body = bodyOf(merged, kClass + QStringLiteral(".Create"));
    qsizetype previous = -1;
    for (const QString &line : std::as_const(constructorLines)) {
        const qsizetype at = body.indexOf(line);
        if (at < 0 || at < previous)
            fail(QStringLiteral("constructor line lost or moved: %1").arg(line.trimmed()));
        else
            ++figures.constructorLinesKept;
        previous = at;
    }
    // Exactly the new specification's initialisations.
    QStringList expected;
    for (const QString &line : std::as_const(spec.Initializers)) {
        if (line != kNone)
            expected.append(line);
    }
    QStringList found;
    for (const QString &line : body.split(QStringLiteral("\r\n"))) {
        if (!initializedField(line).isEmpty())
            found.append(line);
    }
    expected.sort();
    found.sort();
    if (found != expected)
        fail(QStringLiteral("constructor initialisations %1, expected %2").arg(found.join(u'|'), expected.join(u'|')));
}

void EditCycles::State::check(const QString &built, const UnitMerge &merge)
{
    if (!merge.error.isEmpty())
        return fail(merge.error);
    const PascalUnit next = readPascalUnit(built);
    const PascalUnit merged = readPascalUnit(merge.text);
    if (!merged.isReadable())
        return fail(QStringLiteral("the merged unit does not read: ") + merged.error);
    const QStringList newKeys = keysOf(next);
    const QSet<QString> newKeySet(newKeys.begin(), newKeys.end());

    QSet<QString> lostNames;
    QSet<QString> lostText;
    for (const MergeItem &item : merge.lost) {
        if (item.kind == MergeItem::Kind::VanishedMethod)
            lostNames.insert(keyOf(item.name));
        for (const QString &line : item.text)
            lostText.insert(line);
    }
    QSet<QString> expectedNames;
    for (auto it = written.begin(); it != written.end();) {
        if (newKeySet.contains(it.key())) {
            const PascalRoutine *routine = findRoutine(merged, it.key());
            const PascalRoutine *heading = findRoutine(next, it.key());
            if (!routine || merge.text.mid(routine->headingEnd, routine->end - routine->headingEnd) != it.value()
                || merge.text.mid(routine->start, routine->headingEnd - routine->start)
                       != built.mid(heading->start, heading->headingEnd - heading->start))
                fail(QStringLiteral("written body of %1 did not come back").arg(it.key()));
            else
                ++figures.bodiesComeBack;
            ++it;
            continue;
        }
        expectedNames.insert(it.key());
        it = written.erase(it);
    }
    for (const QString &name : std::as_const(expectedNames)) {
        if (!lostNames.contains(name) || findRoutine(merged, name))
            fail(QStringLiteral("%1 vanished unlisted").arg(name));
        else
            ++figures.lostListed;
    }
    for (const QString &line : std::as_const(ownDeclarations)) {
        if (merge.text.contains(line))
            ++figures.ownRoutinesKept;
        else
            fail(QStringLiteral("own declaration lost: ") + line.trimmed());
    }
    if (lostNames != expectedNames || !lostText.isEmpty())
        fail(QStringLiteral("listed as lost beyond what was written: ") + lossSummary(merge.lost));

    dropNotesOfVanishedMethods(newKeySet);
    for (const QString &text : std::as_const(own)) {
        if (merge.text.contains(text))
            ++figures.ownRoutinesKept;
        else
            fail(QStringLiteral("own routine lost: ") + text.left(30));
    }
    checkConstructor(merge.text);
    if (!merge.text.contains(mainBlock) || !merge.text.endsWith(tail))
        fail(QStringLiteral("initialization part or text after the end lost"));

    QStringList mergedKeys = keysOf(merged);
    mergedKeys.removeIf([&newKeySet](const QString &key) { return !newKeySet.contains(key); });
    if (mergedKeys != newKeys)
        fail(QStringLiteral("the merged unit's routines are not the new build's"));
    const UnitMerge again = mergeUnits(built, merge.text);
    if (again.text != merge.text || again.losesWork())
        fail(QStringLiteral("a second merge changes the merged unit"));
}

// A note in the spelling of a method comment right above a method that
// vanishes goes with that method (it may be the comment a build placed there).
void EditCycles::State::dropNotesOfVanishedMethods(const QSet<QString> &newKeys)
{
    const PascalUnit edited = readPascalUnit(unit);
    own.removeIf([&](const QString &text) {
        if (!text.startsWith(u"{ ") || !text.endsWith(u" }\r\n"))
            return false;
        const qsizetype after = unit.indexOf(text) + text.size();
        for (const PascalRoutine &routine : edited.routines) {
            if (routine.start >= after && QStringView(unit).sliced(after, routine.start - after).trimmed().isEmpty())
                return routine.qualifier() == kClass && !newKeys.contains(keyOf(routine.name));
        }
        return false;
    });
}

void EditCycles::State::dumpUnits(const QString &before, const QString &after) const
{
    const QString folder = dump + QStringLiteral("/%1").arg(figures.cycles, 4, 10, QLatin1Char('0'));
    for (const auto &[name, text] : {std::pair{QStringLiteral("before"), before}, std::pair{QStringLiteral("after"), after}}) {
        QDir().mkpath(folder + u'/' + name);
        writeFileAtomically(folder + u'/' + name + QStringLiteral("/cycleunit.pas"), encodeText(text));
    }
}

void EditCycles::State::cycle()
{
    ++figures.cycles;
    editUnit();
    figures.specificationChanges += specification.change();
    const QString built = builtUnit(spec, style);
    const UnitMerge merge = mergeUnits(built, unit);
    check(built, merge);
    if (!dump.isEmpty())
        dumpUnits(unit, merge.text);
    if (!merge.error.isEmpty())
        return;
    unit = merge.text;
    figures.largestUnitLines = std::max(figures.largestUnitLines, lineCount(unit));
}

EditCycles::EditCycles(quint32 seed, const QString &dumpFolder)
    : m_state(std::make_unique<State>(seed, dumpFolder))
{
}

EditCycles::~EditCycles() = default;

void EditCycles::run(int cycles)
{
    for (int i = 0; i < cycles; ++i)
        m_state->cycle();
}

const CycleFigures &EditCycles::figures() const
{
    return m_state->figures;
}
