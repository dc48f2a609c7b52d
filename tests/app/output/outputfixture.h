// A fresh main window for each Output page test, with scripted prompts and a
// temporary folder that is the program directory and the current directory.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextCursor>

#include "app/builder.h"
#include "app/outputpage.h"
#include "app/outputprinter.h"
#include "scriptedprompts.h"

// Scripted answers; when told, an answered box leaves a window active, as a
// real box does when it closes.
class ClosingPrompts : public ScriptedPrompts
{
public:
    Answer message(Kind kind, const QString &text, Buttons buttons) override
    {
        const Answer answer = ScriptedPrompts::message(kind, text, buttons);
        if (activateOnClose)
            activateOnClose->activateWindow();
        return answer;
    }
    QWidget *activateOnClose = nullptr;
};

class OutputPageTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_oldCurrent = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        QApplication::clipboard()->clear();
        builder = makeBuilder();
        page = builder->outputPage;
        memo = page->Memo1;
    }
    void TearDown() override
    {
        builder.reset();
        QDir::setCurrent(m_oldCurrent);
    }

    std::unique_ptr<TBuilder> makeBuilder()
    {
        BuilderServices services;
        services.prompts = &prompts;
        services.programDirectory = m_dir.path();
        services.lockPath = m_dir.filePath("unitforge.lock");
        return std::make_unique<TBuilder>(services);
    }

    QAction *action(const char *name)
    {
        auto *a = builder->findChild<QAction *>(QLatin1String(name));
        EXPECT_TRUE(a) << name;
        return a;
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

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QByteArray fileBytes(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
    QString m_oldCurrent;
    ClosingPrompts prompts;
    std::unique_ptr<TBuilder> builder;
    OutputPage *page = nullptr;
    QPlainTextEdit *memo = nullptr;
};
