#pragma once
#include <QRect>
#include <QtMath>

namespace forms {

constexpr int TwipsPerPixel = 15;

// Design positions and sizes are in twips; the screen is in pixels.
inline int twips(int value) { return qRound(value / double(TwipsPerPixel)); }
inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

} // namespace forms
