#pragma once
// The score row as the pupil sees it, read on the drawn pixels: Label4,
// Label5, Label6 and Label9, right to left.
#include "forms/controls.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

#include <algorithm>

namespace drillstest {

// The clear columns between two neighbouring score captions' ink: an em of
// their 15.75 pt, where the words inside a caption stand 6 to 14 pixels apart.
inline constexpr int ScoreCaptionGap = 21;

// A caption drawn alone, in its window's pixels: where its ink lies, and its
// baseline, the row its letters join on, which its ink covers most.
struct DrawnLine {
    QRect ink;
    int baseline = -1;
};

inline DrawnLine drawnLine(forms::Label *l)
{
    QImage drawn(l->size(), QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    l->render(&drawn, QPoint(), QRegion(), QWidget::RenderFlags());
    DrawnLine line;
    int most = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        int inked = 0;
        for (int x = 0; x < drawn.width(); ++x)
            if (qAlpha(drawn.pixel(x, y)) >= 64) {
                ++inked;
                line.ink |= QRect(x, y, 1, 1);
            }
        if (inked > most) {
            most = inked;
            line.baseline = y;
        }
    }
    line.ink.translate(l->pos());
    line.baseline += l->y();
    return line;
}

// What is wrong with a window's score row: captions whose baselines lie more
// than a pixel apart, or neighbours nearer than ScoreCaptionGap.
inline QStringList scoreRowFaults(QWidget *window)
{
    const char *names[] = {"Label4", "Label5", "Label6", "Label9"};
    QList<DrawnLine> lines;
    QStringList shown;
    for (const char *name : names) {
        auto *l = window->findChild<forms::Label *>(QLatin1String(name));
        if (!l)
            return {QStringLiteral("%1: no %2").arg(window->objectName(), QLatin1String(name))};
        lines << drawnLine(l);
        shown << QStringLiteral("%1 \"%2\" at %3..%4, baseline %5")
                     .arg(QLatin1String(name), l->text())
                     .arg(lines.last().ink.left())
                     .arg(lines.last().ink.right())
                     .arg(lines.last().baseline);
    }
    QStringList faults;
    const auto [low, high] = std::minmax_element(lines.cbegin(), lines.cend(), [](const DrawnLine &a, const DrawnLine &b) {
        return a.baseline < b.baseline;
    });
    if (high->baseline - low->baseline > 1)
        faults << QStringLiteral("baselines %1 to %2").arg(low->baseline).arg(high->baseline);
    for (int i = 0; i + 1 < lines.size(); ++i) {
        const int gap = lines[i].ink.left() - lines[i + 1].ink.right() - 1;
        if (gap < ScoreCaptionGap)
            faults << QStringLiteral("%1 and %2 %3 px apart").arg(QLatin1String(names[i + 1]), QLatin1String(names[i])).arg(gap);
    }
    if (!faults.isEmpty())
        faults << shown;
    return faults;
}

} // namespace drillstest
