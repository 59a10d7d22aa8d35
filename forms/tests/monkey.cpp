#include "monkey.h"

#include "driver.h"
#include "forms/timing.h"
#include "forms/window.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>

namespace formstest {

void Monkey::addSeedRows(std::initializer_list<unsigned> seeds)
{
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed : seeds)
        QTest::addRow("seed %u", seed) << seed;
}

void Monkey::oneOf(std::initializer_list<Press> presses)
{
    int total = 0;
    for (const Press &p : presses)
        total += p.weight;
    int roll = pick(total);
    for (const Press &p : presses) {
        if (roll < p.weight) {
            p.act();
            return;
        }
        roll -= p.weight;
    }
}

void Monkey::run(int steps, const std::function<void()> &press, const std::function<void(int)> &check)
{
    for (int step = 0; step < steps; ++step) {
        press();
        if (QTest::currentTestFailed())
            return;
        QCoreApplication::processEvents();
        check(step);
        if (QTest::currentTestFailed())
            return;
    }
}

QList<forms::Form *> Monkey::shownForms()
{
    QList<forms::Form *> shown;
    for (forms::Form *f : forms::loadedForms())
        if (f->isVisible())
            shown << f;
    return shown;
}

forms::Form *Monkey::anyShownForm()
{
    QList<forms::Form *> shown = shownForms();
    return shown.isEmpty() ? nullptr : pickFrom(shown);
}

QWidget *Monkey::focusOf(QWidget *window) { return window->focusWidget() ? window->focusWidget() : window; }

QWidget *Monkey::clickControl(QWidget *window, const std::function<bool(QWidget *)> &allowed)
{
    QList<QWidget *> targets;
    for (QWidget *c : window->findChildren<QWidget *>())
        if (c->isVisible() && c->isEnabled() && (qobject_cast<forms::Label *>(c) || qobject_cast<QPushButton *>(c))
            && (!allowed || allowed(c)))
            targets << c;
    if (targets.isEmpty())
        return nullptr;
    QWidget *target = pickFrom(targets);
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
    return target;
}

QWidget *Monkey::anyPlace(QWidget *window)
{
    const int x = pick(window->width());
    QWidget *under = window->childAt(x, pick(window->height()));
    return under ? under : window;
}

void Monkey::typeKey(QWidget *window, const QString &keys)
{
    QWidget *target = focusOf(window);
    press(target, Qt::Key_unknown, pickKey(keys));
}

void Monkey::clipboardEdit(QWidget *window, QWidget *box)
{
    if (box)
        box->setFocus(Qt::OtherFocusReason);
    randomClipboardEdit(window, random_);
}

void Monkey::wait(int below) { forms::testing::advance(pick(below)); }

} // namespace formstest
