// The window fixture with what the Output page's tests share.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextCursor>

#include "app/builder.h"
#include "app/outputpage.h"
#include "app/outputprinter.h"
#include "builderfixture.h"

class OutputPageTest : public BuilderTest
{
protected:
    void SetUp() override
    {
        BuilderTest::SetUp();
        page = builder->outputPage();
        memo = page->Memo1;
    }

    // A new window reading the settings the one before wrote.
    void reopen()
    {
        createBuilder();
        page = builder->outputPage();
        memo = page->Memo1;
    }

    // What the pointer passing over the Output text does.
    void moveMouseOverText()
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), memo->viewport()->mapToGlobal(QPointF(5, 5)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(memo->viewport(), &move);
    }

    void selectText(int start, int length)
    {
        QTextCursor cursor = memo->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        memo->setTextCursor(cursor);
    }
    QString selection() const { return memo->textCursor().selectedText(); }
    int selectionStart() const { return memo->textCursor().selectionStart(); }

    QByteArray fileBytes(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    OutputPage *page = nullptr;
    QPlainTextEdit *memo = nullptr;
};
