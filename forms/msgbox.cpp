#include "msgbox.h"

#include "app.h"
#include "window.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace forms {

int msgBox(QWidget *owner, const QString &text, int style, const QString &title)
{
    installArabicTranslation();
    // The owner is not freed under its open box, even if it is unloaded meanwhile.
    FormHold hold(owner);
    QMessageBox box(owner);
    box.setObjectName(QStringLiteral("AlertMessage"));
    box.setLayoutDirection(Qt::RightToLeft);
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(title.isEmpty() ? programTitle() : title);
    box.setText(text);
    switch (style & 0x70) {
    case MsgCritical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgQuestion:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgExclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgInformation:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
    }
    if ((style & 0x7) == MsgYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    if (clicked && clicked == box.button(QMessageBox::Yes))
        return MsgYes;
    if (clicked && clicked == box.button(QMessageBox::No))
        return MsgNo;
    // Closing a Yes/No box without an answer counts as No.
    return (style & 0x7) == MsgYesNo ? MsgNo : MsgOk;
}

} // namespace forms
