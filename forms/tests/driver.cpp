#include "driver.h"

#include "forms/window.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace formstest {

MessageCatcher::MessageCatcher() { qApp->installEventFilter(this); }

MessageCatcher::~MessageCatcher() { qApp->removeEventFilter(this); }

bool MessageCatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        if (auto *box = qobject_cast<QMessageBox *>(watched)) {
            SeenMessage m;
            m.text = box->text();
            m.title = box->windowTitle();
            m.icon = box->icon();
            for (QAbstractButton *b : box->buttons())
                m.buttons << b->text();
            seen_.append(m);
            QPointer<QMessageBox> guard(box);
            QTimer::singleShot(0, this, [this, guard] {
                if (guard)
                    answer(guard);
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

void MessageCatcher::answer(QMessageBox *box)
{
    QAbstractButton *target = nullptr;
    if (!answers_.empty()) {
        target = box->button(answers_.front());
        answers_.pop_front();
    }
    if (!target)
        target = box->defaultButton();
    if (!target && !box->buttons().isEmpty())
        target = box->buttons().first();
    if (target)
        target->click();
    else
        box->reject();
}

void type(QWidget *box, const QString &text)
{
    box->setFocus(Qt::OtherFocusReason);
    for (QChar c : text) {
        const Qt::Key key = c.unicode() < 128 ? QTest::asciiToKey(char(c.unicode())) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, box, key, QString(c), Qt::NoModifier);
    }
}

void erase(QWidget *box)
{
    box->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
}

void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void press(QWidget *w, Qt::Key key, const QString &text)
{
    if (text.isEmpty())
        QTest::keyClick(w, key);
    else
        QTest::sendKeyEvent(QTest::Click, w, key, text, Qt::NoModifier);
}

QStringList loadedNames()
{
    QStringList names;
    for (forms::Form *f : forms::loadedForms())
        names << f->objectName();
    return names;
}

} // namespace formstest
