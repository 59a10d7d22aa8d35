#include "grade.h"

#include "forms/numbers.h"

namespace drills {

int gradePercent(int right, int total)
{
    if (total <= 0)
        return 0;
    return int(forms::roundHalfEven(double(right) / double(total) * 100.0));
}

QString gradeBand(int right, int total)
{
    const int p = gradePercent(right, total);
    if (p >= 90)
        return QStringLiteral("ممتاز");
    if (p >= 80)
        return QStringLiteral("جيد جدا");
    if (p >= 70)
        return QStringLiteral("جيد");
    if (p >= 60)
        return QStringLiteral("مقبول");
    if (p >= 50)
        return QStringLiteral("تدرب أكثر");
    return QStringLiteral("راسب ، لماذا ؟ ");
}

} // namespace drills
