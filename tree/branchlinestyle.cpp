#include "branchlinestyle.h"

#include <QPainter>
#include <QPen>
#include <QStyleOption>

namespace {

constexpr int kButtonHalf = 4;  // the expand button is 9 x 9 pixels

void drawLines(const QStyleOption& option, QPainter& painter, int midX, int midY)
{
    const QRect r = option.rect;
    painter.setPen(QPen(option.palette.color(QPalette::Dark), 1, Qt::DotLine));
    if (option.state & QStyle::State_Item) {
        painter.drawLine(midX, midY, r.right(), midY);
        painter.drawLine(midX, r.top(), midX, (option.state & QStyle::State_Sibling) ? r.bottom() : midY);
    } else if (option.state & QStyle::State_Sibling) {
        painter.drawLine(midX, r.top(), midX, r.bottom());
    }
}

void drawButton(const QStyleOption& option, QPainter& painter, int midX, int midY)
{
    const QRect box(midX - kButtonHalf, midY - kButtonHalf, 2 * kButtonHalf, 2 * kButtonHalf);
    painter.setPen(QPen(option.palette.color(QPalette::Dark), 1, Qt::SolidLine));
    painter.setBrush(option.palette.color(QPalette::Base));
    painter.drawRect(box);
    painter.setPen(QPen(option.palette.color(QPalette::Text), 1, Qt::SolidLine));
    painter.drawLine(midX - 2, midY, midX + 2, midY);
    if (!(option.state & QStyle::State_Open))
        painter.drawLine(midX, midY - 2, midX, midY + 2);
}

}  // namespace

void BranchLineStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const
{
    if (element != PE_IndicatorBranch || !option || !painter) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const int midX = option->rect.left() + option->rect.width() / 2;
    const int midY = option->rect.top() + option->rect.height() / 2;
    painter->save();
    drawLines(*option, *painter, midX, midY);
    if (option->state & State_Children)
        drawButton(*option, *painter, midX, midY);
    painter->restore();
}
