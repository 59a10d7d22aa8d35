#include "answers.h"

#include "look.h"

#include "forms/controls.h"
#include "forms/fonts.h"

namespace drills {

forms::TextBox *addAnswerBox(QWidget *window, const char *name, int left, int top, int width,
                             forms::NumberEntry entry)
{
    auto *box = new forms::TextBox(window, QLatin1String(name));
    box->setNumberEntry(entry);
    box->setFont(forms::designFont(QStringLiteral("Arabic Transparent"), 48, true));
    box->setTextColor(QColor(bgr(0x000000FF)));
    forms::placeTwips(box, left, top, width, 1245);
    return box;
}

ChoiceButtons addChoiceButtons(QWidget *window, const std::array<int, 3> &lefts)
{
    ChoiceButtons buttons{};
    for (size_t i = 0; i < buttons.size(); ++i) {
        auto *b = new forms::CommandButton(window, QStringLiteral("Command%1").arg(i + 1), QStringLiteral("Command1"));
        b->setBackColor(QColor(bgr(0x00C0E0FF)));
        b->setFont(forms::designFont(QStringLiteral("Arabic Transparent"), 26.25, true));
        forms::placeTwips(b, lefts[i], 4680, 2295, 1335);
        if (i > 0)
            QWidget::setTabOrder(buttons[i - 1], b);
        buttons[i] = b;
    }
    return buttons;
}

} // namespace drills
