#include "steptutor.h"

#include "navigation.h"

#include "forms/fonts.h"
#include "forms/geometry.h"
#include "forms/msgbox.h"
#include "forms/numbers.h"

#include <QIcon>

#include <algorithm>

namespace corvane {

using forms::blankLedText;
using forms::lastChars;
using forms::numberFromText;
using forms::numberText;

namespace {

const QString MissingDigits = QStringLiteral("بعض الأرقام لم يتم إدخالها !!");
const QString NotComplete = QStringLiteral("أكمل حل المسألة أولاً");
const QString ErrorTitle = QStringLiteral("خطأ");
const QString NoticeTitle = QStringLiteral("تنبيه");

struct StepRow {
    const char *caption;
    int top;
};
const StepRow StepRows[] = {
    {"الأولى", 360},        {"الثانية", 720},        {"الثالثة", 1080},       {"الرابعة", 1560},
    {"الخامسة", 2040},      {"السادسة", 2400},       {"السابعة", 2760},       {"الثامنة", 3240},
    {"التاسعة", 3720},      {"العاشرة", 4080},       {"الحادية عشرة", 4440},  {"الثانية عشرة", 4920},
    {"الثالثة عشرة", 5400}, {"الرابعة عشرة", 5760},  {"الخامسة عشرة", 6120},  {"السادسة عشرة", 6600},
    {"السابعة عشرة", 7080}, {"الثامنة عشرة", 7440},  {"التاسعة عشرة", 7800},  {"العشرون", 360},
    {"الواحدة وعشرون", 840}, {"الثانية وعشرون", 1200}, {"الثالثة وعشرون", 1560},
};
constexpr int StepRowCount = int(sizeof(StepRows) / sizeof(StepRows[0]));

QString name(const char *prefix, int number) { return QLatin1String(prefix) + QString::number(number); }

} // namespace

QString stepCaption(int step)
{
    return step >= 1 && step <= StepRowCount ? QString::fromUtf8(StepRows[step - 1].caption) : QString();
}

StepTutorForm::StepTutorForm(const Worksheet &worksheet) : sheet_(worksheet.table())
{
    build(worksheet.name);
}

void StepTutorForm::build(const QString &windowName)
{
    using namespace forms;
    setObjectName(windowName);
    setWindowTitle(sheet_.caption);
    setWindowIcon(QIcon(QStringLiteral(":/icons/worksheet.png")));
    setBorder(Border::Sizable);
    setPlacement(Placement::Maximized);
    setClientSizeTwips(sheet_.clientWidth, sheet_.clientHeight);

    auto makeFrame = [this](const FrameDef &def, QWidget *parent) {
        auto *f = new Frame(parent, name("Frame", def.number), def.caption);
        placeTwips(f, def.x, def.y, def.w, def.h);
        frames_.insert(def.number, f);
        return f;
    };
    auto makeLabel = [this](const LabelDef &def, QWidget *parent) {
        auto *l = new Label(parent, name("Label", def.number), def.caption);
        placeTwips(l, def.x, def.y, def.w, def.h);
        l->setFont(designFont(def.font, def.pt));
        l->setAlignment(forms::designAlignment(def.align) | Qt::AlignVCenter);
        if (def.color.isValid())
            l->setForeColor(def.color);
        if (def.windowBack)
            l->setBackColor(windowBackgroundColor());
        labels_.insert(def.number, l);
        return l;
    };
    auto makeLine = [](const LineDef &def, QWidget *parent) {
        auto *l = new LineControl(parent, def.name, def.x1, def.y1, def.x2, def.y2, def.width,
                                  def.activeTitle ? activeTitleBarColor() : def.color);
        if (def.index >= 0)
            setArrayIndex(l, def.index);
    };

    // Frames that only draw a box around controls lie beneath them.
    makeFrame(sheet_.sizeFrame, this);
    Frame *steps = makeFrame(sheet_.stepFrame, this);
    Frame *continued = sheet_.continuedFrame.number ? makeFrame(sheet_.continuedFrame, this) : nullptr;
    if (continued)
        continued->hide();
    Frame *check = makeFrame(sheet_.check.frame, this);
    check->hide();
    if (sheet_.helpFrame.number) {
        Frame *help = makeFrame(sheet_.helpFrame, this);
        for (const LabelDef &def : sheet_.helpLabels) {
            Label *l = makeLabel(def, help);
            l->setFont(designFont(def.font, def.pt, false, 500));
        }
        help->hide();
    }

    for (const LineDef &def : sheet_.lines)
        makeLine(def, this);
    for (const LineDef &def : sheet_.check.lines)
        makeLine(def, check);
    for (const LabelDef &def : sheet_.check.labels)
        makeLabel(def, check);

    const QFont gridFont = designFont(QStringLiteral("Arial"), sheet_.boxPoints);
    const QFont checkFont = designFont(QStringLiteral("Arial"), 18);
    for (const BoxDef &def : sheet_.boxes) {
        const bool inCheck = def.kind == BoxKind::Check;
        auto *b = new TextBox(inCheck ? static_cast<QWidget *>(check) : this, name("Text", def.number));
        if (inCheck)
            placeTwips(b, def.x, def.y, def.width ? def.width : 255, 375);
        else
            placeTwips(b, def.x, def.y, def.width ? def.width : sheet_.boxWidth, sheet_.boxHeight);
        b->setFont(inCheck ? checkFont : gridFont);
        b->setMaxLength(def.maxLength);
        if (def.color.isValid())
            b->setTextColor(def.color);
        switch (def.kind) {
        case BoxKind::Entry:
            b->setDigitsOnly(true);
            break;
        case BoxKind::Output:
            b->setDisplayOnly(true);
            b->hide();
            break;
        case BoxKind::Check:
            b->setReadOnly(true);
            break;
        }
        boxes_.insert(def.number, b);
        connect(b, &TextBox::changed, this, [this, n = def.number] { boxChanged(n); });
    }

    for (const StepButtonDef &def : sheet_.stepButtons) {
        QWidget *parent = def.continued ? static_cast<QWidget *>(continued) : steps;
        ButtonPos pos{240, StepRows[def.step - 1].top};
        if (def.step == 2) { // sits on the window, at its place in the frame's column
            parent = this;
            pos.x += sheet_.stepFrame.x;
            pos.y += sheet_.stepFrame.y;
        }
        auto *b = new CommandButton(parent, name("Command", def.button), stepCaption(def.step));
        placeTwips(b, pos.x, pos.y, pos.w, pos.h);
        b->hide();
        buttons_.insert(def.button, b);
    }
    for (int i = 0; i < int(sheet_.steps.size()); ++i)
        connect(buttons_.value(sheet_.steps[i].button), &QPushButton::clicked, this, [this, i] { runStep(i); });

    auto makeButton = [this](int number, const QString &caption, const ButtonPos &pos) {
        auto *b = new CommandButton(this, name("Command", number), caption);
        placeTwips(b, pos.x, pos.y, pos.w, pos.h);
        buttons_.insert(number, b);
        return b;
    };
    connect(makeButton(sheet_.newProblemButton, QStringLiteral("مسألة جديدة"), sheet_.newProblemPos),
            &QPushButton::clicked, this, &StepTutorForm::NewProblem);
    connect(makeButton(sheet_.checkButton, QStringLiteral("التحقق من الحل"), sheet_.checkPos), &QPushButton::clicked,
            this, &StepTutorForm::SolutionCheck);
    connect(makeButton(sheet_.menuButton, QStringLiteral("القائمة الرئيسية"), sheet_.menuPos), &QPushButton::clicked,
            this, &StepTutorForm::ReturnToMainMenu);
    for (int i = 0; i < 3; ++i)
        connect(makeButton(i + 1, sizeCaption(divisorLength(), i), sheet_.sizePos[i]), &QPushButton::clicked, this,
                [this, i] { SizeSwitch(i); });

    for (int n : sheet_.clickFocusOnly)
        box(n)->setFocusPolicy(Qt::ClickFocus);
    QWidget *previous = nullptr;
    for (const QString &n : sheet_.tabOrder) {
        QWidget *w = findChild<QWidget *>(n);
        if (!w)
            continue;
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
    if (QWidget *w = findChild<QWidget *>(sheet_.initialFocus))
        w->setFocus(Qt::OtherFocusReason);
}

double StepTutorForm::read(int number) const { return numberFromText(box(number)->text()); }

double StepTutorForm::joined(const std::vector<int> &numbers) const
{
    QString text;
    for (int n : numbers)
        text += box(n)->text();
    return numberFromText(text);
}

double StepTutorForm::divisor() const { return joined(sheet_.divisorBoxes); }

void StepTutorForm::showError(const QString &text)
{
    forms::msgBox(this, text, forms::MsgOkOnly | forms::MsgCritical, ErrorTitle);
}

bool StepTutorForm::refuseZeroDivisor()
{
    if (forms::roundHalfEven(divisor()) != 0)
        return false;
    showError(MissingDigits);
    return true;
}

void StepTutorForm::boxChanged(int number)
{
    forms::TextBox *b = box(number);
    for (const GuardDef &g : sheet_.guards) {
        if (g.box != number)
            continue;
        if (g.startsChain && !b->text().isEmpty())
            button(sheet_.steps.front().button)->show();
        if (g.refused.contains(b->text())) {
            showError(g.message);
            b->setText(QString());
        }
    }
    for (const ChainLink &link : sheet_.chain) {
        if (link.box != number || !b->visibleFlag())
            continue;
        button(link.button)->show();
        if (link.frame)
            frame(link.frame)->show();
    }
}

// Writes a value over a step's boxes, units first. Boxes beyond the value's
// length are emptied, so no digit of an earlier press stays behind.
void StepTutorForm::writeValue(const StepDef &step, double value)
{
    const QString led = blankLedText(value);
    const QString plain = numberText(value);
    const int length = int(plain.size());
    for (size_t i = 1; i < step.out.size(); ++i)
        if (int(i) < length)
            box(step.out[i])->show();
    box(step.out[0])->setText(step.plain ? plain : lastChars(led, 1));
    for (size_t i = 1; i < step.out.size(); ++i) {
        forms::TextBox *b = box(step.out[i]);
        if (int(i) < length) {
            b->setText(step.blankTens && i == 1 ? led.left(3) : lastChars(led, int(i) + 1));
        } else {
            if (step.hideShortTens && i == 1)
                b->hide();
            b->setText(QString());
        }
    }
}

// Step 1's tests: every entry box holds a digit and the dividend does not lead with 0.
bool StepTutorForm::problemComplete()
{
    for (int n : sheet_.entryTest) {
        if (box(n)->text().isEmpty()) {
            showError(MissingDigits);
            return false;
        }
    }
    forms::TextBox *lead = box(sheet_.dividendBoxes.front());
    if (lead->text() == QLatin1String("0")) {
        showError(LeadingDividendZero);
        lead->setText(QString());
        return false;
    }
    return true;
}

void StepTutorForm::runStep(int index)
{
    const StepDef &s = sheet_.steps.at(size_t(index));
    if (s.kind == StepKind::FirstQuotient && !problemComplete())
        return;
    const bool divides =
        s.kind == StepKind::FirstQuotient || s.kind == StepKind::Quotient || s.kind == StepKind::RebuiltQuotient;
    if (divides && refuseZeroDivisor())
        return;
    forms::TextBox *first = box(s.out.front());
    first->show();
    const double d = divisor();
    switch (s.kind) {
    case StepKind::FirstQuotient:
    case StepKind::Quotient:
        writeValue(s, double(forms::wholeDivide(joined(s.reads), d)));
        break;
    case StepKind::RebuiltQuotient: {
        const double r = joined(s.reads) - numberFromText(numberText(read(s.quotientBox) * d));
        const double pd = numberText(r).size() > 1 ? 10 * r + read(s.down) : joined({s.previousUnits, s.down});
        writeValue(s, double(forms::wholeDivide(pd, d)));
        break;
    }
    case StepKind::Product:
        writeValue(s, read(s.quotientBox) * d);
        break;
    case StepKind::Difference: {
        const double product = s.productBox ? read(s.productBox) : numberFromText(numberText(read(s.quotientBox) * d));
        writeValue(s, joined(s.reads) - product);
        break;
    }
    case StepKind::BringDown: {
        const QString source = box(s.reads.front())->text();
        first->setText(s.asTyped ? source : numberText(numberFromText(source)));
        break;
    }
    }
}

void StepTutorForm::SolutionCheck()
{
    const CheckDef &c = sheet_.check;
    if (!box(c.completeBox)->visibleFlag()) {
        forms::msgBox(this, NotComplete, forms::MsgOkOnly | forms::MsgInformation, NoticeTitle);
        return;
    }
    frame(c.frame.number)->show();
    const double d = divisor();
    const double q = joined(c.quotientBoxes);
    const double r = joined(c.remainderBoxes);
    label(c.quotientLabel)->setCaption(numberText(q));
    label(c.divisorLabel)->setCaption(c.divisorAsTyped ? box(sheet_.divisorBoxes.front())->text() : numberText(d));
    label(c.remainderLabel)->setCaption(c.remainderAsTyped ? box(c.remainderBoxes.back())->text() : numberText(r));
    for (size_t i = 0; i < c.divisorDigits.size(); ++i)
        box(c.divisorDigits[i])->setText(lastChars(numberText(d), int(i) + 1));
    const QString qLed = blankLedText(q);
    for (size_t i = 0; i < c.quotientDigits.size(); ++i)
        box(c.quotientDigits[i])->setText(lastChars(qLed, int(i) + 1));
    const double p = d * q;
    const QString pLed = blankLedText(p);
    for (size_t i = 0; i < c.productDigits.size(); ++i)
        box(c.productDigits[i])->setText(lastChars(pLed, int(i) + 1));
    label(c.productLabel)->setCaption(numberText(p));
    label(c.sumRemainderLabel)->setCaption(numberText(r));
    label(c.dividendLabel)->setCaption(numberText(p + r));
    // Every check shows exactly the quotient boxes its quotient reaches.
    const int qLength = int(numberText(q).size());
    for (int n : c.hideable) {
        const auto at = std::find(c.quotientDigits.begin(), c.quotientDigits.end(), n) - c.quotientDigits.begin();
        box(n)->setVisible(at < qLength);
    }
}

void StepTutorForm::NewProblem()
{
    const CheckDef &c = sheet_.check;
    for (int n : {c.quotientLabel, c.divisorLabel, c.remainderLabel, c.productLabel, c.dividendLabel,
                  c.sumRemainderLabel})
        label(n)->setCaption(QString());
    std::vector<int> numbers;
    for (const BoxDef &def : sheet_.boxes)
        numbers.push_back(def.number);
    std::sort(numbers.begin(), numbers.end());
    for (int n : numbers)
        box(n)->setText(QString());
    for (const BoxDef &def : sheet_.boxes)
        if (def.kind == BoxKind::Output)
            box(def.number)->hide();
    for (int n : c.hideable)
        box(n)->show();
    for (const StepButtonDef &def : sheet_.stepButtons)
        button(def.button)->hide();
    frame(c.frame.number)->hide();
    if (sheet_.continuedFrame.number)
        frame(sheet_.continuedFrame.number)->hide();
}

void StepTutorForm::SizeSwitch(int which)
{
    const Worksheet &target = familyMember(divisorLength(), which);
    showSheet(target);
    for (const Worksheet *other : unloadedBySizeSwitch(divisorLength(), target))
        unloadSheet(*other);
    if (which == 2 && sheet_.sizeThreeUnloadsMenu)
        unloadMenu();
}

void StepTutorForm::ReturnToMainMenu()
{
    forms::unload(this);
    showMenu();
}

} // namespace corvane
