#include "buildingrenderer.h"

#include "palette.h"

#include <QPainterPath>
#include <QRandomGenerator>
#include <cmath>

namespace {

constexpr int kSize = 73;
constexpr int kSupersample = 4;  // drawn larger, then averaged down for clean edges

void drawGround(QPainter &p, IsoPainter &iso)
{
    QLinearGradient g(0, 0, 0, kSize);
    g.setColorAt(0, palette::earth.lighter(104));
    g.setColorAt(1, palette::earth.darker(108));
    p.fillRect(QRectF(0, 0, kSize, kSize), g);
    QPainterPath plot(iso.at(0, 0));
    plot.lineTo(iso.at(10, 0));
    plot.lineTo(iso.at(10, 10));
    plot.lineTo(iso.at(0, 10));
    plot.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(180, 138, 92, 90));
    p.drawPath(plot);
    // Clods and pebbles; a fixed seed keeps every run identical.
    QRandomGenerator random(7);
    for (int i = 0; i < 60; ++i) {
        const QPointF c(random.bounded(double(kSize)), random.bounded(double(kSize)));
        const bool light = i % 3 == 0;
        p.setBrush(light ? palette::earthLight : palette::earthDark);
        p.drawEllipse(c, 0.7, 0.45);
    }
}

// A circle standing upright in the plane x = const (wheels seen from the side).
QPainterPath uprightCircle(const IsoPainter &iso, qreal x, qreal y, qreal z, qreal r,
                           bool inYPlane)
{
    QPainterPath path;
    for (int i = 0; i <= 32; ++i) {
        const qreal a = i * 2 * M_PI / 32;
        const QPointF q = inYPlane ? iso.at(x + r * std::cos(a), y, z + r * std::sin(a))
                                   : iso.at(x, y + r * std::cos(a), z + r * std::sin(a));
        i == 0 ? path.moveTo(q) : path.lineTo(q);
    }
    return path;
}

void wheel(IsoPainter &iso, qreal x, qreal y, qreal z, qreal r, const QColor &color, bool inYPlane,
           bool paddles)
{
    QPainter &p = iso.painter();
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4;
        const qreal c = r * std::cos(a), s = r * std::sin(a);
        const Point3 rim = inYPlane ? Point3{x + c, y, z + s} : Point3{x, y + c, z + s};
        iso.line({x, y, z}, rim, color, 0.12);
        if (paddles) {
            const Point3 out = inYPlane ? Point3{x + c * 1.25, y, z + s * 1.25}
                                        : Point3{x, y + c * 1.25, z + s * 1.25};
            iso.line(rim, out, color.lighter(120), 0.35);
        }
    }
    p.setPen(QPen(color.darker(130), iso.unit() * 0.22));
    p.setBrush(Qt::NoBrush);
    p.drawPath(uprightCircle(iso, x, y, z, r, inYPlane));
    iso.ball(x, y, z, 0.18, color.darker(120));
}

void hall(IsoPainter &iso, const Part &q)
{
    const bool open = q.a.alpha() == 0;
    if (open) {
        for (const auto &c : {Point3{q.x, q.y, 0}, Point3{q.x + q.w, q.y, 0}, Point3{q.x, q.y + q.d, 0}})
            iso.line({c.x, c.y, q.z}, {c.x, c.y, q.z + q.h}, palette::columnRed.darker(115), 0.22);
        iso.columns(q.x, q.y, q.z, q.w, q.d, q.h, std::max(q.n, 2), palette::columnRed);
    } else {
        iso.box(q.x, q.y, q.z, q.w, q.d, q.h, q.a);
        // A door in the middle of the front side.
        const qreal dw = std::min(q.w * 0.22, 1.1), dh = std::min(q.h * 0.7, 1.5);
        const qreal dx = q.x + q.w / 2 - dw / 2, fy = q.y + q.d;
        QPainterPath door(iso.at(dx, fy, q.z));
        door.lineTo(iso.at(dx + dw, fy, q.z));
        door.lineTo(iso.at(dx + dw, fy, q.z + dh));
        door.lineTo(iso.at(dx, fy, q.z + dh));
        door.closeSubpath();
        iso.painter().setPen(Qt::NoPen);
        iso.painter().setBrush(QColor(60, 36, 24));
        iso.painter().drawPath(door);
        iso.columns(q.x, q.y, q.z, q.w, q.d, q.h, q.n, palette::columnRed);
    }
    const qreal span = std::min(q.w, q.d);
    qreal rise = span * 0.42 + 0.5;
    if (q.roof == RoofStyle::Pyramid)
        rise = span * 0.5 + 0.4;
    if (q.roof == RoofStyle::Thatch)
        rise = span * 0.5 + 0.5;
    iso.roof(q.x, q.y, q.z + q.h, q.w, q.d, rise, q.roof == RoofStyle::Thatch ? 0.35 : 0.55, q.b,
             q.roof);
}

