#pragma once

#include <QWidget>

class NumericEdit;
class QToolButton;

// The up-down beside a numeric edit. A step starts from the number written in
// the edit (0 when it holds none), adds or subtracts the increment, stops at
// the limits without wrapping, writes the result as plain decimal text and
// only then emits clicked(). The edit's text is never reformatted otherwise,
// so values from the file stay as they are until the user steps.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(NumericEdit* buddy, int minimum, int maximum, int increment, QWidget* parent = nullptr);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int increment() const { return increment_; }

    // One step up (+1) or down (-1), as a click on the arrow does.
    void step(int direction);

signals:
    void clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    NumericEdit* buddy_;
    QToolButton* up_;
    QToolButton* down_;
    int minimum_;
    int maximum_;
    int increment_;
};

// The value one step from text: text read as a decimal number (0 when it is
// none), plus or minus increment, held within the limits.
int steppedValue(const QString& text, int direction, int minimum, int maximum, int increment);
