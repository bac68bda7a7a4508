// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "engine/Cards.h"
#include "game/Paths.h"
#include "support/TestGame.h"
#include "ui/GifReader.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const game::ProgramFolder program(QStringLiteral(VANTRELL_GRAPHICS_DIR "/.."));
const char* const suits[] = {"Spades", "Hearts", "Clovers", "Diamonds"};

// Every picture the game names, with the size it is drawn at.
QMap<QString, QSize> gamePictures() {
    const QString bySize = "600x400 StartBackground LocationsBG HomeBG Background SchoolBG BankBG;"
                           "75x100 CardSpades CardHearts CardClovers CardDiamonds Back BackDeath "
                           "BackLove None;160x48 Start Continue InstructionsButton QuitButton;"
                           "520x270 Instructions1 Instructions2 Instructions3 InstructionsFinal;"
                           "100x50 HitButton StandButton DoubleDownButton Win Lose Draw Busted;"
                           "81x33 DealButton Reset StartButton ContinueButton TournamentPic;"
                           "104x48 GoButton DepositButton WithdrawButton;81x17 Player Dealer;"
                           "48x40 BackArrow NextArrow;128x96 StatsPic SleepPic;488x190 Logo;"
                           "200x36 Slots;104x32 MainMenuButton;408x96 SlotFrame;17x17 Quit;"
                           "200x200 StatusPad;150x150 ButtonsPad";
    QMap<QString, QSize> pictures;
    for (const QString& group : bySize.split(';')) {
        const QStringList words = group.split(' '), wh = words[0].split('x');
        for (const QString& name : words.mid(1))
            pictures[program.path("\\Graphics\\" + name + ".GIF")] = {wh[0].toInt(), wh[1].toInt()};
    }
    for (const char* suit : suits)
        for (std::int16_t rank = 1; rank <= 13; ++rank)
            pictures[program.path(engine::CardFacePath(suit, rank))] = {75, 100};
    return pictures;
}

// The pictures that carry words, drawn again in German; those whose German words are spelt as the
// English ones are not, and the game shows the English picture.
const QStringList wordPictures = QString("Background Dealer Player HitButton StandButton "
                                         "DoubleDownButton DealButton Reset ContinueButton Win "
                                         "Lose Draw Busted Logo Start Continue InstructionsButton "
                                         "QuitButton Slots MainMenuButton Instructions1 "
                                         "Instructions2 Instructions3 InstructionsFinal GoButton "
                                         "HomeBG StatsPic SleepPic SchoolBG TournamentPic BankBG "
                                         "StatusPad DepositButton WithdrawButton")
                                     .split(' ');
const QStringList sameInGerman = {"StartButton", "LocationsBG"};

// The mean colour of an area of a card's face.
QRgb mean(const char* suit, int rank, const QRect& area) {
    const QImage face(program.path(engine::CardFacePath(suit, std::int16_t(rank))));
    const QImage part = face.convertToFormat(QImage::Format_RGB32).copy(area);
    return part.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(0, 0);
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT
  private slots:
    void everyPictureDecodesAtItsSize() {
        const auto pictures = gamePictures();
        QSet<QByteArray> contents;
        for (auto it = pictures.begin(); it != pictures.end(); ++it) {
            QFile file(it.key());
            QVERIFY2(file.open(QFile::ReadOnly), qPrintable(it.key()));
            contents.insert(file.readAll());
            // The sharp copy for a high-density screen, at twice the size. The game's own reader
            // gives each exactly what Qt's does.
            const QString sharp = it.key().section('.', 0, -2) + "@2x." + it.key().section('.', -1);
            for (const auto& [path, size] :
                 {std::pair(it.key(), it.value()), std::pair(sharp, it.value() * 2)}) {
                const QImage picture(path);
                QCOMPARE(picture.size(), size);
                QVERIFY2(ui::readOwnGif(path) == picture, qPrintable(path));
            }
        }
        // No two pictures alike: no card stands in for another.
        QCOMPARE(contents.size(), pictures.size());
    }

    // German beside English at both sizes, the same size, with other words in them.
    void wordPicturesComeInGerman() {
        for (const QString& name : wordPictures + sameInGerman)
            for (const QString& file : {name + ".GIF", name + "@2x.GIF"}) {
                const QString english = program.path("\\Graphics\\" + file);
                const QString german = program.path("\\Graphics\\de\\" + file);
                QCOMPARE(QFile::exists(german), !sameInGerman.contains(name));
                if (sameInGerman.contains(name)) continue;
                QCOMPARE(QImage(german).size(), QImage(english).size());
                QVERIFY2(fileBytes(german) != fileBytes(english), qPrintable(german));
            }
    }

    // Drawn again, every picture comes out byte for byte the same, whatever other languages are
    // drawn beside it; a word too long for its picture fails the build, naming both.
    void redrawIsTheSameAndRefusesWordsThatDoNotFit() {
        QTemporaryDir folder;
        QProcess tool;
        tool.start(VANTRELL_GRAPHICS_TOOL, {folder.path(), VANTRELL_TOO_LONG_WORDS});
        QVERIFY(tool.waitForFinished(120000));
        QCOMPARE(tool.exitCode(), 1);
        const QString complaint = tool.readAllStandardError();
        QVERIFY2(complaint.contains("xx/HitButton.GIF: \"Kartenziehenbittesehrundnochmehr\""),
                 qPrintable(complaint));
        QDirIterator files(VANTRELL_GRAPHICS_DIR, QDir::Files, QDirIterator::Subdirectories);
        int compared = 0;
        for (; files.hasNext(); ++compared) {
            const QString built = files.next();
            const QString drawn =
                folder.filePath("Graphics" + built.mid(strlen(VANTRELL_GRAPHICS_DIR)));
            QVERIFY2(fileBytes(built) == fileBytes(drawn), qPrintable(built));
        }
        QVERIFY(compared > 200);
    }

    // The corner index is red on hearts and diamonds, black on spades and clovers; from two to
    // ten, each pip card's middle is darker than the one below it.
    void facesShowTheirSuitAndRank() {
        const QRect index(1, 1, 17, 33), pips(19, 4, 37, 92);
        for (const char* suit : suits)
            for (int rank = 1; rank <= 13; ++rank) {
                const QRgb corner = mean(suit, rank, index);
                QCOMPARE(qRed(corner) - qGreen(corner) > 20, suit[0] == 'H' || suit[0] == 'D');
                if (rank > 2 && rank <= 10)
                    QVERIFY(qGreen(mean(suit, rank, pips)) < qGreen(mean(suit, rank - 1, pips)));
            }
    }
};

QTEST_GUILESS_MAIN(PicturesTest)
#include "pictures_test.moc"
