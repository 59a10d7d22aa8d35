#include "msgbox.h"

#include "app.h"
#include "window.h"

#include <QApplication>
#include <QGridLayout>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

#include <algorithm>

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
    // No icon on the buttons, whatever the platform's theme gives them.
    for (QAbstractButton *b : box.buttons())
        b->setIcon(QIcon());
    // As wide as its title needs, beside the title bar's icon and buttons.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        const QFontMetrics fm(QApplication::font("QMdiSubWindowTitleBar"));
        const int titleBar = std::max(fm.height(), box.fontMetrics().height()) + 8;
        const int width = std::max(fm.horizontalAdvance(box.windowTitle()),
                                   box.fontMetrics().horizontalAdvance(box.windowTitle()))
            + 4 * titleBar;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
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
