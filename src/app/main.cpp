// Starts Unitforge: one main window, ended by closing it.
#include "app/builder.h"
#include "app/qtuserprompts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The application's title. Not set as the display name too: Qt would
    // append that to the caption of every box and dialog ("Warning — Unitforge").
    QApplication::setApplicationName(QStringLiteral("Unitforge"));

    QtUserPrompts prompts;
    BuilderServices services;
    services.prompts = &prompts;
    TBuilder builder(services);
    if (builder.alreadyRunning())
        return 0;
    prompts.setParent(&builder);
    builder.show();
    return app.exec();
}
