// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "CasinoHelpers.h"

#include "engine/Cards.h"

#include <QDir>

namespace casino {

CasinoTable* sitDown(TestGame& t, int money, int slot, float deckBack) {
    t.setCurrentGame(slot, money, 0);
    t.random.queue(deckBack);
    t.screens().show(ui::ScreenId::Locations);
    return t.open<CasinoTable>(ui::ScreenId::Test);
}

void dealCards(TestGame& t, CasinoTable* table, const QString& bet, const QList<int>& cards) {
    t.random.dealing(std::vector<int>(cards.begin(), cards.end()));
    t.dialogs.answerInput(bet);
    TestGame::click(table->cmdDeal);
}

QString gameName(const TestGame& t, QString path) {
    const QString root = QDir::cleanPath(t.folder()) + QLatin1Char('/');
    if (path.startsWith(root)) path = path.mid(root.size());
    return QLatin1Char('\\') + path.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

QString shownControls(const CasinoTable* table) {
    QStringList shown;
    const QWidget* controls[] = {table->cmdDeal,  table->cmdHit,  table->cmdStand, table->cmdDD,
                                 table->cmdReset, table->picQuit, table->picStatus};
    for (const QWidget* control : controls)
        if (control->isVisibleTo(table)) shown << control->objectName();
    int cards = 0;
    for (int k = 1; k <= engine::HandSlots; ++k)
        cards +=
            int{table->PCard(k)->isVisibleTo(table)} + int{table->DCard(k)->isVisibleTo(table)};
    if (cards > 0) shown << QStringLiteral("%1 cards").arg(cards);
    return shown.join(QLatin1Char(' '));
}

QString facePicture(int cardNumber) {
    const engine::CardIdentity card = engine::IdentifyCard(static_cast<std::int16_t>(cardNumber));
    return QString::fromStdString(engine::CardFacePath(card.suit, card.rank));
}

} // namespace casino
