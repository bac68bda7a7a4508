#include "engine/Cards.h"
#include "support/ScriptedRandom.h"

#include <QTest>
#include <cmath>
#include <limits>
#include <set>

using engine::HandState;

namespace {

constexpr int Grid = 1 << 24; // every value the game's generator can give is k / 2^24

// A source that hands out the values k / 2^24 in turn, to count what each one gives.
class GridRandom final : public engine::RandomSource {
  public:
    void reseedFromClock() override {}
    float next() override { return static_cast<float>(k_++) / static_cast<float>(Grid); }

  private:
    int k_ = 0;
};

// The largest float r with r x factor below the edge, and the smallest above it.
float lastBelow(double edge, double factor) {
    float r = static_cast<float>(edge / factor);
    while (static_cast<double>(r) * factor >= edge)
        r = std::nextafter(r, 0.0f);
    while (static_cast<double>(std::nextafter(r, 1.0f)) * factor < edge)
        r = std::nextafter(r, 1.0f);
    return r;
}

float firstAbove(double edge, double factor) {
    float r = std::nextafter(lastBelow(edge, factor), 1.0f);
    while (static_cast<double>(r) * factor <= edge)
        r = std::nextafter(r, 1.0f);
    return r;
}

std::int64_t frozenClock() {
    return 1'700'000'000'000'000'000;
}
std::int64_t otherFrozenClock() {
    return 1'700'000'000'000'000'001;
}

QList<int> drawnNumbers(const HandState& hand, int count) {
    QList<int> numbers;
    for (int k = 1; k <= count; ++k)
        numbers.append(hand.CardNumbers(k));
    return numbers;
}

bool allDifferent(const HandState& hand) {
    std::set<int> seen(hand.CardNumbers.begin(), hand.CardNumbers.end());
    return seen.size() == static_cast<std::size_t>(engine::DrawnCards) && !seen.contains(0);
}

} // namespace

class DrawTest : public QObject {
    Q_OBJECT

  private slots:
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void valueGivesCardNumber_data();
    void valueGivesCardNumber();
    void everyCardIsReachable();
    void cardWeightsFollowTheRounding();
    void repeatsAreDrawnAgainAtTheSamePosition_data();
    void repeatsAreDrawnAgainAtTheSamePosition();
    void reseedsBeforeEverySingleDraw();
    void drawFillsSuitsAndRanks();
    void countOutsideTheTableDrawsNothing_data();
    void countOutsideTheTableDrawsNothing();
    void clockRandomKeepsGoingWithinOneTick();
    void clockRandomBringsInTheClock();
    void clockRandomDealsFreshHands();
    void deckBackByValue_data();
    void deckBackByValue();
    void deckBackWeights();
    void deckBackPictures();
};

void DrawTest::roundsHalvesToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("6.5 down to even") << 6.5 << 6;
    QTest::newRow("19.5 up to even") << 19.5 << 20;
    QTest::newRow("51.5 up to even") << 51.5 << 52;
    QTest::newRow("0.5 down to 0") << 0.5 << 0;
    QTest::newRow("1.5 up to 2") << 1.5 << 2;
    QTest::newRow("2.5 down to 2") << 2.5 << 2;
    QTest::newRow("just above a half") << std::nextafter(2.5, 3.0) << 3;
    QTest::newRow("just below a half") << std::nextafter(3.5, 3.0) << 3;
    QTest::newRow("whole number") << 7.0 << 7;
    QTest::newRow("negative half") << -2.5 << -2;
    QTest::newRow("negative odd half") << -1.5 << -2;
    QTest::newRow("beyond 16 bits") << 1e9 << 32767;
    QTest::newRow("below 16 bits") << -1e9 << -32768;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0;
}

void DrawTest::roundsHalvesToEven() {
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(engine::RoundHalfEven(value), expected);
}

void DrawTest::valueGivesCardNumber_data() {
    // Only r x 52 = 6.5, 19.5, 32.5 and 45.5 are exact halves that a float r can give; around
    // the other edges the neighbouring floats show on which side the edge lies.
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("number");
    QTest::newRow("r = 0 is the ace of spades") << 0.0f << 1;
    QTest::newRow("r x 52 just below 0.5") << lastBelow(0.5, 52) << 1;
    QTest::newRow("r x 52 just above 0.5") << firstAbove(0.5, 52) << 1;
    QTest::newRow("r x 52 just below 1.5") << lastBelow(1.5, 52) << 1;
    QTest::newRow("r x 52 just above 1.5") << firstAbove(1.5, 52) << 2;
    QTest::newRow("r x 52 exactly 6.5") << 0.125f << 6;
    QTest::newRow("r x 52 exactly 19.5") << 0.375f << 20;
    QTest::newRow("r x 52 exactly 32.5") << 0.625f << 32;
    QTest::newRow("r x 52 exactly 45.5") << 0.875f << 46;
    QTest::newRow("r x 52 just below 51.5") << lastBelow(51.5, 52) << 51;
    QTest::newRow("r x 52 just above 51.5") << firstAbove(51.5, 52) << 52;
    QTest::newRow("largest float below 1") << std::nextafter(1.0f, 0.0f) << 52;
}

