// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

// One evening played in English and again in German, by the same clicks and each language's own
// keys, on the same cards: the instructions, a new game, a casino hand, the bank, the tournament,
// home and sleep. The save files end byte for byte the same; everything the German player sees,
// is asked or hears is in German.
#include "Flows.h"
#include "game/InstructionsScreen.h"
#include "ui/Language.h"

#include <QAccessible>
#include <QDirIterator>
#include <QGroupBox>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

struct Evening {
    QMap<QString, QByteArray> files;
    QStringList seen; // every visible control's name, description and tooltip, step by step
    QStringList asked; // every box: its text, or an input box's prompt and title
    QStringList heard;
};

// Everything a visible control offers the eye or a screen reader.
void look(TestGame& t, Evening& evening) {
    const std::optional<ScreenId> front = t.screens().visibleScreen();
    if (!front) return;
    QWidget* screen = t.screens().screen(*front);
    QList<QWidget*> widgets = screen->findChildren<QWidget*>();
    widgets.prepend(screen);
    for (QWidget* widget : widgets) {
        if (!widget->isVisible()) continue;
        QStringList texts{widget->toolTip()};
        if (QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget))
            texts << node->text(QAccessible::Name) << node->text(QAccessible::Description);
        if (auto* list = qobject_cast<QListWidget*>(widget))
            for (int row = 0; row < list->count(); ++row)
                texts << list->item(row)->text();
        if (auto* frame = qobject_cast<QGroupBox*>(widget)) texts << frame->title();
        for (const QString& text : texts)
            if (!text.trimmed().isEmpty() && !evening.seen.contains(text)) evening.seen << text;
    }
}

Evening playEvening(const QString& language, const QStringList& keys) {
    ui::useLanguage(language);
    Evening evening;
    {
        TestGame t;
        const auto step = [&](QWidget* control) {
            look(t, evening);
            TestGame::click(control);
            look(t, evening);
        };
        t.start();
        auto* menu = t.screens().screenAs<game::StartScreen>(ScreenId::Start);
        step(menu->picInstruct);
        auto* pages = t.screens().screenAs<game::InstructionsScreen>(ScreenId::Instructions);
        step(pages->imgNext);
        step(pages->picMMenu);
        t.dialogs.answerInput(QStringLiteral("Ann"));
        step(menu->picStart);
        step(t.screens().screenAs<game::SlotScreen>(ScreenId::NewGame)->frmSlot1);

        // A hand by keys: Enter deals $30, a hit, a stand: 19 against 18, won only if the
        // language's own Hit key draws.
        t.random.queue(0.1f);
        goTo(t, 1);
        auto* table = t.screens().screenAs<CasinoTable>(ScreenId::Test);
        t.random.dealing({S(10), H(3), D(10), C(8), S(6), H(5)});
        t.dialogs.answerInput(QStringLiteral("30"));
        for (const QString& key : {QStringLiteral("Return"), keys[0], keys[1]}) {
            press(t, {QKeySequence(key)[0]});
            look(t, evening);
        }
        step(table->cmdReset);
        step(table->picQuit);

        goTo(t, 3);
        auto* bank = t.screens().screenAs<bank::BankScreen>(ScreenId::Bank);
        QTest::keyClicks(bank->txtInput, QStringLiteral("50"));
        press(t, {QKeySequence(keys[2])[0]});
        look(t, evening);
        bank->tmrWait->fire();
        QTest::keyClicks(bank->txtInput, QStringLiteral("5000"));
        step(bank->cmdWithdraw);
        bank->tmrWait->fire();
        step(bank->imgQuit);

        auto* hall = tournament::enter(t);
        look(t, evening);
        for (const char hand : {'W', 'D', 'W', 'W', 'W', 'W'}) {
            tournament::playHand(t, hall, hand);
            look(t, evening);
        }
        step(hall->cmdContinue);

        goTo(t, 0);
        auto* home = t.screens().screenAs<town::HomeScreen>(ScreenId::Home);
        step(home->imgStats);
        step(home->imgMainMenu);
        step(home->imgSleep);
        auto* sleep = t.screens().screenAs<town::SleepDialog>(ScreenId::frmQuit);
        step(sleep->optYes);
        step(sleep->cmdSelect);

        QDirIterator saves(t.folder() + "/Files", QDir::Files, QDirIterator::Subdirectories);
        while (saves.hasNext()) {
            const QString file = saves.next();
            QFile read(file);
            evening.files.insert(file.mid(t.folder().size()),
                                 read.open(QIODevice::ReadOnly) ? read.readAll() : "unreadable");
        }
        evening.asked = t.dialogs.messages();
        for (const ScriptedDialogs::InputBox& box : t.dialogs.inputBoxes())
            evening.asked << box.prompt << box.title;
        evening.asked << t.dialogs.questions();
        evening.heard = t.heard();
    }
    ui::useLanguage(QStringLiteral("en"));
    return evening;
}

