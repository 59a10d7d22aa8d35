#include "draw.h"

#include "forms/random.h"

namespace drills {

KindDraw drawKind(const std::vector<KindRanges> &kinds)
{
    forms::reseedFromClock();
    for (;;) {
        KindDraw d;
        d.kind = forms::randomBelow(int(kinds.size()));
        d.a = forms::randomBelow(kinds[size_t(d.kind)].rangeA);
        d.b = forms::randomBelow(kinds[size_t(d.kind)].rangeB);
        if (d.a != 0 && d.b != 0)
            return d;
    }
}

} // namespace drills
