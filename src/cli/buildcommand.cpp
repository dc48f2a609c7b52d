#include "cli/buildcommand.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QIODevice>

#include <algorithm>

#include "awk/awk.h"
#include "check/checker.h"
#include "cli/unitupdate.h"
#include "generator/lazaruspackage.h"
#include "generator/paletteicon.h"
#include "generator/unitgenerator.h"
#include "model/componentspec.h"
#include "specfile/filewriter.h"
#include "specfile/packagefolder.h"
#include "specfile/profilefile.h"
#include "specfile/specfile.h"
#include "specfile/stylesettings.h"
#include "specfile/textcodec.h"

namespace {

const QString kCommand = QStringLiteral("unitforge-build");

void writeMessage(QIODevice &err, const QString &message)
{
    err.write((message + u'\n').toLocal8Bit());
}

std::optional<int> optionNumber(const QCommandLineParser &parser, const QString &name,
                                StyleRange range, QString *error)
{
    if (!parser.isSet(name))
        return std::nullopt;
    bool ok = false;
    const int value = parser.value(name).trimmed().toInt(&ok);
    if (!ok) {
        *error = QStringLiteral("--%1 needs a whole number, not \"%2\"").arg(name, parser.value(name));
        return std::nullopt;
    }
    return range.clamp(value);
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

QString buildUsage()
{
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
        "  --settings FILE         take the style from a settings file (uforge.ini)\n"
        "  --indent N              spaces per indentation level, 0 to 20 (default 2)\n"
        "  --blank-lines N         blank lines before each routine, 0 to 9 (default 2)\n"
        "  --separator-length N    characters of the separator line, 0 to 120 (default 80)\n"
        "  --separator-char C      character of the separator line, may be empty (default =)\n"
        "  --comments-before       put method comments above their headings\n"
        "  --target NAME           the unit is for delphi (Delphi 2.0, the default) or\n"
        "                          lazarus (the Lazarus component library, LCL)\n"
        "  --package DIR           write a Lazarus package into DIR: the unit for Lazarus,\n"
        "                          its palette icon and the package file to install\n"
        "  --check                 check the specification instead of building: print\n"
        "                          what will not compile (error) or not work as meant\n"
        "                          (warning) on standard error; write no unit\n"
        "  --warnings              build, then print the check's findings on standard error\n"
        "  -h, --help              show this help\n"
        "  -v, --version           show the version\n"
        "\n"
        "Options override the settings file. Exit status: 0 built or updated (with\n"
        "--check: no findings), 1 build refused or, with --update, written code would\n"
        "be lost (the unit is left as it was), 2 usage error or a file that cannot be\n"
        "read or written, 3 with --check: there are findings.\n");
}

std::variant<BuildOptions, QString> parseBuildOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QString(), QStringLiteral("FILE"));
    const QCommandLineOption settings(QStringLiteral("settings"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption indent(QStringLiteral("indent"), QString(), QStringLiteral("N"));
    const QCommandLineOption blankLines(QStringLiteral("blank-lines"), QString(), QStringLiteral("N"));
    const QCommandLineOption separatorLength(QStringLiteral("separator-length"), QString(),
                                             QStringLiteral("N"));
    const QCommandLineOption separatorChar(QStringLiteral("separator-char"), QString(),
                                           QStringLiteral("C"));
    const QCommandLineOption commentsBefore(QStringLiteral("comments-before"));
    const QCommandLineOption target(QStringLiteral("target"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption package(QStringLiteral("package"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption check(QStringLiteral("check"));
    const QCommandLineOption warnings(QStringLiteral("warnings"));
    const QCommandLineOption update(QStringLiteral("update"), QString(), QStringLiteral("UNIT"));
    const QCommandLineOption discard(QStringLiteral("discard"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({output, settings, indent, blankLines, separatorLength, separatorChar,
                       commentsBefore, target, package, check, warnings, update, discard, help, version});

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
    QString error;
    options.indent = optionNumber(parser, indent.names().first(), kIndentRange, &error);
    options.blankLines = optionNumber(parser, blankLines.names().first(), kBlankLinesRange, &error);
    options.separatorLength = optionNumber(parser, separatorLength.names().first(),
                                           kSeparatorLengthRange, &error);
    if (!error.isEmpty())
        return error;
    if (parser.isSet(separatorChar))
        options.separatorChar = parser.value(separatorChar);
    options.commentsBefore = parser.isSet(commentsBefore);
    if (parser.isSet(target)) {
        options.target = targetFromName(parser.value(target));
        if (!options.target || parser.value(target).contains(u' '))
            return QStringLiteral("--target is delphi or lazarus, not \"%1\"").arg(parser.value(target));
    }
    options.packageDir = parser.value(package);
    if (parser.isSet(package) && options.packageDir.isEmpty())
        return QStringLiteral("--package needs the folder to write the package into");
    if (parser.isSet(package) && (parser.isSet(output) || parser.isSet(update)))
        return QStringLiteral("--package writes the unit into its folder; -o and --update cannot go with it");
    if (parser.isSet(package) && options.target == Target::Delphi2)
        return QStringLiteral("--package writes a Lazarus package; --target delphi cannot go with it");
    options.check = parser.isSet(check);
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
    style.indent = options.indent.value_or(style.indent);
    style.blankLines = options.blankLines.value_or(style.blankLines);
    style.separatorLength = options.separatorLength.value_or(style.separatorLength);
    style.separatorChar = options.separatorChar.value_or(style.separatorChar);
    if (options.commentsBefore)
        style.commentsBefore = true;
    style.target = options.target.value_or(style.target);
    if (!options.packageDir.isEmpty())
        style.target = Target::Lazarus;
    return style;
}

int runBuildCommand(const QStringList &arguments, QIODevice &out, QIODevice &err)
{
    const auto parsed = parseBuildOptions(arguments);
    if (const QString *error = std::get_if<QString>(&parsed)) {
        writeMessage(err, kCommand + QStringLiteral(": ") + *error);
        writeMessage(err, QStringLiteral("Try 'unitforge-build --help' for more information."));
        return kBuildUsageOrFileError;
    }
    const BuildOptions &options = std::get<BuildOptions>(parsed);
    if (options.help) {
        out.write(buildUsage().toLocal8Bit());
        return kBuildOk;
    }
    if (options.version) {
        out.write(QByteArrayLiteral("unitforge-build " UF_VERSION "\n"));
        return kBuildOk;
    }

    Style style;
    if (!options.settingsPath.isEmpty()) {
        ProfileFile settings;
        if (settings.load(options.settingsPath) != ProfileFile::LoadResult::Loaded) {
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
    if (specFile.load(options.specPath) != ProfileFile::LoadResult::Loaded) {
        writeMessage(err, kCommand + QStringLiteral(": cannot read the specification file: ")
                              + specFile.errorString());
        return kBuildUsageOrFileError;
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
