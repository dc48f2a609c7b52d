// SPDX-License-Identifier: MIT
#include "cli/buildcommand.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <algorithm>
#include <cstring>

#include "awk/awk.h"
#include "check/checker.h"
#include "cli/testdrivecommand.h"
#include "cli/unitupdate.h"
#include "generator/lazaruspackage.h"
#include "generator/paletteicon.h"
#include "generator/unitgenerator.h"
#include "merge/unitfile.h"
#include "merge/unitimport.h"
#include "model/componentspec.h"
#include "specfile/filewriter.h"
#include "specfile/packagefolder.h"
#include "specfile/profilefile.h"
#include "specfile/regularfile.h"
#include "specfile/settingslocation.h"
#include "specfile/specfile.h"
#include "specfile/stylesettings.h"
#include "specfile/textcodec.h"

namespace {

const QString kCommand = QStringLiteral("unitforge-build");

void writeMessage(QIODevice &err, const QString &message)
{
    err.write((message + u'\n').toLocal8Bit());
}

// "  --option ARG" padded to the column of the descriptions, then the
// description wrapped to the width of a terminal.
QString helpEntry(const QString &option, const QString &description)
{
    constexpr int kColumn = 26;
    constexpr int kWidth = 82;
    QString text = QStringLiteral("  ") + option;
    text += text.size() < kColumn ? QString(kColumn - text.size(), u' ')
                                  : u'\n' + QString(kColumn, u' ');
    qsizetype lineStart = text.lastIndexOf(u'\n') + 1;
    bool first = true;
    for (const QString &word : description.split(u' ')) {
        if (!first && text.size() - lineStart + 1 + word.size() > kWidth) {
            text += u'\n' + QString(kColumn, u' ');
            lineStart = text.size() - kColumn;
        } else if (!first) {
            text += u' ';
        }
        text += word;
        first = false;
    }
    return text + u'\n';
}

// The names the command line gives a choice's values.
std::span<const char *const> optionChoices(const StyleOption &option)
{
    return option.optionChoices.empty() ? option.choices : option.optionChoices;
}

QString choiceNames(const StyleOption &option)
{
    QStringList names;
    for (const char *choice : optionChoices(option))
        names.append(QLatin1StringView(choice));
    return names.join(QStringLiteral(", "));
}

QString styleHelp()
{
    const Style defaults;
    QString help;
    for (const StyleOption &option : kStyleOptions) {
        const QString name = QStringLiteral("--") + QLatin1StringView(option.option);
        const QString description = QLatin1StringView(option.description);
        const QString value = option.kind() == StyleOption::Kind::Choice
            ? QString::fromLatin1(optionChoices(option)[size_t(styleNumber(defaults, option))])
            : styleText(defaults, option);
        switch (option.kind()) {
        case StyleOption::Kind::Number:
            help += helpEntry(name + QStringLiteral(" N"),
                              description + QStringLiteral(", %1 to %2 (default %3)")
                                                .arg(option.range.min).arg(option.range.max)
                                                .arg(value));
            break;
        case StyleOption::Kind::Switch:
            help += helpEntry(QStringLiteral("--[no-]") + QLatin1StringView(option.option),
                              description + (value == u'1' ? QStringLiteral(" (default: yes)")
                                                           : QStringLiteral(" (default: no)")));
            break;
        case StyleOption::Kind::Text:
            help += helpEntry(name + QStringLiteral(" TEXT"),
                              description + QStringLiteral(" (default %1)").arg(value));
            break;
        case StyleOption::Kind::Choice:
            help += helpEntry(name + QStringLiteral(" NAME"),
                              description + QStringLiteral(": %1 (default %2)")
                                                .arg(choiceNames(option), value));
            break;
        }
    }
    return help;
}

// The style options given, checked: numbers whole, choices known.
std::variant<std::vector<StyleOptionValue>, QString> styleValues(const QCommandLineParser &parser)
{
    std::vector<StyleOptionValue> values;
    for (const StyleOption &option : kStyleOptions) {
        const QString name = QLatin1StringView(option.option);
        if (option.kind() == StyleOption::Kind::Switch) {
            if (parser.isSet(QStringLiteral("no-") + name))
                values.push_back({&option, QStringLiteral("0")});
            else if (parser.isSet(name))
                values.push_back({&option, QStringLiteral("1")});
            continue;
        }
        if (!parser.isSet(name))
            continue;
        QString value = parser.value(name);
        bool ok = true;
        if (option.kind() == StyleOption::Kind::Number)
            value.trimmed().toInt(&ok);
        if (!ok)
            return QStringLiteral("--%1 needs a whole number, not \"%2\"").arg(name, value);
        if (option.kind() == StyleOption::Kind::Choice) {
            const auto names = optionChoices(option);
            const auto found = std::find_if(names.begin(), names.end(), [&](const char *choice) {
                return value.compare(QLatin1StringView(choice), Qt::CaseInsensitive) == 0;
            });
            if (found == names.end())
                return QStringLiteral("--%1 needs one of %2, not \"%3\"")
                    .arg(name, choiceNames(option), value);
            value = choiceName(option, int(found - names.begin()));
        }
        values.push_back({&option, value});
    }
    return values;
}

// Each finding on a line of its own: "SPEC.spc: error: property 'Ratio': ...".
void writeFindings(QIODevice &err, const QString &specPath, const QList<Finding> &findings)
{
    for (const Finding &finding : findings) {
        writeMessage(err, specPath + QStringLiteral(": ") + severityLabel(finding.severity)
                              + QStringLiteral(": ") + describeFinding(finding));
    }
}

} // namespace

