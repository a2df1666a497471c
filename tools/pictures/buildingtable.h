#pragma once
// The 68 building pictures as data: each picture is a list of parts drawn back
// to front on the plot 0..10 × 0..10 of an isometric earth ground.

#include "isopainter.h"

#include <QColor>
#include <QString>
#include <vector>

enum class Shape {
    Flat, Shadow, Block, Wall, Hall, Roof, Pagoda, Cylinder, Cone, Dome, Tree, Conifer, Bush,
    Field, Water, Flag, Fire, Smoke, Boat, Bridge, Ball, Stall, Statue, Catapult, Crossbow,
    Spears, Crates, Logs, Wheel, Pit, Scaffold, Barrier, Road, Rake, Coins, Steps, Cloth, Fence,
    Rocks, Tent, Anvil, Stele, Cart, Taiji, Lamp, Ladder, Gate, Line, Pavilion, Furrows,
};

struct Part {
    Shape shape;
    qreal x = 0, y = 0, z = 0;  // footprint corner (or centre for round things) and base
    qreal w = 0, d = 0, h = 0;  // footprint and height (radius in w for round things)
    QColor a, b;                // main and second colour
    RoofStyle roof = RoofStyle::Hip;
    int n = 0;                  // count: columns, storeys, rows, items
};

struct BuildingPicture {
    QString subject;  // what the picture shows, for the contact sheet
    std::vector<Part> parts;
};

// All 68 pictures in list order; picture 0 repeats picture 1.
const std::vector<BuildingPicture> &buildingPictures();
