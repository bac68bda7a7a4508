// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "Quantiser.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

namespace art {

struct Picture {
    QString fileName; // under the graphics folder, e.g. "Hearts/Hearts10.GIF"
    QImage image;
    Dither dither = Dither::None;
    // Whether it carries words, and so is drawn again in every language the game speaks.
    bool words = false;
    // The words that did not fit the picture, each with the room it had.
    QStringList misfits;
};

// Every picture of the game, drawn afresh in the language of the installed translators.
std::vector<Picture> allPictures();

} // namespace art
