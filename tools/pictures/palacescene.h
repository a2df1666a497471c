#pragma once
// The large picture shown while no element is selected: a palace complex.

#include <QImage>

// 478 × 298, transparent around the complex.
QImage drawPalaceScene();
