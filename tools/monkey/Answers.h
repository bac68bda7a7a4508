#pragma once

#include "Step.h"
#include "ui/Dialogs.h"

#include <QStringList>
#include <functional>
#include <random>

namespace monkey {

// The player's hand on the modal boxes. While steps are being made up, every box is answered by
// a seeded choice (OK; a typed text drawn from good and bad inputs; Yes or No) and the answer is
// written into the step. While steps are played again, the answers come back from the step; a
// box the step did not answer is cancelled (or answered No).
class Answers final : public ui::Dialogs {
  public:
    enum class Mode { MakeUp, PlayBack };

    explicit Answers(std::mt19937& rng) : rng_(rng) {}

    // The step whose boxes are answered from now on.
    void beginStep(Step* step, Mode mode);

    void message(const QString& text) override;
    QString input(const QString& prompt, const QString& title) override;
    bool confirm(const QString& text) override;

    // The message boxes shown during the current step.
    const QStringList& messages() const { return messages_; }

    // The cash the player has at hand and in the bank, for answers that a sensible player would
    // type; empty when not known.
    std::function<int()> cashAtHand;

    // A typed text drawn from the same good and bad inputs the boxes get; `amountLike` favours
    // sums of money, otherwise names.
    QString madeUpText(bool amountLike);

  private:
    QString madeUpInput(const QString& prompt);
    QString badInput();
    bool chance(double p);
    template <typename List> const auto& pick(const List& list) {
        return list[std::uniform_int_distribution<int>(0, static_cast<int>(list.size()) - 1)(rng_)];
    }

    std::mt19937& rng_;
    Step* step_ = nullptr;
    Mode mode_ = Mode::PlayBack;
    int nextInput_ = 0;
    std::size_t nextYesNo_ = 0;
    QStringList messages_;
};

} // namespace monkey
