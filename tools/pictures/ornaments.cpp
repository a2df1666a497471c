#include "ornaments.h"

#include "palette.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor kDarkRed{118, 14, 14};
const QColor kGold{226, 180, 52};
const QColor kGoldLight{252, 226, 128};
const QColor kBrown{104, 62, 26};
const QColor kYellow{246, 222, 120};
const QColor kInk{52, 26, 10};

QImage blank(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage finished(const QImage &image) { return image.convertToFormat(QImage::Format_ARGB32); }

QFont titleFont(qreal pixels, bool bold = true)
{
    QFont font("URW Bookman");
    font.setPixelSize(qMax(1, int(pixels)));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QLinearGradient goldGradient(QRectF r)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, kGoldLight);
    g.setColorAt(0.5, kGold);
    g.setColorAt(1, kGold.darker(140));
    return g;
}

// A band of gold with a brown edge on both sides, `width` pixels wide, inside `r`.
void goldBand(QPainter &p, QRectF r, qreal width)
{
    QPainterPath band;
    band.addRect(r);
    band.addRect(r.adjusted(width, width, -width, -width));
    band.setFillRule(Qt::OddEvenFill);
    p.setPen(Qt::NoPen);
    p.setBrush(goldGradient(r));
    p.drawPath(band);
    p.setBrush(Qt::NoBrush);
    const qreal line = qMax<qreal>(1, width / 6);
    p.setPen(QPen(kBrown, line));
    p.drawRect(r.adjusted(line / 2, line / 2, -line / 2, -line / 2));
    p.drawRect(r.adjusted(width - line / 2, width - line / 2, -width + line / 2, -width + line / 2));
}

// The Chinese key fret along a straight run from `from`, `count` times `step` long.
void fretRun(QPainter &p, QPointF from, QPointF step, QPointF normal, int count)
{
    QPainterPath path(from);
    for (int i = 0; i < count; ++i) {
        const QPointF o = from + step * i;
        path.lineTo(o + normal * 0.8);
        path.lineTo(o + step * 0.7 + normal * 0.8);
        path.lineTo(o + step * 0.7 + normal * 0.3);
        path.lineTo(o + step * 0.35 + normal * 0.3);
        path.moveTo(o + step);
    }
    p.drawPath(path);
}

// Key frets round the inside of a border band.
void fretBorder(QPainter &p, QRectF r, qreal cell, const QColor &color, qreal penWidth)
{
    p.setPen(QPen(color, penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const int across = qMax(1, int(r.width() / cell));
    const int down = qMax(1, int(r.height() / cell));
    const qreal sx = r.width() / across, sy = r.height() / down;
    fretRun(p, r.topLeft(), {sx, 0}, {0, sy * 0.0 + cell * 0.6}, across);
    fretRun(p, r.bottomRight(), {-sx, 0}, {0, -cell * 0.6}, across);
    fretRun(p, r.bottomLeft(), {0, -sy}, {cell * 0.6, 0}, down);
    fretRun(p, r.topRight(), {0, sy}, {-cell * 0.6, 0}, down);
}

void cornerRosette(QPainter &p, QPointF c, qreal r)
{
    QRadialGradient g(c - QPointF(r, r) * 0.3, r * 1.2);
    g.setColorAt(0, kGoldLight);
    g.setColorAt(1, kGold.darker(130));
    p.setPen(QPen(kBrown, qMax<qreal>(1, r / 4)));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setBrush(kDarkRed);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, r * 0.4, r * 0.4);
}

}  // namespace

