#pragma once
#include "drills/factcard.h"
#include "drills/look.h"

namespace quillet {

// The program's one window: a multiplication card over the whole screen,
// turned by a key, drawn anew by Enter; Esc or "خروج" closes it.
class Form1 : public drills::DrillWindow {
    Q_OBJECT
public:
    Form1();
    void onLoad() override;

    const drills::FactCard &card() const { return *card_; }

private:
    drills::FactCard *card_;
};

// How Quillet's cards are drawn, written and coloured.
drills::FactCardTable cardTable();

} // namespace quillet
