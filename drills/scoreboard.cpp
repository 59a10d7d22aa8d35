#include "scoreboard.h"

#include "grade.h"
#include "look.h"

#include "forms/controls.h"
#include "forms/geometry.h"

#include <algorithm>
#include <optional>

namespace drills {

ScoreLabels addScoreBoard(QWidget *window, const ScoreBoardDesign &d)
{
    constexpr int Gap = 120; // twips between two fixed labels
    const Qt::Alignment right = Qt::AlignRight;
    const char *captions[] = {" عدد الاجابات الصحيحة : 0", "عدد الاجابات الخاطئة :  0", "عدد الاسئلة", "التقدير"};
    const char *names[] = {"Label4", "Label5", "Label6", "Label9"};
    std::array<forms::Label *, 4> labels{};
    int rightEnd = d.rightEnd;
    for (size_t i = 0; i < labels.size(); ++i) {
        const int width = d.height ? rightEnd - d.lefts[i] : 0;
        labels[i] = addLabel(window, {names[i], captions[i], 15.75, d.color, d.lefts[i], d.top, width, d.height,
                                      i == 3 ? d.gradeAlign : right});
        rightEnd = d.lefts[i] - Gap;
        if (d.height) {
            labels[i]->setWordWrap(false);
            if (i > 0)
                labels[i]->setContentsMargins(0, 0, 6, 0);
        }
    }
    return {labels[0], labels[1], labels[2], labels[3]};
}

ScoreBoard::ScoreBoard(const QWidget *window, forms::Label *feedback, const ScoreLabels &counts)
    : feedback_(feedback), counts_(counts)
{
    requireControl(feedback_, QStringLiteral("Label3"), window);
    requireControl(counts_.right, QStringLiteral("Label4"), window);
    requireControl(counts_.wrong, QStringLiteral("Label5"), window);
    requireControl(counts_.questions, QStringLiteral("Label6"), window);
    requireControl(counts_.grade, QStringLiteral("Label9"), window);
    const std::array<forms::Label *, 4> row{counts_.right, counts_.wrong, counts_.questions, counts_.grade};
    for (size_t i = 0; i < row.size(); ++i) {
        designs_[i] = row[i]->designBox();
        watches_[i] = QObject::connect(row[i], &forms::Label::captionChanged, row[i], [this] { keepRowApart(); });
    }
}

ScoreBoard::~ScoreBoard()
{
    for (const QMetaObject::Connection &c : watches_)
        QObject::disconnect(c);
}

void ScoreBoard::countQuestion()
{
    ++questions_;
    counts_.questions->setCaption(texts::QuestionCount + QString::number(questions_));
}

void ScoreBoard::keepRowApart()
{
    const std::array<forms::Label *, 4> row{counts_.right, counts_.wrong, counts_.questions, counts_.grade};
    const int gap = forms::twips(CaptionGap);
    std::optional<int> limit; // the last column the next caption's ink may reach
    for (size_t i = 0; i < row.size(); ++i) {
        forms::Label *l = row[i];
        QRect box = designs_[i];
        if (l->autoSize())
            box.setSize(l->size());
        else
            box.setWidth(std::max(box.width(), l->lineWidth()));
        QRect ink = l->captionInk(box.size()).translated(box.topLeft());
        if (limit && !ink.isEmpty() && ink.right() > *limit) {
            const int dx = std::min(ink.right() - *limit, box.left());
            box.translate(-dx, 0);
            ink.translate(-dx, 0);
        }
        if (l->autoSize())
            l->move(box.topLeft());
        else
            l->setGeometry(box);
        limit = (ink.isEmpty() ? box.left() : ink.left()) - gap - 1;
    }
}

void ScoreBoard::countAnswer(bool right, const QString &expectedText)
{
    countAnswerWithMessage(right, right ? texts::RightMessage : texts::WrongMessage + expectedText);
}

void ScoreBoard::countAnswerWithMessage(bool right, const QString &message)
{
    feedback_->setCaption(message);
    feedback_->show();
    if (right) {
        ++right_;
        counts_.right->setCaption(texts::RightCount + QString::number(right_));
    } else {
        ++wrong_;
        counts_.wrong->setCaption(texts::WrongCount + QString::number(wrong_));
    }
}

void ScoreBoard::showGrade(int total) { counts_.grade->setCaption(gradeBand(right_, total)); }

void ScoreBoard::hideFeedback() { feedback_->hide(); }

} // namespace drills
