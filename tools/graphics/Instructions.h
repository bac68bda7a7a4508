// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>

namespace art {

inline constexpr int instructionPages = 4;

// Page 1 to 4 of the instructions, drawn onto the part of the menu background it covers.
QImage instructionPage(const QImage& ground, int page);

} // namespace art
