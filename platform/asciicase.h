#pragma once

#include <QStringView>

// Compares two texts ignoring the case of the letters a-z/A-Z only; every
// other character ("ä" and "Ä" too) must match exactly. Windows compares
// executable and control names this way.
inline bool EqualIgnoringAsciiCase(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x >= u'a' && x <= u'z')
            x = char16_t(x - 32);
        if (y >= u'a' && y <= u'z')
            y = char16_t(y - 32);
        if (x != y)
            return false;
    }
    return true;
}
