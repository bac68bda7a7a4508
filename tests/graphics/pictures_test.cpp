#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <vector>

// The pictures the game loads from its graphics folder, checked as a player would meet them:
// every file there under its exact name and size, readable, the cards true to their rank and
// suit, text areas dark enough for light text, and no seams where a picture lies on another.
namespace {

const QString graphicsDir = QStringLiteral(VANTRELL_GRAPHICS_DIR);

struct Sized {
    const char* name;
    int width;
    int height;
};

constexpr Sized placePictures[] = {
    {"StartBackground.GIF", 600, 400},
    {"CardSpades.GIF", 75, 100},
    {"CardHearts.GIF", 75, 100},
    {"CardClovers.GIF", 75, 100},
    {"CardDiamonds.GIF", 75, 100},
    {"Logo.GIF", 488, 190},
    {"Start.GIF", 160, 48},
    {"Continue.GIF", 160, 48},
    {"InstructionsButton.GIF", 160, 48},
    {"QuitButton.GIF", 160, 48},
    {"Slots.GIF", 200, 36},
    {"MainMenuButton.GIF", 104, 32},
    {"SlotFrame.GIF", 408, 96},
    {"Instructions1.GIF", 520, 270},
    {"Instructions2.GIF", 520, 270},
    {"Instructions3.GIF", 520, 270},
    {"InstructionsFinal.GIF", 520, 270},
    {"BackArrow.GIF", 48, 40},
    {"NextArrow.GIF", 48, 40},
    {"LocationsBG.GIF", 600, 400},
    {"GoButton.GIF", 104, 48},
    {"HomeBG.GIF", 600, 400},
    {"StatsPic.GIF", 128, 96},
    {"SleepPic.GIF", 128, 96},
    {"Quit.GIF", 17, 17},
    {"Background.GIF", 600, 400},
    {"Player.GIF", 81, 17},
    {"Dealer.GIF", 81, 17},
    {"Back.GIF", 75, 100},
    {"BackDeath.GIF", 75, 100},
    {"BackLove.GIF", 75, 100},
    {"None.GIF", 75, 100},
    {"HitButton.GIF", 100, 50},
    {"StandButton.GIF", 100, 50},
    {"DoubleDownButton.GIF", 100, 50},
    {"DealButton.GIF", 81, 33},
    {"Reset.GIF", 81, 33},
    {"StartButton.GIF", 81, 33},
    {"ContinueButton.GIF", 81, 33},
    {"Win.GIF", 100, 50},
    {"Lose.GIF", 100, 50},
    {"Draw.GIF", 100, 50},
    {"Busted.GIF", 100, 50},
    {"SchoolBG.GIF", 600, 400},
    {"TournamentPic.GIF", 81, 33},
    {"BankBG.GIF", 600, 400},
    {"StatusPad.GIF", 200, 200},
    {"ButtonsPad.GIF", 150, 150},
    {"DepositButton.GIF", 104, 48},
    {"WithdrawButton.GIF", 104, 48},
};

const std::array<QString, 4> suits = {QStringLiteral("Spades"), QStringLiteral("Hearts"),
                                      QStringLiteral("Clovers"), QStringLiteral("Diamonds")};

bool isRedSuit(const QString& suit) {
    return suit == QLatin1String("Hearts") || suit == QLatin1String("Diamonds");
}

QString rankWord(int rank) {
    switch (rank) {
    case 1:
        return QStringLiteral("Ace");
    case 11:
        return QStringLiteral("Jack");
    case 12:
        return QStringLiteral("Queen");
    case 13:
        return QStringLiteral("King");
    default:
        return QString::number(rank);
    }
}

QString facePath(const QString& suit, int rank) {
    const bool twoOfSpades = suit == QLatin1String("Spades") && rank == 2;
    return suit + QLatin1Char('/') + suit + rankWord(rank) +
           (twoOfSpades ? QStringLiteral(".Gif") : QStringLiteral(".GIF"));
}

QStringList expectedFiles() {
    QStringList files;
    for (const Sized& p : placePictures)
        files << QString::fromLatin1(p.name);
    for (const QString& suit : suits) {
        for (int rank = 1; rank <= 13; ++rank)
            files << facePath(suit, rank);
    }
    return files;
}

QImage load(const QString& name) {
    return QImage(QDir(graphicsDir).filePath(name)).convertToFormat(QImage::Format_RGB32);
}

bool strongRed(QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 100;
}
bool nearBlack(QRgb c) {
    return qRed(c) < 90 && qGreen(c) < 90 && qBlue(c) < 90;
}

int luminance(QRgb c) {
    return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000;
}

int channelGap(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// Counts the separate shapes whose pixels pass the test inside the rectangle.
int blobs(const QImage& image, const QRect& area, bool (*inside)(QRgb)) {
    std::vector<char> seen(size_t(area.width() * area.height()), 0);
    auto index = [&area](int x, int y) {
        return size_t((y - area.top()) * area.width() + (x - area.left()));
    };
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (seen[index(x, y)] || !inside(image.pixel(x, y))) continue;
            ++count;
            std::vector<QPoint> stack{{x, y}};
            seen[index(x, y)] = 1;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (!area.contains(q) || seen[index(q.x(), q.y())] || !inside(image.pixel(q)))
                        continue;
                    seen[index(q.x(), q.y())] = 1;
                    stack.push_back(q);
                }
            }
        }
    }
    return count;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

  private slots:
    void everyPictureLoadsAtItsSize_data();
    void everyPictureLoadsAtItsSize();
    void graphicsFolderHoldsExactlyTheGamePictures();
    void noTwoPicturesAreTheSame();
    void desktopIconIsARoundedTile();

    void facesShowTheirPips_data();
    void facesShowTheirPips();
    void cornersShowTheSuitColourAndTurnRound_data();
    void cornersShowTheSuitColourAndTurnRound();

    void textAreasStayDark_data();
    void textAreasStayDark();
    void picturesSitSeamlesslyOnTheirGround_data();
    void picturesSitSeamlesslyOnTheirGround();
    void emptySlotBlendsIntoEveryCardPlace();
    void logoLeavesTheUpperCornerCardsWhole();

    void drawingAgainGivesTheSameBytes();
};

