// SPDX-License-Identifier: MIT
// Prompts answered from a queue, for the window's decisions tested without
// a window: each message shown is recorded with its buttons.
#pragma once

#include "platform/prompts.h"

#include <QList>
#include <QQueue>

#include <gtest/gtest.h>

class AnsweringPrompts : public Prompts
{
public:
    struct Shown {
        QString text;
        Buttons buttons;
    };

    Answer message(Kind, const QString &text, Buttons buttons) override
    {
        shown.append({text, buttons});
        if (answers.isEmpty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return Answer::Cancel;
        }
        return answers.dequeue();
    }
    QString openFileName(const FileRequest &) override { return {}; }
    QString saveFileName(const FileRequest &) override { return {}; }

    QQueue<Answer> answers;
    QList<Shown> shown;
};
