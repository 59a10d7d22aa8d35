#pragma once
#include <cstddef>
#include <vector>

namespace drills {

// The ranges a question kind draws its two whole numbers below.
struct KindRanges {
    int rangeA;
    int rangeB;
};

struct KindDraw {
    int kind;
    int a;
    int b;
};

// Reseeds from the clock once, then draws a kind below kinds.size() and a and
// b below its ranges, drawing again from the kind while a or b is 0.
KindDraw drawKind(const std::vector<KindRanges> &kinds);

} // namespace drills
