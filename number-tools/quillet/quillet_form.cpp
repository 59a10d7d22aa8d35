#include "quillet_form.h"

#include "forms/controls.h"
#include "forms/fonts.h"
#include "forms/geometry.h"

namespace quillet {

drills::FactCardTable cardTable()
{
    drills::FactCardTable t;
    t.fact = drills::FactCardTable::Fact::Multiplication;
    t.first = {12, false}; // 0 to 11 each
    t.later = {13, false}; // 0 to 12 each
    t.equals = false;
    t.faceColor = QColor(drills::bgr(0x00FF0000));
    t.answerColor = QColor(drills::bgr(0x000000FF));
    t.escCloses = true;
    return t;
}

Form1::Form1() : DrillWindow(QStringLiteral("Form1"), true)
{
    using namespace forms;
    setClientSizeTwips(11880, 8595);

    auto *card = drills::addLabel(this, {"Label1", "", 180, drills::bgr(0x00C00000), 720, 2160, 0, 0});

    auto *howTo = drills::addLabel(
        this, {"Label2", "اضغط Enter لتبديل السؤال و اضغط المسافة لتعرف الجواب الصحيح  و اضغط Ese للخروج", 12,
               drills::bgr(0x000000FF), 2295, 7680, 0, 0});
    howTo->setFont(designFont(QStringLiteral("Arial"), 12, true));

    auto *leave = drills::addLabel(this, {"Label3", "خروج", 12, drills::bgr(0x0080C0FF), 1080, 7680, 0, 0,
                                          forms::designAlignment(Qt::AlignRight)});
    leave->setFont(designFont(QStringLiteral("MS Sans Serif"), 12, true));
    connect(leave, &Label::clicked, this, [this] { unload(this); });

    auto *credit = drills::addLabel(this, {"Label4", "Quillet - بطاقات جدول الضرب", 12, drills::bgr(0x00FFFFFF),
                                           3533, 8160, 0, 0});
    credit->setFont(designFont(QStringLiteral("Arial"), 12, true));

    card_ = new drills::FactCard(this, card, cardTable());
}

void Form1::onLoad() { card_->start(); }

} // namespace quillet
