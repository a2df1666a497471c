#pragma once

#include <QLineEdit>

// A value edit that takes only the digits 0-9 from the user: typed, pasted,
// dropped or composed text with any other character is refused with a short
// German hint, so no letter and above all no comma can reach a model row.
// Text set by the program (values read from the file) is shown as it is.
// The up and down arrow keys ask the attached stepper for one step.
class NumericEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NumericEdit(QWidget* parent = nullptr);

    // Sets the text from the program; runs no editing handler.
    void setValueText(const QString& text);

signals:
    void keyReleased();
    void stepRequested(int direction);  // +1 up, -1 down

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void refuseIfNotDigits(const QString& edited);
    void showDigitsOnlyHint();

    QString acceptedText_;
};

// True when edited differs from previous only by inserted or removed digits
// and removed other characters: the user may delete a "-" read from the
// file, but never add anything but 0-9.
bool onlyDigitsAdded(const QString& previous, const QString& edited);
