// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

namespace game {

// The words of the instruction pages: the picture generator draws them and a screen reader reads
// them out. A title, short lines, and a closing word; words between asterisks are the ones a
// player will see on screen, picked out in gold on the page.
struct InstructionPage {
    QString title;
    QStringList lines;
    QString closing;
};

// Page 1 to 4.
InstructionPage instructionPage(int page);

// The page as a screen reader says it, without the asterisks.
QString spokenInstructionPage(int page);

} // namespace game
