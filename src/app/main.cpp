// Starts Unitforge: one main window, ended by closing it.
#include "app/builder.h"
#include "app/qtuserprompts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Unitforge"));
    QApplication::setApplicationDisplayName(QStringLiteral("Unitforge"));

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
