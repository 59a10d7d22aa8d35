#include "driver.h"

#include "forms/multiline.h"
#include "forms/window.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

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

void clickOnScreen(QWidget *window, QPoint global, int after)
{
    QWindow *w = window->window()->windowHandle();
    QVERIFY(w);
    QTest::lastMouseTimestamp += after;
    const QPointF local = w->mapFromGlobal(QPointF(global));
    qt_handleMouseEvent(w, local, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress, Qt::NoModifier,
                        QTest::lastMouseTimestamp);
    qt_handleMouseEvent(w, local, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease, Qt::NoModifier,
                        QTest::lastMouseTimestamp);
    QCoreApplication::processEvents();
}

void press(QWidget *w, Qt::Key key, const QString &text)
{
    if (text.isEmpty())
        QTest::keyClick(w, key);
    else
        QTest::sendKeyEvent(QTest::Click, w, key, text, Qt::NoModifier);
}

namespace {

// Some three thousand characters: numbers, Latin and Arabic letters, blanks, a CR LF after each line.
QString longText()
{
    QString text;
    for (int line = 1; text.size() < 3000; ++line)
        text += QStringLiteral("%1 أو وزع العدد ٤٧ على 6 abc %2\r\n").arg(line).arg(line * 7);
    return text;
}

} // namespace

QString setClipboard(Clip what)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    QString text;
    switch (what) {
    case Clip::Cleared:
        clipboard->clear();
        return text;
    case Clip::NoFormats:
        clipboard->setMimeData(new QMimeData);
        return text;
    case Clip::Digit: text = QStringLiteral("7"); break;
    case Clip::Letters: text = QStringLiteral("abc"); break;
    case Clip::Arabic: text = QStringLiteral("كم العدد"); break;
    case Clip::Long: text = longText(); break;
    }
    clipboard->setText(text);
    return text;
}

void clipboardEdit(QWidget *box, ClipEdit how)
{
    auto *lines = qobject_cast<forms::MultiLineTextBox *>(box);
    QWidget *surface = lines ? lines->viewport() : box; // where the mouse and drops land
    const QPoint at = surface->rect().center();
    switch (how) {
    case ClipEdit::CtrlV:
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        break;
    case ClipEdit::ShiftInsert:
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        break;
    case ClipEdit::CtrlX:
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        break;
    case ClipEdit::CtrlC:
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        break;
    case ClipEdit::MenuPaste: {
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, surface->mapToGlobal(at));
        QCoreApplication::sendEvent(surface, &event);
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()))
            for (QAction *action : menu->actions())
                if (action->objectName() == QLatin1String("edit-paste"))
                    action->trigger();
        // The menu goes at once, not at some later turn of the event loop.
        while (QWidget *popup = QApplication::activePopupWidget()) {
            popup->close();
            delete popup;
        }
        break;
    }
    case ClipEdit::MiddleClick:
        QTest::mouseClick(surface, Qt::MiddleButton, Qt::NoModifier, at);
        if (lines && !QGuiApplication::clipboard()->supportsSelection())
            if (const QMimeData *data = QGuiApplication::clipboard()->mimeData())
                lines->insertFromMimeData(data);
        break;
    case ClipEdit::Drop: {
        QMimeData data;
        if (const QMimeData *held = QGuiApplication::clipboard()->mimeData())
            for (const QString &format : held->formats())
                data.setData(format, held->data(format));
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(surface, &enter);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(surface, &drop);
        break;
    }
    }
}

void addPasteRows()
{
    QTest::addColumn<ClipEdit>("how");
    QTest::addColumn<Clip>("clip");
    const std::pair<const char *, ClipEdit> ways[] = {{"Ctrl+V", ClipEdit::CtrlV},
                                                      {"Shift+Insert", ClipEdit::ShiftInsert},
                                                      {"menu", ClipEdit::MenuPaste},
                                                      {"middle button", ClipEdit::MiddleClick},
                                                      {"drop", ClipEdit::Drop}};
    const std::pair<const char *, Clip> clips[] = {{"cleared", Clip::Cleared},
                                                   {"no formats", Clip::NoFormats},
                                                   {"digit", Clip::Digit},
                                                   {"Arabic", Clip::Arabic},
                                                   {"long text", Clip::Long}};
    for (const auto &[way, how] : ways)
        for (const auto &[held, clip] : clips)
            QTest::addRow("%s, %s", way, held) << how << clip;
}

void randomClipboardEdit(QWidget *window, std::mt19937 &random)
{
    setClipboard(Clip(random() % ClipKinds));
    QWidget *target = window->focusWidget() ? window->focusWidget() : window;
    const auto how = ClipEdit(random() % ClipEdits);
    if ((how == ClipEdit::CtrlX || how == ClipEdit::CtrlC) && random() % 2)
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier); // something to cut or copy
    clipboardEdit(target, how);
}

QStringList loadedNames()
{
    QStringList names;
    for (forms::Form *f : forms::loadedForms())
        names << f->objectName();
    return names;
}

} // namespace formstest
