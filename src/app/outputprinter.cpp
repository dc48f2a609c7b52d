#include "app/outputprinter.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/textprinter.h"
#include "app/waitcursor.h"
#include "editor/userprompts.h"

OutputPrinter::OutputPrinter(UserPrompts &prompts)
    : m_prompts(prompts)
    , m_hasPrinter([] { return !QPrinterInfo::availablePrinterNames().isEmpty(); })
{
}

OutputPrinter::~OutputPrinter() = default;

QPrinter &OutputPrinter::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>();
    return *m_printer;
}

bool OutputPrinter::ensurePrinterOrPdf(bool &toPdf)
{
    toPdf = false;
    if (printer().outputFormat() == QPrinter::PdfFormat && !printer().outputFileName().isEmpty())
        return true;
    if (m_hasPrinter())
        return true;
    const auto answer = m_prompts.message(
        UserPrompts::Kind::Confirm,
        QStringLiteral("No printer is installed. Print into a PDF file instead?"),
        UserPrompts::Buttons::YesNo);
    if (answer != UserPrompts::Answer::Yes)
        return false;
    UserPrompts::FileRequest request;
    request.title = QStringLiteral("Print to PDF File");
    request.filter = QStringLiteral("PDF files (*.pdf)");
    request.defaultSuffix = QStringLiteral("pdf");
    request.confirmOverwrite = true;
    const QString name = m_prompts.saveFileName(request);
    if (name.isEmpty())
        return false;
    printer().setOutputFormat(QPrinter::PdfFormat);
    printer().setOutputFileName(name);
    toPdf = true;
    return true;
}

void OutputPrinter::print(const QStringList &lines, const QFont &font, const QColor &color)
{
    bool toPdf = false;
    if (!ensurePrinterOrPdf(toPdf))
        return;
    {
        WaitCursor wait;
        printLines(lines, font, &printer(), color);
    }
    if (toPdf) {
        printer().setOutputFileName(QString());
        printer().setOutputFormat(QPrinter::NativeFormat);
    }
}

void OutputPrinter::setup(QWidget *parent)
{
    if (m_setupDialog) {
        m_setupDialog(printer());
        return;
    }
    QPrintDialog dialog(&printer(), parent);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    // Printing into a file is a choice of its own where no printer is installed.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintToFile);
    dialog.exec();
}
