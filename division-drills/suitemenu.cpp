#include "suitemenu.h"

#include "board.h"
#include "cards.h"
#include "factcards.h"
#include "modemenu.h"
#include "remainderdrill.h"
#include "stepdrill.h"

#include "forms/app.h"
#include "forms/fonts.h"
#include "forms/msgbox.h"

namespace halvery {

namespace {
// The button shows the window (loading it the first time) and hides the menu.
template <class Target> void openOnClick(Form7 *menu, const char *button)
{
    QObject::connect(menu->findChild<forms::CommandButton *>(QLatin1String(button)), &QPushButton::clicked, menu,
                     [menu] {
                         forms::show<Target>();
                         menu->hide();
                     });
}
} // namespace

Form7::Form7() : DrillWindow(QStringLiteral("Form7"))
{
    using namespace forms;
    addBackdrop(this, 0, 8940);
    drills::addLabel(this, {"Label1", "واجهة التمارين", 27.75, drills::bgr(0xFFFFFF), 4380, 840, 0, 0});

    auto *frame = new Frame(this, QStringLiteral("Frame1"), QStringLiteral("اختر التمرين المناسب "));
    frame->setBackColor(QColor(drills::bgr(0x0000C000)));
    QFont frameFont = designFont(QStringLiteral("MS Sans Serif"), 13.5);
    frame->setFont(frameFont);
    placeTwips(frame, 3473, 1560, 5055, 5775);

    const struct {
        const char *name;
        int left;
        int top;
        const char *caption;
    } list[] = {
        {"Command1", 3953, 2040, "القسمة على 10-100-1000"},
        {"Command2", 3953, 2760, "القسمة مع وجود باقي"},
        {"Command3", 3953, 3480, "Tolbrin"},
        {"Command4", 3953, 4200, "بطاقات حقائق القسمة"},
        {"Command5", 3953, 4920, "بطاقات Quillet"},
        {"Command6", 3960, 6360, "تمارين على Tolbrin"},
        {"Command7", 3960, 5640, "تمارين على Tolbrin"},
    };
    QWidget *previous = nullptr;
    for (const auto &item : list) {
        auto *b = new CommandButton(this, QLatin1String(item.name), QString::fromUtf8(item.caption));
        placeTwips(b, item.left, item.top, 4095, 615);
        b->setFont(designFont(QStringLiteral("Arial"), 15.75, true));
        if (previous)
            setTabOrder(previous, b);
        previous = b;
    }
    auto *about = new CommandButton(this, QStringLiteral("Command8"), QStringLiteral("عن البرنامج"));
    placeTwips(about, 1680, 7560, 1455, 495);
    setTabOrder(previous, about);

    auto *exit = drills::addLabel(this, {"Label7", "خروج", 18, drills::bgr(0xFFFFFF), 2040, 8280, 0, 0});

    auto *first = findChild<CommandButton *>(QStringLiteral("Command1"));
    connect(first, &QPushButton::clicked, this, &Form7::Command1_Click);
    openOnClick<Form6>(this, "Command2");
    openOnClick<Form8>(this, "Command3");
    openOnClick<Form9>(this, "Command4");
    openOnClick<Form10>(this, "Command5");
    connect(findChild<CommandButton *>(QStringLiteral("Command7")), &QPushButton::clicked, this,
            [this] { siblingLaunch(QStringLiteral("Corvane")); });
    connect(findChild<CommandButton *>(QStringLiteral("Command6")), &QPushButton::clicked, this,
            [this] { siblingLaunch(QStringLiteral("Brandor")); });
    connect(about, &QPushButton::clicked, this, &Form7::Command8_Click);
    connect(exit, &Label::clicked, this, [] { endProgram(); });
    setKeyPressHandler([this](int key) { Form_KeyPress(key); });
    first->setFocus();
}

void Form7::onLoad() { programFolder_ = forms::withFinalSlash(forms::programFolder()); }

void Form7::Command1_Click()
{
    forms::show<Form5>();
    hide();
}

void Form7::Command8_Click() { forms::load<Form12>()->bringUp(); }

void Form7::Form_KeyPress(int key)
{
    if (key == KeyEscape) {
        forms::endProgram();
        return;
    }
    Command1_Click();
}

void Form7::siblingLaunch(const QString &name)
{
    const QString path = programFolder_ + QStringLiteral("zorurav/") + name;
    if (forms::startProgram(path))
        return;
    forms::msgBox(this, QStringLiteral("تعذر تشغيل البرنامج ") + name + QLatin1Char('\n') + path,
                  forms::MsgOkOnly | forms::MsgCritical, QStringLiteral("خطأ"));
}

} // namespace halvery
