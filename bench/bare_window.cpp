// SPDX-License-Identifier: MIT
// The yardstick for start-up time: a bare Qt program whose main window holds
// seven tabs, the size of Unitforge's window, and nothing else.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTabWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    auto *tabs = new QTabWidget(&window);
    for (const char *name : {"Class", "Properties", "Methods", "Event Handlers",
                             "Message Handlers", "Output", "Style"})
        tabs->addTab(new QLabel(QString::fromLatin1(name)), QString::fromLatin1(name));
    window.setCentralWidget(tabs);
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(552, 408);
    window.show();
    return app.exec();
}
