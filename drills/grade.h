#pragma once
#include <QString>

namespace drills {

// The grade word of p = right ÷ total × 100, rounded with halves to even:
// 90 and above "ممتاز", 80 "جيد جدا", 70 "جيد", 60 "مقبول", 50 "تدرب أكثر",
// below that "راسب ، لماذا ؟ ". A total of 0 grades as 0.
QString gradeBand(int right, int total);

// The rounded percentage the grade word is chosen by.
int gradePercent(int right, int total);

} // namespace drills
