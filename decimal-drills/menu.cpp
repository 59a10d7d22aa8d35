#include "menu.h"

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

    // The labels size themselves to their captions: the title from its Left,
    // each mode label about the middle of its oval.
    const QRgb magenta = bgr(0x00FF00FF);
    auto *title = addLabel(this, {"Label1", "Mirrane", 36, bgr(0x00FFFFC0), 3443, 360, 5115, 855, Qt::AlignRight});
    auto *write = addLabel(this, {"Label2", "اكتب ناتج الضرب", 18, magenta, 3833, 3240, 4335, 495});
    auto *choose = addLabel(this, {"Label3", "اختر ناتج الضرب", 18, magenta, 7080, 6240, 4335, 495});
    auto *judge = addLabel(this, {"Label4", "اختر علامة صح و علامة خطأ", 18, magenta, 600, 6240, 4335, 495});
    auto *exit = addLabel(this, {"Label7", "خروج", 18, bgr(0x00C0C0FF), 705, 8280, 1200, 495});
    title->setAutoSize(true);
    exit->setAutoSize(true);
    for (forms::Label *l : {write, choose, judge})
        l->setAutoSize(true, forms::Label::Anchor::Centre);

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
