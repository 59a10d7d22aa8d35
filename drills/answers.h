#pragma once
#include <array>

class QWidget;
namespace forms {
class CommandButton;
class TextBox;
enum class NumberEntry;
} // namespace forms

namespace drills {

// How the pupil answers.
enum class AnswerMode {
    Write,  // types into Text1 and presses Enter
    Choose, // clicks one of Command1, Command2, Command3
    Judge,  // clicks Label7 "صح" or Label8 "خطأ" for the statement shown
};

// A box the pupil types an answer into: red "Arabic Transparent" 48 bold,
// 1245 twips high, taking a whole number or a decimal (Arabic-Indic digits go
// in as Western ones, forms::NumberEntry).
forms::TextBox *addAnswerBox(QWidget *window, const char *name, int left, int top, int width,
                             forms::NumberEntry entry);

// Command1, Command2, Command3 at their Lefts, in that tab order: light
// orange, "Arabic Transparent" 26.25 bold, captioned "Command1" until the
// first question.
using ChoiceButtons = std::array<forms::CommandButton *, 3>;
ChoiceButtons addChoiceButtons(QWidget *window, const std::array<int, 3> &lefts);

} // namespace drills