void PicturesTest::everyPictureLoadsAtItsSize_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    for (const Sized& p : placePictures)
        QTest::newRow(p.name) << QString::fromLatin1(p.name) << QSize(p.width, p.height);
    for (const QString& suit : suits) {
        for (int rank = 1; rank <= 13; ++rank) {
            const QString path = facePath(suit, rank);
            QTest::newRow(qPrintable(path)) << path << QSize(75, 100);
        }
    }
}

void PicturesTest::everyPictureLoadsAtItsSize() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QImage image(QDir(graphicsDir).filePath(name));
    QVERIFY2(!image.isNull(), qPrintable(name));
    QCOMPARE(image.size(), size);
    // A GIF holds at most 256 colours; more means the file is not what it claims.
    QSet<QRgb> colours;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x)
            colours.insert(rgb.pixel(x, y));
    }
    QVERIFY(colours.size() >= 2 && colours.size() <= 256);
}

void PicturesTest::graphicsFolderHoldsExactlyTheGamePictures() {
    QStringList found;
    QDirIterator it(graphicsDir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(graphicsDir).relativeFilePath(it.next());
    found.sort();
    QStringList expected = expectedFiles();
    expected.sort();
    QCOMPARE(found, expected);
    // The one odd extension: the two of spades is never found under an upper-case ".GIF".
    QVERIFY(!found.contains(QStringLiteral("Spades/Spades2.GIF")));
}

void PicturesTest::noTwoPicturesAreTheSame() {
    QHash<QByteArray, QString> byContent;
    for (const QString& name : expectedFiles()) {
        QFile file(QDir(graphicsDir).filePath(name));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
        const QByteArray hash = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1);
        QVERIFY2(!byContent.contains(hash),
                 qPrintable(name + QStringLiteral(" repeats ") + byContent.value(hash)));
        byContent.insert(hash, name);
    }
}

