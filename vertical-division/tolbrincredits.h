#pragma once
#include <QString>

namespace tolbrin {
// The credit line in the worksheets' caption bars.
inline QString creditLine() { return QStringLiteral("برنامج القسمة الرأسية للمرحلة الابتدائية"); }
// The two credit lines of the about window.
inline QString aboutCredit()
{
    return QStringLiteral("برنامج القسمة الرأسية\nللمرحلة الابتدائية");
}
inline QString aboutCreditLatin() { return QStringLiteral("Tolbrin - vertical division"); }
} // namespace tolbrin
