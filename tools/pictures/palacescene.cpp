#include "palacescene.h"

#include "buildingrenderer.h"
#include "palette.h"
#include "parts.h"

#include <QPainter>

using namespace palette;
using namespace parts;

namespace {

constexpr int kWidth = 478, kHeight = 298;
constexpr int kSupersample = 2;

// The palace on a 20 × 20 plot, listed back to front: outer wall, main hall on
// its terrace, side halls, the gate in the front wall, trees and lanterns.
std::vector<Part> palace()
{
    using R = RoofStyle;
    const QColor grass(104, 140, 70);
    return {
        flat(0, 0, 20, 20, grass),
        flat(1, 1, 18, 18, paving),
        flat(9, 9, 2, 10, stone),
        // back and left walls
        wall(0.5, 0.5, 19, 0.8, 2.0, wallRed, tileYellow),
        wall(0.5, 1.3, 0.8, 18.2, 2.0, wallRed, tileYellow),
        // corner tower at the back
        block(0.2, 0.2, 0, 2.2, 2.2, 3.0, wallRed),
        roof(0.2, 0.2, 3.0, 2.2, 2.2, 1.4, tileYellow, R::Pyramid),
        tree(3.2, 3.0, 2.2, leafDark), conifer(16.5, 2.6, 2.4),
        // main hall on a three-tier terrace
        steps(4.5, 3.0, 11.0, 7.5, 1.8, 3, QColor(214, 206, 190)),
        hall(5.6, 4.0, 8.8, 5.0, 2.6, columnRed, tileYellow, R::Hip, 6, 1.8),
        // side halls
        hall(2.2, 11.0, 3.2, 6.0, 2.0, wallRed, tileGreen, R::Gable, 4),
        hall(15.0, 11.0, 3.2, 6.0, 2.0, wallRed, tileGreen, R::Gable, 4),
        tree(7.2, 13.6, 1.8, leaf, blossomPink), tree(13.0, 13.6, 1.8, leaf, blossomPink),
        thing(Shape::Lamp, 8.4, 16.0, 0, 0, 1.8), thing(Shape::Lamp, 11.8, 16.0, 0, 0, 1.8),
        // right corner tower
        block(17.8, 0.2, 0, 2.2, 2.2, 3.0, wallRed),
        roof(17.8, 0.2, 3.0, 2.2, 2.2, 1.4, tileYellow, R::Pyramid),
        // front and right walls with the gate
        wall(19.0, 1.3, 0.8, 18.2, 2.0, wallRed, tileYellow),
        block(0.2, 17.8, 0, 2.2, 2.2, 3.0, wallRed),
        roof(0.2, 17.8, 3.0, 2.2, 2.2, 1.4, tileYellow, R::Pyramid),
        wall(1.3, 19.0, 6.9, 0.8, 2.0, wallRed, tileYellow),
        wall(12.8, 19.0, 6.2, 0.8, 2.0, wallRed, tileYellow),
        thing(Shape::Gate, 8.2, 18.8, 4.6, 1.2, 3.4, columnRed, tileYellow),
        block(17.8, 17.8, 0, 2.2, 2.2, 3.0, wallRed),
        roof(17.8, 17.8, 3.0, 2.2, 2.2, 1.4, tileYellow, R::Pyramid),
        flag(9.0, 20.4, 0, 4.6, banner), flag(12.0, 20.4, 0, 4.6, banner),
    };
}

}  // namespace

QImage drawPalaceScene()
{
    QImage big(kWidth * kSupersample, kHeight * kSupersample, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.scale(kSupersample, kSupersample);
        IsoPainter iso(p, QPointF(kWidth / 2.0, 62), 11.4);
        drawParts(iso, palace());
    }
    return big.scaled(kWidth, kHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}