void DrawTest::valueGivesCardNumber() {
    QFETCH(float, r);
    QFETCH(int, number);
    QCOMPARE(engine::CardNumberFor(r), number);
}

void DrawTest::everyCardIsReachable() {
    for (int n = 1; n <= 52; ++n)
        QCOMPARE(engine::CardNumberFor(ScriptedRandom::valueForCard(n)), n);
}

void DrawTest::cardWeightsFollowTheRounding() {
    // Over every value the generator can give: the ace of spades takes one and a half widths,
    // the king of diamonds half a width, every other card one.
    std::array<int, 54> hits{};
    for (int k = 0; k < Grid; ++k)
        ++hits.at(static_cast<std::size_t>(engine::CardNumberFor(static_cast<float>(k) / Grid)));
    const double width = Grid / 52.0;
    QCOMPARE(hits[0], 0);
    QCOMPARE(hits[53], 0);
    QVERIFY(std::abs(hits[1] - 1.5 * width) <= 1.0);
    QVERIFY(std::abs(hits[52] - 0.5 * width) <= 1.0);
    for (int n = 2; n <= 51; ++n)
        QVERIFY2(std::abs(hits.at(static_cast<std::size_t>(n)) - width) <= 1.0,
                 qPrintable(QString::number(n)));
}

