#include "Answers.h"

#include <algorithm>

namespace monkey {

namespace {

// Inputs that no box should take as they are: the edges of four digits, blanks, signs, decimals,
// names a save file cannot hold as typed, and a very long one.
const QStringList& badInputs() {
    static const QStringList inputs = {
        QString(),
        QStringLiteral("0"),
        QStringLiteral("00000"),
        QStringLiteral("9999"),
        QStringLiteral("10000"),
        QStringLiteral("99999"),
        QStringLiteral(" "),
        QStringLiteral("   "),
        QStringLiteral(" 50"),
        QStringLiteral("50 "),
        QStringLiteral("-5"),
        QStringLiteral("+5"),
        QStringLiteral("1.5"),
        QStringLiteral("5a"),
        QStringLiteral("Smith, John"),
        QStringLiteral(",,,"),
        QStringLiteral("Say \"hi\""),
        QStringLiteral("\""),
        QStringLiteral("\u0416\u0430\u043d\u043d\u0430"), // Cyrillic
        QStringLiteral("\u540d\u524d"),                   // CJK
        QStringLiteral("Zo\u00eb M\u00fcller"),           // Latin-1 letters
        QStringLiteral("\u20ac100"),                      // the euro sign, outside Latin-1
        QStringLiteral("Tab\there"),
        QStringLiteral("(Nobody)"),
        QString(200, QLatin1Char('x')),
        QString(200, QChar(0x0161)),
    };
    return inputs;
}

const QStringList& goodNames() {
    static const QStringList names = {QStringLiteral("Ann"), QStringLiteral("Bob Smith"),
                                      QStringLiteral("Carla"), QStringLiteral("Dee-Dee"),
                                      QStringLiteral("Ed 2")};
    return names;
}

const QStringList& goodAmounts() {
    static const QStringList amounts = {
        QStringLiteral("1"),  QStringLiteral("5"),   QStringLiteral("10"),   QStringLiteral("25"),
        QStringLiteral("50"), QStringLiteral("100"), QStringLiteral("0050"), QStringLiteral("250")};
    return amounts;
}

} // namespace

void Answers::beginStep(Step* step, Mode mode) {
    step_ = step;
    mode_ = mode;
    nextInput_ = 0;
    nextYesNo_ = 0;
    messages_.clear();
}

bool Answers::chance(double p) {
    return std::bernoulli_distribution(p)(rng_);
}

void Answers::message(const QString& text) {
    messages_.append(text);
}

QString Answers::input(const QString& prompt, const QString&) {
    if (!step_) return QString();
    if (mode_ == Mode::PlayBack)
        return nextInput_ < step_->inputs.size() ? step_->inputs.at(nextInput_++) : QString();
    const QString answer = madeUpInput(prompt);
    step_->inputs.append(answer);
    return answer;
}

bool Answers::confirm(const QString&) {
    if (!step_) return false;
    if (mode_ == Mode::PlayBack)
        return nextYesNo_ < step_->yesNo.size() ? bool(step_->yesNo[nextYesNo_++]) : false;
    const bool yes = chance(0.5);
    step_->yesNo.push_back(yes);
    return yes;
}

QString Answers::badInput() {
    return pick(badInputs());
}

QString Answers::madeUpText(bool amountLike) {
    if (chance(0.3)) return badInput();
    if (!amountLike) return pick(goodNames());
    // Now and then everything there is, which is how a purse is emptied or a cap reached.
    if (cashAtHand && chance(0.25)) {
        const int all = std::clamp(cashAtHand(), 0, 99999);
        return QString::number(chance(0.5) ? all : std::max(1, all / 2));
    }
    return pick(goodAmounts());
}

QString Answers::madeUpInput(const QString& prompt) {
    const bool amount = !prompt.contains(QLatin1String("name"), Qt::CaseInsensitive);
    return madeUpText(amount);
}

} // namespace monkey
