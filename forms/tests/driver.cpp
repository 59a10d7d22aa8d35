#include "driver.h"

#include "forms/app.h"
#include "forms/multiline.h"
#include "forms/window.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGlyphRun>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QTextEdit>
#include <QTextLayout>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <ctime>
#include <string_view>
#include <typeinfo>

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

namespace {
// Thrown past the rest of a test function once its failure is recorded.
struct MissingControl {};
} // namespace

void missingControl(const QWidget *window, const QString &name, const char *type)
{
    const QString message = QStringLiteral("no %1 \"%2\" in window %3")
                                .arg(QLatin1String(type), name,
                                     window ? QStringLiteral("\"%1\"").arg(window->objectName())
                                            : QStringLiteral("(none)"));
    if (!QTest::currentTestFunction())
        qFatal("%s", qPrintable(message));
    QTest::qFail(qPrintable(message), __FILE__, __LINE__);
    throw MissingControl{};
}

void type(QWidget *box, const QString &text)
{
    box->setFocus(Qt::OtherFocusReason);
    for (QChar c : text) {
        const Qt::Key key = c.unicode() < 128 ? QTest::asciiToKey(char(c.unicode())) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, box, key, QString(c), Qt::NoModifier);
    }
}

void typeOnArabicKeyboard(QWidget *box, const QString &text)
{
    box->setFocus(Qt::OtherFocusReason);
    for (QChar c : text) {
        Qt::Key key = Qt::Key_unknown;
        if (c.isDigit())
            key = Qt::Key(Qt::Key_0 + c.digitValue());
        else if (c.unicode() < 128)
            key = QTest::asciiToKey(char(c.unicode()));
        else
            key = Qt::Key(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, box, key, QString(c), Qt::NoModifier);
    }
}

void commitText(QWidget *box, const QString &text)
{
    box->setFocus(Qt::OtherFocusReason);
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(box, &event);
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

void enter(QWidget *box, const QString &text, Entry how)
{
    switch (how) {
    case Entry::Typed: typeOnArabicKeyboard(box, text); return;
    case Entry::InputMethod: commitText(box, text); return;
    default: break;
    }
    box->setFocus();
    QGuiApplication::clipboard()->setText(text);
    clipboardEdit(box, how == Entry::CtrlV        ? ClipEdit::CtrlV
                       : how == Entry::ShiftInsert ? ClipEdit::ShiftInsert
                       : how == Entry::MenuPaste   ? ClipEdit::MenuPaste
                                                   : ClipEdit::Drop);
}

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

namespace {

double processorMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

// A widget or timer by the control it belongs to.
QString who(const QObject *o)
{
    QString name = o->objectName();
    if (name.isEmpty())
        name = QString::fromLatin1(o->metaObject()->className());
    const QObject *owner = o->parent();
    while (owner && owner->objectName().isEmpty())
        owner = owner->parent();
    if (owner && !o->isWidgetType())
        name = owner->objectName() + QLatin1Char('.') + name;
    else if (!owner && o->parent())
        name = QString::fromLatin1(o->parent()->metaObject()->className()) + QLatin1Char('.') + name;
    return name;
}

bool qtHousekeeping(const QObject *o)
{
    const std::string_view type = typeid(*o).name();
    return type.find("QFontCache") != type.npos || type.find("QPMCache") != type.npos;
}

class ActivityWatch : public QObject {
public:
    ActivityWatch(Activity &seen, const QObject *own) : seen_(seen), own_(own) { qApp->installEventFilter(this); }
    ~ActivityWatch() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++seen_.paints[who(o)];
        else if (e->type() == QEvent::Timer && o != own_ && !qtHousekeeping(o))
            ++seen_.timers[who(o)];
        return false;
    }

private:
    Activity &seen_;
    const QObject *own_;
};

// The activity of a run; the timer `own` that ends it is not counted.
Activity measured(const std::function<void()> &run, const QObject *own)
{
    Activity seen;
    {
        const ActivityWatch watch(seen, own);
        QElapsedTimer wall;
        const double cpu = processorMs();
        wall.start();
        run();
        seen.cpuMs = processorMs() - cpu;
        seen.wallMs = wall.elapsed();
    }
    return seen;
}

} // namespace

QString Activity::cost() const
{
    return QStringLiteral("%1 ms of processor time in %2 ms (%3%)")
        .arg(qRound(cpuMs))
        .arg(wallMs)
        .arg(100.0 * cpuShare(), 0, 'f', 1);
}

Activity activityOf(const std::function<void()> &run) { return measured(run, nullptr); }

Activity leftAlone(int ms)
{
    QEventLoop loop;
    QTimer end;
    end.setSingleShot(true);
    end.setTimerType(Qt::PreciseTimer);
    QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
    return measured(
        [&] {
            end.start(ms);
            loop.exec();
        },
        &end);
}

Activity leftAloneIdle(int ms)
{
    Activity seen = leftAlone(ms);
    for (int again = 0; again < 2 && seen.cpuShare() > IdleShare; ++again) {
        const Activity next = leftAlone(ms);
        if (next.cpuShare() < seen.cpuShare()) {
            seen.cpuMs = next.cpuMs;
            seen.wallMs = next.wallMs;
        }
    }
    return seen;
}

QString listed(const QMap<QString, int> &counts)
{
    QStringList parts;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        parts << QStringLiteral("%1 x%2").arg(it.key()).arg(it.value());
    return parts.join(QStringLiteral(", "));
}

namespace {

// The caption of an action of a one-line box's standard menu, by the name a
// multi-line box gives the same action; the one-line box's menu names none
// of its actions before Qt 6.5.
QString lineEditCaption(const QString &action)
{
    static const std::pair<const char *, const char *> captions[] = {
        {"edit-undo", "&Undo"},   {"edit-redo", "&Redo"},    {"edit-cut", "Cu&t"},      {"edit-copy", "&Copy"},
        {"edit-paste", "&Paste"}, {"edit-delete", "Delete"}, {"select-all", "Select All"}};
    for (const auto &[name, caption] : captions)
        if (action == QLatin1String(name))
            return QLineEdit::tr(caption);
    return QString();
}

} // namespace

void contextMenuAction(QWidget *surface, const QPoint &at, const QString &action)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, surface->mapToGlobal(at));
    QCoreApplication::sendEvent(surface, &event);
    const QString caption = qobject_cast<QLineEdit *>(surface) ? lineEditCaption(action) : QString();
    if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()))
        for (QAction *a : menu->actions())
            if (a->objectName() == action
                || (a->objectName().isEmpty() && !caption.isEmpty() && a->text().startsWith(caption))) {
                a->trigger();
                break;
            }
    // The menu goes at once, not at some later turn of the event loop.
    while (QWidget *popup = QApplication::activePopupWidget()) {
        popup->close();
        delete popup;
    }
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
    case ClipEdit::MenuPaste:
        contextMenuAction(surface, at, QStringLiteral("edit-paste"));
        break;
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
