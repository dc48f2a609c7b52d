// Answers prompts from a list and records what was shown.
#pragma once

#include <QList>
#include <gtest/gtest.h>

#include "app/userprompts.h"

class FakePrompts : public UserPrompts
{
public:
    struct Shown {
        Kind kind;
        QString text;
        Buttons buttons;
    };

    Answer message(Kind kind, const QString &text, Buttons buttons) override
    {
        shown.append({kind, text, buttons});
        if (buttons == Buttons::Ok)
            return Answer::Ok;
        if (answers.isEmpty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return Answer::Cancel;
        }
        return answers.takeFirst();
    }
    QString openFileName(const FileRequest &) override { return QString(); }
    QString saveFileName(const FileRequest &) override { return QString(); }
    std::optional<QFont> chooseFont(const QFont &) override { return std::nullopt; }
    std::optional<QColor> chooseColor(const QColor &) override { return std::nullopt; }

    QList<Answer> answers;
    QList<Shown> shown;
};
