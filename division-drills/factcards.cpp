#include "factcards.h"

#include "board.h"

#include "forms/controls.h"
#include "forms/fonts.h"

namespace halvery {

namespace {

drills::FactCardTable chalkCards(drills::FactCardTable::Fact fact)
{
    drills::FactCardTable t;
    t.fact = fact;
    t.first = t.later = {11, true};
    t.equals = true;
    t.faceColor = QColor(drills::bgr(0x00FFFFFF));
    t.answerColor = QColor(drills::bgr(0x0000FFFF));
    t.escCloses = false;
    return t;
}

} // namespace

CardWindow::CardWindow(const QString &formName, drills::FactCardTable::Fact fact)
    : DrillWindow(formName, true)
{
    addBackdrop(this, -120, 8700);
    auto *card = drills::addLabel(this, {"Label1", "", 150, drills::bgr(0x00FFFFFF), 1568, 2160, 0, 0});
    auto *hint = drills::addLabel(this, {"Label2", "اضغط ادخال او Enter لتغيير السؤال و اضغط المسافة لتعرف الاجابة ",
                                         12, drills::bgr(0x0000FFFF), 3780, 6720, 6000, 400});
    hint->setFont(forms::designFont(QStringLiteral("Arial"), 12, true));
    returnToSuiteMenu(this, addReturnLabel(this, "Label7", 1920, 7560));
    card_ = new drills::FactCard(this, card, chalkCards(fact));
}

void CardWindow::onLoad() { card_->start(); }

Form9::Form9() : CardWindow(QStringLiteral("Form9"), drills::FactCardTable::Fact::Division) {}

Form10::Form10() : CardWindow(QStringLiteral("Form10"), drills::FactCardTable::Fact::Multiplication) {}

} // namespace halvery