void pagoda(IsoPainter &iso, const Part &q)
{
    qreal z = q.z;
    for (int i = 0; i < q.n; ++i) {
        const qreal s = q.w * (1 - 0.13 * i), off = (q.w - s) / 2;
        const qreal h = i == 0 ? q.h * 1.3 : q.h * 0.75;
        iso.box(q.x + off, q.y + off, z, s, s, h, q.a);
        iso.columns(q.x + off, q.y + off, z, s, s, h, 3, palette::columnRed);
        iso.roof(q.x + off, q.y + off, z + h, s, s, 0.75, 0.55, q.b, RoofStyle::Pyramid);
        z += h + 0.35;
    }
    const qreal c = q.x + q.w / 2;
    iso.line({c, c - q.x + q.y, z}, {c, c - q.x + q.y, z + 1.6}, palette::bronze, 0.16);
    for (int i = 0; i < 3; ++i)
        iso.ball(c, c - q.x + q.y, z + 0.4 + i * 0.45, 0.2 - i * 0.03, palette::gold);
}

void stall(IsoPainter &iso, const Part &q)
{
    for (const auto &c : {Point3{q.x, q.y, 0}, Point3{q.x + q.w, q.y, 0}, Point3{q.x, q.y + q.d, 0},
                          Point3{q.x + q.w, q.y + q.d, 0}})
        iso.line(c, {c.x, c.y, q.h}, palette::woodDark, 0.16);
    iso.box(q.x + 0.2, q.y + q.d - 1.0, 0, q.w - 0.4, 0.9, 0.8, palette::wood);
    const QColor goods[] = {palette::wheat, palette::crop, palette::clay, palette::blossomPink};
    for (int i = 0; i < 3; ++i)
        iso.ball(q.x + 0.8 + i * (q.w - 1.6) / 2, q.y + q.d - 0.55, 1.05, 0.3, goods[i]);
    iso.roof(q.x, q.y, q.h, q.w, q.d, 0.8, 0.3, q.a, RoofStyle::Tent);
}

void catapult(IsoPainter &iso, const Part &q)
{
    const QColor w = q.a;
    iso.box(q.x, q.y, 0, 4.2, 0.35, 0.4, w);
    iso.box(q.x, q.y + 2.2, 0, 4.2, 0.35, 0.4, w);
    iso.box(q.x + 1.6, q.y, 0.4, 0.3, 2.55, 0.3, w.darker(110));
    for (const qreal y : {q.y + 0.15, q.y + 2.35}) {
        iso.line({q.x + 0.8, y, 0.4}, {q.x + 1.6, y, 2.4}, w.darker(120), 0.2);
        iso.line({q.x + 2.4, y, 0.4}, {q.x + 1.6, y, 2.4}, w.darker(120), 0.2);
    }
    iso.line({q.x + 1.6, q.y + 0.15, 2.4}, {q.x + 1.6, q.y + 2.35, 2.4}, w.darker(140), 0.18);
    iso.line({q.x + 3.6, q.y + 1.25, 0.9}, {q.x + 0.2, q.y + 1.25, 4.4}, w.darker(115), 0.3);
    iso.ball(q.x + 0.2, q.y + 1.25, 4.5, 0.45, palette::stone);
    for (const qreal y : {q.y + 2.6})
        for (const qreal x : {q.x + 0.6, q.x + 3.6})
            wheel(iso, x, y, 0.6, 0.6, palette::woodDark, true, false);
}

