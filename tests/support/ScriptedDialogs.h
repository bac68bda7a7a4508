// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/Dialogs.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <functional>

// Answers the game's modal boxes from a script and records every box shown, in order.
//
//     dialogs.answerInput("50");       // the next input box returns "50"
//     click(table->cmdDeal);
//     QCOMPARE(dialogs.takeMessages(), QStringList{});
//
// An input box with no scripted answer returns the empty text, as a cancel does; a Yes/No
// question with none answers No. Both are counted in unscripted().
class ScriptedDialogs final : public ui::Dialogs {
public:
    struct InputBox {
        QString prompt;
        QString title;
    };

    ScriptedDialogs& answerInput(const QString& text);
    ScriptedDialogs& answerConfirm(bool yes);

    void message(const QString& text) override;
    QString input(const QString& prompt, const QString& title) override;
    bool confirm(const QString& text) override;

    // Every message box text since the last take, in order.
    QStringList takeMessages();
    const QStringList& messages() const { return messages_; }
    const QList<InputBox>& inputBoxes() const { return inputs_; }
    const QStringList& questions() const { return questions_; }
    int unscripted() const { return unscripted_; }

    // Runs while a box is open, as events the player made before it appeared would.
    std::function<void()> whileOpen;

private:
    std::deque<QString> inputAnswers_;
    std::deque<bool> confirmAnswers_;
    QStringList messages_;
    QList<InputBox> inputs_;
    QStringList questions_;
    int unscripted_ = 0;
};
