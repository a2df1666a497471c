#include "isopainter.h"

#include "palette.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

constexpr qreal kSqrt2 = 1.41421356;

QPointF lerp(QPointF a, QPointF b, qreal t) { return a + (b - a) * t; }

// Deterministic scatter so that repeated runs give identical pictures.
class Scatter {
public:
    explicit Scatter(quint32 seed) : state_(seed * 2654435761u + 1u) {}
    qreal next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / qreal(1 << 24);
    }

private:
    quint32 state_;
};

}  // namespace

QColor litSide(const QColor &c) { return c.lighter(108); }
QColor shadedSide(const QColor &c) { return c.darker(135); }
QColor topSide(const QColor &c) { return c.lighter(125); }

IsoPainter::IsoPainter(QPainter &painter, QPointF origin, qreal unit)
    : p_(painter), origin_(origin), unit_(unit)
{
    p_.setRenderHint(QPainter::Antialiasing);
}

QPointF IsoPainter::at(qreal x, qreal y, qreal z) const
{
    return {origin_.x() + (x - y) * unit_, origin_.y() + (x + y) * unit_ * 0.5 - z * unit_};
}

void IsoPainter::face(const std::vector<Point3> &corners, const QColor &color, qreal sag)
{
    QPainterPath path(at(corners.front()));
    for (size_t i = 0; i < corners.size(); ++i) {
        const Point3 &a = corners[i];
        const Point3 &b = corners[(i + 1) % corners.size()];
        if (sag != 0 && std::abs(a.z - b.z) < 1e-6) {
            const Point3 mid{(a.x + b.x) / 2, (a.y + b.y) / 2, a.z - 2 * sag};
            path.quadTo(at(mid), at(b));
        } else {
            path.lineTo(at(b));
        }
    }
    p_.setPen(QPen(color.darker(150), unit_ * 0.06));
    p_.setBrush(color);
    p_.drawPath(path);
}

void IsoPainter::flat(qreal x, qreal y, qreal w, qreal d, const QColor &color, qreal z)
{
    face({{x, y, z}, {x + w, y, z}, {x + w, y + d, z}, {x, y + d, z}}, color);
}

void IsoPainter::shadow(qreal x, qreal y, qreal w, qreal d)
{
    const QPointF c = at(x + w / 2, y + d / 2);
    const qreal rx = (w + d) * unit_ * 0.62;
    const qreal ry = rx * 0.5;
    QRadialGradient g(c, rx);
    g.setColorAt(0, QColor(40, 24, 10, 120));
    g.setColorAt(1, QColor(40, 24, 10, 0));
    p_.setPen(Qt::NoPen);
    p_.setBrush(g);
    p_.save();
    p_.translate(c);
    p_.scale(1, ry / rx);
    p_.translate(-c);
    p_.drawEllipse(c, rx, rx);
    p_.restore();
}

void IsoPainter::box(qreal x, qreal y, qreal z, qreal w, qreal d, qreal h, const QColor &color)
{
    const qreal x1 = x + w, y1 = y + d, z1 = z + h;
    face({{x, y1, z}, {x1, y1, z}, {x1, y1, z1}, {x, y1, z1}}, litSide(color));
    face({{x1, y, z}, {x1, y1, z}, {x1, y1, z1}, {x1, y, z1}}, shadedSide(color));
    face({{x, y, z1}, {x1, y, z1}, {x1, y1, z1}, {x, y1, z1}}, topSide(color));
}

void IsoPainter::wall(qreal x, qreal y, qreal w, qreal d, qreal h, const QColor &color,
                      const QColor &coping)
{
    box(x, y, 0, w, d, h, color);
    const qreal o = 0.15;
    box(x - o, y - o, h, w + 2 * o, d + 2 * o, 0.25, coping);
}

void IsoPainter::columns(qreal x, qreal y, qreal z, qreal w, qreal d, qreal h, int perSide,
                         const QColor &color)
{
    if (perSide < 2)
        return;
    for (int i = 0; i < perSide; ++i) {
        const qreal t = qreal(i) / (perSide - 1);
        line({x + w * t, y + d, z}, {x + w * t, y + d, z + h}, color, 0.22);
        if (i > 0)
            line({x + w, y + d * (1 - t), z}, {x + w, y + d * (1 - t), z + h}, color.darker(120),
                 0.22);
    }
}