void crossbow(IsoPainter &iso, const Part &q)
{
    iso.box(q.x - 0.3, q.y - 0.3, 0, 0.6, 0.6, 1.4, palette::woodDark);
    iso.line({q.x - 1.4, q.y, 1.6}, {q.x + 1.8, q.y, 1.8}, q.a, 0.35);
    QPainter &p = iso.painter();
    QPainterPath bow(iso.at(q.x + 1.2, q.y - 1.8, 1.7));
    bow.quadTo(iso.at(q.x + 2.0, q.y, 1.8), iso.at(q.x + 1.2, q.y + 1.8, 1.7));
    p.setPen(QPen(q.a.darker(140), iso.unit() * 0.28, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bow);
    iso.line({q.x + 1.2, q.y - 1.8, 1.7}, {q.x + 0.3, q.y, 1.7}, QColor(230, 220, 200), 0.06);
    iso.line({q.x + 1.2, q.y + 1.8, 1.7}, {q.x + 0.3, q.y, 1.7}, QColor(230, 220, 200), 0.06);
}

void spears(IsoPainter &iso, const Part &q)
{
    iso.box(q.x, q.y, 0, 0.25, 0.25, 1.8, palette::woodDark);
    iso.box(q.x + q.w, q.y, 0, 0.25, 0.25, 1.8, palette::woodDark);
    iso.line({q.x, q.y + 0.1, 1.6}, {q.x + q.w + 0.25, q.y + 0.1, 1.6}, palette::wood, 0.18);
    for (int i = 0; i < q.n; ++i) {
        const qreal x = q.x + 0.3 + (q.w - 0.4) * i / std::max(1, q.n - 1);
        iso.line({x, q.y + 0.5, 0}, {x + 0.1, q.y, q.h}, palette::wood.lighter(115), 0.1);
        iso.line({x + 0.1, q.y, q.h}, {x + 0.13, q.y - 0.02, q.h + 0.6}, QColor(200, 204, 212), 0.18);
    }
}

void crates(IsoPainter &iso, const Part &q)
{
    for (int i = 0; i < q.n; ++i) {
        const int level = i / 4, k = i % 4;
        const qreal x = q.x + (k % 2) * 1.05 + level * 0.5, y = q.y + (k / 2) * 1.05 + level * 0.5;
        iso.box(x, y, level * 0.85, 0.95, 0.95, 0.85, q.a);
    }
}

void logs(IsoPainter &iso, const Part &q)
{
    static const struct { qreal dy, dz; } kPlaces[] = {
        {0, 0}, {0.6, 0}, {1.2, 0}, {0.3, 0.5}, {0.9, 0.5}, {0.6, 1.0}};
    for (int i = 0; i < q.n && i < 6; ++i) {
        const qreal y = q.y + kPlaces[i].dy, z = kPlaces[i].dz;
        iso.box(q.x, y, z, q.w, 0.55, 0.5, q.a);
        QPainter &p = iso.painter();
        p.setPen(QPen(q.a.darker(160), iso.unit() * 0.05));
        p.setBrush(QColor(206, 170, 110));
        p.drawPath(uprightCircle(iso, q.x + q.w, y + 0.27, z + 0.25, 0.27, false));
    }
}

void rocks(IsoPainter &iso, const Part &q)
{
    QRandomGenerator random(quint32(q.x * 10 + q.y * 100));
    for (int i = 0; i < q.n; ++i) {
        const qreal dx = (i % 3) * 0.8 + random.bounded(0.3), dy = (i / 3) * 0.8 + random.bounded(0.3);
        iso.dome(q.x + dx, q.y + dy, 0, 0.45 + random.bounded(0.15), 0.5 + random.bounded(0.3),
                 q.a);
    }
}

void coins(IsoPainter &iso, const Part &q)
{
    for (int i = 0; i < q.n; ++i) {
        const qreal dx = (i % 3) * 0.75, dy = (i / 3) * 0.75;
        iso.cylinder(q.x + dx, q.y + dy, 0, 0.33, 0.3 + 0.15 * (i % 2), q.a);
    }
}

void steps(IsoPainter &iso, const Part &q)
{
    const qreal tier = q.h / std::max(1, q.n);
    for (int i = 0; i < q.n; ++i) {
        const qreal in = i * 0.35;
        iso.box(q.x + in, q.y + in, i * tier, q.w - 2 * in, q.d - 2 * in, tier, q.a);
    }
    // A stair up the middle of the front side.
    const qreal sw = std::min(2.0, q.w * 0.3);
    for (int i = 0; i < q.n * 2; ++i) {
        const qreal z = i * tier / 2;
        const qreal out = (q.n * 2 - i) * 0.18;
        iso.box(q.x + q.w / 2 - sw / 2, q.y + q.d - 0.35 * (i / 2) - 0.2, z, sw, 0.2 + out * 0.0 + 0.01,
                tier / 2, q.a.lighter(108));
    }
}

void cloth(IsoPainter &iso, const Part &q)
{
    iso.line({q.x, q.y, 0}, {q.x, q.y, q.h}, palette::woodDark, 0.16);
    iso.line({q.x + q.w, q.y, 0}, {q.x + q.w, q.y, q.h}, palette::woodDark, 0.16);
    const qreal seg = q.w / q.n;
    for (int i = 0; i < q.n; ++i) {
        const qreal x0 = q.x + i * seg + 0.12, x1 = q.x + (i + 1) * seg - 0.12;
        QPainterPath path(iso.at(x0, q.y, q.h - 0.1));
        path.lineTo(iso.at(x1, q.y, q.h - 0.1));
        path.lineTo(iso.at(x1, q.y, q.h * 0.3));
        path.lineTo(iso.at(x0, q.y, q.h * 0.3));
        path.closeSubpath();
        const QColor c = i % 2 ? q.b : q.a;
        iso.painter().setPen(QPen(c.darker(150), iso.unit() * 0.05));
        iso.painter().setBrush(litSide(c));
        iso.painter().drawPath(path);
    }
    iso.line({q.x, q.y, q.h}, {q.x + q.w, q.y, q.h}, palette::woodDark, 0.12);
}

void fence(IsoPainter &iso, const Part &q)
{
    const QColor c = q.a;
    auto side = [&](Point3 a, Point3 b) {
        const qreal len = std::hypot(b.x - a.x, b.y - a.y);
        const int posts = std::max(2, int(len / 0.9));
        for (int i = 0; i <= posts; ++i) {
            const qreal t = qreal(i) / posts;
            const Point3 p{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, 0};
            iso.line(p, {p.x, p.y, q.h}, c.darker(120), 0.12);
        }
        for (const qreal z : {q.h * 0.45, q.h * 0.9})
            iso.line({a.x, a.y, z}, {b.x, b.y, z}, c, 0.09);
    };
    const Point3 A{q.x, q.y, 0}, B{q.x + q.w, q.y, 0}, C{q.x + q.w, q.y + q.d, 0},
        D{q.x, q.y + q.d, 0};
    if (q.n == 0) {
        side(A, B);
        side(D, A);
    }
    side(D, C);
    side(B, C);
}

void tent(IsoPainter &iso, const Part &q)
{
    iso.roof(q.x, q.y, 0, q.w, q.d, q.h, 0.05, q.a, RoofStyle::Tent);
    const qreal ym = q.y + q.d / 2, x1 = q.x + q.w + 0.05;
    QPainterPath door(iso.at(x1, ym - 0.5, 0));
    door.lineTo(iso.at(x1, ym, q.h * 0.7));
    door.lineTo(iso.at(x1, ym + 0.5, 0));
    door.closeSubpath();
    iso.painter().setPen(Qt::NoPen);
    iso.painter().setBrush(QColor(70, 50, 36));
    iso.painter().drawPath(door);
    iso.line({q.x - 0.05, ym, q.h}, {q.x - 0.05, ym, q.h + 0.5}, palette::woodDark, 0.1);
}

void statue(IsoPainter &iso, const Part &q)
{
    const qreal s = q.w;
    iso.box(q.x - s, q.y - s, 0, 2 * s, 2 * s, 0.9, palette::stoneDark);
    iso.box(q.x - s * 0.8, q.y - s * 0.8, 0.9, 1.6 * s, 1.6 * s, 0.3, palette::stone);
    // A seated guardian lion: haunch, chest and maned head.
    iso.dome(q.x + 0.2, q.y - 0.2, 1.2, s * 0.62, q.h * 0.45, q.a);
    iso.dome(q.x - 0.1, q.y + 0.35, 1.2, s * 0.45, q.h * 0.62, q.a.lighter(105));
    iso.ball(q.x - 0.1, q.y + 0.45, 1.2 + q.h * 0.72, s * 0.42, q.a);
    iso.ball(q.x - 0.1, q.y + 0.7, 1.2 + q.h * 0.64, s * 0.22, q.a.darker(115));
    iso.ball(q.x + 0.4, q.y + 0.6, 1.45, s * 0.2, q.b);
}

void stele(IsoPainter &iso, const Part &q)
{
    iso.box(q.x - q.w * 0.8, q.y - 0.45, 0, q.w * 1.6, 0.9, 0.35, palette::stoneDark);
    iso.box(q.x - q.w / 2, q.y - 0.2, 0.35, q.w, 0.4, q.h, q.a);
    iso.box(q.x - q.w * 0.6, q.y - 0.27, 0.35 + q.h, q.w * 1.2, 0.54, 0.3, q.b);
    for (int i = 1; i < 4; ++i)
        iso.line({q.x - q.w * 0.3, q.y + 0.21, 0.35 + q.h * (1 - i * 0.22)},
                 {q.x + q.w * 0.3, q.y + 0.21, 0.35 + q.h * (1 - i * 0.22)}, q.b.darker(120), 0.07);
}

void cart(IsoPainter &iso, const Part &q)
{
    iso.line({q.x + 2.4, q.y + 0.7, 0.7}, {q.x + 4.0, q.y + 0.7, 0.2}, palette::woodDark, 0.16);
    wheel(iso, q.x + 1.2, q.y - 0.05, 0.6, 0.6, palette::woodDark, true, false);
    iso.box(q.x, q.y, 0.6, 2.4, 1.4, 0.6, q.a);
    iso.box(q.x + 0.3, q.y + 0.2, 1.2, 1.0, 1.0, 0.6, palette::tentCloth.darker(110));
    wheel(iso, q.x + 1.2, q.y + 1.45, 0.6, 0.6, palette::woodDark, true, false);
}

void taiji(IsoPainter &iso, const Part &q)
{
    QPainter &p = iso.painter();
    const QPointF c = iso.at(q.x, q.y, 0.02);
    const qreal r = q.w * iso.unit() * 1.41421356;
    p.save();
    p.translate(c);
    p.scale(1, 0.5);
    p.setPen(QPen(QColor(30, 30, 30), iso.unit() * 0.1));
    p.setBrush(QColor(240, 236, 226));
    p.drawEllipse(QPointF(0, 0), r, r);
    QPainterPath dark;
    dark.moveTo(0, -r);
    dark.arcTo(QRectF(-r, -r, 2 * r, 2 * r), 90, 180);
    dark.arcTo(QRectF(-r / 2, 0, r, r), 270, -180);
    dark.arcTo(QRectF(-r / 2, -r, r, r), 270, 180);
    p.setBrush(QColor(30, 30, 30));
    p.drawPath(dark);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(0, -r / 2), r / 7, r / 7);
    p.setBrush(QColor(240, 236, 226));
    p.drawEllipse(QPointF(0, r / 2), r / 7, r / 7);
    p.restore();
}

