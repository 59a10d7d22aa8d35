#include "board.h"

#include "suitemenu.h"

#include "drills/look.h"
#include "forms/controls.h"
#include "forms/window.h"

namespace halvery {

forms::Picture *addBackdrop(QWidget *window, int top, int height)
{
    auto *p = new forms::Picture(window, QStringLiteral("Image1"), QStringLiteral(":/pictures/chalkboard.png"));
    p->setStretch(true);
    forms::placeTwips(p, 0, top, 12105, height);
    return p;
}

QRect writingArea(const forms::Picture *board)
{
    // The picture is 400 × 300: a frame 10 wide, the ledge from 286 down.
    const QRect g = board->geometry();
    return QRect(QPoint(g.x() + g.width() * 10 / 400, g.y() + g.height() * 10 / 300),
                 QPoint(g.x() + g.width() * 390 / 400 - 1, g.y() + g.height() * 286 / 300 - 1));
}

void keepCaptionsOnBoard(QWidget *window)
{
    constexpr int BoardMargin = 6; // pixels of green left between a caption and the frame
    const auto *board = window->findChild<forms::Picture *>(QStringLiteral("Image1"), Qt::FindDirectChildrenOnly);
    if (!board)
        return;
    // Between the frame's sides; the ledge below is light enough for a caption.
    const QRect green = writingArea(board);
    const QRect area(QPoint(green.left() + BoardMargin, 0), QPoint(green.right() - BoardMargin, window->height() - 1));
    for (forms::Label *l : window->findChildren<forms::Label *>(Qt::FindDirectChildrenOnly))
        if (green.contains(l->designBox().topLeft()))
            l->setRoom(area);
}

drills::ScoreLabels addPlaqueStrip(QWidget *window, int questionsLeft)
{
    auto *strip = new forms::Picture(window, QStringLiteral("Image2"), QStringLiteral(":/pictures/buttonstrip.png"));
    strip->setStretch(true);
    forms::placeTwips(strip, 0, 0, 12000, 1380);
    return drills::addScoreBoard(window, {{8760, 5280, questionsLeft, 840}, 360, 0});
}

forms::Label *addReturnLabel(QWidget *window, const char *name, int left, int top)
{
    return drills::addLabel(window, {name, "الواجهة", 18, 0, left, top, 0, 0});
}

void returnToSuiteMenu(forms::Form *window, forms::Label *back)
{
    QObject::connect(back, &forms::Label::clicked, window, [window] {
        forms::show<Form7>();
        window->hide();
    });
}

} // namespace halvery