void PicturesTest::desktopIconIsARoundedTile() {
    const QImage icon(QDir(graphicsDir).filePath(QStringLiteral("../vantrell.png")));
    QCOMPARE(icon.size(), QSize(128, 128));
    QVERIFY(icon.hasAlphaChannel());
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(127, 127)), 0);
    QCOMPARE(qAlpha(icon.pixel(64, 64)), 255);
}

void PicturesTest::facesShowTheirPips_data() {
    QTest::addColumn<QString>("suit");
    QTest::addColumn<int>("rank");
    for (const QString& suit : suits) {
        for (int rank = 1; rank <= 10; ++rank)
            QTest::addRow("%s %d", qPrintable(suit), rank) << suit << rank;
    }
}

void PicturesTest::facesShowTheirPips() {
    QFETCH(QString, suit);
    QFETCH(int, rank);
    const QImage face = load(facePath(suit, rank));
    // The middle of the card, between the two corner indexes.
    const QRect middle(19, 4, 37, 92);
    const bool red = isRedSuit(suit);
    QCOMPARE(blobs(face, middle, red ? strongRed : nearBlack), rank);
    QCOMPARE(blobs(face, middle, red ? nearBlack : strongRed), 0);
}

void PicturesTest::cornersShowTheSuitColourAndTurnRound_data() {
    QTest::addColumn<QString>("suit");
    QTest::addColumn<int>("rank");
    for (const QString& suit : suits) {
        for (int rank = 1; rank <= 13; ++rank)
            QTest::addRow("%s %s", qPrintable(suit), qPrintable(rankWord(rank))) << suit << rank;
    }
}

void PicturesTest::cornersShowTheSuitColourAndTurnRound() {
    QFETCH(QString, suit);
    QFETCH(int, rank);
    const QImage face = load(facePath(suit, rank));
    const QRect index(1, 1, 17, 33);
    int red = 0, black = 0, unlike = 0;
    for (int y = index.top(); y <= index.bottom(); ++y) {
        for (int x = index.left(); x <= index.right(); ++x) {
            const QRgb c = face.pixel(x, y);
            red += strongRed(c);
            black += nearBlack(c);
            unlike += channelGap(c, face.pixel(face.width() - 1 - x, face.height() - 1 - y)) > 80;
        }
    }
    if (isRedSuit(suit)) {
        QVERIFY(red > 40);
        QCOMPARE(black, 0);
    } else {
        QVERIFY(black > 40);
        QCOMPARE(red, 0);
    }
    // The lower-right index is the upper-left one turned half round.
    QVERIFY2(unlike * 30 < index.width() * index.height(), qPrintable(QString::number(unlike)));
}

void PicturesTest::textAreasStayDark_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("area");
    QTest::newRow("slot screen instruction line")
        << QStringLiteral("StartBackground.GIF") << QRect(8, 48, 529, 17);
    QTest::newRow("instructions page number")
        << QStringLiteral("StartBackground.GIF") << QRect(480, 336, 113, 17);
    QTest::newRow("slot name and money")
        << QStringLiteral("SlotFrame.GIF") << QRect(32, 16, 313, 65);
    QTest::newRow("town caption") << QStringLiteral("LocationsBG.GIF") << QRect(16, 8, 177, 25);
    QTest::newRow("town description")
        << QStringLiteral("LocationsBG.GIF") << QRect(328, 48, 225, 113);
    QTest::newRow("home stats") << QStringLiteral("HomeBG.GIF") << QRect(80, 152, 450, 137);
    QTest::newRow("school description")
        << QStringLiteral("SchoolBG.GIF") << QRect(216, 128, 337, 89);
    QTest::newRow("casino money and bet")
        << QStringLiteral("Background.GIF") << QRect(0, 312, 145, 73);
    QTest::newRow("tournament round") << QStringLiteral("Background.GIF") << QRect(0, 304, 177, 33);
    QTest::newRow("bank account figure")
        << QStringLiteral("StatusPad.GIF") << QRect(16, 48, 169, 49);
    QTest::newRow("bank status line") << QStringLiteral("StatusPad.GIF") << QRect(16, 136, 169, 49);
}

