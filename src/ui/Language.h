// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

namespace ui {

// The languages the game has words for besides English, the one its code is written in: "de" …
QStringList translatedLanguages();

// The first of the desktop's languages (most wanted first, as QLocale::uiLanguages() gives them:
// "de-DE", "de", "en-US" …) that the game speaks, as "de"; "en" where English comes first or no
// language has a translation.
QString chooseLanguage(const QStringList& wanted, const QStringList& translated);

// Puts the game's words in `language` (and Qt's own, for the standard buttons of its boxes and
// for --help) in place of the English ones, and its pictures with words in that language where
// they exist. "en" takes them out again. Needs the application object; the words go with it.
void useLanguage(const QString& language);

// The desktop's choice, as useLanguage() takes it.
QString desktopLanguage();

// The language pictures are drawn in: "en", or the one useLanguage() chose.
const QString& pictureLanguage();

} // namespace ui