QImage drawIcon(int size)
{
    QImage image = blank(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal s = size;
    const qreal frame = qMax<qreal>(2, s * 0.1);
    QRadialGradient ground(QPointF(s * 0.45, s * 0.4), s * 0.7);
    ground.setColorAt(0, kDarkRed.lighter(135));
    ground.setColorAt(1, kDarkRed.darker(120));
    p.fillRect(QRectF(0, 0, s, s), ground);
    goldBand(p, QRectF(0, 0, s, s), frame);
    if (size >= 48) {
        for (QPointF c : {QPointF(frame / 2, frame / 2), QPointF(s - frame / 2, frame / 2),
                          QPointF(frame / 2, s - frame / 2), QPointF(s - frame / 2, s - frame / 2)})
            cornerRosette(p, c, frame * 0.55);
    }
    const QRectF inner(frame, frame, s - 2 * frame, s - 2 * frame);
    const bool withLine = size >= 48;
    QRectF letterBox = withLine ? inner.adjusted(0, 0, 0, -inner.height() * 0.28) : inner;
    // Gold "K", drawn as a path so it can carry a gradient and a brown outline.
    QPainterPath letter;
    const QFont kFont = titleFont(letterBox.height() * (size <= 16 ? 1.05 : 0.95));
    letter.addText(0, 0, kFont, "K");
    const QRectF lb = letter.boundingRect();
    letter.translate(letterBox.center() - lb.center());
    p.setPen(size >= 32 ? QPen(kBrown.darker(130), qMax<qreal>(0.8, s / 60)) : Qt::NoPen);
    p.setBrush(goldGradient(letter.boundingRect()));
    p.drawPath(letter);
    if (withLine) {
        QPainterPath mav;
        mav.addText(0, 0, titleFont(inner.height() * 0.22), "MAV");
        const QRectF mb = mav.boundingRect();
        const QRectF lineBox(inner.left(), letterBox.bottom(), inner.width(), inner.height() * 0.26);
        mav.translate(lineBox.center() - mb.center());
        p.setPen(Qt::NoPen);
        p.setBrush(kGoldLight);
        p.drawPath(mav);
    }
    p.end();
    return finished(image);
}

QImage drawTitleLine()
{
    QImage image = blank(350, 35);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QPainterPath text;
    text.addText(0, 0, titleFont(21), QString::fromUtf8("MAV Edit \u2013 Modell-Editor"));
    const QRectF b = text.boundingRect();
    const qreal left = 62;
    text.translate(left - b.left(), 17.5 - b.center().y());
    const qreal room = 350 - 4 - left;
    if (text.boundingRect().width() > room) {  // keep it inside whatever the font's width
        const qreal k = room / text.boundingRect().width();
        QTransform t;
        t.translate(left, 17.5);
        t.scale(k, k);
        t.translate(-left, -17.5);
        text = t.map(text);
    }
    p.setPen(QPen(QColor(255, 240, 200, 160), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text.translated(1, 1));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::maroon);
    p.drawPath(text);
    // A small gold bead on the left of the text.
    p.setBrush(goldGradient(QRectF(51, 15, 5, 5)));
    p.setPen(QPen(kBrown, 0.8));
    p.drawEllipse(QRectF(51, 15, 5, 5));
    p.end();
    return finished(image);
}

QImage drawPictureFrame()
{
    QImage image = blank(93, 93);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(image.rect(), Qt::white);
    const QRectF outer(0, 0, 93, 93);
    goldBand(p, outer, 9);
    // Brown key fret on the gold band.
    fretBorder(p, outer.adjusted(2.5, 2.5, -2.5, -2.5), 7.2, kBrown, 1.1);
    for (QPointF c : {QPointF(4.5, 4.5), QPointF(88.5, 4.5), QPointF(4.5, 88.5), QPointF(88.5, 88.5)})
        cornerRosette(p, c, 3.6);
    // Thin brown line just outside the picture spot (10 px in).
    p.setPen(QPen(kBrown, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(9.5, 9.5, 74, 74));
    p.end();
    return finished(image);
}

QImage drawTitleBanner()
{
    const int w = 329, h = 93;
    QImage image = blank(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient ground(0, 0, 0, h);
    ground.setColorAt(0, kYellow.lighter(108));
    ground.setColorAt(1, kYellow.darker(108));
    p.fillRect(QRectF(0, 0, w, h), ground);
    goldBand(p, QRectF(0, 0, w, h), 10);
    fretBorder(p, QRectF(2.5, 2.5, w - 5, h - 5), 8, kDarkRed, 1.2);
    for (QPointF c : {QPointF(5, 5), QPointF(w - 5, 5), QPointF(5, h - 5), QPointF(w - 5, h - 5)})
        cornerRosette(p, c, 4.2);
    p.setPen(QPen(kBrown, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(13.5, 13.5, w - 27, h - 27));

    auto centred = [&](const QString &s, const QFont &font, qreal centreY, qreal maxWidth) {
        QPainterPath path;
        path.addText(0, 0, font, s);
        QRectF b = path.boundingRect();
        if (b.width() > maxWidth) {
            QTransform t;
            t.scale(maxWidth / b.width(), 1);
            path = t.map(path);
            b = path.boundingRect();
        }
        path.translate(QPointF(w / 2.0, centreY) - b.center());
        return path;
    };
    const QPainterPath title = centred(QString::fromUtf8("Der erste Kaiser"), titleFont(30), 40, w - 44);
    const QPainterPath sub = centred(QString::fromUtf8("Modell-Editor"), titleFont(15, false), 65, w - 60);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 220));
    p.drawPath(title.translated(1, 1));
    p.setBrush(kInk);
    p.drawPath(title);
    p.setBrush(kDarkRed);
    p.drawPath(sub);
    // Small gold rules either side of the second line.
    p.setPen(QPen(kBrown, 1.2));
    const QRectF sb = sub.boundingRect();
    p.drawLine(QPointF(40, 65), QPointF(sb.left() - 8, 65));
    p.drawLine(QPointF(sb.right() + 8, 65), QPointF(w - 40, 65));
    p.end();
    return finished(image);
}

QImage drawBall(int size, const QColor &color)
{
    QImage image = blank(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const QRectF body(0.5, 0.5, s - 1.5, s - 1.5);
    QRadialGradient g(QPointF(s * 0.36, s * 0.32), s * 0.72, QPointF(s * 0.34, s * 0.3));
    g.setColorAt(0, color.lighter(175));
    g.setColorAt(0.35, color);
    g.setColorAt(1, color.darker(210));
    p.setPen(QPen(color.darker(260), qMax<qreal>(0.8, s / 25)));
    p.setBrush(g);
    p.drawEllipse(body);
    QRadialGradient shine(QPointF(s * 0.36, s * 0.3), s * 0.2);
    shine.setColorAt(0, QColor(255, 255, 255, 230));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(QPointF(s * 0.36, s * 0.3), s * 0.2, s * 0.15);
    p.end();
    return finished(image);
}
