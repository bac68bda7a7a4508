// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include "Quantiser.h"

#include <QString>

namespace art {

// Writes the picture as a plain GIF87a file with one global colour table. Returns an empty
// text on success, otherwise what went wrong, naming the file.
QString writeGif(const IndexedPicture& picture, const QString& path);

} // namespace art
