#include "buildingtable.h"

#include "palette.h"
#include "parts.h"

using namespace palette;
using namespace parts;

namespace {

using R = RoofStyle;

// Recurring groups of parts.
std::vector<Part> operator+(std::vector<Part> a, const std::vector<Part> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<Part> hut(qreal x, qreal y, qreal w, qreal d)
{
    return {shadow(x, y, w, d), hall(x, y, w, d, 1.5, wallMud, thatch, R::Thatch)};
}

std::vector<Part> fort(QColor flagColor)
{
    return {flat(0.6, 0.6, 8.8, 8.8, earthLight.darker(108)),
            wall(0.6, 0.6, 8.8, 0.7, 1.6, stone, stoneDark),
            wall(0.6, 1.3, 0.7, 8.1, 1.6, stone, stoneDark),
            block(0.2, 0.2, 0, 1.5, 1.5, 2.6, stone), roof(0.2, 0.2, 2.6, 1.5, 1.5, 1.0, tileGrey, R::Pyramid),
            flag(8.6, 1.0, 1.8, 3.0, flagColor)};
}

std::vector<Part> fortFront()
{
    return {wall(1.3, 8.7, 8.1, 0.7, 1.6, stone, stoneDark),
            wall(8.7, 1.3, 0.7, 7.4, 1.6, stone, stoneDark),
            block(8.3, 8.3, 0, 1.5, 1.5, 2.6, stone), roof(8.3, 8.3, 2.6, 1.5, 1.5, 1.0, tileGrey, R::Pyramid)};
}

std::vector<BuildingPicture> makeTable()
{
    std::vector<BuildingPicture> t;
    auto add = [&](const char *subject, std::vector<Part> parts) {
        t.push_back({QString::fromUtf8(subject), std::move(parts)});
    };

    // 1 population: a hut and a tiled house side by side
    add("Bevölkerung", hut(0.8, 1.2, 3.4, 2.6) + std::vector<Part>{
        shadow(4.6, 4.2, 4.4, 3.4), hall(4.6, 4.2, 4.4, 3.4, 2.0, wallWhite, tileGrey, R::Hip, 3),
        tree(2.2, 7.4, 2.2), bush(8.8, 1.6, 1.2)});
    add("Einfache Wohnungen", hut(1.8, 2.0, 4.2, 3.0) + hut(6.4, 2.6, 2.4, 2.2) + std::vector<Part>{
        fence(1.0, 6.0, 7.6, 2.6, true), logs(2.6, 7.2, 3), bush(8.4, 7.4, 1.0)});
    add("Gehobene Wohnung", std::vector<Part>{
        shadow(0.8, 0.8, 8.4, 8.4), flat(0.8, 0.8, 8.4, 8.4, paving),
        hall(1.0, 1.0, 8.0, 2.2, 1.9, wallWhite, tileGrey, R::Hip, 4),
        hall(1.0, 3.4, 2.0, 4.4, 1.6, wallWhite, tileGrey, R::Gable, 0),
        hall(7.0, 3.4, 2.0, 4.4, 1.6, wallWhite, tileGrey, R::Gable, 3),
        tree(5.0, 5.4, 1.6, leaf, blossomPink),
        wall(0.8, 8.2, 8.4, 0.6, 1.3, wallRed, tileGrey),
        hall(4.2, 7.9, 1.8, 1.2, 1.7, columnRed, tileGrey, R::Hip, 0)});
    add("Landwirtschaft", std::vector<Part>{
        field(0.4, 4.6, 5.4, 5.0, soil, wheat, 6), field(6.2, 6.4, 3.4, 3.2, soil, crop, 4),
        shadow(4.8, 0.8, 4.0, 3.0), hall(4.8, 0.8, 4.0, 3.0, 1.6, wallMud, thatch, R::Thatch),
        tree(1.8, 1.8, 2.0), cone(8.2, 4.8, 0, 0.9, 1.8, wheat)});
    add("Farmen", hut(1.6, 1.4, 4.6, 3.4) + std::vector<Part>{
        hall(6.8, 1.8, 2.4, 2.4, 1.2, wood, thatch, R::Thatch),
        fence(0.8, 0.8, 8.6, 8.6, true),
        cone(3.0, 7.0, 0, 1.0, 2.0, wheat), cone(5.2, 7.6, 0, 0.8, 1.6, wheat),
        crates(7.4, 6.6, 3, wood)});
    add("Feldfrüchte", std::vector<Part>{
        field(0.3, 0.3, 4.5, 4.5, soil, wheat, 6), field(5.2, 0.3, 4.5, 4.5, soil, crop, 5),
        field(0.3, 5.2, 4.5, 4.5, soil, leafDark.lighter(120), 4),
        field(5.2, 5.2, 4.5, 4.5, QColor(84, 130, 150), QColor(130, 190, 80), 6),
        cone(4.95, 4.95, 0, 0.5, 1.0, wheat)});
    add("Bewässerung", std::vector<Part>{
        field(0.3, 0.3, 9.4, 3.6, soil, crop, 5),
        water(0.0, 4.2, 10.0, 1.5),
        field(0.3, 6.0, 9.4, 3.7, QColor(84, 130, 150), QColor(130, 190, 80), 5),
        block(5.2, 3.8, 0, 0.4, 0.4, 2.4, woodDark), block(5.2, 5.6, 0, 0.4, 0.4, 2.4, woodDark),
        thing(Shape::Wheel, 5.6, 4.95, 1.7, 0, 1.2, wood)});
    add("Plantagensammelstellen", std::vector<Part>{
        bush(1.4, 1.4, 1.4, leafDark), bush(3.6, 1.0, 1.4, leafDark), bush(1.0, 3.6, 1.4, leafDark),
        shadow(3.4, 3.4, 4.0, 3.2),
        thing(Shape::Stall, 3.4, 3.4, 4.0, 3.2, 2.0, thatch),
        cylinder(3.4, 7.8, 0, 0.6, 0.8, thatch.darker(115)), cylinder(5.0, 8.2, 0, 0.6, 0.8, thatch.darker(115)),
        crates(7.6, 6.6, 2, wood), bush(8.6, 2.6, 1.2, leafDark)});
    add("Plantagen", std::vector<Part>{
        flat(0.4, 0.4, 9.2, 9.2, soil),
        bush(1.5, 1.5, 1.2, leafDark), bush(4.0, 1.5, 1.2, leafDark), bush(6.5, 1.5, 1.2, leafDark),
        bush(1.5, 4.0, 1.2, leafDark), tree(5.2, 4.6, 2.2), bush(8.6, 3.8, 1.2, leafDark),
        bush(1.5, 6.5, 1.2, leafDark), bush(4.0, 7.6, 1.2, leafDark), bush(6.6, 7.2, 1.2, leafDark),
        bush(8.6, 8.4, 1.2, leafDark)});
    add("Land und Meer", std::vector<Part>{
        water(5.0, -1.0, 6.0, 12.0),
        tent(1.0, 1.6, 3.0, 2.6, 2.2), tree(1.2, 6.6, 2.0), fire(3.4, 6.0, 0, 0.7),
        block(4.0, 4.2, 0, 3.6, 1.4, 0.5, wood),
        boat(6.4, 7.4, 3.2, false), crates(4.6, 4.4, 1, wood)});
    add("Gewerbe", std::vector<Part>{
        shadow(1.2, 1.6, 5.6, 4.2), hall(1.2, 1.6, 5.6, 4.0, 2.0, wallMud, tileGrey, R::Gable),
        cylinder(7.6, 2.4, 0, 0.8, 4.6, QColor(150, 86, 60)), smoke(7.6, 2.4, 4.8, 1.0),
        crates(2.4, 7.2, 3, wood), logs(6.0, 7.0, 3), rocks(7.6, 5.2, 3, stoneDark)});
    add("Tongrube", std::vector<Part>{
        thing(Shape::Pit, 1.4, 1.4, 6.0, 5.4, 1.2, clay),
        ladder(6.9, 4.0, -1.2, 0.8),
        crates(2.0, 7.8, 4, clay), hall(7.8, 6.6, 1.8, 2.2, 1.2, wood, thatch, R::Thatch)});
    add("Rohmaterial", std::vector<Part>{
        conifer(1.4, 1.2, 2.0), conifer(3.6, 0.8, 1.6),
        logs(1.2, 4.0, 5), hall(6.4, 1.4, 2.6, 2.4, 1.3, wood, thatch, R::Thatch),
        rocks(5.6, 6.4, 6, stone), block(2.0, 7.8, 0, 1.2, 1.0, 0.9, stone), block(3.4, 8.0, 0, 1.2, 1.0, 0.9, stone)});
    add("Schmelzen", std::vector<Part>{
        hall(0.8, 0.8, 3.4, 3.0, 1.4, wood, tileGrey, R::Gable),
        cylinder(6.0, 4.2, 0, 1.9, 2.8, stoneDark), cylinder(6.0, 4.2, 2.8, 1.0, 2.6, stoneDark),
        fire(6.6, 6.0, 0.3, 1.1), smoke(6.0, 4.2, 5.6, 1.1),
        rocks(2.0, 6.8, 5, iron), rocks(3.6, 8.0, 3, bronze)});
    add("Werkstätten", std::vector<Part>{
        hall(0.8, 0.8, 4.0, 2.8, 1.6, wallMud, tileGrey, R::Gable, 3),
        dome(6.2, 5.0, 0, 2.4, 3.0, clay), fire(7.2, 6.8, 0.2, 0.9), smoke(6.2, 5.0, 3.0, 0.9),
        cylinder(2.2, 6.4, 0, 0.5, 0.9, clay.lighter(115)), cylinder(3.4, 6.9, 0, 0.5, 0.9, clay.lighter(115)),
        cylinder(2.4, 7.9, 0, 0.5, 0.9, clay.lighter(115))});
    add("Kunsthandwerker", std::vector<Part>{
        shadow(1.0, 1.0, 5.6, 3.6), hall(1.0, 1.0, 5.6, 3.6, 2.0, wallWhite, tileGrey, R::Hip, 4),
        cloth(2.0, 6.0, 6.0, 2.6, QColor(200, 40, 60), QColor(60, 90, 190)),
        crates(7.8, 2.4, 2, wood), bush(8.6, 8.6, 1.0)});
    add("Handel", std::vector<Part>{
        flat(0.6, 0.6, 8.8, 8.8, paving),
        stall(1.2, 1.2, 3.4, 2.6, QColor(200, 40, 40)), stall(5.6, 2.0, 3.2, 2.6, QColor(226, 180, 40)),
        crates(2.0, 6.4, 3, wood), cylinder(5.6, 7.0, 0, 0.6, 1.0, clay), coins(7.4, 7.6, 3)});
    add("Mühle", std::vector<Part>{
        water(6.6, -1.0, 4.0, 12.0),
        shadow(1.4, 1.8, 5.0, 4.4), hall(1.4, 1.8, 5.0, 4.4, 2.4, wood, tileGrey, R::Gable),
        thing(Shape::Wheel, 6.7, 4.0, 2.4, 0, 1.4, woodDark),
        ball(2.4, 7.6, 0.5, 0.55, wheat), ball(3.4, 7.8, 0.5, 0.55, wheat), ball(2.9, 8.5, 0.5, 0.55, wheat)});
    add("Marktplätze", std::vector<Part>{
        flat(0.4, 0.4, 9.2, 9.2, paving),
        stall(0.8, 0.8, 3.2, 2.6, QColor(200, 40, 40)), stall(5.6, 0.8, 3.2, 2.6, QColor(60, 110, 180)),
        stall(0.8, 5.6, 3.2, 2.6, QColor(226, 180, 40)), stall(5.6, 5.6, 3.2, 2.6, QColor(70, 150, 70)),
        crates(4.4, 4.4, 2, wood)});
    add("Läden", std::vector<Part>{
        shadow(1.0, 1.0, 6.0, 4.0), hall(1.0, 1.0, 6.0, 4.0, 2.2, wood, tileGrey, R::Hip, 4),
        roof(1.2, 5.0, 1.3, 5.6, 1.2, 0.5, QColor(200, 40, 40), R::Tent),
        ball(2.2, 5.8, 1.1, 0.32, QColor(220, 40, 30)), ball(5.8, 5.8, 1.1, 0.32, QColor(220, 40, 30)),
        crates(2.4, 7.0, 3, wood), cylinder(5.8, 7.4, 0, 0.55, 1.0, clay), cylinder(7.2, 7.0, 0, 0.55, 1.0, clay)});
    add("Lagerhaus", std::vector<Part>{
        shadow(0.6, 1.4, 8.6, 4.4), hall(0.6, 1.4, 8.6, 4.2, 2.6, wood, tileGrey, R::Gable),
        crates(1.4, 6.8, 4, wood), crates(5.6, 7.2, 3, wood), ball(8.6, 7.2, 0.5, 0.55, wheat)});
    add("Handelsstation", std::vector<Part>{
        shadow(1.0, 1.0, 5.0, 3.6), hall(1.0, 1.0, 5.0, 3.6, 2.0, wallMud, tileGrey, R::Hip, 3),
        flag(6.8, 1.0, 0, 4.6, QColor(226, 180, 40)), flag(1.0, 5.6, 0, 4.0, banner),
        thing(Shape::Cart, 3.4, 6.6, 0, 0, 0, wood), crates(7.2, 6.4, 3, wood)});
    add("Handelskai", std::vector<Part>{
        water(5.4, -1.0, 5.6, 12.0),
        block(1.0, 1.0, 0, 5.4, 8.4, 0.6, stone),
        crates(1.8, 1.8, 4, wood), hall(1.4, 4.6, 2.6, 3.0, 1.4, wood, tileGrey, R::Gable, 0, 0.6),
        boat(6.6, 5.8, 3.6, true)});
    add("Sicherheit", std::vector<Part>{
        block(2.0, 1.2, 0, 1.8, 1.8, 3.6, stone), hall(2.0, 1.2, 1.8, 1.8, 1.4, wood, tileGrey, R::Pyramid, 0, 3.6),
        flag(3.8, 1.2, 5.0, 2.2),
        cylinder(6.4, 6.4, 0, 1.4, 1.0, stone), thing(Shape::Lamp, 3.0, 7.0, 0, 0, 3.0)});
    add("Brunnen", std::vector<Part>{
        flat(1.6, 1.6, 7.0, 7.0, paving),
        cylinder(5.0, 5.0, 0, 1.9, 1.2, stone),
        block(3.2, 4.8, 0, 0.35, 0.35, 3.0, woodDark), block(6.5, 4.8, 0, 0.35, 0.35, 3.0, woodDark),
        roof(3.0, 4.0, 3.0, 4.0, 2.0, 1.1, tileGrey, R::Gable),
        cylinder(7.4, 7.6, 0, 0.45, 0.7, wood)});
    add("Kräuterstand", std::vector<Part>{
        shadow(1.8, 1.8, 5.0, 3.4), stall(1.8, 1.8, 5.0, 3.0, QColor(70, 150, 70)),
        bush(2.6, 7.0, 0.9, QColor(100, 160, 60)), bush(4.2, 7.6, 0.9, QColor(130, 170, 60)),
        bush(6.2, 7.0, 0.9, QColor(90, 140, 80)), cylinder(7.8, 5.6, 0, 0.6, 0.9, clay)});
    add("Akupunkturklinik", std::vector<Part>{
        shadow(1.0, 1.2, 6.2, 4.2), hall(1.0, 1.2, 6.2, 4.2, 2.2, wallWhite, tileGreen, R::Hip, 4),
        thing(Shape::Stele, 7.8, 6.2, 0.6, 0, 2.4, QColor(200, 40, 40), gold),
        bush(2.0, 7.6, 1.0, QColor(100, 160, 60)), bush(4.0, 8.0, 1.0, QColor(100, 160, 60)),
        ball(2.4, 5.4, 1.5, 0.35, QColor(220, 40, 30))});
    add("Inspektorenturm", std::vector<Part>{
        shadow(3.2, 3.2, 3.6, 3.6), block(3.4, 3.4, 0, 3.2, 3.2, 3.2, stone),
        hall(3.6, 3.6, 2.8, 2.8, 1.6, columnRed, tileGrey, R::Pyramid, 3, 3.2),
        flag(6.8, 6.6, 0, 5.2)});
    add("Wachturm", std::vector<Part>{
        shadow(3.4, 3.4, 3.2, 3.2),
        block(3.4, 3.4, 0, 0.35, 0.35, 5.0, woodDark), block(6.3, 3.4, 0, 0.35, 0.35, 5.0, woodDark),
        block(3.4, 6.3, 0, 0.35, 0.35, 5.0, woodDark), block(6.3, 6.3, 0, 0.35, 0.35, 5.0, woodDark),
        ladder(5.0, 6.6, 0, 5.0),
        block(3.1, 3.1, 5.0, 3.9, 3.9, 0.4, wood), roof(3.3, 3.3, 6.6, 3.5, 3.5, 1.4, thatch, R::Pyramid),
        block(3.3, 3.3, 5.4, 0.25, 0.25, 1.2, woodDark), block(6.6, 6.6, 5.4, 0.25, 0.25, 1.2, woodDark),
        block(6.6, 3.3, 5.4, 0.25, 0.25, 1.2, woodDark), block(3.3, 6.6, 5.4, 0.25, 0.25, 1.2, woodDark)});
    add("Regierung", std::vector<Part>{
        steps(0.8, 1.2, 8.4, 7.0, 1.0, 2),
        hall(2.0, 2.2, 6.0, 4.0, 2.0, wallRed, tileBlue, R::Hip, 5, 1.0),
        flag(1.2, 7.8, 1.0, 3.6), flag(8.6, 1.6, 1.0, 3.6)});
    add("Verwaltungszentrum", std::vector<Part>{
        steps(0.6, 0.6, 8.8, 8.0, 1.2, 3, paving),
        hall(1.8, 1.8, 6.4, 4.6, 2.2, wallRed, tileBlue, R::Hip, 6, 1.2),
        thing(Shape::Lamp, 1.4, 8.2, 0, 0, 2.6), thing(Shape::Lamp, 8.4, 8.2, 0, 0, 2.6)});
    add("Steuerbüro", std::vector<Part>{
        shadow(1.0, 1.0, 5.4, 4.0), hall(1.0, 1.0, 5.4, 4.0, 2.0, wallWhite, tileBlue, R::Gable, 4),
        block(2.4, 6.6, 0, 2.0, 1.4, 1.2, QColor(140, 30, 24)), coins(5.4, 6.8, 4),
        thing(Shape::Stele, 7.8, 2.0, 0.6, 0, 2.0, QColor(40, 60, 120), gold)});
    add("Palast", std::vector<Part>{
        steps(0.2, 0.2, 9.6, 9.6, 1.2, 3, QColor(214, 206, 190)),
        hall(0.8, 0.8, 2.2, 5.6, 1.6, wallRed, tileYellow, R::Hip, 0, 1.2),
        hall(3.0, 2.0, 5.6, 3.8, 2.0, wallRed, tileYellow, R::Hip, 5, 1.2),
        hall(3.8, 2.8, 4.0, 2.2, 1.0, wallRed, tileYellow, R::Hip, 0, 4.4),
        hall(0.8, 7.0, 5.6, 2.0, 1.4, wallRed, tileYellow, R::Gable, 0, 1.2)});
    add("Brücke", std::vector<Part>{
        water(-1.0, 3.0, 12.0, 4.2), bridge(0.6, 4.0, 8.8, 2.2, 2.2, stone),
        tree(1.4, 1.2, 1.6, leaf, blossomPink), bush(8.6, 8.6, 1.2)});
    add("Fähre", std::vector<Part>{
        water(-1.0, 2.8, 12.0, 8.2),
        block(0.4, 0.4, 0, 4.0, 3.0, 0.6, wood), block(1.0, 0.4, 0.6, 0.3, 0.3, 1.6, woodDark),
        block(3.8, 0.4, 0.6, 0.3, 0.3, 1.6, woodDark),
        rope(3.9, 0.5, 2.2, 3.9, 11.0, 1.6, QColor(80, 60, 40)),
        block(3.6, 4.8, 0, 4.6, 2.4, 0.55, wood), crates(4.6, 5.4, 2, wood),
        rope(8.0, 5.6, -0.5, 8.6, 5.0, 3.0, woodDark)});
    add("Stadtkasse", std::vector<Part>{
        shadow(1.0, 1.0, 6.0, 4.6), hall(1.0, 1.0, 6.0, 4.6, 2.6, stone, tileGrey, R::Hip, 0),
        block(3.4, 5.55, 0, 1.6, 0.1, 1.8, QColor(110, 30, 20)),
        coins(2.0, 7.2, 5), coins(5.6, 7.8, 4), block(7.6, 6.2, 0, 1.8, 1.4, 1.2, QColor(140, 30, 24))});
    add("Münzerei", std::vector<Part>{
        shadow(0.8, 0.8, 5.6, 4.0), hall(0.8, 0.8, 5.6, 4.0, 2.0, wallMud, tileGrey, R::Gable, 3),
        cylinder(7.6, 2.2, 0, 0.8, 3.6, clay), smoke(7.6, 2.2, 3.8, 0.8),
        coins(1.6, 6.6, 5), coins(4.0, 7.4, 4), coins(6.4, 7.0, 5), thing(Shape::Anvil, 7.8, 5.6)});
    add("Musikschule", std::vector<Part>{
        shadow(1.6, 1.6, 6.4, 5.6), flat(1.6, 1.6, 6.4, 5.6, paving),
        hall(1.6, 1.6, 6.4, 5.6, 2.4, QColor(0, 0, 0, 0), tileGreen, R::Hip, 4),
        cylinder(4.2, 4.6, 0.8, 1.3, 1.6, QColor(190, 40, 30)),
        block(3.7, 4.1, 0, 0.2, 0.2, 0.9, woodDark), block(4.6, 4.9, 0, 0.2, 0.2, 0.9, woodDark),
        ball(7.4, 8.8, 1.8, 0.5, bronze), block(6.4, 8.6, 0, 0.2, 0.2, 2.4, woodDark),
        block(8.2, 8.6, 0, 0.2, 0.2, 2.4, woodDark)});
    add("Akrobatenschule", std::vector<Part>{
        flat(0.6, 0.6, 8.8, 8.8, earthLight),
        hall(0.8, 0.8, 4.4, 2.6, 1.6, wallWhite, tileGrey, R::Gable, 3),
        block(5.6, 4.6, 0, 0.3, 0.3, 5.2, columnRed), flag(5.75, 4.75, 5.0, 0.1, QColor(226, 180, 40)),
        block(2.6, 5.6, 0, 0.3, 0.3, 4.0, columnRed), rope(2.75, 5.75, 3.9, 5.75, 4.75, 5.0, woodDark),
        ball(7.6, 7.6, 0.8, 0.8, QColor(60, 110, 180)), ball(4.2, 8.4, 0.5, 0.5, QColor(226, 180, 40))});
    add("Schauspielschule", std::vector<Part>{
        shadow(1.0, 1.0, 6.4, 4.4), hall(1.0, 1.0, 6.4, 4.4, 2.2, wallWhite, tileGrey, R::Hip, 4),
        cloth(1.4, 5.5, 5.6, 1.8, QColor(200, 30, 40), QColor(200, 30, 40)),
        ball(2.6, 7.6, 1.0, 0.55, QColor(236, 236, 226)), ball(4.4, 8.2, 1.0, 0.55, QColor(200, 40, 40)),
        ball(6.4, 7.8, 1.0, 0.55, QColor(40, 40, 40)), flag(8.4, 2.0, 0, 4.2, QColor(226, 180, 40))});
    add("Theaterpavillion", std::vector<Part>{
        shadow(1.6, 1.6, 6.8, 6.8), block(1.6, 1.6, 0, 6.8, 6.8, 1.2, woodDark),
        cloth(1.8, 1.8, 6.4, 2.6, QColor(200, 30, 40), QColor(226, 180, 40)),
        hall(1.6, 1.6, 6.8, 6.8, 2.8, QColor(0, 0, 0, 0), tileGreen, R::Pyramid, 4, 1.2),
        ball(1.6, 8.6, 2.6, 0.35, QColor(220, 40, 30)), ball(8.6, 8.6, 2.6, 0.35, QColor(220, 40, 30))});
    add("Religion", std::vector<Part>{
        thing(Shape::Gate, 1.4, 2.6, 7.2, 0, 4.0, columnRed, tileGreen),
        cylinder(5.0, 6.6, 0, 1.0, 1.2, bronze), block(4.6, 6.2, 1.2, 0.8, 0.8, 0.4, bronze),
        smoke(5.0, 6.6, 1.6, 0.7), conifer(1.2, 7.4, 1.6), conifer(8.6, 7.0, 1.6)});
    add("Ahnen-Schrein", std::vector<Part>{
        shadow(2.2, 1.6, 5.0, 4.0), steps(2.0, 1.4, 5.4, 4.4, 0.6, 1),
        hall(2.6, 2.0, 4.2, 3.2, 1.6, QColor(120, 30, 24), tileGreen, R::Gable, 3, 0.6),
        thing(Shape::Stele, 2.2, 7.2, 0.6, 0, 2.0, stone, stoneDark),
        cylinder(5.4, 7.4, 0, 0.6, 0.9, bronze), smoke(5.4, 7.4, 0.9, 0.5)});
    add("Taoistische Gebäude", std::vector<Part>{
        steps(1.6, 1.4, 6.8, 6.0, 0.7, 1),
        cylinder(5.0, 4.4, 0.7, 2.4, 2.2, QColor(120, 30, 24)),
        roof(2.4, 1.8, 2.9, 5.2, 5.2, 2.6, tileGreen, R::Pyramid),
        thing(Shape::Taiji, 3.2, 8.4, 1.1), cylinder(7.6, 8.2, 0, 0.55, 1.0, bronze),
        smoke(7.6, 8.2, 1.0, 0.5)});
    add("Buddistische Gebäude", std::vector<Part>{
        shadow(2.8, 2.8, 4.4, 4.4), steps(2.6, 2.6, 4.8, 4.8, 0.6, 1),
        pagoda(3.2, 3.2, 3.6, 5, 1.2, QColor(200, 180, 140), tileGrey),
        conifer(1.2, 8.0, 1.4), conifer(8.4, 1.2, 1.4)});
    add("Konfuzianische Akademie", std::vector<Part>{
        flat(0.6, 0.6, 8.8, 8.8, paving),
        hall(0.8, 0.8, 7.0, 3.0, 2.0, wallRed, tileGreen, R::Hip, 5),
        hall(2.0, 1.6, 4.6, 1.6, 0.9, wallRed, tileGreen, R::Hip, 0, 3.0),
        conifer(8.6, 1.6, 1.8), conifer(1.4, 6.0, 1.8),
        thing(Shape::Stele, 4.6, 6.6, 0.8, 0, 2.6, stone, stoneDark), conifer(8.4, 8.2, 1.6)});
    add("Militär", std::vector<Part>{
        tent(0.8, 0.8, 3.0, 2.4, 2.0), tent(5.6, 0.8, 3.0, 2.4, 2.0), tent(0.8, 5.4, 3.0, 2.4, 2.0),
        thing(Shape::Spears, 5.6, 5.4, 3.2, 0, 2.8, iron, {}, 6),
        flag(4.7, 4.4, 0, 5.4), fire(7.8, 8.6, 0, 0.6)});
    add("Armbrustschützen", fort(QColor(60, 110, 180)) + std::vector<Part>{
        thing(Shape::Crossbow, 4.4, 4.4, 0, 0, 0, wood),
        thing(Shape::Stele, 6.8, 3.0, 0.8, 0, 1.6, QColor(230, 220, 200), QColor(200, 40, 40))} + fortFront());
    add("Infantrie", fort(banner) + std::vector<Part>{
        hall(2.2, 2.2, 4.0, 2.2, 1.3, wood, tileGrey, R::Gable),
        thing(Shape::Spears, 3.0, 6.0, 4.0, 0, 2.8, iron, {}, 7)} + fortFront());
    add("Kavallerie", std::vector<Part>{
        shadow(0.8, 0.8, 7.6, 2.8), hall(0.8, 0.8, 7.6, 2.6, 1.5, wood, tileGrey, R::Gable, 5),
        fence(1.0, 4.2, 8.0, 5.2), cone(3.0, 6.4, 0, 0.9, 1.4, wheat),
        thing(Shape::Cart, 6.0, 6.6, 0, 0, 0, QColor(140, 30, 24)), flag(8.8, 4.0, 0, 4.0)});
    add("Katapult", std::vector<Part>{
        flat(0.8, 0.8, 8.4, 8.4, earthLight.darker(108)),
        thing(Shape::Catapult, 2.6, 3.0, 0, 0, 0, wood), rocks(6.6, 6.6, 6, stone),
        flag(8.6, 1.2, 0, 4.0)});
    add("Befestigungen", std::vector<Part>{
        wall(-0.5, 4.2, 11.0, 1.6, 2.4, stone, stoneDark),
        block(3.4, 3.6, 0, 3.2, 2.8, 3.0, stone),
        block(4.4, 6.39, 0, 1.2, 0.02, 1.8, QColor(50, 36, 28)),
        hall(3.8, 3.9, 2.4, 2.2, 1.5, columnRed, tileGrey, R::Hip, 3, 3.0),
        flag(0.6, 5.0, 2.65, 2.2), flag(9.2, 5.0, 2.65, 2.2)});
    add("Waffenschmiede", std::vector<Part>{
        shadow(0.8, 0.8, 5.6, 3.8), hall(0.8, 0.8, 5.6, 3.6, 2.0, wallMud, tileGrey, R::Gable, 3),
        cylinder(7.4, 2.0, 0, 0.7, 3.4, stoneDark), smoke(7.4, 2.0, 3.6, 0.8),
        thing(Shape::Spears, 1.4, 6.2, 3.0, 0, 2.6, iron, {}, 5),
        thing(Shape::Anvil, 5.8, 6.6), fire(7.6, 7.6, 0, 0.8)});
    add("Ästhetik", std::vector<Part>{
        water(0.8, 4.6, 4.6, 4.4), tree(2.4, 1.8, 2.2, leaf, blossomPink),
        hall(6.0, 1.6, 2.8, 2.8, 2.0, QColor(0, 0, 0, 0), tileGreen, R::Pyramid, 2),
        rocks(6.6, 6.8, 4, stoneDark), bush(8.6, 8.6, 1.2)});
    add("Gärten", std::vector<Part>{
        flat(0.4, 0.4, 9.2, 9.2, QColor(96, 140, 64)),
        flat(4.3, 0.4, 1.4, 9.2, paving), flat(0.4, 4.3, 9.2, 1.4, paving),
        field(0.9, 0.9, 3.0, 3.0, soil, QColor(220, 70, 90), 3), bush(7.2, 2.2, 1.4),
        bush(2.2, 7.4, 1.4), field(6.1, 6.1, 3.0, 3.0, soil, QColor(236, 200, 60), 3),
        tree(5.0, 5.0, 1.6, leaf, QColor(250, 250, 250))});
    add("Skulpturen", std::vector<Part>{
        flat(1.4, 1.4, 7.2, 7.2, paving),
        thing(Shape::Statue, 5.0, 5.0, 1.4, 0, 3.0, stone, stoneDark),
        bush(2.0, 8.0, 1.0), bush(8.0, 2.0, 1.0)});
    add("Erholungsgebiete", std::vector<Part>{
        water(4.8, 3.6, 5.0, 6.0),
        cylinder(2.8, 3.0, 0, 2.0, 0.5, paving),
        thing(Shape::Pavilion, 2.8, 3.0, 1.9, 0, 2.2, columnRed, tileGreen),
        bridge(4.4, 6.6, 5.6, 1.2, 1.2, QColor(200, 60, 40)), tree(1.6, 8.0, 1.6, leaf)});
    add("Ästhetische Strassen", std::vector<Part>{
        thing(Shape::Road, 3.2, -0.5, 3.6, 11.0, 0, paving, stoneDark),
        bush(1.6, 1.6, 1.2), bush(1.6, 5.0, 1.2), bush(8.4, 3.0, 1.2), bush(8.4, 6.8, 1.2),
        thing(Shape::Lamp, 2.4, 8.0, 0, 0, 2.6), thing(Shape::Lamp, 7.6, 0.8, 0, 0, 2.6),
        tree(1.4, 8.8, 1.4, leaf, blossomPink)});
    add("Wohngebietmauern", std::vector<Part>{
        wall(-0.5, 4.4, 3.6, 1.0, 2.2, wallRed, tileGrey),
        wall(6.9, 4.4, 3.6, 1.0, 2.2, wallRed, tileGrey),
        thing(Shape::Gate, 3.1, 4.4, 3.8, 0, 3.2, columnRed, tileGrey),
        tree(1.4, 1.6, 1.6), bush(8.6, 8.4, 1.2)});
    add("Ästhetische Bäume", std::vector<Part>{
        tree(2.6, 2.4, 2.4, QColor(110, 80, 60), blossomPink),
        tree(7.2, 3.6, 2.0, QColor(110, 80, 60), QColor(250, 244, 248)),
        tree(4.2, 7.4, 2.2, QColor(110, 80, 60), QColor(236, 110, 150))});
    add("Monumente", std::vector<Part>{
        steps(0.4, 0.4, 9.2, 9.2, 1.8, 3, QColor(190, 180, 160)),
        thing(Shape::Stele, 5.0, 5.0, 1.4, 0, 4.8, stone, stoneDark),
        cylinder(2.2, 7.8, 1.8, 0.6, 0.9, bronze), cylinder(7.8, 2.2, 1.8, 0.6, 0.9, bronze)});
    add("Arbeiterlager", std::vector<Part>{
        tent(0.8, 0.8, 3.2, 2.6, 2.0), tent(5.4, 1.0, 3.2, 2.6, 2.0, QColor(190, 170, 130)),
        tent(0.8, 5.2, 3.2, 2.6, 2.0, QColor(190, 170, 130)),
        fire(6.0, 6.2, 0, 0.9), logs(6.0, 8.0, 2),
        thing(Shape::Rake, 4.4, 8.4)});
    add("Baugilden", std::vector<Part>{
        shadow(0.8, 0.8, 6.0, 3.8), hall(0.8, 0.8, 6.0, 3.6, 2.2, wallWhite, tileGrey, R::Hip, 4),
        flag(7.6, 1.6, 0, 4.4, QColor(226, 180, 40)),
        logs(1.2, 6.6, 4), crates(5.6, 6.6, 4, clay), block(7.6, 7.8, 0, 1.4, 1.0, 0.7, stone)});
    add("Bauoptionen", std::vector<Part>{
        block(2.2, 2.2, 0, 5.0, 4.4, 1.6, wallMud),
        thing(Shape::Scaffold, 2.0, 2.0, 5.4, 4.8, 3.4, wood),
        logs(1.6, 7.6, 3), crates(6.4, 7.6, 3, clay)});
    add("Strassen bauen", std::vector<Part>{
        thing(Shape::Road, -0.5, 3.6, 11.0, 2.8, 0, QColor(170, 150, 120), stoneDark),
        rocks(2.0, 1.8, 5, stone), rocks(7.0, 8.0, 4, stone),
        thing(Shape::Rake, 6.6, 1.6)});
    add("Sperre setzen", std::vector<Part>{
        thing(Shape::Road, 3.6, -0.5, 2.8, 11.0, 0, QColor(170, 150, 120), stoneDark),
        thing(Shape::Barrier, 2.2, 4.6, 5.6, 0, 1.3)});
    add("Planieren", std::vector<Part>{
        flat(1.0, 1.0, 8.0, 8.0, earthLight),
        thing(Shape::Furrows, 1.0, 1.0, 8.0, 8.0, 0, earth),
        dome(2.6, 2.6, 0, 1.4, 1.2, earth), thing(Shape::Rake, 5.8, 5.6),
        thing(Shape::Rake, 7.2, 3.6)});

    t.insert(t.begin(), t.front());  // picture 0 repeats picture 1
    return t;
}

}  // namespace

const std::vector<BuildingPicture> &buildingPictures()
{
    static const std::vector<BuildingPicture> table = makeTable();
    return table;
}
