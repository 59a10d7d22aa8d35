#include "corvanemenu.h"

#include "corvanecredits.h"
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

    auto *frame = new Frame(this, QStringLiteral("Frame1"), QStringLiteral("إختر القسمة المطلوبة :"));
    placeTwips(frame, 600, 480, 3255, 2535);

    // Command1 to Command3: the first worksheet of each divisor length.
    const struct {
        const char *caption;
        int top;
    } choices[] = {
        {"القسمة على عدد مكون من رقم", 480},
        {"القسمة على عدد مكون من رقمين", 1080},
        {"القسمة على عدد مكون من 3 أرقام", 1680},
    };
    for (int length = 1; length <= 3; ++length) {
        const auto &c = choices[length - 1];
        auto *b = new CommandButton(frame, QStringLiteral("Command%1").arg(length), QString::fromUtf8(c.caption));
        placeTwips(b, 360, c.top, 2535, 375);
        connect(b, &QPushButton::clicked, this, [this, &target = familyMember(length, 0)] {
            unload(this);
            showSheet(target);
        });
    }
}

} // namespace corvane