void gate(IsoPainter &iso, const Part &q)
{
    const qreal d = q.d > 0 ? q.d : 1.0;
    iso.box(q.x, q.y, 0, 0.8, d, q.h, q.a);
    iso.box(q.x + q.w - 0.8, q.y, 0, 0.8, d, q.h, q.a);
    iso.box(q.x, q.y, q.h - 0.9, q.w, d, 0.9, q.a);
    iso.box(q.x + q.w * 0.35, q.y + d, q.h - 0.8, q.w * 0.3, 0.02, 0.5, palette::gold);
    iso.roof(q.x, q.y, q.h, q.w, d, 1.2, 0.5, q.b, RoofStyle::Hip);
}

void pavilion(IsoPainter &iso, const Part &q)
{
    const qreal z0 = 0.5;
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4 + M_PI / 8;
        const Point3 base{q.x + q.w * std::cos(a), q.y + q.w * std::sin(a), z0};
        iso.line(base, {base.x, base.y, z0 + q.h}, q.a, 0.22);
    }
    iso.cone(q.x, q.y, z0 + q.h - 0.2, q.w * 1.35, 2.2, q.b);
    iso.ball(q.x, q.y, z0 + q.h + 2.1, 0.25, palette::gold);
}

void road(IsoPainter &iso, const Part &q)
{
    iso.flat(q.x, q.y, q.w, q.d, q.a);
    const bool alongX = q.w >= q.d;
    const int n = int((alongX ? q.w : q.d) / 1.0);
    for (int i = 1; i < n; ++i) {
        const qreal t = qreal(i) / n;
        if (alongX)
            iso.line({q.x + q.w * t, q.y, 0}, {q.x + q.w * t, q.y + q.d, 0}, q.a.darker(115), 0.06);
        else
            iso.line({q.x, q.y + q.d * t, 0}, {q.x + q.w, q.y + q.d * t, 0}, q.a.darker(115), 0.06);
    }
    if (alongX) {
        iso.line({q.x, q.y, 0}, {q.x + q.w, q.y, 0}, q.b, 0.22);
        iso.line({q.x, q.y + q.d, 0}, {q.x + q.w, q.y + q.d, 0}, q.b, 0.22);
    } else {
        iso.line({q.x, q.y, 0}, {q.x, q.y + q.d, 0}, q.b, 0.22);
        iso.line({q.x + q.w, q.y, 0}, {q.x + q.w, q.y + q.d, 0}, q.b, 0.22);
    }
}

