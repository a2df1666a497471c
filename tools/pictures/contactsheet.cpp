#include "contactsheet.h"

#include <QPainter>
#include <algorithm>

QImage makeContactSheet(const std::vector<std::pair<QString, QImage>> &pictures, int zoom)
{
    const int width = 1800;
    const int gap = 8, label = 14;
    // First pass: place the pictures in rows to know the height.
    struct Place { int x, y; };
    std::vector<Place> places;
    int x = gap, y = gap, rowHeight = 0;
    for (const auto &[name, image] : pictures) {
        const int w = image.width() * zoom, h = image.height() * zoom + label;
        if (x + w + gap > width && x > gap) {
            x = gap;
            y += rowHeight + gap;
            rowHeight = 0;
        }
        places.push_back({x, y});
        x += w + gap;
        rowHeight = std::max(rowHeight, h);
    }
    QImage sheet(width, y + rowHeight + gap, QImage::Format_ARGB32);
    sheet.fill(QColor(212, 208, 200));  // the window's button face
    QPainter p(&sheet);
    QFont font;
    font.setPixelSize(11);
    p.setFont(font);
    for (size_t i = 0; i < pictures.size(); ++i) {
        const auto &[name, image] = pictures[i];
        const QRect target(places[i].x, places[i].y, image.width() * zoom, image.height() * zoom);
        p.fillRect(target, QColor(160, 200, 220));  // shows transparency
        p.drawImage(target, image);
        p.setPen(Qt::black);
        p.drawText(QPoint(target.left(), target.bottom() + label - 2), name);
    }
    return sheet;
}
