#pragma once
#include <QString>

class QWidget;

namespace forms {

// Button and icon codes of a message box, added together.
enum MsgStyle {
    MsgOkOnly = 0,
    MsgYesNo = 4,
    MsgCritical = 16,
    MsgQuestion = 32,
    MsgExclamation = 48,
    MsgInformation = 64,
};

enum MsgResult { MsgOk = 1, MsgYes = 6, MsgNo = 7 };

// A modal, right-to-left message box; an empty title shows the program's title.
int msgBox(QWidget *owner, const QString &text, int style, const QString &title = QString());

} // namespace forms