void barrier(IsoPainter &iso, const Part &q)
{
    iso.box(q.x - 0.2, q.y - 0.2, 0, 0.4, 0.4, q.h + 0.2, palette::woodDark);
    iso.box(q.x + q.w - 0.2, q.y - 0.2, 0, 0.4, 0.4, q.h + 0.2, palette::woodDark);
    const int n = 7;
    for (int i = 0; i < n; ++i) {
        const qreal x0 = q.x + q.w * i / n, x1 = q.x + q.w * (i + 1) / n;
        iso.box(x0, q.y - 0.15, q.h - 0.3, x1 - x0, 0.3, 0.45,
                i % 2 ? QColor(240, 236, 226) : QColor(200, 30, 30));
    }
    for (int i = 0; i < 3; ++i)
        iso.line({q.x + 0.6 + i * 1.8, q.y + 0.6, 0}, {q.x + 1.8 + i * 1.8, q.y - 0.4, q.h - 0.3},
                 palette::wood, 0.18);
}

void rake(IsoPainter &iso, const Part &q)
{
    iso.line({q.x, q.y, 0.1}, {q.x - 1.6, q.y + 1.2, 0.9}, palette::wood.lighter(110), 0.14);
    iso.line({q.x - 0.5, q.y - 0.6, 0.1}, {q.x + 0.5, q.y + 0.6, 0.1}, palette::iron, 0.18);
    for (int i = 0; i < 5; ++i) {
        const qreal t = i / 4.0;
        const Point3 a{q.x - 0.5 + t, q.y - 0.6 + 1.2 * t, 0.1};
        iso.line(a, {a.x + 0.25, a.y + 0.2, 0}, palette::iron, 0.08);
    }
}