void DrawTest::repeatsAreDrawnAgainAtTheSamePosition_data() {
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QList<int>>("drawn");
    QTest::newRow("repeat of the card before")
        << QList<int>{5, 5, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}
        << QList<int>{5, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
    QTest::newRow("repeat of the first card, late in the draw")
        << QList<int>{30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 30, 52}
        << QList<int>{30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 52};
    QTest::newRow("several repeats in a row")
        << QList<int>{1, 2, 1, 2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11}
        << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
}

void DrawTest::repeatsAreDrawnAgainAtTheSamePosition() {
    QFETCH(QList<int>, script);
    QFETCH(QList<int>, drawn);
    ScriptedRandom random;
    for (int n : script)
        random.queue(ScriptedRandom::valueForCard(n));
    HandState hand;
    const std::int16_t count = static_cast<std::int16_t>(drawn.size());
    engine::DrawCards(hand, count, random);
    QCOMPARE(drawnNumbers(hand, count), drawn);
    QCOMPARE(random.draws(), script.size());
    QCOMPARE(random.valuesPastScript(), 0);
}

void DrawTest::reseedsBeforeEverySingleDraw() {
    ScriptedRandom random;
    random.dealing({40, 40, 40, 41, 41, 42}); // three redraws among the first cards
    HandState hand;
    engine::DrawCards(hand, 12, random);
    QVERIFY(allDifferent(hand));
    QCOMPARE(random.drawsWithoutReseed(), 0);
    QCOMPARE(random.reseeds(), random.draws());
    QCOMPARE(random.draws(), 12 + 3);
}

void DrawTest::drawFillsSuitsAndRanks() {
    ScriptedRandom random;
    random.dealing({52, 1, 27, 14, 13, 40, 26, 39, 2, 28, 15, 41});
    HandState hand;
    engine::DrawCards(hand, 12, random);
    for (int k = 1; k <= 12; ++k) {
        const engine::CardIdentity card = engine::IdentifyCard(hand.CardNumbers(k));
        QCOMPARE(hand.CardSuits(k), card.suit);
        QCOMPARE(hand.CardRanks(k), card.rank);
    }
    QCOMPARE(hand.CardSuits(1), std::string("Diamonds"));
    QCOMPARE(hand.CardRanks(1), 13);
}

void DrawTest::countOutsideTheTableDrawsNothing_data() {
    QTest::addColumn<int>("count");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -1;
    QTest::newRow("thirteen") << 13;
}

void DrawTest::countOutsideTheTableDrawsNothing() {
    QFETCH(int, count);
    ScriptedRandom random;
    HandState hand;
    hand.CardNumbers(1) = 44;
    engine::DrawCards(hand, static_cast<std::int16_t>(count), random);
    QCOMPARE(random.draws(), 0);
    QCOMPARE(hand.CardNumbers(1), 44);
}

void DrawTest::clockRandomKeepsGoingWithinOneTick() {
    // A clock that never moves: re-seeding must not start the sequence over, or the redraw of
    // a repeated card would repeat it for ever.
    engine::ClockRandom random(&frozenClock);
    int repeats = 0;
    for (int pair = 0; pair < 1000; ++pair) {
        random.reseedFromClock();
        const float first = random.next();
        random.reseedFromClock();
        const float second = random.next();
        QVERIFY(first >= 0.0f && first < 1.0f);
        repeats += first == second ? 1 : 0;
    }
    QVERIFY2(repeats < 5, qPrintable(QString::number(repeats)));

    HandState hand;
    for (int deal = 0; deal < 200; ++deal) {
        engine::DrawCards(hand, 12, random);
        QVERIFY(allDifferent(hand));
    }
}

void DrawTest::clockRandomBringsInTheClock() {
    engine::ClockRandom one(&frozenClock);
    engine::ClockRandom same(&frozenClock);
    engine::ClockRandom other(&otherFrozenClock);
    one.reseedFromClock();
    same.reseedFromClock();
    other.reseedFromClock();
    const float value = one.next();
    QCOMPARE(same.next(), value);
    QVERIFY(other.next() != value);
}

void DrawTest::clockRandomDealsFreshHands() {
    // The real clock: many hands in a row all hold twelve different cards, and between them
    // the whole deck turns up.
    engine::ClockRandom random;
    HandState hand;
    std::set<int> seen;
    std::set<QList<int>> hands;
    for (int deal = 0; deal < 500; ++deal) {
        engine::DrawCards(hand, 12, random);
        QVERIFY(allDifferent(hand));
        seen.insert(hand.CardNumbers.begin(), hand.CardNumbers.end());
        hands.insert(drawnNumbers(hand, 12));
    }
    QCOMPARE(seen.size(), std::size_t{52});
    QCOMPARE(hands.size(), std::size_t{500});
}

void DrawTest::deckBackByValue_data() {
    // r x 3 below 1.5 gives the plain back (0 joins 1), 1.5 up to 2.5 the death back, above it
    // the love back.
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("back");
    QTest::newRow("r = 0") << 0.0f << 1;
    QTest::newRow("r x 3 just above 0.5") << firstAbove(0.5, 3) << 1;
    QTest::newRow("r x 3 just below 1.5") << lastBelow(1.5, 3) << 1;
    QTest::newRow("r x 3 exactly 1.5") << 0.5f << 2;
    QTest::newRow("r x 3 just below 2.5") << lastBelow(2.5, 3) << 2;
    QTest::newRow("r x 3 just above 2.5") << firstAbove(2.5, 3) << 3;
    QTest::newRow("largest float below 1") << std::nextafter(1.0f, 0.0f) << 3;
}

void DrawTest::deckBackByValue() {
    QFETCH(float, r);
    QFETCH(int, back);
    ScriptedRandom random;
    random.queue(r);
    QCOMPARE(engine::ChooseDeckBack(random), back);
    QCOMPARE(random.drawsWithoutReseed(), 0);
}

void DrawTest::deckBackWeights() {
    GridRandom random;
    std::array<int, 4> hits{};
    for (int k = 0; k < Grid; ++k)
        ++hits.at(static_cast<std::size_t>(engine::ChooseDeckBack(random)));
    QCOMPARE(hits[0], 0);
    QCOMPARE(hits[1], Grid / 2);
    QVERIFY(std::abs(hits[2] - Grid / 3.0) <= 1.0);
    QVERIFY(std::abs(hits[3] - Grid / 6.0) <= 1.0);
}

void DrawTest::deckBackPictures() {
    QCOMPARE(engine::DeckBackPicture(1), std::string("\\Graphics\\Back.GIF"));
    QCOMPARE(engine::DeckBackPicture(2), std::string("\\Graphics\\BackDeath.GIF"));
    QCOMPARE(engine::DeckBackPicture(3), std::string("\\Graphics\\BackLove.GIF"));
    QCOMPARE(engine::DeckBackPicture(0), std::string());
    QCOMPARE(engine::DeckBackPicture(4), std::string());
}

QTEST_APPLESS_MAIN(DrawTest)
#include "draw_test.moc"
