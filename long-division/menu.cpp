#include "menu.h"

#include "credits.h"
#include "navigation.h"

#include "forms/controls.h"
#include "forms/fonts.h"

#include <QIcon>

namespace corvane {

Form4::Form4()
{
    using namespace forms;
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(creditLine());
    setWindowIcon(QIcon(QStringLiteral(":/icons/menu.png")));
    setBorder(Border::FixedDialog, false);
    setClientSizeTwips(4485, 3600);
    setFixedSize(size());

    auto *frame = new Frame(this, QStringLiteral("Frame1"), QStringLiteral("إختر القسمة المطلوبة :"));
    placeTwips(frame, 600, 480, 3255, 2535);

    const struct {
        const char *caption;
        int top;
        SheetId target;
    } choices[] = {
        {"القسمة على عدد مكون من رقم", 480, SheetId::Form1},
        {"القسمة على عدد مكون من رقمين", 1080, SheetId::Form5},
        {"القسمة على عدد مكون من 3 أرقام", 1680, SheetId::Form8},
    };
    int number = 1;
    for (const auto &c : choices) {
        auto *b = new CommandButton(frame, QStringLiteral("Command%1").arg(number++), QString::fromUtf8(c.caption));
        placeTwips(b, 360, c.top, 2535, 375);
        connect(b, &QPushButton::clicked, this, [this, target = c.target] {
            unload(this);
            showSheet(target);
        });
    }
}

} // namespace corvane