void scaffold(IsoPainter &iso, const Part &q)
{
    const QColor c = q.a;
    const Point3 corners[] = {{q.x, q.y, 0}, {q.x + q.w, q.y, 0}, {q.x, q.y + q.d, 0},
                              {q.x + q.w, q.y + q.d, 0}, {q.x + q.w / 2, q.y + q.d, 0},
                              {q.x + q.w, q.y + q.d / 2, 0}};
    for (const auto &p : corners)
        iso.line(p, {p.x, p.y, q.h}, c, 0.14);
    for (const qreal z : {q.h * 0.5, q.h}) {
        iso.line({q.x, q.y + q.d, z}, {q.x + q.w, q.y + q.d, z}, c.lighter(115), 0.18);
        iso.line({q.x + q.w, q.y, z}, {q.x + q.w, q.y + q.d, z}, c.lighter(115), 0.18);
    }
    iso.line({q.x, q.y + q.d, 0}, {q.x + q.w / 2, q.y + q.d, q.h * 0.5}, c.darker(115), 0.1);
    iso.line({q.x + q.w, q.y, 0}, {q.x + q.w, q.y + q.d / 2, q.h * 0.5}, c.darker(115), 0.1);
}

void pit(IsoPainter &iso, const Part &q)
{
    iso.flat(q.x - 0.3, q.y - 0.3, q.w + 0.6, q.d + 0.6, q.a.lighter(115));
    iso.flat(q.x, q.y, q.w, q.d, q.a.darker(120), -q.h);
    QPainter &p = iso.painter();
    auto quad = [&](std::initializer_list<Point3> pts, const QColor &c) {
        QPainterPath path;
        bool first = true;
        for (const auto &pt : pts) {
            first ? path.moveTo(iso.at(pt)) : path.lineTo(iso.at(pt));
            first = false;
        }
        path.closeSubpath();
        p.setPen(QPen(c.darker(150), iso.unit() * 0.05));
        p.setBrush(c);
        p.drawPath(path);
    };
    quad({{q.x, q.y, 0}, {q.x + q.w, q.y, 0}, {q.x + q.w, q.y, -q.h}, {q.x, q.y, -q.h}}, q.a);
    quad({{q.x, q.y, 0}, {q.x, q.y + q.d, 0}, {q.x, q.y + q.d, -q.h}, {q.x, q.y, -q.h}},
         q.a.darker(115));
    iso.dome(q.x + q.w * 0.35, q.y + q.d * 0.5, -q.h, 0.9, 0.7, q.a);
    iso.dome(q.x + q.w * 0.65, q.y + q.d * 0.3, -q.h, 0.7, 0.5, q.a.lighter(110));
}

