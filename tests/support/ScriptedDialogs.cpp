// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "ScriptedDialogs.h"

#include <utility>

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

namespace {

// The next scripted answer; none left is a cancel or a No, and counted.
template <typename T> T nextAnswer(std::deque<T>& answers, int& unscripted) {
    if (answers.empty()) return ++unscripted, T{};
    T answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace

QString ScriptedDialogs::input(const QString& prompt, const QString& title) {
    inputs_.append({prompt, title});
    if (whileOpen) whileOpen();
    return nextAnswer(inputAnswers_, unscripted_);
}

bool ScriptedDialogs::confirm(const QString& text) {
    questions_.append(text);
    if (whileOpen) whileOpen();
    return nextAnswer(confirmAnswers_, unscripted_);
}

QStringList ScriptedDialogs::takeMessages() {
    return std::exchange(messages_, {});
}
