#pragma once
// Short constructors for the parts of a picture, so that picture tables read
// as lists of things.

#include "buildingtable.h"
#include "palette.h"

namespace parts {

using namespace palette;

inline Part flat(qreal x, qreal y, qreal w, qreal d, QColor c)
{
    return {.shape = Shape::Flat, .x = x, .y = y, .w = w, .d = d, .a = c};
}
inline Part shadow(qreal x, qreal y, qreal w, qreal d)
{
    return {.shape = Shape::Shadow, .x = x, .y = y, .w = w, .d = d};
}
inline Part block(qreal x, qreal y, qreal z, qreal w, qreal d, qreal h, QColor c)
{
    return {.shape = Shape::Block, .x = x, .y = y, .z = z, .w = w, .d = d, .h = h, .a = c};
}
inline Part wall(qreal x, qreal y, qreal w, qreal d, qreal h, QColor c, QColor coping)
{
    return {.shape = Shape::Wall, .x = x, .y = y, .w = w, .d = d, .h = h, .a = c, .b = coping};
}
// A building: walls of height h, columns per visible side, roof of the style.
inline Part hall(qreal x, qreal y, qreal w, qreal d, qreal h, QColor walls, QColor roof,
          RoofStyle style = RoofStyle::Hip, int columns = 0, qreal z = 0)
{
    return {.shape = Shape::Hall, .x = x, .y = y, .z = z, .w = w, .d = d, .h = h, .a = walls,
            .b = roof, .roof = style, .n = columns};
}
inline Part roof(qreal x, qreal y, qreal z, qreal w, qreal d, qreal h, QColor c, RoofStyle style)
{
    return {.shape = Shape::Roof, .x = x, .y = y, .z = z, .w = w, .d = d, .h = h, .a = c,
            .roof = style};
}
inline Part pagoda(qreal x, qreal y, qreal w, int storeys, qreal storeyHeight, QColor walls, QColor roof)
{
    return {.shape = Shape::Pagoda, .x = x, .y = y, .w = w, .d = w, .h = storeyHeight,
            .a = walls, .b = roof, .n = storeys};
}
inline Part round(Shape s, qreal cx, qreal cy, qreal z, qreal r, qreal h, QColor c)
{
    return {.shape = s, .x = cx, .y = cy, .z = z, .w = r, .h = h, .a = c};
}
inline Part cylinder(qreal cx, qreal cy, qreal z, qreal r, qreal h, QColor c)
{
    return round(Shape::Cylinder, cx, cy, z, r, h, c);
}
inline Part cone(qreal cx, qreal cy, qreal z, qreal r, qreal h, QColor c)
{
    return round(Shape::Cone, cx, cy, z, r, h, c);
}
inline Part dome(qreal cx, qreal cy, qreal z, qreal r, qreal h, QColor c)
{
    return round(Shape::Dome, cx, cy, z, r, h, c);
}
inline Part ball(qreal cx, qreal cy, qreal z, qreal r, QColor c)
{
    return round(Shape::Ball, cx, cy, z, r, 0, c);
}
inline Part tree(qreal cx, qreal cy, qreal size, QColor leaves = leaf, QColor blossom = {})
{
    return {.shape = Shape::Tree, .x = cx, .y = cy, .w = size, .a = leaves, .b = blossom};
}
inline Part conifer(qreal cx, qreal cy, qreal size)
{
    return {.shape = Shape::Conifer, .x = cx, .y = cy, .w = size, .a = leafDark};
}
inline Part bush(qreal cx, qreal cy, qreal size, QColor leaves = leaf)
{
    return {.shape = Shape::Bush, .x = cx, .y = cy, .w = size, .a = leaves};
}
inline Part field(qreal x, qreal y, qreal w, qreal d, QColor ground, QColor plants, int rows)
{
    return {.shape = Shape::Field, .x = x, .y = y, .w = w, .d = d, .a = ground, .b = plants,
            .n = rows};
}
inline Part water(qreal x, qreal y, qreal w, qreal d)
{
    return {.shape = Shape::Water, .x = x, .y = y, .w = w, .d = d};
}
inline Part flag(qreal x, qreal y, qreal z, qreal h, QColor c = banner)
{
    return {.shape = Shape::Flag, .x = x, .y = y, .z = z, .h = h, .a = c};
}
inline Part fire(qreal x, qreal y, qreal z, qreal size)
{
    return {.shape = Shape::Fire, .x = x, .y = y, .z = z, .w = size};
}
inline Part smoke(qreal x, qreal y, qreal z, qreal size)
{
    return {.shape = Shape::Smoke, .x = x, .y = y, .z = z, .w = size};
}
inline Part boat(qreal x, qreal y, qreal length, bool sail, QColor hull = wood)
{
    return {.shape = Shape::Boat, .x = x, .y = y, .w = length, .a = hull, .n = sail ? 1 : 0};
}
inline Part bridge(qreal x, qreal y, qreal w, qreal d, qreal rise, QColor c)
{
    return {.shape = Shape::Bridge, .x = x, .y = y, .w = w, .d = d, .h = rise, .a = c};
}
inline Part thing(Shape s, qreal x, qreal y, qreal w = 0, qreal d = 0, qreal h = 0, QColor a = {},
           QColor b = {}, int n = 0)
{
    return {.shape = s, .x = x, .y = y, .w = w, .d = d, .h = h, .a = a, .b = b, .n = n};
}
inline Part stall(qreal x, qreal y, qreal w, qreal d, QColor cloth)
{
    return thing(Shape::Stall, x, y, w, d, 1.6, cloth);
}
inline Part crates(qreal x, qreal y, int n, QColor c = wood) { return thing(Shape::Crates, x, y, 0, 0, 0, c, {}, n); }
inline Part logs(qreal x, qreal y, int n) { return thing(Shape::Logs, x, y, 3, 0, 0, wood, {}, n); }
inline Part rocks(qreal x, qreal y, int n, QColor c = stone) { return thing(Shape::Rocks, x, y, 0, 0, 0, c, {}, n); }
inline Part coins(qreal x, qreal y, int n) { return thing(Shape::Coins, x, y, 0, 0, 0, gold, {}, n); }
// A fence round the footprint; `frontOnly` leaves out the two far sides, for
// fences that stand behind nothing.
inline Part fence(qreal x, qreal y, qreal w, qreal d, bool frontOnly = false)
{
    return thing(Shape::Fence, x, y, w, d, 0.8, wood, {}, frontOnly ? 1 : 0);
}
// A straight rope or pole between two points.
inline Part rope(qreal x, qreal y, qreal z, qreal x2, qreal y2, qreal z2, QColor c)
{
    return {.shape = Shape::Line, .x = x, .y = y, .z = z, .w = x2 - x, .d = y2 - y, .h = z2, .a = c};
}
inline Part ladder(qreal x, qreal y, qreal z, qreal h)
{
    return {.shape = Shape::Ladder, .x = x, .y = y, .z = z, .h = h, .a = wood};
}
inline Part steps(qreal x, qreal y, qreal w, qreal d, qreal h, int n, QColor c = stone)
{
    return thing(Shape::Steps, x, y, w, d, h, c, {}, n);
}
inline Part tent(qreal x, qreal y, qreal w, qreal d, qreal h, QColor c = tentCloth)
{
    return thing(Shape::Tent, x, y, w, d, h, c);
}
inline Part cloth(qreal x, qreal y, qreal w, qreal h, QColor c, QColor c2)
{
    return thing(Shape::Cloth, x, y, w, 0, h, c, c2, 3);
}

}  // namespace parts