// The words of the game's English that no translation uses: any of them in a German text is a
// word left untranslated. Names that stay (Vantrell, Casino, Bank, Start …) are used by both.
QSet<QString> englishOnlyWords() {
    QFile file(QStringLiteral(VANTRELL_SOURCE_DIR "/translations/vantrell_de.ts"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QSet<QString> english, translated;
    QXmlStreamReader ts(&file);
    const QRegularExpression word(QStringLiteral("\\p{L}{3,}"));
    while (ts.readNextStartElement() || !ts.atEnd()) {
        if (!ts.isStartElement()) continue;
        const QString name = ts.name().toString();
        if (name != QLatin1String("source") && name != QLatin1String("translation")) continue;
        auto& into = name == QLatin1String("source") ? english : translated;
        for (const auto& match : word.globalMatch(ts.readElementText()))
            into.insert(match.captured().toLower());
    }
    return english - translated;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT
  private slots:
    void theDesktopsLanguageIsSpokenWhereTheGameHasIt_data() {
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("German desktop") << QStringList{"de-DE", "de"} << "de";
        QTest::newRow("Austrian, German the nearest") << QStringList{"de-AT"} << "de";
        QTest::newRow("French first, then German") << QStringList{"fr-FR", "fr", "de"} << "de";
        QTest::newRow("English before German") << QStringList{"en-GB", "de"} << "en";
        QTest::newRow("no language the game has") << QStringList{"ja-JP", "ja"} << "en";
        QTest::newRow("nothing said") << QStringList{} << "en";
    }
    void theDesktopsLanguageIsSpokenWhereTheGameHasIt() {
        QFETCH(QStringList, wanted);
        QFETCH(QString, chosen);
        QCOMPARE(ui::chooseLanguage(wanted, ui::translatedLanguages()), chosen);
    }

    void aGermanEveningSavesWhatAnEnglishOneDoesAndSpeaksGerman() {
        QVERIFY(ui::translatedLanguages().contains("de"));
        const Evening english = playEvening("en", {"H", "S", "Alt+D"});
        const Evening german = playEvening("de", {"K", "S", "Alt+E"});
        QVERIFY(!english.files.isEmpty());
        QCOMPARE(german.files, english.files);
        // The same controls and boxes came up and said something: only the words differ.
        QCOMPARE(german.asked.size(), english.asked.size());
        QVERIFY(german.heard.size() >= english.heard.size() - 2);

        const QSet<QString> englishOnly = englishOnlyWords();
        QVERIFY(englishOnly.size() > 100);
        const QRegularExpression word(QStringLiteral("\\p{L}{3,}"));
        QStringList inEnglish;
        for (const QStringList* texts : {&german.seen, &german.asked, &german.heard}) {
            for (const QString& text : *texts)
                for (const auto& match : word.globalMatch(text))
                    if (englishOnly.contains(match.captured().toLower()) &&
                        !inEnglish.contains(text))
                        inEnglish << text;
        }
        for (const QString& said : german.heard)
            if (english.heard.contains(said)) inEnglish << said;
        QVERIFY2(inEnglish.isEmpty(), qPrintable("English in German:\n" + inEnglish.join('\n')));
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
