#include "app/outputprinter.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QPrinterInfo>

#include "app/textprinter.h"
#include "app/waitcursor.h"
#include "editor/userprompts.h"

namespace {

// A PDF file to print into, asked for by name; an existing one is confirmed.
UserPrompts::FileRequest pdfFileRequest(const QString &title)
{
    UserPrompts::FileRequest request;
    request.title = title;
    request.filter = QStringLiteral("PDF files (*.pdf)");
    request.defaultSuffix = QStringLiteral("pdf");
    request.confirmOverwrite = true;
    return request;
}

} // namespace

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
    const QString name = m_prompts.saveFileName(pdfFileRequest(QStringLiteral("Print to PDF File")));
    if (name.isEmpty())
        return false;
    printer().setOutputFormat(QPrinter::PdfFormat);
    printer().setOutputFileName(name);
    toPdf = true;
    return true;
}

bool OutputPrinter::confirmFileTarget()
{
    if (printer().outputFileName().isEmpty()) {
        const QString name = m_prompts.saveFileName(pdfFileRequest(QStringLiteral("Print to File")));
        if (name.isEmpty())
            return false;
        printer().setOutputFileName(name);
        return true;
    }
    const QString name = printer().outputFileName();
    return !QFileInfo::exists(name)
        || m_prompts.message(UserPrompts::Kind::Confirm,
                             QStringLiteral("Overwrite existing file ") + name + QStringLiteral(" ?"),
                             UserPrompts::Buttons::YesNoDefaultNo)
        == UserPrompts::Answer::Yes;
}

QString OutputPrinter::print(const QStringList &lines, const QFont &font, const QColor &color)
{
    bool toPdf = false;
    if (!ensurePrinterOrPdf(toPdf))
        return QString();
    // A file chosen just now has been confirmed by its own dialog.
    const bool toFile = !printer().outputFileName().isEmpty() || printer().outputFormat() == QPrinter::PdfFormat;
    if (toFile && !toPdf && !confirmFileTarget())
        return QString();
    const QString where = toFile ? QStringLiteral("Printed to ") + printer().outputFileName()
                                 : QStringLiteral("Printed on ") + printer().printerName();
    bool printed = false;
    {
        WaitCursor wait;
        printed = printLines(lines, font, &printer(), color);
    }
    const QString target = toFile ? printer().outputFileName() : printer().printerName();
    if (toPdf) {
        printer().setOutputFileName(QString());
        printer().setOutputFormat(QPrinter::NativeFormat);
    }
    return printed ? where : QStringLiteral("Printing to ") + target + QStringLiteral(" failed");
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
    // The dialog only chooses; its button must not promise to print.
    if (auto *buttons = dialog.findChild<QDialogButtonBox *>()) {
        if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    }
    dialog.exec();
}