void IsoPainter::roof(qreal x, qreal y, qreal z, qreal w, qreal d, qreal h, qreal overhang,
                      const QColor &color, RoofStyle style)
{
    const qreal X0 = x - overhang, X1 = x + w + overhang;
    const qreal Y0 = y - overhang, Y1 = y + d + overhang;
    const bool tiled =
        style == RoofStyle::Hip || style == RoofStyle::Gable || style == RoofStyle::Pyramid;
    const qreal lift = tiled ? h * 0.3 : 0;
    const qreal sag = tiled ? h * 0.22 : (style == RoofStyle::Thatch ? -h * 0.08 : 0);
    const qreal top = z + h;
    const bool alongX = (X1 - X0) >= (Y1 - Y0);
    const qreal half = alongX ? (Y1 - Y0) / 2 : (X1 - X0) / 2;
    qreal inset = 0;
    switch (style) {
    case RoofStyle::Hip: inset = half * 0.85; break;
    case RoofStyle::Thatch: inset = half * 0.6; break;
    case RoofStyle::Pyramid: inset = 1e9; break;
    case RoofStyle::Gable:
    case RoofStyle::Tent: inset = 0; break;
    }
    const qreal xm = (X0 + X1) / 2, ym = (Y0 + Y1) / 2;
    Point3 r1, r2;
    if (alongX) {
        const qreal a = std::min(X0 + inset, xm), b = std::max(X1 - inset, xm);
        r1 = {a, ym, top};
        r2 = {b, ym, top};
    } else {
        const qreal a = std::min(Y0 + inset, ym), b = std::max(Y1 - inset, ym);
        r1 = {xm, a, top};
        r2 = {xm, b, top};
    }
    const Point3 A{X0, Y0, z + lift}, B{X1, Y0, z + lift}, C{X1, Y1, z + lift},
        D{X0, Y1, z + lift};
    const QColor back = color.darker(120);
    std::vector<Point3> front, right;
    if (alongX) {
        face({A, B, r2, r1}, back, sag);
        face({D, A, r1}, back, sag);
        right = {B, C, r2};
        front = {C, D, r1, r2};
    } else {
        face({A, B, r1}, back, sag);
        face({D, A, r1, r2}, back, sag);
        right = {B, C, r2, r1};
        front = {C, D, r2};
    }
    const QColor rightColor = (alongX && inset == 0) ? shadedSide(color).darker(110)
                                                     : shadedSide(color);
    face(right, rightColor, sag);
    face(front, litSide(color), sag);

    // Tile courses: a few strokes from the eave up each visible face.
    if (tiled || style == RoofStyle::Thatch) {
        p_.save();
        p_.setPen(QPen(color.darker(tiled ? 145 : 125), unit_ * 0.07));
        for (const auto *f : {&front, &right}) {
            const QPointF e0 = at((*f)[0]), e1 = at((*f)[1]);
            const QPointF t0 = at(f->size() == 4 ? (*f)[3] : (*f)[2]);
            const QPointF t1 = at((*f)[2]);
            const int n = int(std::hypot(e1.x() - e0.x(), e1.y() - e0.y()) / (unit_ * 0.55));
            for (int i = 1; i < n; ++i) {
                const qreal t = qreal(i) / n;
                const QPointF a = lerp(e0, e1, t);
                const QPointF b = lerp(t0, t1, t);
                p_.drawLine(lerp(a, b, 0.12), lerp(a, b, 0.92));
            }
        }
        p_.restore();
    }
    if (tiled) {
        line(r1, r2, color.darker(170), 0.26);
        if (style != RoofStyle::Pyramid) {
            const qreal dx = alongX ? 0.35 : 0, dy = alongX ? 0 : 0.35;
            line(r1, {r1.x - dx, r1.y - dy, r1.z + 0.4}, color.darker(170), 0.2);
            line(r2, {r2.x + dx, r2.y + dy, r2.z + 0.4}, color.darker(170), 0.2);
        } else {
            ball(r1.x, r1.y, r1.z + 0.25, 0.22, palette::gold);
        }
    }
}