void PicturesTest::textAreasStayDark() {
    QFETCH(QString, name);
    QFETCH(QRect, area);
    const QImage image = load(name);
    int light = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            light += luminance(image.pixel(x, y)) > 100;
    }
    // Light text must read everywhere in the area: almost nothing in it may be bright.
    QVERIFY2(light * 100 < area.width() * area.height(), qPrintable(QString::number(light)));
}

void PicturesTest::picturesSitSeamlesslyOnTheirGround_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("ground");
    QTest::addColumn<QPoint>("at");
    const QString table = QStringLiteral("Background.GIF");
    const QString menu = QStringLiteral("StartBackground.GIF");
    const struct {
        const char* name;
        QString ground;
        QPoint at;
    } rows[] = {
        {"Dealer.GIF", table, {0, 0}},
        {"Player.GIF", table, {0, 168}},
        {"HitButton.GIF", table, {480, 168}},
        {"StandButton.GIF", table, {480, 224}},
        {"DoubleDownButton.GIF", table, {480, 280}},
        {"DealButton.GIF", table, {488, 344}},
        {"Reset.GIF", table, {488, 344}},
        {"StartButton.GIF", table, {488, 344}},
        {"ContinueButton.GIF", table, {488, 280}},
        {"Win.GIF", table, {232, 128}},
        {"Lose.GIF", table, {232, 128}},
        {"Draw.GIF", table, {232, 128}},
        {"Busted.GIF", table, {232, 128}},
        {"Back.GIF", table, {464, 48}},
        {"BackDeath.GIF", table, {464, 48}},
        {"BackLove.GIF", table, {464, 48}},
        {"Back.GIF", table, {504, 104}},
        {"Hearts/HeartsKing.GIF", table, {72, 184}},
        {"CardSpades.GIF", menu, {0, 0}},
        {"CardHearts.GIF", menu, {520, 0}},
        {"CardClovers.GIF", menu, {0, 296}},
        {"CardDiamonds.GIF", menu, {528, 296}},
        {"Start.GIF", menu, {184, 280}},
        {"Continue.GIF", menu, {352, 280}},
        {"InstructionsButton.GIF", menu, {184, 336}},
        {"QuitButton.GIF", menu, {352, 336}},
        {"Slots.GIF", menu, {248, 8}},
        {"MainMenuButton.GIF", menu, {488, 8}},
        {"MainMenuButton.GIF", menu, {0, 0}},
        {"MainMenuButton.GIF", QStringLiteral("HomeBG.GIF"), {400, 208}},
        {"Instructions1.GIF", menu, {40, 56}},
        {"BackArrow.GIF", menu, {480, 352}},
        {"NextArrow.GIF", menu, {536, 352}},
        {"GoButton.GIF", QStringLiteral("LocationsBG.GIF"), {472, 280}},
        {"StatsPic.GIF", QStringLiteral("HomeBG.GIF"), {120, 96}},
        {"SleepPic.GIF", QStringLiteral("HomeBG.GIF"), {400, 96}},
        {"TournamentPic.GIF", QStringLiteral("SchoolBG.GIF"), {64, 112}},
        {"StatusPad.GIF", QStringLiteral("BankBG.GIF"), {24, 96}},
        {"ButtonsPad.GIF", QStringLiteral("BankBG.GIF"), {424, 224}},
        {"DepositButton.GIF", QStringLiteral("ButtonsPad.GIF"), {24, 16}},
        {"WithdrawButton.GIF", QStringLiteral("ButtonsPad.GIF"), {24, 80}},
    };
    for (const auto& row : rows) {
        QTest::addRow("%s on %s at %d,%d", row.name, qPrintable(row.ground), row.at.x(), row.at.y())
            << QString::fromLatin1(row.name) << row.ground << row.at;
    }
}

void PicturesTest::picturesSitSeamlesslyOnTheirGround() {
    QFETCH(QString, name);
    QFETCH(QString, ground);
    QFETCH(QPoint, at);
    const QImage picture = load(name);
    const QImage under = load(ground);
    // The rounded corners show the ground they were drawn on; it must be the ground they lie on.
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(picture.width() - 1, 0), QPoint(0, picture.height() - 1),
          QPoint(picture.width() - 1, picture.height() - 1)}) {
        if (!under.rect().contains(at + corner)) continue;
        const int gap = channelGap(picture.pixel(corner), under.pixel(at + corner));
        QVERIFY2(gap <= 24, qPrintable(QStringLiteral("corner %1,%2 differs by %3")
                                           .arg(corner.x())
                                           .arg(corner.y())
                                           .arg(gap)));
    }
}

