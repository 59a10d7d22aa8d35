#pragma once
// A pupil pressing anything in any order: clicks, keys, pastes and waits drawn
// from one seeded sequence, so a run that fails runs the same way again.
#include <QList>
#include <QString>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <iterator>
#include <random>

namespace forms {
class Form;
}

namespace formstest {

class Monkey {
public:
    // One thing the pupil may do, and how often against the others.
    struct Press {
        int weight;
        std::function<void()> act;
    };

    explicit Monkey(unsigned seed) : random_(seed) {}

    // The seed of a program's run number `run`: every program counts from one base.
    static constexpr unsigned seedFor(unsigned run) { return 20261210u + run; }

    // A data column "seed" with a row for each seed.
    static void addSeedRows(std::initializer_list<unsigned> seeds);

    std::mt19937 &random() { return random_; }
    // A number below n.
    int pick(int n) { return int(random_() % unsigned(n)); }
    // True in `percent` of a hundred.
    bool chance(int percent) { return pick(100) < percent; }
    template <class List> auto &pickFrom(List &list) { return list[pick(int(std::size(list)))]; }
    // One character of `keys`.
    QString pickKey(const QString &keys) { return keys.mid(pick(int(keys.size())), 1); }

    // Does one of the presses: a pick below the sum of the weights, the
    // presses taking their spans of it in order.
    void oneOf(std::initializer_list<Press> presses);

    // Runs `steps` rounds: a press, the events it posted, then `check` with
    // the round's number. Stops at the first failure.
    void run(int steps, const std::function<void()> &press, const std::function<void(int step)> &check);

    // The loaded windows on screen.
    static QList<forms::Form *> shownForms();
    // One of them; null when none is.
    forms::Form *anyShownForm();
    // What has the focus in the window, else the window.
    static QWidget *focusOf(QWidget *window);

    // A click at the middle of a shown, enabled label or button of the window
    // that `allowed` lets through (asked in the window's order of children).
    // Returns the control clicked, null when there was none.
    QWidget *clickControl(QWidget *window, const std::function<bool(QWidget *)> &allowed = {});
    // Whatever lies under a point of the window: a control, else the window.
    QWidget *anyPlace(QWidget *window);
    // One of `keys` typed into what has the focus.
    void typeKey(QWidget *window, const QString &keys);
    // A paste, cut or copy on what has the focus, after putting the focus on
    // `box` when one is given.
    void clipboardEdit(QWidget *window, QWidget *box = nullptr);
    // Test time moving on by less than `below` milliseconds.
    void wait(int below);

private:
    std::mt19937 random_;
};

} // namespace formstest
