#include "mirranesplash.h"

#include "mirranemenu.h"

#include "drills/look.h"
#include "forms/controls.h"

namespace mirrane {

using drills::bgr;
using drills::addLabel;
using drills::LabelDesign;

Form1::Form1() : SplashForm([] { forms::show<Form5>(); })
{
    using namespace forms;
    setObjectName(QStringLiteral("Form1"));
    setBorder(Border::ToolNoCaption, false);
    setClientSizeTwips(6270, 6870);
    setBackColor(QColor(bgr(0x00000040)));

    auto *panel = new Shape(this, QStringLiteral("Shape1"), Shape::Rectangle, Qt::black, Qt::black);
    panel->setBorderWidth(0);
    placeTwips(panel, 600, 1080, 5175, 3015);

    const LabelDesign titles[] = {
        {"Label2", "Mirrane", 27.75, bgr(0x00FFFFFF), 1125, 1200, 0, 0},
        {"Label3", "للصف السادس الابتدائي", 27.75, bgr(0x00FF80FF), 1005, 1920, 0, 0},
        {"Label4", "الفصل الدراسي الأول", 27.75, bgr(0x00FFFFC0), 1200, 2760, 0, 0},
        {"Label1", "ضرب الأعداد العشرية", 27.75, bgr(0x0000FF00), 660, 240, 0, 0},
        {"Label5", "تمارين وتدريبات", 27.75, bgr(0x00C0C0FF), 195, 4200, 0, 0},
    };
    for (const LabelDesign &d : titles)
        addLabel(this, d);

    static const char *const credits[] = {
        "تمارين على ضرب الأعداد العشرية",
        "اكتب الناتج، أو اختره، أو احكم على العبارة",
        "بعد كل إجابة يظهر عدد الإجابات والتقدير",
        "إعداد وبرمجة: فريق برامج الرياضيات",
        "مراجعة: معلمو الرياضيات",
        "للملاحظات: إدارة المدرسة",
        "الإصدار الأول",
    };
    for (int i = 0; i < 7; ++i)
        addLabel(this, {"", credits[i], 11.25, bgr(0x0080C0FF), 120, 4920 + 240 * i, 6030, 345})
            ->setObjectName(QStringLiteral("Label%1").arg(6 + i));
}

} // namespace mirrane
