// The Output page's commands: editing, find and replace, font, colour, word
// wrap, printer font and printing.
#include "app/outputpage.h"

#include <QAction>
#include <QCursor>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QTextCursor>
#include <QToolButton>

#include "app/finddialog.h"
#include "app/replacedialog.h"
#include "app/textprinter.h"
#include "editor/userprompts.h"
#include "app/waitcursor.h"

// ---- Editing -----------------------------------------------------------------

void OutputPage::Cut1Click()
{
    Memo1->cut();
}

void OutputPage::Copy1Click()
{
    Memo1->copy();
}

void OutputPage::Paste1Click()
{
    Memo1->paste();
}

void OutputPage::btnEraseClick()
{
    Memo1->textCursor().removeSelectedText();
}

void OutputPage::btnundoClick()
{
    Memo1->undo();
}

// ---- Find and replace --------------------------------------------------------

void OutputPage::btnfindClick()
{
    FindDialog1->show();
    FindDialog1->raise();
    FindDialog1->activateWindow();
}

void OutputPage::btnreplaceClick()
{
    ReplaceDialog1->show();
    ReplaceDialog1->raise();
    ReplaceDialog1->activateWindow();
}

void OutputPage::select(int start, int length)
{
    QTextCursor cursor = Memo1->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    Memo1->setTextCursor(cursor);
}

bool OutputPage::findAndSelect(const QString &pattern, const SearchOptions &options)
{
    const QTextCursor cursor = Memo1->textCursor();
    const int start = cursor.selectionStart();
    const std::optional<int> match = findText(text(), start,
                                              cursor.selectionEnd() - start, pattern, options);
    if (match)
        select(*match, int(pattern.size()));
    return match.has_value();
}

// Closing the box activates the main window, where a further Enter would
// replace the selected text; the dialog takes the focus back instead.
void OutputPage::reportNotFound(QWidget *dialog)
{
    m_prompts.message(UserPrompts::Kind::Information, QStringLiteral("Not found"),
                      UserPrompts::Buttons::Ok);
    if (dialog->isVisible()) {
        dialog->raise();
        dialog->activateWindow();
    }
}

void OutputPage::FindDialog1Find()
{
    const QString pattern = FindDialog1->findText();
    if (!pattern.isEmpty() && !findAndSelect(pattern, FindDialog1->options()))
        reportNotFound(FindDialog1);
}

void OutputPage::ReplaceDialog1Find()
{
    const QString pattern = ReplaceDialog1->findText();
    if (!pattern.isEmpty() && !findAndSelect(pattern, ReplaceDialog1->options()))
        reportNotFound(ReplaceDialog1);
}

void OutputPage::ReplaceDialog1Replace()
{
    const QString pattern = ReplaceDialog1->findText();
    if (pattern.isEmpty() || !findAndSelect(pattern, ReplaceDialog1->options()))
        return;
    QTextCursor cursor = Memo1->textCursor();
    cursor.insertText(ReplaceDialog1->replaceText());
    Memo1->setTextCursor(cursor);
}

// Every search resumes right after the text just put in, so the occurrences
// can be found in the text as it is and replaced in one edit, from the last.
void OutputPage::ReplaceDialog1ReplaceAll()
{
    const QString pattern = ReplaceDialog1->findText();
    const QString replacement = ReplaceDialog1->replaceText();
    QTextCursor cursor = Memo1->textCursor();
    const int start = cursor.selectionStart();
    const QList<int> positions = replaceAllPositions(
        text(), start, cursor.selectionEnd() - start, pattern, ReplaceDialog1->options());
    if (!positions.isEmpty()) {
        cursor.beginEditBlock();
        for (auto it = positions.crbegin(); it != positions.crend(); ++it) {
            cursor.setPosition(*it);
            cursor.setPosition(*it + int(pattern.size()), QTextCursor::KeepAnchor);
            cursor.insertText(replacement);
        }
        cursor.endEditBlock();
        const qsizetype growth = replacement.size() - pattern.size();
        cursor.setPosition(int(positions.last() + (positions.size() - 1) * growth + replacement.size()));
        Memo1->setTextCursor(cursor);
    }
    ReplaceDialog1->close();
}

// ---- Font, colour, word wrap -------------------------------------------------

void OutputPage::Options1Click()
{
    if (const std::optional<QFont> font = m_prompts.chooseFont(Memo1->font()))
        setOutputFont(*font);
}

void OutputPage::BackgroundColor1Click()
{
    if (const std::optional<QColor> color = m_prompts.chooseColor(m_lastChosenColor)) {
        m_lastChosenColor = *color;
        setColors(m_fontColor, *color);
    }
}

// The item is checkable: it has flipped its tick before this runs.
void OutputPage::Wordwrap1Click()
{
    setWordWrap(m_menu.Wordwrap1 ? m_menu.Wordwrap1->isChecked()
                                 : Memo1->lineWrapMode() == QPlainTextEdit::NoWrap);
}

void OutputPage::btnwordwrapClick()
{
    if (m_menu.Wordwrap1)
        m_menu.Wordwrap1->trigger();
    else
        Wordwrap1Click();
}

// Either item flips both: the chosen one has flipped its own tick already.
void OutputPage::UseDefault1Click()
{
    if (m_menu.Matchfont1)
        m_menu.Matchfont1->setChecked(!m_menu.UseDefault1->isChecked());
}

void OutputPage::Matchfont1Click()
{
    if (m_menu.UseDefault1)
        m_menu.UseDefault1->setChecked(!m_menu.Matchfont1->isChecked());
}

// ---- Printing ----------------------------------------------------------------

void OutputPage::setPrinterSetupDialog(std::function<bool(QPrinter &)> dialog)
{
    m_printerSetup = std::move(dialog);
}

void OutputPage::setPrinterCheck(std::function<bool()> hasPrinter)
{
    m_hasPrinter = std::move(hasPrinter);
}

// Without an installed printer a job would fail unseen; offer a PDF file.
bool OutputPage::ensurePrinterOrPdf(bool &toPdf)
{
    toPdf = false;
    if (m_printer.outputFormat() == QPrinter::PdfFormat && !m_printer.outputFileName().isEmpty())
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
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(name);
    toPdf = true;
    return true;
}

void OutputPage::Print1Click()
{
    bool toPdf = false;
    if (!ensurePrinterOrPdf(toPdf))
        return;
    {
        WaitCursor wait;
        QStringList text = lines();
        if (text.last().isEmpty())
            text.removeLast();
        const bool match = m_menu.Matchfont1 && m_menu.Matchfont1->isChecked();
        printLines(text, match ? Memo1->font() : defaultPrinterFont(), &m_printer,
                   match ? m_fontColor : QColor(Qt::black));
    }
    if (toPdf) {
        m_printer.setOutputFileName(QString());
        m_printer.setOutputFormat(QPrinter::NativeFormat);
    }
}

void OutputPage::PrinterSetup1Click()
{
    if (m_printerSetup) {
        m_printerSetup(m_printer);
        return;
    }
    QPrintDialog dialog(&m_printer, this);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    // Printing into a file is a choice of its own where no printer is installed.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintToFile);
    dialog.exec();
}
