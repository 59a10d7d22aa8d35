#include "factcard.h"

#include "forms/controls.h"
#include "forms/numbers.h"
#include "forms/random.h"
#include "forms/window.h"

namespace drills {

QString factText(const FactCardTable &table, int x, int y)
{
    using forms::numberText;
    const QString tail = table.equals ? QStringLiteral("=") : QString();
    if (table.fact == FactCardTable::Fact::Division)
        return numberText(x * y) + QStringLiteral(" ÷ ") + numberText(y) + tail;
    return numberText(x) + QStringLiteral(" × ") + numberText(y) + tail;
}

int factAnswer(const FactCardTable &table, int x, int y)
{
    return table.fact == FactCardTable::Fact::Division ? x : x * y;
}

FactCard::FactCard(forms::Form *window, forms::Label *card, const FactCardTable &table)
    : QObject(window), window_(window), card_(card), table_(table)
{
}

void FactCard::start()
{
    window_->setKeyPreviewHandler([this](int code) {
        keyPress(code);
        return true;
    });
    window_->setKeyPreview(true);
    newCard(table_.first);
}

void FactCard::keyPress(int code)
{
    if (code == 0)
        return;
    reveal();
    if (code == forms::Form::KeyEnter)
        newCard(table_.later);
    else if (code == forms::Form::KeyEscape && table_.escCloses)
        forms::unload(window_);
}

void FactCard::newCard(const FactCardTable::Draw &draw)
{
    do {
        forms::reseedFromClock();
        x_ = forms::randomBelow(draw.below);
        y_ = forms::randomBelow(draw.below);
    } while (draw.redrawZero && y_ == 0);
    answer_ = factAnswer(table_, x_, y_);
    turned_ = false;
    card_->setForeColor(table_.faceColor);
    card_->setCaption(factText(table_, x_, y_));
}

void FactCard::reveal()
{
    turned_ = true;
    card_->setForeColor(table_.answerColor);
    card_->setCaption(forms::numberText(answer_));
}

} // namespace drills
