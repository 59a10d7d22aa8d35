#pragma once
#include "drills/factcard.h"
#include "drills/look.h"

namespace halvery {

// A fact card over the whole screen, the chalkboard at its design size at the
// top left; "الواجهة" goes back to the suite menu.
class CardWindow : public drills::DrillWindow {
    Q_OBJECT
public:
    CardWindow(const QString &formName, drills::FactCardTable::Fact fact);
    void onLoad() override;

    const drills::FactCard &card() const { return *card_; }

private:
    drills::FactCard *card_;
};

// Division facts: 56 ÷ 8= answered by 8.
class Form9 : public CardWindow {
    Q_OBJECT
public:
    Form9();
};

// Multiplication facts: 7 × 8= answered by 56.
class Form10 : public CardWindow {
    Q_OBJECT
public:
    Form10();
};

} // namespace halvery
