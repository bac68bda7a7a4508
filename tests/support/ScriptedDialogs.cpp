// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "ScriptedDialogs.h"

ScriptedDialogs& ScriptedDialogs::answerInput(const QString& text) {
    inputAnswers_.push_back(text);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerConfirm(bool yes) {
    confirmAnswers_.push_back(yes);
    return *this;
}

void ScriptedDialogs::message(const QString& text) {
    messages_.append(text);
    if (whileOpen) whileOpen();
}

QString ScriptedDialogs::input(const QString& prompt, const QString& title) {
    inputs_.append({prompt, title});
    if (whileOpen) whileOpen();
    if (inputAnswers_.empty()) {
        ++unscripted_;
        return QString();
    }
    QString answer = inputAnswers_.front();
    inputAnswers_.pop_front();
    return answer;
}

bool ScriptedDialogs::confirm(const QString& text) {
    questions_.append(text);
    if (whileOpen) whileOpen();
    if (confirmAnswers_.empty()) {
        ++unscripted_;
        return false;
    }
    const bool answer = confirmAnswers_.front();
    confirmAnswers_.pop_front();
    return answer;
}

QStringList ScriptedDialogs::takeMessages() {
    QStringList taken = messages_;
    messages_.clear();
    return taken;
}
