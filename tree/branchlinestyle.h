#pragma once

#include <QProxyStyle>

// Draws a tree's branches the same under every application style: dotted
// connecting lines between the nodes and a boxed plus or minus as the expand
// button of a node with children.
class BranchLineStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};
