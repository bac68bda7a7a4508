// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#include "ui/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace ui {

namespace {

QString& chosenPictureLanguage() {
    static QString language = QStringLiteral("en");
    return language;
}

// The translators in use, the game's own and Qt's; gone when English is chosen again.
std::unique_ptr<QTranslator>& ownWords() {
    static std::unique_ptr<QTranslator> words;
    return words;
}
std::unique_ptr<QTranslator>& qtWords() {
    static std::unique_ptr<QTranslator> words;
    return words;
}

void removeWords() {
    for (std::unique_ptr<QTranslator>* words : {&ownWords(), &qtWords()}) {
        if (*words) QCoreApplication::removeTranslator(words->get());
        words->reset();
    }
}

} // namespace

QStringList translatedLanguages() {
    QStringList languages;
    const QStringList files = QDir(QStringLiteral(":/i18n")).entryList(
        {QStringLiteral("vantrell_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        languages << file.mid(9, file.size() - 9 - 3);
    return languages;
}

QString chooseLanguage(const QStringList& wanted, const QStringList& translated) {
    for (QString language : wanted) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        // "de_AT" is spoken by a translation of its own, else by the one of "de".
        const QString base = language.section(QLatin1Char('_'), 0, 0).toLower();
        if (base == QLatin1String("en") || base == QLatin1String("c")) return QStringLiteral("en");
        if (translated.contains(language)) return language;
        if (translated.contains(base)) return base;
    }
    return QStringLiteral("en");
}

QString desktopLanguage() {
    return chooseLanguage(QLocale::system().uiLanguages(), translatedLanguages());
}

void useLanguage(const QString& language) {
    removeWords();
    chosenPictureLanguage() = QStringLiteral("en");
    if (language == QLatin1String("en")) return;
    auto own = std::make_unique<QTranslator>();
    if (!own->load(QStringLiteral(":/i18n/vantrell_%1.qm").arg(language))) return;
    QCoreApplication::installTranslator(own.get());
    ownWords() = std::move(own);
    chosenPictureLanguage() = language;
    // Qt's words for its boxes' buttons (OK, Yes, No, Cancel) and its --help; a copy of the
    // game on a system without them keeps those in English.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(language),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qtWords() = std::move(qt);
    }
}

const QString& pictureLanguage() {
    return chosenPictureLanguage();
}

} // namespace ui
