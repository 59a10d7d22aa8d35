#include "mirranemenu.h"

#include "drillwindows.h"

#include "forms/app.h"

namespace mirrane {

using drills::bgr;

namespace {
template <class Drill> void open(QWidget *menu)
{
    forms::show<Drill>();
    menu->hide();
}
} // namespace

Form5::Form5() : DrillWindow(QStringLiteral("Form5"))
{
    using drills::addMenuOval;
    const QColor plain = drills::ovalPlainColor();
    addMenuOval(this, QStringLiteral("Shape1"), 3833, 2280, 4335, 2415, plain);
    addMenuOval(this, QStringLiteral("Shape3"), 7080, 5280, 4335, 2415, plain);
    addMenuOval(this, QStringLiteral("Shape2"), 600, 5280, 4335, 2415, plain);

    const QRgb magenta = bgr(0x00FF00FF);
    addLabel(this, {"Label1", "Mirrane", 36, bgr(0x00FFFFC0), 3443, 360, 0, 0, Qt::AlignRight});
    auto *write = addLabel(this, {"Label2", "اكتب ناتج الضرب", 18, magenta, 4935, 3240, 0, 0});
    auto *choose = addLabel(this, {"Label3", "اختر ناتج الضرب", 18, magenta, 8340, 6240, 0, 0});
    auto *judge = addLabel(this, {"Label4", "اختر علامة صح و علامة خطأ", 18, magenta, 960, 6240, 0, 0});
    auto *exit = addLabel(this, {"Label7", "خروج", 18, bgr(0x00C0C0FF), 705, 8280, 0, 0});

    connect(write, &forms::Label::clicked, this, [this] { open<Form2>(this); });
    connect(choose, &forms::Label::clicked, this, [this] { open<Form4>(this); });
    connect(judge, &forms::Label::clicked, this, [this] { open<Form3>(this); });
    connect(exit, &forms::Label::clicked, this, [] { forms::endProgram(); });
    setKeyPressHandler([](int key) {
        if (key == KeyEscape)
            forms::endProgram();
    });
}

} // namespace mirrane
