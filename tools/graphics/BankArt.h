// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>

// The bank's two pads, each drawn onto the part of the hall it covers.
namespace art {

QImage statusPad(const QImage& ground);
QImage buttonsPad(const QImage& ground);

} // namespace art
