#pragma once

#include <QLabel>

// A picture control of the window (header pictures, placeholder, change
// markers). The change detection recognises markers as pictures whose name
// ends in "PNG" in any letter case.
class Picture : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};