void ladder(IsoPainter &iso, const Part &q)
{
    for (const qreal dy : {-0.35, 0.35})
        iso.line({q.x, q.y + dy, q.z}, {q.x - 0.5, q.y + dy, q.z + q.h + 0.8}, q.a, 0.1);
    const int rungs = int((q.h + 0.8) / 0.45);
    for (int i = 1; i < rungs; ++i) {
        const qreal t = qreal(i) / rungs;
        iso.line({q.x - 0.5 * t, q.y - 0.35, q.z + (q.h + 0.8) * t},
                 {q.x - 0.5 * t, q.y + 0.35, q.z + (q.h + 0.8) * t}, q.a.lighter(115), 0.08);
    }
}

void lamp(IsoPainter &iso, const Part &q)
{
    iso.box(q.x - 0.2, q.y - 0.2, 0, 0.4, 0.4, 0.3, palette::stoneDark);
    iso.line({q.x, q.y, 0.3}, {q.x, q.y, q.h}, palette::woodDark, 0.12);
    iso.line({q.x, q.y, q.h}, {q.x + 0.6, q.y, q.h}, palette::woodDark, 0.1);
    iso.ball(q.x + 0.6, q.y, q.h - 0.45, 0.32, QColor(220, 40, 30));
}

void anvil(IsoPainter &iso, const Part &q)
{
    iso.box(q.x - 0.35, q.y - 0.35, 0, 0.7, 0.7, 0.6, palette::woodDark);
    iso.box(q.x - 0.6, q.y - 0.3, 0.6, 1.2, 0.6, 0.35, palette::iron);
}

void furrows(IsoPainter &iso, const Part &q)
{
    for (int i = 1; i < 10; ++i) {
        const qreal y = q.y + q.d * i / 10;
        iso.line({q.x + 0.3, y, 0}, {q.x + q.w - 0.3, y, 0}, q.a, 0.1);
    }
}

}  // namespace