void IsoPainter::cylinder(qreal cx, qreal cy, qreal z, qreal r, qreal h, const QColor &color)
{
    const QPointF c = at(cx, cy, z);
    const qreal rx = r * unit_ * kSqrt2, ry = rx / 2, hh = h * unit_;
    QPainterPath side;
    side.moveTo(c.x() - rx, c.y() - hh);
    side.lineTo(c.x() - rx, c.y());
    side.arcTo(QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry), 180, 180);
    side.lineTo(c.x() + rx, c.y() - hh);
    side.closeSubpath();
    QLinearGradient g(c.x() - rx, 0, c.x() + rx, 0);
    g.setColorAt(0, litSide(color).lighter(105));
    g.setColorAt(0.45, color);
    g.setColorAt(1, shadedSide(color));
    p_.setPen(QPen(color.darker(160), unit_ * 0.06));
    p_.setBrush(g);
    p_.drawPath(side);
    p_.setBrush(topSide(color));
    p_.drawEllipse(QPointF(c.x(), c.y() - hh), rx, ry);
}

void IsoPainter::cone(qreal cx, qreal cy, qreal z, qreal r, qreal h, const QColor &color)
{
    const QPointF c = at(cx, cy, z);
    const qreal rx = r * unit_ * kSqrt2, ry = rx / 2;
    QPainterPath path;
    path.moveTo(c.x() - rx, c.y());
    path.lineTo(c.x(), c.y() - h * unit_);
    path.lineTo(c.x() + rx, c.y());
    path.arcTo(QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry), 0, -180);
    path.closeSubpath();
    QLinearGradient g(c.x() - rx, 0, c.x() + rx, 0);
    g.setColorAt(0, litSide(color).lighter(110));
    g.setColorAt(0.5, color);
    g.setColorAt(1, shadedSide(color));
    p_.setPen(QPen(color.darker(160), unit_ * 0.06));
    p_.setBrush(g);
    p_.drawPath(path);
}

void IsoPainter::dome(qreal cx, qreal cy, qreal z, qreal r, qreal h, const QColor &color)
{
    const QPointF c = at(cx, cy, z);
    const qreal rx = r * unit_ * kSqrt2, ry = rx / 2, hh = h * unit_;
    QPainterPath path;
    path.moveTo(c.x() - rx, c.y());
    path.arcTo(QRectF(c.x() - rx, c.y() - hh, 2 * rx, 2 * hh), 180, -180);
    path.arcTo(QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry), 0, -180);
    path.closeSubpath();
    QRadialGradient g(QPointF(c.x() - rx * 0.35, c.y() - hh * 0.6), rx * 1.6);
    g.setColorAt(0, topSide(color));
    g.setColorAt(0.5, color);
    g.setColorAt(1, shadedSide(color).darker(115));
    p_.setPen(QPen(color.darker(160), unit_ * 0.06));
    p_.setBrush(g);
    p_.drawPath(path);
}

void IsoPainter::ball(qreal x, qreal y, qreal z, qreal r, const QColor &color)
{
    const QPointF c = at(x, y, z);
    const qreal rr = r * unit_;
    QRadialGradient g(c - QPointF(rr * 0.35, rr * 0.35), rr * 1.3);
    g.setColorAt(0, color.lighter(160));
    g.setColorAt(0.5, color);
    g.setColorAt(1, color.darker(170));
    p_.setPen(Qt::NoPen);
    p_.setBrush(g);
    p_.drawEllipse(c, rr, rr);
}

void IsoPainter::tree(qreal cx, qreal cy, qreal size, const QColor &leaves, const QColor &blossom)
{
    line({cx, cy, 0}, {cx, cy, size * 0.75}, QColor(96, 64, 36), 0.14 * size + 0.1);
    static const struct { qreal dx, dz, r; } kClumps[] = {
        {-0.28, 0.95, 0.38}, {0.3, 0.98, 0.36}, {0.0, 1.28, 0.4}, {0.02, 0.86, 0.36}};
    for (const auto &k : kClumps) {
        const QPointF c = at(cx, cy, size * k.dz) + QPointF(k.dx * size * unit_, 0);
        const qreal r = k.r * size * unit_;
        QRadialGradient g(c - QPointF(r * 0.4, r * 0.45), r * 1.4);
        g.setColorAt(0, leaves.lighter(135));
        g.setColorAt(0.55, leaves);
        g.setColorAt(1, leaves.darker(160));
        p_.setPen(QPen(leaves.darker(190), unit_ * 0.05));
        p_.setBrush(g);
        p_.drawEllipse(c, r, r);
    }
    if (blossom.isValid()) {
        Scatter s(quint32(cx * 97 + cy * 31 + size * 7));
        p_.setPen(Qt::NoPen);
        const QPointF c = at(cx, cy, size * 1.05);
        for (int i = 0; i < 22; ++i) {
            const qreal a = s.next() * 6.2832, rad = std::sqrt(s.next()) * size * 0.62 * unit_;
            const QPointF q = c + QPointF(std::cos(a) * rad, std::sin(a) * rad * 0.85);
            p_.setBrush(i % 3 ? blossom : blossom.lighter(125));
            p_.drawEllipse(q, unit_ * 0.13 * size + 0.2, unit_ * 0.13 * size + 0.2);
        }
    }
}