QString buildUsage(const QStringList &settingsLocations)
{
    const QString settingsFile = SettingsLocation::existingFile(settingsLocations);
    const QString fromFile = QStringLiteral(
        "Without --settings or --default-style the style comes from the settings file\n"
        "the window uses on this machine%1:\n  %2\n");
    const QString styleSource = !settingsFile.isEmpty() ? fromFile.arg(QString(), settingsFile)
        : !settingsLocations.isEmpty()
            ? fromFile.arg(QStringLiteral(" (none yet: the built-in style)"), settingsLocations.first())
            : QStringLiteral("Without --settings the style is the built-in one.\n");
    return QStringLiteral(
        "Usage: unitforge-build [options] SPEC.spc\n"
        "       unitforge-build --update UNIT.pas [--discard] [options] SPEC.spc\n"
        "Builds the unit of a component specification file, or brings a unit built\n"
        "before up to date with it.\n"
        "\n"
        "Options:\n"
        "  -o, --output FILE       write the unit to FILE (default: standard output)\n"
        "  --update UNIT.pas       merge the build into UNIT.pas in place, keeping the code\n"
        "                          written into it; prints what was kept and dropped\n"
        "  --discard               with --update: update even when written code would be\n"
        "                          lost (methods the specification no longer has, lines\n"
        "                          changed outside routine bodies)\n"
        "  --import UNIT.pas       start a specification from an existing unit: write\n"
        "                          the .spc of its registered component class to -o FILE\n"
        "                          (default: beside the unit, named after it)\n"
        "  --class NAME            with --import: the class to read when the unit\n"
        "                          registers several\n")
        + helpEntry(QStringLiteral("--settings FILE"),
                    QStringLiteral("take the style from that settings file (uforge.ini) "
                                   "instead of the window's"))
        + helpEntry(QStringLiteral("--default-style"),
                    QStringLiteral("the built-in style; no settings file is read"))
        + styleHelp()
        + helpEntry(QStringLiteral("--package DIR"),
                    QStringLiteral("write a Lazarus package into DIR: the unit for Lazarus, "
                                   "its palette icon and the package file to install"))
        + helpEntry(QStringLiteral("--test-drive"),
                    QStringLiteral("compile the unit for Lazarus with a program that shows the "
                                   "component on a form beside a grid of its published properties, "
                                   "run it and wait until its window is closed (needs fpc, "
                                   "lcl-gtk2-2.2, lazarus-src-2.2 and libgtk2.0-dev)"))
        + QStringLiteral(
        "  --check                 check the specification instead of building: print\n"
        "                          what will not compile (error) or not work as meant\n"
        "                          (warning) on standard error; write no unit\n"
        "  --warnings              build, then print the check's findings on standard\n"
        "                          error; with --import: print what the pages cannot hold\n"
        "  -h, --help              show this help\n"
        "  -v, --version           show the version\n"
        "\n"
        "%1"
        "The style options override it. Exit status: 0 built or updated (with --check:\n"
        "no findings), 1 build refused, SPEC.spc not a specification file (with --check\n"
        "too), or, with --update, the unit left as it was because written code would be\n"
        "lost or the unit's encoding cannot store the new text, 2 usage error or a file\n"
        "that cannot be read or written, 3 with --check: there are findings, 4 with\n"
        "--test-drive: a tool is missing, the unit did not compile or the program\n"
        "ended with an error.\n").arg(styleSource);
}

