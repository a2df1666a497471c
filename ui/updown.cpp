#include "updown.h"

#include "numericedit.h"

#include <QToolButton>

int steppedValue(const QString& text, int direction, int minimum, int maximum, int increment)
{
    bool isNumber = false;
    const qlonglong current = text.trimmed().toLongLong(&isNumber);
    qlonglong value = isNumber ? current : 0;
    value += qlonglong(direction) * increment;
    return int(qBound(qlonglong(minimum), value, qlonglong(maximum)));
}

UpDown::UpDown(NumericEdit* buddy, int minimum, int maximum, int increment, QWidget* parent)
    : QWidget(parent), buddy_(buddy), minimum_(minimum), maximum_(maximum), increment_(increment)
{
    up_ = new QToolButton(this);
    down_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {up_, down_}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
        button->setIconSize(QSize(6, 6));
    }
    setFocusPolicy(Qt::NoFocus);
    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
    connect(buddy_, &NumericEdit::stepRequested, this, &UpDown::step);
}

void UpDown::step(int direction)
{
    if (!buddy_->isEnabled())
        return;
    buddy_->setValueText(QString::number(steppedValue(buddy_->text(), direction, minimum_, maximum_, increment_)));
    emit clicked();
}

void UpDown::resizeEvent(QResizeEvent*)
{
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}
