#pragma once
#include "forms/controls.h"

#include <QPointer>
#include <QString>

#include <optional>

namespace drills {

// The texts of the question cycle.
namespace texts {
inline const QString RightMessage = QStringLiteral("أحسنت إجابة صحيحة ");
inline const QString WrongMessage = QStringLiteral("أخطأت الاجابة الصحيحة هي  ");
inline const QString RightCount = QStringLiteral("عدد الاجابات الصحيحة :  ");
inline const QString WrongCount = QStringLiteral("عدد الاجابات الخاطئة :  ");
inline const QString QuestionCount = QStringLiteral("عدد الأسئلة :  ");
} // namespace texts

// The running counts of a drill window and the labels that show them:
// Label3 the feedback message, Label4 right answers, Label5 wrong answers,
// Label6 questions asked, Label9 the grade word. Where the labels are
// auto-sized, the questions caption keeps clear of the wrong answers' caption
// on its right.
class ScoreBoard {
public:
    // Finds the labels among the window's controls by name.
    explicit ScoreBoard(QWidget *window);

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
    forms::Label *find(const char *name) const;
    void keepQuestionsClear();
    static constexpr int PlaqueGap = 180; // twips between two score captions
    QPointer<QWidget> window_;
    std::optional<int> questionsLeft_;
    int right_ = 0, wrong_ = 0, questions_ = 0;
};

} // namespace drills
