#pragma once
#include <QMetaObject>
#include <QRect>
#include <QRgb>
#include <QString>

#include <array>

class QWidget;
namespace forms {
class Label;
}

namespace drills {

// The texts of the question cycle.
namespace texts {
inline const QString RightMessage = QStringLiteral("أحسنت إجابة صحيحة ");
inline const QString WrongMessage = QStringLiteral("أخطأت الاجابة الصحيحة هي  ");
inline const QString RightCount = QStringLiteral("عدد الاجابات الصحيحة :  ");
inline const QString WrongCount = QStringLiteral("عدد الاجابات الخاطئة :  ");
inline const QString QuestionCount = QStringLiteral("عدد الأسئلة :  ");
} // namespace texts

// The count labels of a score board.
struct ScoreLabels {
    forms::Label *right = nullptr;     // Label4
    forms::Label *wrong = nullptr;     // Label5
    forms::Label *questions = nullptr; // Label6
    forms::Label *grade = nullptr;     // Label9
};

// Where a window's score board lies, in twips, from right to left.
struct ScoreBoardDesign {
    std::array<int, 4> lefts; // Label4, Label5, Label6, Label9
    int top;
    QRgb color;
    // 0: each label takes the size of its caption. Otherwise the labels are
    // this high, one line each, and reach to a little short of the label on
    // their right, Label4 to `rightEnd`.
    int height = 0;
    int rightEnd = 0;
    Qt::Alignment gradeAlign = Qt::AlignHCenter;
};

// The count labels with their first captions, "Arabic Transparent" 15.75 bold.
ScoreLabels addScoreBoard(QWidget *window, const ScoreBoardDesign &design);

// The running counts of a drill window and the labels that show them:
// Label3 the feedback message, Label4 right answers, Label5 wrong answers,
// Label6 questions asked, Label9 the grade word. Whenever one of the four
// captions of the row changes, each starts again at its design place, at its
// design size; one that would come closer than CaptionGap to the caption on
// its right moves left, as far as the window allows. A fixed box too narrow
// for its caption widens on the right, from its design Left, as an
// auto-sized label grows.
class ScoreBoard {
public:
    // The labels of `window`; a missing one ends the program, naming it.
    ScoreBoard(const QWidget *window, forms::Label *feedback, const ScoreLabels &counts);
    ~ScoreBoard();
    ScoreBoard(const ScoreBoard &) = delete;
    ScoreBoard &operator=(const ScoreBoard &) = delete;

    int right() const { return right_; }
    int wrong() const { return wrong_; }
    int questions() const { return questions_; }

    // One more question on screen: Label6 shows the new count.
    void countQuestion();

    // The feedback message shown and the matching count raised and shown.
    // After a wrong answer the message ends with the expected answer's text.
    void countAnswer(bool right, const QString &expectedText);
    // The same with a message of the window's own.
    void countAnswerWithMessage(bool right, const QString &message);

    // The grade word from the right answers among `total`.
    void showGrade(int total);

    void hideFeedback();

private:
    void keepRowApart();
    // Twips of clear space between two score captions' ink: an em of their
    // 15.75 pt, well over the widest gap inside a caption (the two blanks
    // before a count), so that neighbours never read as one line.
    static constexpr int CaptionGap = 315;
    forms::Label *feedback_;
    ScoreLabels counts_;
    std::array<QRect, 4> designs_; // where Label4, Label5, Label6 and Label9 were placed
    std::array<QMetaObject::Connection, 4> watches_;
    int right_ = 0, wrong_ = 0, questions_ = 0;
};

} // namespace drills
