#include "stepdrill.h"

#include "board.h"

#include "drills/feedbacksound.h"
#include "drills/grade.h"
#include "forms/app.h"
#include "forms/controls.h"
#include "forms/fonts.h"
#include "forms/geometry.h"
#include "forms/msgbox.h"
#include "forms/multiline.h"
#include "forms/numbers.h"
#include "forms/timing.h"

#include <QFontMetrics>
#include <QTextDocument>

#include <algorithm>

namespace halvery {

namespace {

using drills::LabelDesign;

const QString HelpCaption = QStringLiteral("مساعدة");
const QString HideHelpCaption = QStringLiteral("اخفاء المساعدة");
const QString TryAgain = QStringLiteral("أخطأت حاول مرة أخرى");

QFont boldFont(double points) { return forms::designFont(QStringLiteral("Arabic Transparent"), points, true); }

forms::CommandButton *addButton(QWidget *window, const char *name, const QString &caption, int left, int top,
                                int width, int height)
{
    auto *b = new forms::CommandButton(window, QLatin1String(name), caption);
    b->setFont(boldFont(15.75));
    forms::placeTwips(b, left, top, width, height);
    return b;
}

// The largest help a problem can give: step 1, spaced, with two-digit numbers.
QString longestHelp()
{
    RemainderProblem p;
    p.dividend = 88;
    p.divisor = 9;
    p.quotient = 9;
    p.remainder = 7;
    return stepHelp(1, p, true);
}

// The help box writes in the window's font, at the largest of the frame's and
// the smaller usual sizes at which the longest help fits the box whole.
void fitHelpFont(forms::MultiLineTextBox *box)
{
    QTextDocument doc;
    doc.setDocumentMargin(box->document()->documentMargin());
    QTextOption option = doc.defaultTextOption();
    option.setTextDirection(Qt::RightToLeft);
    option.setAlignment(Qt::AlignRight);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    doc.setDefaultTextOption(option);
    const QRect room = box->contentsRect();
    doc.setTextWidth(room.width());
    QString text = longestHelp();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (double points : {15.75, 14.25, 12.0, 11.25, 9.75, 8.25}) {
        const QFont font = boldFont(points);
        doc.setDefaultFont(font);
        doc.setPlainText(text);
        box->setFont(font);
        if (doc.size().height() <= room.height())
            return;
    }
}

} // namespace

Form8::Form8() : DrillWindow(QStringLiteral("Form8"))
{
    using namespace forms;
    setBackColor(QColor(0xFF, 0x80, 0x80));
    // The chalkboard reaches the window's right and bottom edges, so the
    // window's own colour shows nowhere.
    placeTwips(addBackdrop(this, 720, 8220), -120, 720, 12120, 8280);
    const drills::ScoreLabels counts = addPlaqueStrip(this, 3360);

    const QRgb white = qRgb(0xFF, 0xFF, 0xFF);
    drills::addLabel(this, {"Label1", "اوجد ناتج ما يلي :", 36, qRgb(0xFF, 0xFF, 0xC0), 6585, 1560, 0, 0});
    dividend_ = drills::addLabel(this, {"lamaksoom", "??", 27.75, white, 6240, 3480, 0, 0});
    divisor_ = drills::addLabel(this, {"lamaksoomalih", "?", 27.75, white, 5505, 3480, 0, 0, Qt::AlignRight});

    new LineControl(this, QStringLiteral("Line1"), 7560, 3480, 5880, 3480, 5, Qt::black);
    new LineControl(this, QStringLiteral("Line3"), 5880, 3480, 5880, 4080, 5, Qt::black);
    new LineControl(this, QStringLiteral("Line2"), 5880, 4080, 4800, 4080, 5, Qt::black);

    const int boxTops[] = {2640, 3960, 4920};
    for (int i = 0; i < 3; ++i) {
        auto *box = new TextBox(this, QStringLiteral("Txtnatj%1").arg(i + 1));
        box->setNumberEntry(NumberEntry::Decimal);
        box->setFont(boldFont(27.75));
        box->setTextColor(QColor(0xFF, 0x00, 0x00));
        placeTwips(box, 6000, boxTops[i], 975, 705);
        box->hide();
        boxes_[size_t(i)] = box;
    }
    // The product box starts just below the dividend's digits, which a font
    // with a tall ascent draws lower than the design's, and stays above Line4.
    const QFontMetrics digits(dividend_->font());
    const int digitsBottom =
        dividend_->y() + digits.ascent() + digits.tightBoundingRect(QStringLiteral("0123456789")).bottom();
    QRect product = boxes_[1]->geometry();
    const int lowest = twips(4800) - 3 - product.height();
    product.moveTop(std::clamp(digitsBottom + 2, product.top(), std::max(product.top(), lowest)));
    boxes_[1]->setGeometry(product);

    minus_ = drills::addLabel(this, {"naqs", "-", 27.75, white, 7200, 4200, 400, 720, Qt::AlignHCenter, false});
    bar_ = new LineControl(this, QStringLiteral("Line4"), 7200, 4800, 5760, 4800, 5, Qt::black);
    bar_->hide();

    const int enterTops[] = {2280, 3120, 3960};
    for (int i = 0; i < 3; ++i) {
        const QByteArray name = "enter" + QByteArray::number(i + 1);
        auto *b = addButton(this, name.constData(), QStringLiteral("ادخال الناتج"), 2880, enterTops[i], 1575, 615);
        b->hide();
        connect(b, &QPushButton::clicked, this, [this, i] { enter_Click(i + 1); });
        enters_[size_t(i)] = b;
    }
    newProblem_ = addButton(this, "Comq", QStringLiteral("مسألة جديدة"), 960, 3000, 1575, 615);
    connect(newProblem_, &QPushButton::clicked, this, &Form8::Comq_Click);

    helpButton_ = new CommandButton(this, QStringLiteral("Comhelp"), HelpCaption);
    placeTwips(helpButton_, 1080, 4320, 1335, 495);
    helpButton_->hide();
    connect(helpButton_, &QPushButton::clicked, this, &Form8::Comhelp_Click);

    help_ = new Frame(this, QStringLiteral("help"), QStringLiteral("المساعدة"));
    help_->setFont(boldFont(15.75));
    placeTwips(help_, 8040, 3120, 2415, 2655);
    helpText_ = new MultiLineTextBox(help_, QStringLiteral("Txthelp"));
    placeTwips(helpText_, 120, 360, 2175, 2175);
    fitHelpFont(helpText_);
    help_->hide();

    auto *feedback = drills::addLabel(this, {"Label3", "Label3", 27.75, 0, 5160, 6360, 0, 0, Qt::AlignHCenter, false});
    score_.emplace(this, feedback, counts);
    returnToSuiteMenu(this, addReturnLabel(this, "Label7", 1800, 8040));

    drawTimer_ = new Timer(this, QStringLiteral("Timer1"), 100, false);
    connect(drawTimer_, &Timer::tick, this, &Form8::Timer1_Timer);
    hideTimer_ = new Timer(this, QStringLiteral("Timerhidenatija"), 3000, false);
    connect(hideTimer_, &Timer::tick, this, &Form8::Timerhidenatija_Timer);

    // Esc ends the program once key preview is on, which the first draw does.
    setKeyPreviewHandler([this](int key) { return Form_KeyPress(key); });
    setKeyPressHandler([this](int key) { Form_KeyPress(key); });
    keepCaptionsOnBoard(this);
    newProblem_->setFocus();
}

bool Form8::Form_KeyPress(int key)
{
    if (key != KeyEscape)
        return false;
    forms::endProgram();
    return true;
}

void Form8::Comq_Click()
{
    boxes_[0]->show();
    boxes_[1]->hide();
    boxes_[2]->hide();
    for (forms::TextBox *box : boxes_)
        box->clear();
    boxes_[0]->setFocus();
    for (forms::TextBox *box : boxes_)
        box->setLocked(false);
    helpButton_->show();
    bar_->hide();
    minus_->hide();
    enters_[0]->show();
    drawTimer_->setEnabled(true);
    newProblem_->setEnabled(false);
}

void Form8::Timer1_Timer()
{
    score_->hideFeedback();
    setKeyPreview(true);
    problem_ = drawRemainderProblem(10, 9);
    dividend_->setCaption(forms::numberText(problem_.dividend));
    divisor_->setCaption(forms::numberText(problem_.divisor));
    score_->countQuestion();
    helpText_->setText(stepHelp(1, problem_));
    drawTimer_->setEnabled(false);
}

double Form8::expected(int step) const
{
    switch (step) {
    case 1:
        return problem_.quotient;
    case 2:
        return problem_.quotient * problem_.divisor;
    default:
        return problem_.remainder;
    }
}

void Form8::enter_Click(int step)
{
    forms::TextBox *box = boxes_[size_t(step - 1)];
    if (box->text().isEmpty()) {
        forms::msgBox(this, QStringLiteral("عفواً لم تضع رقما"), forms::MsgOkOnly | forms::MsgExclamation,
                      QStringLiteral("رسالة البرنامج"));
        return;
    }
    const bool right = forms::numberFromText(box->text()) == expected(step);
    if (right) {
        score_->countAnswerWithMessage(true, drills::texts::RightMessage);
    } else {
        box->clear();
        box->setFocus();
        score_->countAnswerWithMessage(false, TryAgain);
    }
    drills::playFeedbackSound(this, right);
    if (forms::programEnded())
        return;
    if (right)
        stepDone(step);
    score_->showGrade(score_->right() + score_->wrong());
    hideTimer_->setEnabled(true);
}

void Form8::stepDone(int step)
{
    const size_t i = size_t(step - 1);
    enters_[i]->hide();
    boxes_[i]->setLocked(true);
    if (step == 3) {
        newProblem_->setEnabled(true);
        return;
    }
    enters_[i + 1]->show();
    boxes_[i + 1]->show();
    if (step == 2) {
        minus_->show();
        bar_->show();
    }
    boxes_[i + 1]->setFocus();
    helpText_->setText(stepHelp(step + 1, problem_));
}

void Form8::Comhelp_Click()
{
    if (helpButton_->text() == HelpCaption) {
        help_->show();
        helpButton_->setText(HideHelpCaption);
        for (int step = 1; step <= 3; ++step)
            if (!enters_[size_t(step - 1)]->isHidden())
                helpText_->setText(stepHelp(step, problem_, true));
    } else if (helpButton_->text() == HideHelpCaption) {
        help_->hide();
        helpButton_->setText(HelpCaption);
    }
}

void Form8::Timerhidenatija_Timer()
{
    score_->hideFeedback();
    hideTimer_->setEnabled(false);
}

} // namespace halvery
