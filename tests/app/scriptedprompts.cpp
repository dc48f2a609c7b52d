#include "scriptedprompts.h"

#include <QWidget>

#include <gtest/gtest.h>

ScriptedPrompts &ScriptedPrompts::answer(Answer a)
{
    m_answers.enqueue(a);
    return *this;
}

ScriptedPrompts &ScriptedPrompts::openFile(const QString &path)
{
    m_openFiles.enqueue(path);
    return *this;
}

ScriptedPrompts &ScriptedPrompts::saveFile(const QString &path)
{
    m_saveFiles.enqueue(path);
    return *this;
}

ScriptedPrompts &ScriptedPrompts::font(std::optional<QFont> f)
{
    m_fonts.enqueue(f);
    return *this;
}

ScriptedPrompts &ScriptedPrompts::color(std::optional<QColor> c)
{
    m_colors.enqueue(c);
    return *this;
}

UserPrompts::Answer ScriptedPrompts::message(Kind kind, const QString &text, Buttons buttons)
{
    Shown shown;
    shown.what = Shown::What::Message;
    shown.kind = kind;
    shown.text = text;
    shown.buttons = buttons;
    m_log.append(shown);
    if (m_answers.isEmpty()) {
        ADD_FAILURE() << "Unexpected " << toString(kind).toStdString() << " box ("
                      << toString(buttons).toStdString() << "): " << text.toStdString();
        return Answer::Cancel;
    }
    if (activateOnClose)
        activateOnClose->activateWindow();
    return m_answers.dequeue();
}

QString ScriptedPrompts::openFileName(const FileRequest &request)
{
    Shown shown;
    shown.what = Shown::What::OpenFile;
    shown.text = request.title;
    shown.request = request;
    m_log.append(shown);
    if (m_openFiles.isEmpty()) {
        ADD_FAILURE() << "Unexpected open dialog: " << request.title.toStdString();
        return {};
    }
    return m_openFiles.dequeue();
}

QString ScriptedPrompts::saveFileName(const FileRequest &request)
{
    Shown shown;
    shown.what = Shown::What::SaveFile;
    shown.text = request.title;
    shown.request = request;
    m_log.append(shown);
    if (m_saveFiles.isEmpty()) {
        ADD_FAILURE() << "Unexpected save dialog: " << request.title.toStdString();
        return {};
    }
    return m_saveFiles.dequeue();
}

std::optional<QFont> ScriptedPrompts::chooseFont(const QFont &)
{
    Shown shown;
    shown.what = Shown::What::Font;
    m_log.append(shown);
    if (m_fonts.isEmpty()) {
        ADD_FAILURE() << "Unexpected font dialog";
        return std::nullopt;
    }
    return m_fonts.dequeue();
}

std::optional<QColor> ScriptedPrompts::chooseColor(const QColor &initial)
{
    Shown shown;
    shown.what = Shown::What::Color;
    shown.initialColor = initial;
    m_log.append(shown);
    if (m_colors.isEmpty()) {
        ADD_FAILURE() << "Unexpected colour dialog";
        return std::nullopt;
    }
    return m_colors.dequeue();
}

QStringList ScriptedPrompts::messageTexts() const
{
    QStringList texts;
    for (const Shown &s : m_log) {
        if (s.what == Shown::What::Message)
            texts.append(s.text);
    }
    return texts;
}

bool ScriptedPrompts::exhausted() const
{
    return m_answers.isEmpty() && m_openFiles.isEmpty() && m_saveFiles.isEmpty()
        && m_fonts.isEmpty() && m_colors.isEmpty();
}

QString toString(UserPrompts::Kind kind)
{
    switch (kind) {
    case UserPrompts::Kind::Warning: return QStringLiteral("Warning");
    case UserPrompts::Kind::Error: return QStringLiteral("Error");
    case UserPrompts::Kind::Information: return QStringLiteral("Information");
    case UserPrompts::Kind::Confirm: return QStringLiteral("Confirm");
    }
    return {};
}

QString toString(UserPrompts::Buttons buttons)
{
    switch (buttons) {
    case UserPrompts::Buttons::Ok: return QStringLiteral("OK");
    case UserPrompts::Buttons::YesNo: return QStringLiteral("Yes/No");
    case UserPrompts::Buttons::YesNoCancel: return QStringLiteral("Yes/No/Cancel");
    case UserPrompts::Buttons::YesNoDefaultNo: return QStringLiteral("Yes/No, No the default");
    }
    return {};
}