void PicturesTest::emptySlotBlendsIntoEveryCardPlace() {
    const QImage empty = load(QStringLiteral("None.GIF"));
    const QImage table = load(QStringLiteral("Background.GIF"));
    std::vector<QPoint> places;
    for (int k = 0; k < 6; ++k) {
        for (int top : {16, 184}) {
            places.push_back({72 * k, top});     // the casino
            places.push_back({8 + 80 * k, top}); // the tournament
        }
    }
    // The whole rim of the empty slot is bare felt and must match the cloth at every place.
    for (const QPoint at : places) {
        int worst = 0;
        for (int x = 0; x < empty.width(); ++x) {
            for (int y : {0, empty.height() - 1})
                worst =
                    std::max(worst, channelGap(empty.pixel(x, y), table.pixel(at + QPoint(x, y))));
        }
        for (int y = 0; y < empty.height(); ++y) {
            for (int x : {0, empty.width() - 1})
                worst =
                    std::max(worst, channelGap(empty.pixel(x, y), table.pixel(at + QPoint(x, y))));
        }
        QVERIFY2(worst <= 8,
                 qPrintable(QStringLiteral("at %1,%2 by %3").arg(at.x()).arg(at.y()).arg(worst)));
    }
}

void PicturesTest::drawingAgainGivesTheSameBytes() {
    // The generator sits in the build tree beside the program folder that holds the pictures.
    const QString generator =
        QDir(graphicsDir).filePath(QStringLiteral("../../tools/graphics/vantrell-graphics"));
    if (!QFile::exists(generator)) QSKIP("the picture generator is not in this build tree");
    QTemporaryDir fresh;
    QVERIFY(fresh.isValid());
    QProcess run;
    run.setProcessEnvironment([] {
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return env;
    }());
    run.start(generator, {fresh.path()});
    QVERIFY(run.waitForFinished(60000));
    QCOMPARE(run.exitCode(), 0);
    for (const QString& name : expectedFiles()) {
        QFile before(QDir(graphicsDir).filePath(name));
        QFile again(QDir(fresh.path()).filePath(QStringLiteral("Graphics/") + name));
        QVERIFY(before.open(QIODevice::ReadOnly) && again.open(QIODevice::ReadOnly));
        QVERIFY2(before.readAll() == again.readAll(), qPrintable(name));
    }
}

QTEST_GUILESS_MAIN(PicturesTest)
#include "pictures_test.moc"

// The logo's rectangle reaches over the lower corners of the two upper corner cards: where it
// does, it must show the cards, not cut them off.
void PicturesTest::logoLeavesTheUpperCornerCardsWhole() {
    const QDir dir(graphicsDir);
    const QImage logo = QImage(dir.filePath("Logo.GIF")).convertToFormat(QImage::Format_RGB32);
    const QImage spades =
        QImage(dir.filePath("CardSpades.GIF")).convertToFormat(QImage::Format_RGB32);
    const QImage hearts =
        QImage(dir.filePath("CardHearts.GIF")).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!logo.isNull() && !spades.isNull() && !hearts.isNull());
    // Average difference per pixel over the overlap: the colours may be dithered, not replaced.
    const auto difference = [&logo](const QImage& card, int cardLeft, int fromX, int toX) {
        long total = 0, pixels = 0;
        for (int y = 72; y < 100; ++y) {
            for (int x = fromX; x < toX; ++x, ++pixels) {
                const QRgb a = logo.pixel(x - 56, y - 72), b = card.pixel(x - cardLeft, y);
                total += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) +
                         qAbs(qBlue(a) - qBlue(b));
            }
        }
        return total / pixels;
    };
    QVERIFY2(difference(spades, 0, 56, 75) < 20, "the ace of spades is cut off");
    QVERIFY2(difference(hearts, 520, 520, 544) < 20, "the ace of hearts is cut off");
}
