#pragma once
// The window's decorative pictures: program icon, banners, frame and balls.

#include <QColor>
#include <QImage>

// The program icon at `size` × `size`: title lettering on dark red in a gold frame.
QImage drawIcon(int size);
// 350 × 35 one-line banner, dark red text on transparent, text right of x = 49.
QImage drawTitleLine();
// 93 × 93 gold and brown ornamental frame, white inside.
QImage drawPictureFrame();
// 329 × 93 title banner: dark lettering on yellow inside an ornamental border.
QImage drawTitleBanner();
// A shaded ball of `color` with a highlight, on transparent, `size` × `size`.
QImage drawBall(int size, const QColor &color);
