#include "driver.h"

#include "forms/window.h"

#include <QApplication>
#include <QGlyphRun>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QTextEdit>
#include <QTextLayout>
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
            const qsizetype index = seen_.size() - 1;
            QTimer::singleShot(0, this, [this, guard, index] {
                if (!guard)
                    return;
                if (index < seen_.size())
                    seen_[index].foreignDigits = foreignDigits(guard);
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

namespace formstest {

bool digitsDrawnWestern(const QFont &font, const QString &text, Qt::LayoutDirection direction, QString *families)
{
    int western = 0;
    for (const QChar c : text)
        western += (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.');
    QTextLayout layout(text, font);
    QTextOption option;
    option.setTextDirection(direction);
    layout.setTextOption(option);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    // Each glyph run is drawn in one font: count its glyphs that are that
    // font's own glyphs for a Western digit or the point.
    int drawn = 0;
    QStringList used;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        used << raw.familyName();
        const QList<quint32> own = raw.glyphIndexesForString(QStringLiteral("0123456789."));
        for (const quint32 g : run.glyphIndexes())
            drawn += own.contains(g);
    }
    if (families)
        *families = used.join(QLatin1Char(','));
    return drawn == western;
}

QStringList foreignDigits(QWidget *window)
{
    QStringList faults;
    auto check = [&](const QWidget *w, const QString &text) {
        QString families;
        if (!text.isEmpty() && !digitsDrawnWestern(w->font(), text, w->layoutDirection(), &families))
            faults << QStringLiteral("%1: %2 (%3)").arg(w->objectName(), text, families);
    };
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : widgets) {
        if (!w->isVisible())
            continue;
        if (auto *l = qobject_cast<QLabel *>(w))
            check(l, l->text());
        else if (auto *b = qobject_cast<QAbstractButton *>(w))
            check(b, b->text());
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            check(g, g->title());
        else if (auto *e = qobject_cast<QLineEdit *>(w))
            check(e, e->text());
        else if (auto *e = qobject_cast<QTextEdit *>(w))
            check(e, e->toPlainText());
        else if (auto *e = qobject_cast<QPlainTextEdit *>(w))
            check(e, e->toPlainText());
        if (w->isWindow() && qobject_cast<QMessageBox *>(w))
            check(w, w->windowTitle());
    }
    return faults;
}

} // namespace formstest
