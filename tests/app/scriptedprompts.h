// SPDX-License-Identifier: MIT
// A UserPrompts that answers from a script: tests queue the answers and file
// names they expect to be asked for, and read back everything that was shown.
// A prompt that arrives with its queue empty fails the running test.
#pragma once

#include "editor/userprompts.h"

#include <QList>
#include <QQueue>
#include <QString>

class QWidget;

class ScriptedPrompts : public UserPrompts
{
public:
    // One prompt as the user would have seen it.
    struct Shown {
        enum class What { Message, OpenFile, SaveFile, Font, Color };
        What what = What::Message;
        Kind kind = Kind::Information;          // messages only
        QString text;                           // message text, or the file dialog's title
        Buttons buttons = Buttons::Ok;          // messages only
        FileRequest request;                    // file dialogs only
        QColor initialColor;                    // colour dialogs only
    };

    // Queue the next answers. A file name of "" answers a dialog with Cancel.
    ScriptedPrompts &answer(Answer a);
    ScriptedPrompts &openFile(const QString &path);
    ScriptedPrompts &saveFile(const QString &path);
    ScriptedPrompts &font(std::optional<QFont> f);
    ScriptedPrompts &color(std::optional<QColor> c);

    Answer message(Kind kind, const QString &text, Buttons buttons) override;
    QString openFileName(const FileRequest &request) override;
    QString saveFileName(const FileRequest &request) override;
    std::optional<QFont> chooseFont(const QFont &initial) override;
    std::optional<QColor> chooseColor(const QColor &initial) override;

    const QList<Shown> &log() const { return m_log; }
    // The texts of the message boxes shown, in order.
    QStringList messageTexts() const;
    void clearLog() { m_log.clear(); }
    // True when every queued answer has been used.
    bool exhausted() const;

    // When set, an answered box leaves this window active, as a real box does
    // when it closes.
    QWidget *activateOnClose = nullptr;

private:
    QQueue<Answer> m_answers;
    QQueue<QString> m_openFiles;
    QQueue<QString> m_saveFiles;
    QQueue<std::optional<QFont>> m_fonts;
    QQueue<std::optional<QColor>> m_colors;
    QList<Shown> m_log;
};

// Readable names for failure output.
QString toString(UserPrompts::Kind kind);
QString toString(UserPrompts::Buttons buttons);
