// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "Quantiser.h"

#include <QImage>
#include <QString>
#include <vector>

namespace art {

struct Picture {
    QString fileName; // under the graphics folder, e.g. "Hearts/Hearts10.GIF"
    QImage image;
    Dither dither = Dither::None;
};

// Every picture of the game, drawn afresh.
std::vector<Picture> allPictures();

} // namespace art
