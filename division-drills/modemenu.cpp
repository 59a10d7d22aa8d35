#include "modemenu.h"

#include "board.h"
#include "modedrills.h"
#include "suitemenu.h"

#include "forms/app.h"

namespace halvery {

Form5::Form5() : DrillWindow(QStringLiteral("Form5"))
{
    using drills::LabelDesign;
    using forms::Label;
    auto *picture = addBackdrop(this, 0, 8940);
    auto *shape3 = drills::addMenuOval(this, QStringLiteral("Shape3"), 6173, 2280, 4335, 2415, drills::ovalLitColor());
    auto *shape2 = drills::addMenuOval(this, QStringLiteral("Shape2"), 1493, 2280, 4335, 2415, drills::ovalPlainColor());
    auto *shape1 = drills::addMenuOval(this, QStringLiteral("Shape1"), 3833, 4680, 4335, 2415, drills::ovalPlainColor());

    auto *title = drills::addLabel(this, {"Label1", "القسمة على 10 و 100 و 1000", 36, drills::bgr(0x00C0FFFF), 1905,
                                          840, 0, 0, Qt::AlignRight});
    auto *choose = drills::addLabel(this, {"Label3", "اختر الناتج", 27.75, 0, 7493, 3120, 0, 0});
    auto *judge = drills::addLabel(this, {"Label4", "اختر علامة صح و علامة خطأ", 18, 0, 1853, 3240, 0, 0});
    auto *write = drills::addLabel(this, {"Label2", "اكتب الناتج", 27.75, 0, 4988, 5520, 0, 0});
    auto *back = drills::addLabel(this, {"Label5", "الواجهة", 18, 0, 1920, 7680, 0, 0});
    auto *exit = drills::addLabel(this, {"Label7", "خروج", 18, drills::bgr(0xFFFFFF), 2040, 8280, 0, 0});

    auto open = [this](auto showDrill) {
        return [this, showDrill] {
            showDrill();
            hide();
        };
    };
    connect(write, &Label::clicked, this, open([] { forms::show<Form2>(); }));
    connect(choose, &Label::clicked, this, open([] { forms::show<Form4>(); }));
    connect(judge, &Label::clicked, this, open([] { forms::show<Form3>(); }));
    connect(back, &Label::clicked, this, open([] { forms::show<Form7>(); }));
    connect(exit, &Label::clicked, this, [] { forms::endProgram(); });

    const auto light = [](forms::Shape *s) { return [s] { s->setFillColor(drills::ovalLitColor()); }; };
    connect(write, &Label::mouseMoved, this, light(shape1));
    connect(title, &Label::mouseMoved, this, light(shape1));
    connect(choose, &Label::mouseMoved, this, light(shape3));
    connect(judge, &Label::mouseMoved, this, light(shape2));
    connect(picture, &forms::Picture::mouseMoved, this, [=] {
        for (forms::Shape *s : {shape1, shape2, shape3})
            s->setFillColor(drills::ovalPlainColor());
    });

    // Esc ends the program; other keys are ignored, so a window stays on screen.
    setKeyPressHandler([](int key) {
        if (key == KeyEscape)
            forms::endProgram();
    });
}

} // namespace halvery
