// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>

// The full-screen backgrounds, 600 x 400, one for each place of the game.
namespace art {

QImage tableBackground();
QImage startBackground();
QImage townBackground();
QImage homeBackground();
QImage schoolBackground();
QImage bankBackground();

} // namespace art
