#pragma once
#include <QString>

namespace corvane {
// The credit line of the program's windows.
inline QString creditLine() { return QStringLiteral("برنامج القسمة المطولة للمرحلة الابتدائية"); }
} // namespace corvane
