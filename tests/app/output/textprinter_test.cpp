// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "app/textprinter.h"

namespace {

class TextPrinter : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_dir.filePath("out.pdf"));
        printer.setPageSize(QPageSize(QPageSize::A4));
    }

    int pdfPages()
    {
        QFile file(m_dir.filePath("out.pdf"));
        if (!file.open(QIODevice::ReadOnly))
            return -1;
        const QString text = QString::fromLatin1(file.readAll());
        return int(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])"))));
    }

    QTemporaryDir m_dir;
    QPrinter printer{QPrinter::HighResolution};
    QFont font = defaultPrinterFont();
};

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(QStringLiteral("line %1").arg(i));
    return lines;
}

TEST_F(TextPrinter, NewPageStartsWhenTheNextLineDoesNotFit)
{
    const auto few = layoutForPrinting(numberedLines(10), font, &printer);
    EXPECT_EQ(few->pageCount(), 1);

    const auto many = layoutForPrinting(numberedLines(300), font, &printer);
    const qreal lineHeight = QFontMetricsF(font).lineSpacing();
    const qreal usable = many->pageSize().height() - 2 * many->documentMargin();
    const int linesPerPage = int(usable / lineHeight);
    ASSERT_GT(linesPerPage, 20);
    EXPECT_GE(many->pageCount(), (300 + linesPerPage - 1) / linesPerPage);
    EXPECT_LE(many->pageCount(), 300 / (linesPerPage - 2) + 1);

    // No line is cut by a page end: every line lies wholly on one page.
    const qreal pageHeight = many->pageSize().height();
    for (QTextBlock block = many->begin(); block.isValid(); block = block.next()) {
        const QRectF box = many->documentLayout()->blockBoundingRect(block);
        EXPECT_EQ(int(box.top() / pageHeight), int((box.bottom() - 1) / pageHeight))
            << block.text().toStdString();
    }
}

TEST_F(TextPrinter, LongLineBreaksAtThePageWidthAndKeepsEveryCharacter)
{
    const QString line(5000, QLatin1Char('x'));
    const auto document = layoutForPrinting({line, "next"}, font, &printer);
    const QTextBlock first = document->begin();
    EXPECT_EQ(first.text(), line);
    EXPECT_GT(first.layout()->lineCount(), 5);
    const qreal width = document->pageSize().width() - 2 * document->documentMargin();
    for (int i = 0; i < first.layout()->lineCount(); ++i) {
        EXPECT_LE(first.layout()->lineAt(i).naturalTextWidth(), width + 1);
        EXPECT_EQ(first.layout()->lineAt(i).x(), 0);
    }
    EXPECT_EQ(first.next().text(), QStringLiteral("next"));
}

TEST_F(TextPrinter, TabAdvancesToTheNextMultipleOfEightAverageWidths)
{
    const auto document = layoutForPrinting({"\tx", "abc\ty", "\t\tz"}, font, &printer);
    const qreal tab = 8 * QFontMetricsF(font).averageCharWidth();
    QTextBlock block = document->begin();
    EXPECT_NEAR(block.layout()->lineAt(0).cursorToX(1), tab, 1.0);
    block = block.next();
    EXPECT_NEAR(block.layout()->lineAt(0).cursorToX(4), tab, 1.0);
    block = block.next();
    EXPECT_NEAR(block.layout()->lineAt(0).cursorToX(2), 2 * tab, 1.0);
}

TEST_F(TextPrinter, PrintsIntoAPdfFileWithThePagesOfTheLayout)
{
    const QStringList lines = numberedLines(300);
    const int expected = layoutForPrinting(lines, font, &printer)->pageCount();
    ASSERT_TRUE(printLines(lines, font, &printer));
    EXPECT_EQ(pdfPages(), expected);
}

} // namespace
