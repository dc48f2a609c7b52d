// SPDX-License-Identifier: MIT
// Printing the Output text: the printer chosen in Printer Setup, which later
// jobs use, and a PDF file offered where no printer is installed.
#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;
class UserPrompts;

class OutputPrinter
{
public:
    explicit OutputPrinter(UserPrompts &prompts);
    ~OutputPrinter();

    // Made when first used: finding the printers slows the start down.
    QPrinter &printer();
    // Replaces the printer-setup dialog (tests answer it themselves).
    void setSetupDialog(std::function<bool(QPrinter &)> dialog) { m_setupDialog = std::move(dialog); }
    // Replaces the test for an installed printer.
    void setPrinterCheck(std::function<bool()> hasPrinter) { m_hasPrinter = std::move(hasPrinter); }

    // Prints the lines in the font and colour given. A job that goes into a
    // file is named, and replaces an existing file only after asking. Returns
    // where the output went ("Printed to FILE"), that it failed ("Printing to
    // FILE failed"), or empty when nothing was asked to be printed.
    QString print(const QStringList &lines, const QFont &font, const QColor &color);
    // Shows the printer-setup dialog; the choice applies to later jobs.
    void setup(QWidget *parent);

private:
    // Without an installed printer a job would fail unseen; a PDF file is offered.
    bool ensurePrinterOrPdf(bool &toPdf);
    // A job into a file: asks for its name when there is none, and before
    // replacing one that exists. False: print nothing.
    bool confirmFileTarget();

    UserPrompts &m_prompts;
    std::unique_ptr<QPrinter> m_printer;
    std::function<bool(QPrinter &)> m_setupDialog;
    std::function<bool()> m_hasPrinter;
};