std::variant<BuildOptions, QString> parseBuildOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QString(), QStringLiteral("FILE"));
    const QCommandLineOption settings(QStringLiteral("settings"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption defaultStyle(QStringLiteral("default-style"));
    const QCommandLineOption package(QStringLiteral("package"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption check(QStringLiteral("check"));
    const QCommandLineOption testDrive(QStringLiteral("test-drive"));
    const QCommandLineOption warnings(QStringLiteral("warnings"));
    const QCommandLineOption update(QStringLiteral("update"), QString(), QStringLiteral("UNIT"));
    const QCommandLineOption discard(QStringLiteral("discard"));
    const QCommandLineOption import(QStringLiteral("import"), QString(), QStringLiteral("UNIT"));
    const QCommandLineOption className(QStringLiteral("class"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({output, settings, defaultStyle, package, check, warnings, update, discard,
                       import, className, testDrive, help, version});
    for (const StyleOption &option : kStyleOptions) {
        const QString name = QLatin1StringView(option.option);
        if (option.kind() == StyleOption::Kind::Switch) {
            parser.addOption(QCommandLineOption(name));
            parser.addOption(QCommandLineOption(QStringLiteral("no-") + name));
        } else {
            parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("VALUE")));
        }
    }

    // The parser expects the program name first.
    if (!parser.parse(QStringList{kCommand} + arguments))
        return parser.errorText();

    BuildOptions options;
    if (parser.isSet(help)) {
        options.help = true;
        return options;
    }
    if (parser.isSet(version)) {
        options.version = true;
        return options;
    }
    auto style = styleValues(parser);
    if (const QString *error = std::get_if<QString>(&style))
        return *error;
    options.style = std::get<std::vector<StyleOptionValue>>(std::move(style));
    options.defaultStyle = parser.isSet(defaultStyle);
    if (options.defaultStyle && parser.isSet(settings))
        return QStringLiteral("--default-style reads no settings file; --settings cannot go with it");
    const auto givenTarget = std::find_if(options.style.begin(), options.style.end(),
                                          [](const StyleOptionValue &given) {
                                              return std::strcmp(given.option->key, "Target") == 0;
                                          });
    options.packageDir = parser.value(package);
    if (parser.isSet(package) && options.packageDir.isEmpty())
        return QStringLiteral("--package needs the folder to write the package into");
    if (parser.isSet(package) && (parser.isSet(output) || parser.isSet(update)))
        return QStringLiteral("--package writes the unit into its folder; -o and --update cannot go with it");
    if (parser.isSet(package) && givenTarget != options.style.end()
        && choiceIndex(*givenTarget->option, givenTarget->value) != int(Target::Lazarus))
        return QStringLiteral("--package writes a Lazarus package; --target delphi cannot go with it");
    options.check = parser.isSet(check);
    options.testDrive = parser.isSet(testDrive);
    if (options.testDrive
        && (parser.isSet(package) || parser.isSet(output) || parser.isSet(update) || options.check))
        return QStringLiteral("--test-drive writes nothing but its own cache; --package, -o, --update "
                              "and --check cannot go with it");
    if (options.testDrive && givenTarget != options.style.end()
        && choiceIndex(*givenTarget->option, givenTarget->value) != int(Target::Lazarus))
        return QStringLiteral("--test-drive runs the unit for Lazarus; --target delphi cannot go with it");
    options.warnings = parser.isSet(warnings);
    options.outputPath = parser.value(output);
    if (options.outputPath == QLatin1String("-"))
        options.outputPath.clear();
    options.settingsPath = parser.value(settings);
    options.updatePath = parser.value(update);
    options.discard = parser.isSet(discard);
    if (parser.isSet(update) && options.updatePath.isEmpty())
        return QStringLiteral("--update needs the unit to update");
    if (options.discard && !parser.isSet(update))
        return QStringLiteral("--discard goes with --update");
    if (parser.isSet(update) && parser.isSet(output))
        return QStringLiteral("--update writes into the unit it names; -o cannot go with it");

    const QStringList positional = parser.positionalArguments();
    options.className = parser.value(className);
    if (parser.isSet(className) && !parser.isSet(import))
        return QStringLiteral("--class goes with --import");
    if (parser.isSet(import)) {
        options.importPath = parser.value(import);
        if (options.importPath.isEmpty())
            return QStringLiteral("--import needs the unit to import");
        if (parser.isSet(update) || options.check)
            return QStringLiteral("--import writes a specification; --update and --check cannot go with it");
        if (!positional.isEmpty())
            return QStringLiteral("--import takes no specification file");
        return options;
    }
    if (positional.isEmpty())
        return QStringLiteral("no specification file given");
    if (positional.size() > 1)
        return QStringLiteral("one specification file only, not %1").arg(positional.size());
    options.specPath = positional.first();
    return options;
}

Style readStyleSettings(const ProfileFile &settings)
{
    return readStyle(settings, QStringLiteral("Settings"));
}

Style applyStyleOptions(Style style, const BuildOptions &options)
{
    for (const StyleOptionValue &given : options.style) {
        if (given.option->kind() == StyleOption::Kind::Number
            || given.option->kind() == StyleOption::Kind::Switch)
            setStyleNumber(style, *given.option, given.value.trimmed().toInt());
        else
            setStyleText(style, *given.option, given.value);
    }
    if (!options.packageDir.isEmpty() || options.testDrive)
        style.target = Target::Lazarus;
    return style;
}

static int runImportCommand(const BuildOptions &options, QIODevice &err)
{
    // A pipe or a device is refused before it is opened for reading.
    QFile unitFile;
    QString reason;
    const RegularFileOpen opened = openRegularFile(unitFile, options.importPath, &reason);
    if (opened != RegularFileOpen::Opened) {
        if (opened == RegularFileOpen::NotFound)
            reason = QStringLiteral("No such file or directory");
        else if (opened == RegularFileOpen::NotRegular)
            reason = QStringLiteral("not a regular file");
        writeMessage(err, kCommand + QStringLiteral(": cannot read the unit ") + options.importPath
                              + QStringLiteral(": ") + reason);
        return kBuildUsageOrFileError;
    }
    const std::optional<QByteArray> bytes = readUnitFileBytes(unitFile, &reason);
    if (!bytes) {
        writeMessage(err, kCommand + QStringLiteral(": cannot read the unit ") + options.importPath
                              + QStringLiteral(": ") + reason);
        return kBuildRefused;
    }
    const UnitFile unit = decodeUnitFile(*bytes);
    const UnitImport imported = importUnit(unit.text, options.importPath, options.className);
    if (!imported.imported()) {
        writeMessage(err, kCommand + QStringLiteral(": ") + options.importPath + QStringLiteral(": ")
                              + imported.refusalText);
        return kBuildRefused;
    }
    const QString specPath = options.outputPath.isEmpty()
        ? proposedSpecificationPath(options.importPath)
        : options.outputPath;
    QString error;
    if (!saveSpecification(imported.spec, specPath, &error)) {
        writeMessage(err, error);
        return kBuildUsageOrFileError;
    }
    if (options.warnings) {
        for (const ImportFinding &finding : imported.findings)
            writeMessage(err, options.importPath + QStringLiteral(":") + QString::number(finding.line)
                                  + QStringLiteral(": ") + finding.kind + QStringLiteral(": ") + finding.text);
    }
    return kBuildOk;
}

int runBuildCommand(const QStringList &arguments, QIODevice &out, QIODevice &err,
                    const QStringList &settingsLocations)
{
    const auto parsed = parseBuildOptions(arguments);
    if (const QString *error = std::get_if<QString>(&parsed)) {
        writeMessage(err, kCommand + QStringLiteral(": ") + *error);
        writeMessage(err, QStringLiteral("Try 'unitforge-build --help' for more information."));
        return kBuildUsageOrFileError;
    }
    const BuildOptions &options = std::get<BuildOptions>(parsed);
    if (options.help) {
        out.write(buildUsage(settingsLocations).toLocal8Bit());
        return kBuildOk;
    }
    if (options.version) {
        out.write(QByteArrayLiteral("unitforge-build " UF_VERSION "\n"));
        return kBuildOk;
    }

    if (!options.importPath.isEmpty())
        return runImportCommand(options, err);

    Style style;
    const QString settingsPath = !options.settingsPath.isEmpty() ? options.settingsPath
        : options.defaultStyle ? QString()
        : SettingsLocation::existingFile(settingsLocations);
    if (!settingsPath.isEmpty()) {
        ProfileFile settings;
        if (settings.load(settingsPath) != ProfileFile::LoadResult::Loaded) {
            writeMessage(err, kCommand + QStringLiteral(": cannot read the settings file: ")
                                  + settings.errorString());
            return kBuildUsageOrFileError;
        }
        style = readStyleSettings(settings);
    }
    style = applyStyleOptions(style, options);

    // The specification file is read once: Open reads it into the
    // specification, and the build takes hand-written bodies from it.
    ProfileFile specFile;
    const SpecificationFileLoad load = loadSpecificationFile(specFile, options.specPath);
    if (load.result == SpecificationFileLoad::Result::Unreadable) {
        writeMessage(err, kCommand + QStringLiteral(": cannot read the specification file: ")
                              + load.message);
        return kBuildUsageOrFileError;
    }
    if (load.result == SpecificationFileLoad::Result::Refused) {
        writeMessage(err, load.message);
        return kBuildRefused;
    }
    if (const auto problem = notASpecificationFile(specFile, options.specPath)) {
        writeMessage(err, *problem);
        return kBuildRefused;
    }
    ComponentSpec spec;
    spec.reset();
    TAwk awk;
    QString warning;
    readSpecification(spec, specFile, awk, &warning);
    if (!warning.isEmpty())
        writeMessage(err, warning);

    if (options.check) {
        const QList<Finding> findings = checkSpecification(spec, style);
        writeFindings(err, options.specPath, findings);
        return findings.isEmpty() ? kBuildOk : kBuildFindings;
    }
    if (const auto refusal = buildRefusal(spec)) {
        writeMessage(err, *refusal);
        return kBuildRefused;
    }
    QStringList lines = generateUnit(spec, style, awk, &specFile).lines;
    if (options.testDrive)
        return runTestDriveCommand(spec, lines, out, err);
    if (!options.packageDir.isEmpty()) {
        QString reason;
        if (!writePackageFolder(options.packageDir,
                                lazarusPackageFiles(spec, lines, defaultPaletteIconPng()), &reason)) {
            writeMessage(err, reason);
            return kBuildUsageOrFileError;
        }
        if (options.warnings)
            writeFindings(err, options.specPath, checkSpecification(spec, style));
        return kBuildOk;
    }
    lines.append(QString());   // the Output text ends with a line break
    if (!options.updatePath.isEmpty()) {
        const int status = runUnitUpdate(options.updatePath, options.discard, lines, out, err);
        if (options.warnings)
            writeFindings(err, options.specPath, checkSpecification(spec, style));
        return status;
    }
    const QByteArray bytes = sourceFileBytes(lines);

    if (options.outputPath.isEmpty()) {
        if (out.write(bytes) != bytes.size()) {
            writeMessage(err, kCommand + QStringLiteral(": unable to write to standard output"));
            return kBuildUsageOrFileError;
        }
    } else {
        QString reason;
        if (!writeFileAtomically(options.outputPath, bytes, &reason)) {
            writeMessage(err, QStringLiteral("Unable to write to ")
                                  + QFileInfo(options.outputPath).absoluteFilePath()
                                  + QStringLiteral(": ") + reason);
            return kBuildUsageOrFileError;
        }
    }
    // The findings never change the unit or the exit status of a build.
    if (options.warnings)
        writeFindings(err, options.specPath, checkSpecification(spec, style));
    return kBuildOk;
}
