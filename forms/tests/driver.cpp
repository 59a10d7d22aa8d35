#include "driver.h"

#include "forms/window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QPainter>
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

bool blankIcon(const QIcon &icon)
{
    if (icon.isNull())
        return false; // the window system draws its own default
    const QImage image = icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
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

bool drawnWhole(const QFont &font, const QSize &room, int flags, const QString &text)
{
    // Draw on a canvas with room to spare around the box, and look for ink outside the box.
    const int spare = room.height() + 50;
    const QRect box(QPoint(spare, spare), room);
    QImage img(room + QSize(2 * spare, 2 * spare), QImage::Format_RGB32);
    const QScreen *screen = QGuiApplication::primaryScreen();
    img.setDotsPerMeterX(qRound(screen->logicalDotsPerInchX() / 0.0254));
    img.setDotsPerMeterY(qRound(screen->logicalDotsPerInchY() / 0.0254));
    img.fill(Qt::white);
    {
        QPainter p(&img);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(box, flags | Qt::TextDontClip, text);
    }
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (!box.contains(x, y) && img.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

bool captionWhole(const forms::Label *label)
{
    const int flags = label->shrunk() ? int(Qt::AlignCenter) | Qt::TextWordWrap
                                      : int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
    return drawnWhole(label->font(), label->contentsRect().size(), flags, label->text());
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
