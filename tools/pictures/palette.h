#pragma once
// The colours every picture draws from, so that roofs, walls and grounds of
// different pictures match.

#include <QColor>

namespace palette {

inline const QColor earth{142, 102, 64};
inline const QColor earthDark{112, 78, 46};
inline const QColor earthLight{170, 128, 84};

inline const QColor tileGrey{104, 110, 118};
inline const QColor tileGreen{58, 118, 92};
inline const QColor tileYellow{222, 170, 40};
inline const QColor tileBlue{58, 86, 140};
inline const QColor thatch{196, 160, 88};
inline const QColor tentCloth{214, 200, 168};

inline const QColor columnRed{176, 36, 28};
inline const QColor wallRed{160, 52, 40};
inline const QColor wallWhite{226, 218, 198};
inline const QColor wallMud{184, 146, 100};
inline const QColor wood{126, 84, 46};
inline const QColor woodDark{84, 54, 30};
inline const QColor stone{160, 156, 146};
inline const QColor stoneDark{116, 112, 104};
inline const QColor paving{186, 178, 160};
inline const QColor clay{176, 88, 52};
inline const QColor bronze{168, 120, 56};
inline const QColor gold{236, 190, 60};
inline const QColor iron{80, 84, 92};

inline const QColor waterBlue{62, 126, 176};
inline const QColor leaf{72, 130, 54};
inline const QColor leafDark{44, 96, 40};
inline const QColor blossomPink{240, 160, 190};
inline const QColor crop{150, 176, 60};
inline const QColor wheat{216, 186, 84};
inline const QColor soil{108, 72, 42};

inline const QColor banner{196, 30, 30};
inline const QColor flame{250, 150, 30};
inline const QColor smokeGrey{200, 200, 200, 170};
inline const QColor maroon{128, 0, 0};

}  // namespace palette
