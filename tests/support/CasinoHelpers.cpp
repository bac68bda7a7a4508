#include "CasinoHelpers.h"

#include "engine/Cards.h"
#include "game/Paths.h"

#include <QDir>
#include <QTest>

namespace casino {

CasinoTable* sitDown(TestGame& t, int money, int slot, float deckBack) {
    t.setCurrentGame(slot, money, 0);
    t.random.queue(deckBack);
    t.screens().show(ui::ScreenId::Locations);
    return t.open<CasinoTable>(ui::ScreenId::Test);
}

void dealCards(TestGame& t, CasinoTable* table, const QString& bet,
               std::initializer_list<int> cards) {
    t.random.dealing(cards);
    t.dialogs.answerInput(bet);
    TestGame::click(table->cmdDeal);
}

namespace {

QString gameName(const TestGame& t, QString path) {
    const QString root = QDir::cleanPath(t.folder()) + QLatin1Char('/');
    if (path.startsWith(root)) path = path.mid(root.size());
    return QLatin1Char('\\') + path.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

} // namespace

QString shownPicture(const TestGame& t, const ui::Image* image) {
    return image->hasPicture() ? gameName(t, image->picturePath()) : QString();
}

QString shownPicture(const TestGame& t, const ui::ImageButton* button) {
    return button->hasPicture() ? gameName(t, button->picturePath()) : QString();
}

QString stateMismatch(const CasinoTable* table, CasinoTable::State state, bool doubleDown) {
    using State = CasinoTable::State;
    const bool betting = state == State::Betting;
    const bool turn = state == State::PlayersTurn;
    const bool over = state == State::HandOver;
    const struct {
        const QWidget* control;
        bool shown;
    } expected[] = {
        {table->cmdDeal, betting},          {table->cmdHit, turn},   {table->cmdStand, turn},
        {table->cmdDD, turn && doubleDown}, {table->cmdReset, over}, {table->picQuit, betting},
        {table->picStatus, over},           {table->lblMoney, true}, {table->Label2, true},
    };
    QStringList wrong;
    if (table->state() != state) wrong << QStringLiteral("the table is in another state");
    for (const auto& e : expected)
        if (e.control->isVisibleTo(table) != e.shown)
            wrong << e.control->objectName() + (e.shown ? " hidden" : " shown");
    // Every card slot is on the felt from the deal until the reset, the empty ones included.
    for (int k = 1; k <= engine::HandSlots; ++k)
        for (const QWidget* card : {table->PCard(k), table->DCard(k)})
            if (card->isVisibleTo(table) == betting)
                wrong << card->objectName() + (betting ? " shown" : " hidden");
    return wrong.join(QStringLiteral(", "));
}

QString facePicture(int cardNumber) {
    const engine::CardIdentity card = engine::IdentifyCard(static_cast<std::int16_t>(cardNumber));
    return QString::fromStdString(engine::CardFacePath(card.suit, card.rank));
}

} // namespace casino
