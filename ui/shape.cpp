#include "shape.h"

#include <QPainter>

Shape::Shape(Style style, QWidget* parent) : QWidget(parent), style_(style)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (style_ == Filled) {
        painter.fillRect(rect(), maroon());
    } else {
        painter.setPen(maroon());
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
