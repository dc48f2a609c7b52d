// Starts Unitforge: one main window, ended by closing it.
#include "app/builder.h"
#include "app/qtuserprompts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QFont>

#include <cstdio>

namespace {

const char kUsage[] =
    "Usage: unitforge [options] [SPEC.spc]\n"
    "Describe a Delphi component class on tabbed pages and build its Object Pascal unit.\n"
    "\n"
    "Options:\n"
    "  -h, --help       show this help\n"
    "  -v, --version    show the version\n"
    "\n"
    "SPEC.spc is a component specification file to open.\n"
    "The settings live in $XDG_CONFIG_HOME/Unitforge/uforge.ini (~/.config when unset),\n"
    "or beside the program when a uforge.ini is already there.\n"
    "Exit status: 0 window closed, or the file handed to the copy already running;\n"
    "2 usage error.\n";

enum class Launch { Window, Done, UsageError };

// Answers --help and --version without a window, so that they work without
// a display. Qt's own options (-platform, -style, ...) are left to QApplication.
Launch handleCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({help, version});
    parser.parse(arguments);
    if (parser.isSet(help)) {
        fputs(kUsage, stdout);
        return Launch::Done;
    }
    if (parser.isSet(version)) {
        printf("unitforge %s\n", UF_VERSION);
        return Launch::Done;
    }
    return Launch::Window;
}

// The arguments left after Qt took its own: at most one specification file,
// made absolute, since a running copy may be handed it.
Launch checkArguments(const QStringList &arguments, QString &file)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("file"), QString(), QStringLiteral("[SPEC.spc]"));
    if (!parser.parse(arguments) || parser.positionalArguments().size() > 1) {
        const QString error = parser.errorText().isEmpty()
            ? QStringLiteral("one specification file only") : parser.errorText();
        fprintf(stderr, "unitforge: %s\nTry 'unitforge --help' for more information.\n",
                qPrintable(error));
        return Launch::UsageError;
    }
    if (!parser.positionalArguments().isEmpty())
        file = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    return Launch::Window;
}

// The fonts the window is designed in are Windows fonts. Named here once,
// the ones Linux has in their place are found at once, instead of by a
// fallback search each time a control asks for its font.
void substituteWindowsFonts()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Small Fonts"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    // Courier and Courier New alike, so that the Output text and the comment
    // dialog share one typeface.
    QFont::insertSubstitutions(QStringLiteral("Courier"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("Nimbus Mono PS"),
                                QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("Nimbus Mono PS"),
                                QStringLiteral("DejaVu Sans Mono")});
}

} // namespace

int main(int argc, char *argv[])
{
    if (handleCommandLine(argc, argv) == Launch::Done)
        return 0;
    QApplication app(argc, argv);
    // The application's title. Not set as the display name too: Qt would
    // append that to the caption of every box and dialog ("Warning — Unitforge").
    QApplication::setApplicationName(QStringLiteral("Unitforge"));
    QApplication::setApplicationVersion(QStringLiteral(UF_VERSION));
    // Lets the desktop match the window to its entry (icon, task bar grouping).
    QGuiApplication::setDesktopFileName(QStringLiteral(UF_APP_ID));
    QString file;
    if (checkArguments(QApplication::arguments(), file) == Launch::UsageError)
        return 2;

    substituteWindowsFonts();
    QtUserPrompts prompts;
    BuilderServices services;
    services.prompts = &prompts;
    services.fileToOpen = file;
    TBuilder builder(services);
    if (builder.alreadyRunning())
        return 0;
    prompts.setParent(&builder);
    builder.show();
    return app.exec();
}
