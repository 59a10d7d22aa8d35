#pragma once
#include <QFont>
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>

class QFontMetrics;
class QWidget;

// Where a text drawn with QPainter::drawText leaves ink, measured on the
// drawing itself (fallback glyphs included), for placing captions.
namespace forms {

// Where a text drawn in a rectangle with those flags leaves ink, at that
// resolution (empty for none); for large glyphs the glyph boxes, which may
// reach a pixel or two further.
QRect inkOf(const QFont &font, const QRect &drawIn, int flags, const QString &text, int dpiX, int dpiY);

// Whether a text drawn in a room, inside the inset, lies whole inside the
// room: its lines no wider than the room less the inset, and no ink outside
// the room, at the resolution of `on`. Glyphs may reach past the font's
// ascent and descent, so the ink is looked for around the room too. The
// answers are remembered.
bool textFits(const QFont &font, const QSize &room, int flags, const QString &text, const QWidget *on,
              const QMargins &inset = {});

// How far a text's ink reaches past its advance on the left and right, and
// above the font's ascent (a glyph from a fallback font may be taller), with
// a pixel to spare at either side, kept clear so that a glyph at the edge of
// a box is not cut. Lifted, a text drawn lower by a fallback font's taller
// line gets a negative top: how far up to draw it. The answers are remembered.
QMargins sideBearings(const QFont &font, const QString &text, bool lift = false);

// How far a text's ink reaches below the font's descent.
int inkBelow(const QFontMetrics &fm, const QString &text);

// The size of a text on one line (or its own lines), ink included.
QSize textSize(const QFont &font, const QString &text);

} // namespace forms
