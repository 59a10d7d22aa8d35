#include "remainder.h"

#include "forms/numbers.h"
#include "forms/random.h"

namespace halvery {

RemainderProblem drawRemainderProblem(int divisorBelow, int largestQuotient)
{
    RemainderProblem p;
    for (;;) {
        forms::reseedFromClock();
        p.dividend = forms::randomBelow(100);
        p.divisor = forms::randomBelow(divisorBelow);
        if (p.dividend == 0 || p.divisor == 0 || p.dividend % p.divisor == 0
            || p.dividend / p.divisor > largestQuotient)
            continue;
        break;
    }
    p.quotient = p.dividend / p.divisor;
    p.remainder = p.dividend - p.divisor * p.quotient;
    return p;
}

QString stepHelp(int step, const RemainderProblem &p, bool spaced)
{
    using forms::numberText;
    const QString crlf = QStringLiteral("\r\n");
    const QString n = numberText(p.dividend);
    const QString d = numberText(p.divisor);
    switch (step) {
    case 1: {
        const QString gap = spaced ? crlf + crlf : crlf;
        return QStringLiteral("كم ") + d + QStringLiteral(" في العدد ") + n + QStringLiteral(" ") + gap
            + QStringLiteral("أو ما هو العدد الذي نضربه في ") + d + QStringLiteral(" لينتج رقم قريبا من ") + n
            + QStringLiteral(" ") + gap + QStringLiteral("أو وزع العدد ") + n + QStringLiteral(" على ") + d
            + QStringLiteral(" كم ينتج؟");
    }
    case 2:
        return QStringLiteral("اضرب الناتج في المقسوم عليه ") + crlf + crlf + QStringLiteral("أو اضرب  ")
            + numberText(p.quotient) + QStringLiteral(" × ") + d;
    case 3:
        return QStringLiteral("اطرح  ") + n + QStringLiteral(" - ") + numberText(p.quotient * p.divisor);
    default:
        return QString();
    }
}

} // namespace halvery