void IsoPainter::conifer(qreal cx, qreal cy, qreal size, const QColor &leaves)
{
    line({cx, cy, 0}, {cx, cy, size * 0.5}, QColor(90, 60, 34), 0.14 * size + 0.08);
    for (int i = 0; i < 3; ++i) {
        const qreal z = size * (0.35 + i * 0.45);
        cone(cx, cy, z, size * (0.42 - i * 0.1), size * 0.75, leaves);
    }
}

void IsoPainter::bush(qreal cx, qreal cy, qreal size, const QColor &leaves)
{
    for (int i = 0; i < 3; ++i) {
        const QPointF c = at(cx, cy, size * 0.35) + QPointF((i - 1) * size * unit_ * 0.35,
                                                            (i == 1 ? -0.15 : 0) * size * unit_);
        const qreal r = size * unit_ * 0.38;
        QRadialGradient g(c - QPointF(r * 0.4, r * 0.5), r * 1.5);
        g.setColorAt(0, leaves.lighter(135));
        g.setColorAt(1, leaves.darker(150));
        p_.setPen(QPen(leaves.darker(190), unit_ * 0.05));
        p_.setBrush(g);
        p_.drawEllipse(c, r, r * 0.85);
    }
}

void IsoPainter::field(qreal x, qreal y, qreal w, qreal d, const QColor &ground,
                       const QColor &plants, int rows)
{
    flat(x, y, w, d, ground);
    for (int i = 0; i < rows; ++i) {
        const qreal yy = y + d * (i + 0.5) / rows;
        line({x + 0.25, yy, 0}, {x + w - 0.25, yy, 0}, plants.darker(150), d / rows * 0.55);
        line({x + 0.25, yy, 0.12}, {x + w - 0.25, yy, 0.12}, plants, d / rows * 0.42);
    }
}

void IsoPainter::water(qreal x, qreal y, qreal w, qreal d)
{
    QPainterPath path(at(x, y));
    path.lineTo(at(x + w, y));
    path.lineTo(at(x + w, y + d));
    path.lineTo(at(x, y + d));
    path.closeSubpath();
    QLinearGradient g(at(x, y), at(x + w, y + d));
    g.setColorAt(0, QColor(40, 96, 150));
    g.setColorAt(1, QColor(84, 150, 196));
    p_.setPen(QPen(QColor(30, 60, 90), unit_ * 0.08));
    p_.setBrush(g);
    p_.drawPath(path);
    Scatter s(quint32(x * 13 + y * 7 + w));
    const int n = int(w * d / 2.5) + 2;
    for (int i = 0; i < n; ++i) {
        const qreal px = x + 0.4 + s.next() * (w - 1.2), py = y + 0.3 + s.next() * (d - 0.6);
        line({px, py, 0}, {px + 0.7, py, 0}, QColor(200, 230, 250, 200), 0.1);
    }
}

void IsoPainter::flag(qreal x, qreal y, qreal z, qreal h, const QColor &color)
{
    line({x, y, z}, {x, y, z + h}, QColor(70, 50, 30), 0.1);
    const QPointF a = at(x, y, z + h), b = at(x + 1.4, y, z + h - 0.1);
    const QPointF c = at(x + 1.4, y, z + h - 0.9), d = at(x, y, z + h - 0.8);
    QPainterPath path(a);
    path.quadTo(lerp(a, b, 0.5) + QPointF(0, -unit_ * 0.2), b);
    path.lineTo(c);
    path.quadTo(lerp(c, d, 0.5) + QPointF(0, -unit_ * 0.2), d);
    path.closeSubpath();
    p_.setPen(QPen(color.darker(160), unit_ * 0.05));
    p_.setBrush(color);
    p_.drawPath(path);
}

