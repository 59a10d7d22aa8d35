#include "cards.h"

#include "suitemenu.h"

#include "drills/look.h"
#include "forms/controls.h"
#include "forms/fonts.h"

namespace halvery {

namespace {

// The credits of the start card and the about box.
void addCredits(forms::Form *card, int height)
{
    using drills::LabelDesign;
    card->setBorder(forms::Form::Border::ToolNoCaption, false);
    card->setClientSizeTwips(6270, height);
    card->setBackColor(Qt::black);

    auto *plate = new forms::Shape(card, QStringLiteral("Shape1"), forms::Shape::Oval, QColor(),
                                   QColor(drills::bgr(0x00E0E0E0)));
    plate->setBorderWidth(0);
    forms::placeTwips(plate, 548, 1080, 5175, 3135);

    const unsigned yellow = 0x00C0FFFF;
    for (const LabelDesign &d : {
             LabelDesign{"Label2", "تمارين على عملية القسمة", 26.25, drills::bgr(0), 863, 2280, 0, 0},
             LabelDesign{"Label1", "برنامج Halvery", 27.75, drills::bgr(0xFFFFFF), 0, 240, 6270, 720},
             LabelDesign{"Label5", "للمرحلة الابتدائية", 27.75, drills::bgr(0xFFFFFF), 0, 4200, 6270, 720},
             LabelDesign{"Label7", "تمارين القسمة على 10 و 100 و 1000", 11.25, drills::bgr(yellow), 0, 5040, 6270, 400},
             LabelDesign{"Label6", "القسمة مع الباقي والقسمة بالخطوات", 11.25, drills::bgr(yellow), 0, 5280, 6270, 400},
             LabelDesign{"Label9", "بطاقات حقائق القسمة والضرب", 11.25, drills::bgr(yellow), 0, 5520, 6270, 400},
             LabelDesign{"Label10", "للتواصل: معلم الرياضيات في مدرستك", 11.25, drills::bgr(yellow), 0, 5760, 6270, 400},
             LabelDesign{"Label11", "جميع الحقوق محفوظة لفريق برامج الحساب", 11.25, drills::bgr(yellow), 0, 6000, 6270, 400},
             LabelDesign{"Label12", "الإصدار 1.0", 11.25, drills::bgr(yellow), 0, 6240, 6270, 400},
         })
        drills::addLabel(card, d);
}

} // namespace

Form1::Form1() : SplashForm([] { forms::show<Form7>(); })
{
    setObjectName(QStringLiteral("Form1"));
    addCredits(this, 6870);
    setCloseAction(CloseAction::EndProgram);
}

Form12::Form12()
{
    setObjectName(QStringLiteral("Form12"));
    addCredits(this, 7170);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setCloseAction(CloseAction::Hide);
    auto *ok = new forms::CommandButton(this, QStringLiteral("Command1"), QStringLiteral("موافق"));
    forms::placeTwips(ok, 2280, 6600, 1455, 375);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
}

void Form12::bringUp()
{
    showForm();
    raise();
    activateWindow();
}

} // namespace halvery
