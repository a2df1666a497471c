#pragma once
// Drawing helpers for isometric scenes. World units: x runs to the lower
// right, y to the lower left, z upwards; the viewer looks from +x/+y, so the
// faces facing +x and +y are the visible sides. Callers draw back to front.

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <vector>

enum class RoofStyle {
    Hip,      // hipped roof with upturned eaves (halls, houses)
    Gable,    // gable roof with upturned eaves
    Pyramid,  // four faces to one apex (pavilions, towers)
    Thatch,   // straw roof, rounded, no upturn
    Tent,     // cloth, straight lines
};

struct Point3 {
    qreal x, y, z;
};

class IsoPainter {
public:
    // `origin` is where world (0,0,0) lands; `unit` is the pixels per world unit.
    IsoPainter(QPainter &painter, QPointF origin, qreal unit);

    QPointF at(qreal x, qreal y, qreal z = 0) const;
    QPointF at(const Point3 &p) const { return at(p.x, p.y, p.z); }
    QPainter &painter() { return p_; }
    qreal unit() const { return unit_; }

    // A flat rectangle on the plane z.
    void flat(qreal x, qreal y, qreal w, qreal d, const QColor &color, qreal z = 0);
    // A soft dark ellipse under a subject.
    void shadow(qreal x, qreal y, qreal w, qreal d);
    // A solid block: top, +y side and +x side, shaded.
    void box(qreal x, qreal y, qreal z, qreal w, qreal d, qreal h, const QColor &color);
    // A wall with a tiled coping.
    void wall(qreal x, qreal y, qreal w, qreal d, qreal h, const QColor &color,
              const QColor &coping);
    // Columns along the two visible sides of a block footprint.
    void columns(qreal x, qreal y, qreal z, qreal w, qreal d, qreal h, int perSide,
                 const QColor &color);
    // A roof over the footprint, eaves at height z, ridge h above.
    void roof(qreal x, qreal y, qreal z, qreal w, qreal d, qreal h, qreal overhang,
              const QColor &color, RoofStyle style);
    // An upright round body (well, kiln, tower, tank).
    void cylinder(qreal cx, qreal cy, qreal z, qreal r, qreal h, const QColor &color);
    // A cone standing on z (tents, round roofs, haystacks).
    void cone(qreal cx, qreal cy, qreal z, qreal r, qreal h, const QColor &color);
    // A dome on z (kilns, mounds).
    void dome(qreal cx, qreal cy, qreal z, qreal r, qreal h, const QColor &color);
    // A broad-leaved tree; `blossom` sprinkles flowers of that colour when valid.
    void tree(qreal cx, qreal cy, qreal size, const QColor &leaves,
              const QColor &blossom = QColor());
    // A conifer or cypress.
    void conifer(qreal cx, qreal cy, qreal size, const QColor &leaves);
    // A low bush.
    void bush(qreal cx, qreal cy, qreal size, const QColor &leaves);
    // A field with rows of plants along x.
    void field(qreal x, qreal y, qreal w, qreal d, const QColor &ground, const QColor &plants,
               int rows);
    // Open water with ripples.
    void water(qreal x, qreal y, qreal w, qreal d);
    // A pole with a flag at its top.
    void flag(qreal x, qreal y, qreal z, qreal h, const QColor &color);
    // Flames and a plume of smoke rising from (x, y, z).
    void fire(qreal x, qreal y, qreal z, qreal size);
    void smoke(qreal x, qreal y, qreal z, qreal size);
    // A boat lying along x on the water plane.
    void boat(qreal x, qreal y, qreal length, const QColor &hull, bool sail);
    // An arched bridge running along x over [x, x+w].
    void bridge(qreal x, qreal y, qreal w, qreal d, qreal rise, const QColor &color);
    // A hanging lantern or ornament ball.
    void ball(qreal x, qreal y, qreal z, qreal r, const QColor &color);
    // A straight stroke between two world points.
    void line(const Point3 &a, const Point3 &b, const QColor &color, qreal widthUnits);

private:
    void face(const std::vector<Point3> &corners, const QColor &color, qreal sag = 0);

    QPainter &p_;
    QPointF origin_;
    qreal unit_;
};

// Shading used for the three visible faces of a block.
QColor litSide(const QColor &c);
QColor shadedSide(const QColor &c);
QColor topSide(const QColor &c);