void IsoPainter::fire(qreal x, qreal y, qreal z, qreal size)
{
    const QPointF c = at(x, y, z);
    for (int i = 0; i < 3; ++i) {
        const qreal s = size * unit_ * (1.0 - i * 0.28);
        QPainterPath path(c + QPointF(-s * 0.45, 0));
        path.quadTo(c + QPointF(-s * 0.5, -s * 0.7), c + QPointF(0, -s * 1.3));
        path.quadTo(c + QPointF(s * 0.5, -s * 0.7), c + QPointF(s * 0.45, 0));
        path.closeSubpath();
        p_.setPen(Qt::NoPen);
        p_.setBrush(i == 0 ? QColor(220, 60, 20) : i == 1 ? QColor(250, 150, 30)
                                                          : QColor(255, 230, 110));
        p_.drawPath(path);
    }
}

void IsoPainter::smoke(qreal x, qreal y, qreal z, qreal size)
{
    p_.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        const QPointF c = at(x, y, z + size * (0.4 + i * 0.7)) +
                          QPointF(std::sin(i * 1.7) * size * unit_ * 0.3 + i * unit_ * 0.25, 0);
        const qreal r = size * unit_ * (0.35 + i * 0.12);
        p_.setBrush(QColor(215, 215, 215, 200 - i * 35));
        p_.drawEllipse(c, r, r);
    }
}

void IsoPainter::boat(qreal x, qreal y, qreal length, const QColor &hull, bool sail)
{
    const qreal L = length, hw = 0.55;
    face({{x, y - hw, 0.5}, {x + L, y - hw, 0.6}, {x + L, y + hw, 0.6}, {x, y + hw, 0.5}},
         hull.darker(150));
    face({{x - 0.3, y + hw, 0.6}, {x + L + 0.4, y + hw, 0.75}, {x + L * 0.85, y + hw, 0},
          {x + L * 0.12, y + hw, 0}},
         litSide(hull));
    face({{x + L + 0.4, y - hw, 0.75}, {x + L + 0.4, y + hw, 0.75}, {x + L * 0.85, y + hw, 0}},
         shadedSide(hull));
    if (sail) {
        const qreal xm = x + L * 0.5;
        line({xm, y, 0.5}, {xm, y, 3.6}, QColor(70, 46, 26), 0.12);
        face({{xm, y - 0.15, 3.4}, {xm, y + 1.3, 3.1}, {xm, y + 1.4, 0.95}, {xm, y - 0.15, 0.95}},
             QColor(222, 196, 150));
        for (int i = 1; i < 4; ++i)
            line({xm, y - 0.15, 0.95 + i * 0.6}, {xm, y + 1.35, 0.95 + i * 0.55},
                 QColor(150, 110, 70), 0.06);
    }
}

void IsoPainter::bridge(qreal x, qreal y, qreal w, qreal d, qreal rise, const QColor &color)
{
    const int n = 12;
    auto zt = [&](int i) { return 0.35 + rise * std::sin(M_PI * i / n); };
    for (int i = 0; i < n; ++i) {
        const qreal xa = x + w * i / n, xb = x + w * (i + 1) / n;
        face({{xa, y, zt(i)}, {xb, y, zt(i + 1)}, {xb, y + d, zt(i + 1)}, {xa, y + d, zt(i)}},
             topSide(color));
    }
    QPainterPath side(at(x, y + d, 0));
    for (int i = 0; i <= n; ++i)
        side.lineTo(at(x + w * i / n, y + d, zt(i)));
    side.lineTo(at(x + w, y + d, 0));
    for (int i = n; i >= 0; --i) {
        const qreal t = qreal(i) / n;
        const qreal under = std::max(0.0, (rise - 0.35) * std::sin(M_PI * (t - 0.12) / 0.76));
        side.lineTo(at(x + w * t, y + d, (t < 0.12 || t > 0.88) ? 0 : under));
    }
    side.closeSubpath();
    p_.setPen(QPen(color.darker(170), unit_ * 0.06));
    p_.setBrush(litSide(color));
    p_.drawPath(side);
    for (const qreal yy : {y, y + d}) {
        for (int i = 0; i < n; ++i)
            line({x + w * i / n, yy, zt(i) + 0.45}, {x + w * (i + 1) / n, yy, zt(i + 1) + 0.45},
                 color.darker(130), 0.12);
        for (int i = 0; i <= n; i += 2)
            line({x + w * i / n, yy, zt(i)}, {x + w * i / n, yy, zt(i) + 0.5}, color.darker(140),
                 0.12);
    }
}

void IsoPainter::line(const Point3 &a, const Point3 &b, const QColor &color, qreal widthUnits)
{
    p_.setPen(QPen(color, widthUnits * unit_, Qt::SolidLine, Qt::RoundCap));
    p_.drawLine(at(a), at(b));
}
