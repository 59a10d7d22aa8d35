#pragma once
#include <QRect>
#include <QtCore/qnamespace.h>
#include <QtMath>

namespace forms {

constexpr int TwipsPerPixel = 15;

// Design positions and sizes are in twips; the screen is in pixels.
inline int twips(int value) { return qRound(value / double(TwipsPerPixel)); }
inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// The pixels from one design x to another further right, each where a
// control placed there begins.
inline int twipsSpan(int from, int to) { return twips(to) - twips(from); }

// A design's Left and Right are the edges of the box, whatever the direction
// of its caption (Qt's own swap for a right-to-left text).
constexpr Qt::Alignment designAlignment(Qt::Alignment align) { return align | Qt::AlignAbsolute; }

// A design's Left and Right read in a right-to-left caption's own order: Right
// is where its line ends, on the left of the box (the drill windows' labels).
constexpr Qt::Alignment readingAlignment(Qt::Alignment align) { return align & ~Qt::AlignAbsolute; }

} // namespace forms
