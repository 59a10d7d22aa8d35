#include "tolbrinmenu.h"

#include "tolbrincredits.h"
#include "verticaldivision.h"

#include "forms/controls.h"
#include "forms/fonts.h"

#include <QIcon>

namespace tolbrin {

namespace {
// Both round windows show only the circle inside the pixel square (100, 100)-(400, 400).
void roundWindow(forms::Form *w, const QString &name, const QString &caption, int top, const QColor &back)
{
    using forms::Form;
    w->setObjectName(name);
    w->setWindowTitle(caption);
    w->setBackColor(back);
    w->setWindowIcon(QIcon(QStringLiteral(":/icons/calligraphy.png")));
    w->setBorder(Form::Border::ToolNoCaption, false);
    w->setClientSizeTwips(12000, 7695);
    w->setStoredPositionTwips(1995, top);
}
void cutToCircle(forms::Form *w) { w->setEllipseRegion(100, 100, 400, 400); }
} // namespace

Form1::Form1()
{
    using namespace forms;
    roundWindow(this, QStringLiteral("Form1"), QStringLiteral("Form1"), 690, QColor(0xFF, 0x80, 0xFF));

    auto *two = new CommandButton(this, QStringLiteral("Command1"), QStringLiteral("قسمة رقمين على رقم"));
    placeTwips(two, 2640, 2400, 2295, 615);
    two->setBackColor(QColor(0x00, 0xFF, 0xFF));
    auto *three = new CommandButton(this, QStringLiteral("Command2"), QStringLiteral("قسمة ثلاثة أرقام على رقم"));
    placeTwips(three, 2640, 4320, 2295, 615);
    three->setBackColor(QColor(0x00, 0xFF, 0x00));
    setTabOrder(two, three);

    connect(two, &QPushButton::clicked, this, [this] {
        unload(this);
        forms::show<Form2>();
    });
    connect(three, &QPushButton::clicked, this, [this] {
        unload(this);
        forms::show<Form3>();
    });
}

void Form1::onLoad() { cutToCircle(this); }

Form4::Form4()
{
    using namespace forms;
    roundWindow(this, QStringLiteral("Form4"), QStringLiteral("Form2"), 930, QColor(0x00, 0xFF, 0xFF));

    auto *credit = new Label(this, QStringLiteral("Label1"), aboutCredit());
    placeTwips(credit, 1800, 2160, 3855, 3495);
    credit->setFont(designFont(QStringLiteral("Monotype Koufi"), 15.75, true));
    credit->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto *latin = new Label(this, QStringLiteral("Label2"), aboutCreditLatin());
    placeTwips(latin, 960, 3960, 5535, 495);
    latin->setFont(designFont(QStringLiteral("Arial"), 18, true));
    latin->setForeColor(QColor(0xFF, 0x00, 0x00));
    latin->setAlignment(Qt::AlignCenter);
    latin->setLayoutDirection(Qt::LeftToRight);

    auto *done = new CommandButton(this, QStringLiteral("Command1"), QStringLiteral("الحمد لله"));
    placeTwips(done, 3000, 5040, 1455, 375);
    connect(done, &QPushButton::clicked, this, [this] { unload(this); });
}

void Form4::onLoad() { cutToCircle(this); }

} // namespace tolbrin