void drawParts(IsoPainter &iso, const std::vector<Part> &parts)
{
    for (const Part &q : parts) {
        switch (q.shape) {
        case Shape::Flat: iso.flat(q.x, q.y, q.w, q.d, q.a, q.z); break;
        case Shape::Shadow: iso.shadow(q.x, q.y, q.w, q.d); break;
        case Shape::Block: iso.box(q.x, q.y, q.z, q.w, q.d, q.h, q.a); break;
        case Shape::Wall: iso.wall(q.x, q.y, q.w, q.d, q.h, q.a, q.b); break;
        case Shape::Hall: hall(iso, q); break;
        case Shape::Roof: iso.roof(q.x, q.y, q.z, q.w, q.d, q.h, 0.4, q.a, q.roof); break;
        case Shape::Pagoda: pagoda(iso, q); break;
        case Shape::Cylinder: iso.cylinder(q.x, q.y, q.z, q.w, q.h, q.a); break;
        case Shape::Cone: iso.cone(q.x, q.y, q.z, q.w, q.h, q.a); break;
        case Shape::Dome: iso.dome(q.x, q.y, q.z, q.w, q.h, q.a); break;
        case Shape::Ball: iso.ball(q.x, q.y, q.z, q.w, q.a); break;
        case Shape::Tree: iso.tree(q.x, q.y, q.w, q.a, q.b); break;
        case Shape::Conifer: iso.conifer(q.x, q.y, q.w, q.a); break;
        case Shape::Bush: iso.bush(q.x, q.y, q.w, q.a); break;
        case Shape::Field: iso.field(q.x, q.y, q.w, q.d, q.a, q.b, q.n); break;
        case Shape::Water: iso.water(q.x, q.y, q.w, q.d); break;
        case Shape::Flag: iso.flag(q.x, q.y, q.z, q.h, q.a); break;
        case Shape::Fire: iso.fire(q.x, q.y, q.z, q.w); break;
        case Shape::Smoke: iso.smoke(q.x, q.y, q.z, q.w); break;
        case Shape::Boat: iso.boat(q.x, q.y, q.w, q.a, q.n != 0); break;
        case Shape::Bridge: iso.bridge(q.x, q.y, q.w, q.d, q.h, q.a); break;
        case Shape::Stall: stall(iso, q); break;
        case Shape::Statue: statue(iso, q); break;
        case Shape::Catapult: catapult(iso, q); break;
        case Shape::Crossbow: crossbow(iso, q); break;
        case Shape::Spears: spears(iso, q); break;
        case Shape::Crates: crates(iso, q); break;
        case Shape::Logs: logs(iso, q); break;
        case Shape::Wheel: wheel(iso, q.x, q.y, q.h, q.w, q.a, false, true); break;
        case Shape::Pit: pit(iso, q); break;
        case Shape::Scaffold: scaffold(iso, q); break;
        case Shape::Barrier: barrier(iso, q); break;
        case Shape::Road: road(iso, q); break;
        case Shape::Rake: rake(iso, q); break;
        case Shape::Coins: coins(iso, q); break;
        case Shape::Steps: steps(iso, q); break;
        case Shape::Cloth: cloth(iso, q); break;
        case Shape::Fence: fence(iso, q); break;
        case Shape::Rocks: rocks(iso, q); break;
        case Shape::Tent: tent(iso, q); break;
        case Shape::Anvil: anvil(iso, q); break;
        case Shape::Stele: stele(iso, q); break;
        case Shape::Cart: cart(iso, q); break;
        case Shape::Taiji: taiji(iso, q); break;
        case Shape::Lamp: lamp(iso, q); break;
        case Shape::Ladder: ladder(iso, q); break;
        case Shape::Gate: gate(iso, q); break;
        case Shape::Line: iso.line({q.x, q.y, q.z}, {q.x + q.w, q.y + q.d, q.h}, q.a, 0.12); break;
        case Shape::Pavilion: pavilion(iso, q); break;
        case Shape::Furrows: furrows(iso, q); break;
        }
    }
}

QImage renderBuilding(const BuildingPicture &picture)
{
    QImage big(kSize * kSupersample, kSize * kSupersample, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.scale(kSupersample, kSupersample);
        IsoPainter iso(p, QPointF(36.5, 27.5), 3.5);
        drawGround(p, iso);
        drawParts(iso, picture.parts);
    }
    return big.scaled(kSize, kSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}
