#pragma once
// Draws one building picture of the table onto its earth ground.

#include "buildingtable.h"

#include <QImage>

// The 73 × 73 picture, 32-bit with alpha (the ground makes it opaque).
QImage renderBuilding(const BuildingPicture &picture);

// Draws the parts with `iso`; shared with the larger palace scene.
void drawParts(IsoPainter &iso, const std::vector<Part> &parts);
