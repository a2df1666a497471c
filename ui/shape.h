#pragma once

#include <QWidget>

// A maroon line (a filled rectangle) or a one-pixel maroon frame.
class Shape : public QWidget {
    Q_OBJECT
public:
    enum Style { Filled, Frame };
    Shape(Style style, QWidget* parent);

    static QColor maroon() { return QColor(128, 0, 0); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Style style_;
};
