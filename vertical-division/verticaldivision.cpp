#include "verticaldivision.h"

#include "tolbrincredits.h"
#include "tolbrinmenu.h"

#include "forms/app.h"
#include "forms/fonts.h"
#include "forms/geometry.h"
#include "forms/msgbox.h"
#include "forms/numbers.h"
#include "forms/pause.h"

#include <QIcon>

namespace tolbrin {

using forms::numberFromText;
using forms::numberText;

namespace {

// Pixels kept free between a check caption and the values of its row.
constexpr int CaptionGap = 6;

const QString RedirectMessage = QStringLiteral("استخدم البرنامج الخاص بقسمة رقمين أفضل");

// DigitKeyFilter: only the digits 0 to 9 go in; every other key that carries
// a character (Backspace and Enter too) is dropped.
QChar digitKeyFilter(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9') ? c : QChar(); }

// A whole number as the boxes hold it: an optional "-", then digits.
std::optional<long long> wholeNumber(const QString &t)
{
    const int start = t.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (t.size() == start || t.size() - start > 12)
        return std::nullopt;
    long long v = 0;
    for (int i = start; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        v = 10 * v + (c.unicode() - u'0');
    }
    return start ? -v : v;
}

} // namespace

VerticalDivisionForm::VerticalDivisionForm(const Sheet &sheet) : sheet_(sheet)
{
    build();
}

void VerticalDivisionForm::build()
{
    using namespace forms;
    setObjectName(sheet_.name);
    setWindowTitle(creditLine());
    setWindowIcon(QIcon(QStringLiteral(":/icons/pens.png")));
    setBorder(Border::Sizable);
    setBackColor(sheet_.background);
    setClientSizeTwips(sheet_.clientWidth, sheet_.clientHeight);
    setPlacement(Placement::FullScreen);

    for (const LineDef &def : sheet_.lines) {
        auto *l = new LineControl(this, def.name, def.x1, def.y1, def.x2, def.y2, def.width, def.color);
        l->setVisible(!def.hidden);
        controls_.insert(def.name, l);
    }
    for (const LabelDef &def : sheet_.labels) {
        auto *l = new Label(this, def.name, def.caption);
        placeTwips(l, def.left, def.top, def.width, def.height);
        l->setFont(designFont(def.font, def.points, true));
        l->setForeColor(def.color);
        l->setAlignment(forms::designAlignment(def.align) | Qt::AlignVCenter);
        if (def.clearOf > def.left)
            l->setContentsMargins(forms::twipsSpan(def.left, def.clearOf) + CaptionGap, 0, 0, 0);
        l->setVisible(!def.hidden);
        controls_.insert(def.name, l);
    }

    const QFont digitFont = designFont(QStringLiteral("Arial"), 21.75, true);
    QWidget *previousEntry = nullptr;
    for (const BoxDef &def : sheet_.boxes) {
        auto *b = new TextBox(this, def.name);
        controls_.insert(def.name, b);
        if (def.kind == BoxKind::Work) {
            b->hide();
            continue;
        }
        placeTwips(b, def.left, def.top, def.width, def.height);
        b->setFont(digitFont);
        switch (def.kind) {
        case BoxKind::Entry:
            b->setMaxLength(1);
            b->setKeyFilter(digitKeyFilter);
            if (previousEntry)
                setTabOrder(previousEntry, b);
            else
                b->setFocus(Qt::OtherFocusReason);
            previousEntry = b;
            break;
        case BoxKind::Output:
            b->setDisplayOnly(true);
            if (!def.startsEmpty)
                b->setText(def.name);
            b->hide();
            break;
        case BoxKind::Value:
            b->setDisplayOnly(true);
            b->setTextColor(QColor(0xFF, 0x00, 0x00));
            b->hide();
            break;
        case BoxKind::Work:
            break;
        }
    }

    for (const ButtonDef &def : sheet_.buttons) {
        auto *b = new CommandButton(this, def.name, def.caption);
        placeTwips(b, def.left, def.top, def.width, def.height);
        b->setBackColor(def.color);
        b->setVisible(def.visible);
        controls_.insert(def.name, b);
        switch (def.role) {
        case ButtonRole::Step:
            break;
        case ButtonRole::NewProblem:
            connect(b, &QPushButton::clicked, this, &VerticalDivisionForm::NewProblem);
            break;
        case ButtonRole::QuickSolution:
            connect(b, &QPushButton::clicked, this, &VerticalDivisionForm::QuickSolution);
            break;
        case ButtonRole::SolutionCheck:
            connect(b, &QPushButton::clicked, this, &VerticalDivisionForm::SolutionCheck);
            break;
        case ButtonRole::About:
            connect(b, &QPushButton::clicked, this, [] { forms::show<Form4>(); });
            break;
        case ButtonRole::Exit:
            connect(b, &QPushButton::clicked, this, [] { endProgram(); });
            break;
        case ButtonRole::Return:
            connect(b, &QPushButton::clicked, this, &VerticalDivisionForm::ReturnToMainMenu);
            break;
        }
    }
    for (int i = 0; i < int(sheet_.steps.size()); ++i)
        connect(button(sheet_.steps[i].button), &QPushButton::clicked, this, [this, i] { runStep(i); });

    connect(box(sheet_.divisorBox), &TextBox::changed, this, &VerticalDivisionForm::DivisorWatch);
}

bool VerticalDivisionForm::Delay(int seconds) { return forms::pauseWholeSeconds(this, seconds); }

// A divisor 1 to 9 offers the first step and the quick solution; 0 or an
// empty box withdraws them.
void VerticalDivisionForm::DivisorWatch()
{
    const double d = numberFromText(box(sheet_.divisorBox)->text());
    if (d > 0)
        setShown(sheet_.divisorButtons, true);
    if (d == 0)
        setShown(sheet_.divisorButtons, false);
}

QString VerticalDivisionForm::text(const QString &name, const QHash<QString, QString> &scratch) const
{
    if (auto it = scratch.constFind(name); it != scratch.constEnd())
        return *it;
    QWidget *w = controls_.value(name);
    if (auto *b = qobject_cast<forms::TextBox *>(w))
        return b->text();
    if (auto *l = qobject_cast<forms::Label *>(w))
        return l->text();
    return QString();
}

std::optional<long long> VerticalDivisionForm::strict(const QString &name,
                                                      const QHash<QString, QString> &scratch) const
{
    return wholeNumber(text(name, scratch));
}

bool VerticalDivisionForm::compute(const std::vector<Write> &writes, QHash<QString, QString> &scratch,
                                   std::vector<std::pair<QString, QString>> *out) const
{
    auto lenient = [&](const QString &name) { return numberFromText(text(name, scratch)); };
    for (const Write &w : writes) {
        QString value;
        if (w.op == Op::Copy) {
            value = text(w.a, scratch);
        } else if (w.op == Op::LenientProd) {
            value = numberText(lenient(w.a) * lenient(w.b));
        } else if (w.op == Op::LenientSum) {
            value = numberText(lenient(w.a) + lenient(w.b));
        } else if (w.op == Op::PlaceValue) {
            const bool three = !w.c.isEmpty();
            const auto a = strict(w.a, scratch);
            const auto b = three ? strict(w.b, scratch) : std::optional<long long>(0);
            if (!a || !b)
                return false;
            value = three ? numberText(double(100 * *a + 10 * *b) + lenient(w.c))
                          : numberText(double(10 * *a) + lenient(w.b));
        } else {
            const auto a = strict(w.a, scratch);
            const auto b = w.b.isEmpty() ? std::optional<long long>(0) : strict(w.b, scratch);
            const auto c = w.c.isEmpty() ? std::optional<long long>(0) : strict(w.c, scratch);
            if (!a || !b || !c)
                return false;
            long long v = 0;
            switch (w.op) {
            case Op::Quot:
                if (*b == 0)
                    return false;
                v = *a / *b;
                break;
            case Op::JoinQuot:
                if (*c == 0)
                    return false;
                v = (10 * *a + *b) / *c;
                break;
            case Op::Prod: v = *a * *b; break;
            case Op::Diff: v = *a - *b; break;
            case Op::Join: v = 10 * *a + *b; break;
            case Op::Tens: v = *a / 10; break;
            case Op::Units: v = *a - 10 * *b; break;
            default: return false;
            }
            value = QString::number(v);
        }
        scratch.insert(w.target, value);
        if (out)
            out->emplace_back(w.target, value);
    }
    return true;
}

void VerticalDivisionForm::setText(const QString &name, const QString &value)
{
    QWidget *w = controls_.value(name);
    if (auto *b = qobject_cast<forms::TextBox *>(w))
        b->setText(value);
    else if (auto *l = qobject_cast<forms::Label *>(w))
        l->setCaption(value);
}

void VerticalDivisionForm::setShown(const QStringList &names, bool on)
{
    for (const QString &n : names)
        if (QWidget *w = controls_.value(n))
            w->setVisible(on);
}

// Each step shows its boxes, writes them and offers the next button; a step
// that cannot be worked from what the boxes hold does nothing.
void VerticalDivisionForm::runStep(int index)
{
    const Step &step = sheet_.steps[index];
    if (step.redirectTest && needsRedirect()) {
        TwoDigitRedirect();
        return;
    }
    if (reveal(step.shows, step.writes))
        setShown(step.thenShows, true);
}

bool VerticalDivisionForm::reveal(const QStringList &shows, const std::vector<Write> &writes)
{
    QHash<QString, QString> scratch;
    std::vector<std::pair<QString, QString>> values;
    if (!compute(writes, scratch, &values))
        return false;
    setShown(shows, true);
    for (const auto &[name, value] : values)
        setText(name, value);
    return true;
}

bool VerticalDivisionForm::needsRedirect() const
{
    const QString units = box(sheet_.unitsBox)->text();
    const QString leading = box(sheet_.leadingBox)->text();
    return units.isEmpty() || leading.isEmpty() || numberFromText(leading) == 0;
}

// A problem without a hundreds digit goes to the two-digit worksheet, empty.
void VerticalDivisionForm::TwoDigitRedirect()
{
    forms::msgBox(this, RedirectMessage, forms::MsgOkOnly);
    if (isUnloaded() || forms::programEnded())
        return;
    forms::unload(this);
    forms::show<Form2>();
}

void VerticalDivisionForm::play(const std::vector<RunRow> &rows, const QStringList &first, const QStringList &atEnd)
{
    // Nothing is shown unless every row can be worked from the boxes as they are.
    QHash<QString, QString> dry;
    for (const RunRow &row : rows)
        if (!compute(row.writes, dry, nullptr))
            return;
    const int problem = problem_;
    setShown(first, true);
    for (const RunRow &row : rows) {
        if (row.pause > 0 && !Delay(row.pause))
            return; // the window is gone: touch nothing
        if (problem != problem_ || !reveal(row.shows, row.writes))
            return;
    }
    setShown(atEnd, true);
}

void VerticalDivisionForm::QuickSolution()
{
    play(sheet_.quickSolution.rows, {}, sheet_.quickSolution.showsAtEnd);
}

void VerticalDivisionForm::SolutionCheck() { play(sheet_.checkRows, sheet_.checkShows, {}); }

void VerticalDivisionForm::NewProblem()
{
    ++problem_;
    for (const Clearing &c : sheet_.newProblem) {
        for (const QString &n : c.names) {
            switch (c.kind) {
            case Clearing::Hide:
                if (QWidget *w = controls_.value(n))
                    w->hide();
                break;
            case Clearing::Empty:
                setText(n, QString());
                break;
            }
        }
    }
}

void VerticalDivisionForm::ReturnToMainMenu()
{
    forms::unload(this);
    forms::show<Form1>();
}

} // namespace tolbrin
