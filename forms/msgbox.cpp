#include "msgbox.h"

#include "app.h"
#include "titlebar.h"
#include "window.h"

#include <QGridLayout>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

namespace forms {

namespace {
// Makes the box as wide as its whole title needs in the title bar.
void widenForTitle(QMessageBox &box)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    const QMargins margins = grid->contentsMargins();
    const int width = titleBar(box.windowTitle()).widthFor(box.windowTitle()) - margins.left() - margins.right();
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}
} // namespace

int msgBox(QWidget *owner, const QString &text, int style, const QString &title)
{
    installArabicTranslation();
    // The owner is not freed under its open box, even if it is unloaded meanwhile.
    FormHold hold(owner);
    QMessageBox box(owner);
    box.setObjectName(QStringLiteral("AlertMessage"));
    box.setLayoutDirection(Qt::RightToLeft);
    box.setWindowModality(Qt::ApplicationModal);
    withoutMinimizeOrMaximize(&box, true, true);
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
    widenForTitle(box);
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
