#include "corvanesplash.h"

#include "corvanemenu.h"

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/fonts.h"
#include "forms/msgbox.h"

namespace corvane {

frmSplash::frmSplash()
{
    using namespace forms;
    setObjectName(QStringLiteral("frmSplash"));
    setBorder(Border::ToolNoCaption, false);
    setClientSizeTwips(6000, 4485);
    setKeyPreview(true);

    auto *picture = new Picture(this, QStringLiteral("SplashPicture"), QStringLiteral(":/pictures/splash.png"));
    picture->setGeometry(0, 0, 400, 300);

    const QFont font = designFont(QStringLiteral("MS Sans Serif"), 9.75);
    auto *enterButton = new CommandButton(this, QStringLiteral("Command1"), QStringLiteral("دخول"));
    placeTwips(enterButton, 3120, 2880, 975, 375);
    auto *exitButton = new CommandButton(this, QStringLiteral("Command2"), QStringLiteral("خروج"));
    placeTwips(exitButton, 1920, 2880, 975, 375);
    for (CommandButton *b : {enterButton, exitButton}) {
        b->setFont(font);
        b->setBackColor(QColor(0xFF, 0xC0, 0xC0));
    }
    setTabOrder(enterButton, exitButton);
    enterButton->setFocus(Qt::OtherFocusReason);

    connect(enterButton, &QPushButton::clicked, this, &frmSplash::enter);
    connect(exitButton, &QPushButton::clicked, this, &frmSplash::leave);
    connect(this, &Form::previewKeyPress, this, [this](QChar) { unload(this); });
}

void frmSplash::enter()
{
    forms::unload(this);
    forms::show<Form4>();
}

void frmSplash::leave()
{
    if (forms::msgBox(this, QStringLiteral("هل تريد الخروج حقاً ؟"), forms::MsgYesNo | forms::MsgQuestion,
                      QStringLiteral("تنبيه"))
        == forms::MsgYes)
        forms::endProgram();
}

} // namespace corvane
