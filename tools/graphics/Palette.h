// SPDX-FileCopyrightText: The Vantrell developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>

// The game's colours, shared by every picture so that the whole game looks made by one hand.
namespace art::colour {

// Casino felt: the one flat colour under every card, button and badge on the tables.
inline const QColor felt{24, 104, 60};
inline const QColor feltDark{14, 70, 40};
inline const QColor feltLight{40, 132, 80};

inline const QColor burgundy{122, 28, 46};
inline const QColor burgundyLight{164, 52, 72};
inline const QColor burgundyDark{62, 12, 24};
inline const QColor wine{38, 8, 16};

inline const QColor wood{104, 66, 38};
inline const QColor woodLight{140, 94, 56};
inline const QColor woodDark{58, 36, 20};

inline const QColor gold{214, 170, 76};
inline const QColor goldLight{246, 218, 130};
inline const QColor goldDark{150, 110, 40};

inline const QColor cream{246, 236, 212};
inline const QColor ink{22, 14, 16};

// The ground under the main menu's top edge and the home's stats panel: the main menu button
// is one picture shown on both.
inline const QColor night{34, 10, 18};

inline const QColor cardWhite{252, 251, 246};
inline const QColor cardEdge{150, 146, 138};
inline const QColor suitRed{200, 16, 46};
inline const QColor suitBlack{26, 26, 32};

} // namespace art::colour
