// The two vertical-division worksheets as data: Form3 (a three-digit dividend,
// eleven steps) and Form2 (a two-digit dividend, seven steps).
#include "tolbrinsheet.h"

namespace tolbrin {

QStringList names(const char *prefix, std::initializer_list<int> numbers)
{
    QStringList list;
    for (int n : numbers)
        list << QLatin1String(prefix) + QString::number(n);
    return list;
}

QStringList range(const char *prefix, int first, int last)
{
    QStringList list;
    for (int n = first; n <= last; ++n)
        list << QLatin1String(prefix) + QString::number(n);
    return list;
}

namespace {

using K = BoxKind;
using R = ButtonRole;

const QColor Black{0x00, 0x00, 0x00};
const QColor Blue{0x00, 0x00, 0xFF};
const QColor Red{0xFF, 0x00, 0x00};

// The formulas, read as target = ...
Write copy(const char *t, const char *a) { return {t, Op::Copy, a}; }
Write quot(const char *t, const char *a, const char *b) { return {t, Op::Quot, a, b}; }
Write joinQuot(const char *t, const char *a, const char *b, const char *c) { return {t, Op::JoinQuot, a, b, c}; }
Write prod(const char *t, const char *a, const char *b) { return {t, Op::Prod, a, b}; }
Write diff(const char *t, const char *a, const char *b) { return {t, Op::Diff, a, b}; }
Write join(const char *t, const char *a, const char *b) { return {t, Op::Join, a, b}; }
Write tens(const char *t, const char *a) { return {t, Op::Tens, a}; }
Write units(const char *t, const char *a, const char *b) { return {t, Op::Units, a, b}; }

const QString Akhbar = QStringLiteral("Akhbar MT");
const QString Arial = QStringLiteral("Arial");
constexpr Qt::Alignment Right = Qt::AlignRight;
constexpr Qt::Alignment Centre = Qt::AlignHCenter;

const char *const StepCaptions[] = {"الخطوة الأولى",  "الخطوة الثانية", "الخطوة الثالثة", "الخطوة الرابعة",
                                    "الخطوة الخامسة", "الخطوة السادسة", "الخطوة السابعة", "الخطوة الثامنة",
                                    "الخطوة التاسعة", "الخطوة العاشرة", "الحادية عشر"};

// The step buttons, one column at Left 9840, 600 twips apart from Top 240.
std::vector<ButtonDef> stepButtons(const QStringList &buttons, const std::vector<QColor> &colours)
{
    std::vector<ButtonDef> list;
    for (int i = 0; i < buttons.size(); ++i)
        list.push_back({buttons[i], QString::fromUtf8(StepCaptions[i]), R::Step, colours[i], 9840, 240 + 600 * i,
                        1400, 495, false});
    return list;
}

// The bracket, the two subtraction bars and the two minus signs of both worksheets.
const std::vector<LineDef> FirstTwoRows = {
    {"Line1", 7080, 840, 5040, 840, Black, 3},  {"Line2", 5040, 840, 5040, 1800, Black, 3},
    {"Line3", 5040, 1800, 4080, 1800, Black, 3}, {"Line4", 5160, 2280, 7080, 2280, Blue, 3},
    {"Line5", 7080, 3960, 5160, 3960, Blue, 3},  {"Line6", 6360, 1800, 6600, 1800, Red, 3},
    {"Line7", 6960, 3120, 7200, 3120, Red, 3},
};

const QString ProductCaption = QStringLiteral("=خارج القسمة  × المقسوم عليه ");
const QString SumCaption = QStringLiteral("=خارج القسمة  × المقسوم عليه  + الباقي ");

// Steps 1 to 7 of both worksheets: the first two digits of the dividend.
std::vector<Step> firstSevenSteps(bool redirect, QStringList afterSeven)
{
    return {
        {"Command1", {"Text4"}, {quot("Text4", "Text2", "Text3")}, {"Command2"}, redirect},
        {"Command2", {"Text6"}, {prod("Text6", "Text4", "Text3")}, {"Command3"}},
        {"Command3", {"Text7"}, {diff("Text7", "Text2", "Text6")}, {"Command4"}},
        {"Command4", {"Text8"}, {copy("Text8", "Text1")}, {"Command5"}},
        {"Command5", {"Text5"}, {joinQuot("Text5", "Text7", "Text8", "Text3"), prod("Text13", "Text3", "Text5")},
         {"Command6"}},
        {"Command6", {"Text9", "Text10"}, {tens("Text9", "Text13"), units("Text10", "Text13", "Text9")}, {"Command7"}},
        {"Command7",
         {"Text11", "Text12"},
         {join("Text14", "Text7", "Text8"), join("Text15", "Text9", "Text10"), diff("Text16", "Text14", "Text15"),
          tens("Text11", "Text16"), units("Text12", "Text16", "Text11")},
         std::move(afterSeven)},
    };
}

// The quick solution's first six rows, each after a pause of 2.
std::vector<RunRow> firstSixRows()
{
    return {
        {2, {"Text4"}, {quot("Text4", "Text2", "Text3")}},
        {2, {"Text6"}, {prod("Text6", "Text4", "Text3")}},
        {2, {"Text7"}, {diff("Text7", "Text2", "Text6")}},
        {2, {"Text8"}, {copy("Text8", "Text1")}},
        {2, {"Text5"}, {joinQuot("Text5", "Text7", "Text8", "Text3"), prod("Text13", "Text3", "Text5")}},
        {2, {"Text9", "Text10"}, {tens("Text9", "Text13"), units("Text10", "Text13", "Text9")}},
    };
}

const std::vector<Write> SecondDifferenceWork = {join("Text14", "Text7", "Text8"), join("Text15", "Text9", "Text10"),
                                                 diff("Text16", "Text14", "Text15")};
const std::vector<Write> SecondDifferenceDigits = {tens("Text11", "Text16"), units("Text12", "Text16", "Text11")};

const QStringList Solved = QStringList{"Command10"} + range("Label", 1, 4);

} // namespace

const Sheet &threeDigitSheet()
{
    static const Sheet s = [] {
        Sheet s;
        s.name = QStringLiteral("Form3");
        s.background = QColor(0xFF, 0xFF, 0x00);
        s.clientWidth = 6210;
        s.clientHeight = 5835;

        s.boxes = {
            // entry, in tab order: divisor, hundreds, tens, units
            {"Text3", K::Entry, 4080, 960, 735, 495},
            {"Text2", K::Entry, 5280, 960, 735, 495},
            {"Text1", K::Entry, 6000, 960, 735, 495},
            {"Text23", K::Entry, 6840, 960, 735, 495},
            // quotient row
            {"Text4", K::Output, 5400, 120, 735, 630},
            {"Text5", K::Output, 6120, 120, 735, 630},
            {"Text26", K::Output, 6840, 135, 735, 600},
            // first product, difference and the tens digit brought down
            {"Text6", K::Output, 5280, 1680, 735, 495, false},
            {"Text7", K::Output, 5280, 2640, 735, 465, false},
            {"Text8", K::Output, 6120, 2640, 735, 495, false},
            // second product, difference and the units digit brought down
            {"Text9", K::Output, 5280, 3180, 735, 555, false},
            {"Text10", K::Output, 6120, 3180, 735, 555, false},
            {"Text11", K::Output, 5280, 4080, 735, 495, false},
            {"Text12", K::Output, 6120, 4080, 735, 495, false},
            {"Text24", K::Output, 6960, 4080, 735, 495, false},
            // third product and the remainder
            {"Text29", K::Output, 6120, 4800, 735, 495, false},
            {"Text28", K::Output, 6960, 4800, 735, 495, false},
            {"Text30", K::Output, 6120, 5640, 735, 495, false},
            {"Text31", K::Output, 6960, 5640, 735, 495, false},
            // whole numbers between steps
            {"Text13", K::Work}, {"Text14", K::Work}, {"Text15", K::Work},
            {"Text16", K::Work}, {"Text25", K::Work}, {"Text27", K::Work},
            {"Text32", K::Work}, {"Text33", K::Work}, {"Text34", K::Work},
        };

        s.lines = FirstTwoRows;
        s.lines.insert(s.lines.end(), {
            {"Line17", 7920, 5520, 6000, 5520, Blue, 3},
            {"Line16", 7800, 4800, 8040, 4800, Red, 3},
            // the check's signs: x, =, +, =
            {"Line8", 3240, 6720, 3600, 6960, Red, 3, true},
            {"Line9", 3600, 6720, 3240, 6960, Red, 3, true},
            {"Line10", 2040, 6720, 1800, 6720, Red, 3, true},
            {"Line11", 2040, 6840, 1800, 6840, Red, 3, true},
            {"Line12", 3120, 7800, 2880, 7800, Red, 3, true},
            {"Line13", 3000, 7680, 3000, 7920, Red, 3, true},
            {"Line14", 1920, 7680, 1680, 7680, Red, 3, true},
            {"Line15", 1920, 7800, 1680, 7800, Red, 3, true},
        });

        s.labels = {
            {"Label1", QStringLiteral("خارج القسمة"), 3120, 120, 1695, 615, Akhbar, 20.25, Red, Right},
            {"Label2", QStringLiteral("الباقي"), 8280, 5520, 975, 855, Akhbar, 20.25, Red, Centre},
            {"Label3", QStringLiteral("المقسوم عليه"), 1920, 960, 1695, 615, Akhbar, 20.25, Red, Right},
            {"Label4", QStringLiteral("المقسوم"), 7560, 840, 1095, 615, Akhbar, 20.25, Red, Right},
            // The check captions reach right past their first boxes, so the
            // room beside the values holds them whole at full size in our font.
            {"Label5", ProductCaption, 3480, 6480, 6120, 615, Akhbar, 20.25, Blue, Right, true, 4815},
            {"Label7", QString(), 3720, 6600, 1095, 615, Arial, 21.75, Black, Centre},
            {"Label8", QString(), 2160, 6600, 975, 615, Arial, 21.75, Black, Centre},
            {"Label9", QString(), 600, 6600, 1095, 615, Arial, 21.75, Black, Centre},
            {"Label6", SumCaption, 1920, 7440, 8520, 615, Akhbar, 20.25, Blue, Right, true, 4215},
            {"Label10", QString(), 3240, 7560, 975, 615, Arial, 21.75, Black, Centre},
            {"Label11", QString(), 2040, 7560, 855, 615, Arial, 21.75, Black, Centre},
            {"Label12", QString(), 600, 7560, 975, 615, Arial, 21.75, Black, Centre},
        };

        s.buttons = stepButtons(names("Command", {1, 2, 3, 4, 5, 6, 7, 13, 14, 15, 16}),
                                {QColor(0xC0FFFF), QColor(0x80FFFF), QColor(0x00FFFF), QColor(0x00C0C0),
                                 QColor(0xFF00FF), QColor(0x0000FF), QColor(0xFF00FF), QColor(0x00C0C0),
                                 QColor(0x00FFFF), QColor(0x80FFFF), QColor(0xC0FFFF)});
        s.buttons.insert(s.buttons.end(), {
            {"Command8", QStringLiteral("مسألة أخرى"), R::NewProblem, QColor(0x00FF00), 2880, 2280, 1215, 495, true},
            {"Command9", QStringLiteral("حل سريع"), R::QuickSolution, QColor(0x00FFFF), 2760, 3000, 1695, 495, false},
            {"Command10", QStringLiteral("التحقق من الحل"), R::SolutionCheck, QColor(0xFF0000), 2520, 3720, 1935, 495,
             false},
            {"Command12", QStringLiteral("عن البرنامج"), R::About, QColor(0x00FFFF), 2640, 4440, 1695, 495, true},
            {"Command11", QStringLiteral("خروج"), R::Exit, QColor(0x00FF00), 2880, 5160, 1455, 495, true},
            {"Command17", QStringLiteral("عودة للاختيارات"), R::Return, QColor(0xFF00FF), 1320, 480, 1695, 495, true},
        });

        s.divisorBox = QStringLiteral("Text3");
        s.divisorButtons = {"Command1", "Command9"};
        s.unitsBox = QStringLiteral("Text23");
        s.leadingBox = QStringLiteral("Text2");

        s.steps = firstSevenSteps(true, {"Command13"});
        s.steps.insert(s.steps.end(), {
            {"Command13", {"Text24"}, {copy("Text24", "Text23")}, {"Command14"}},
            {"Command14",
             {"Text26"},
             {join("Text25", "Text12", "Text24"), quot("Text26", "Text25", "Text3"), prod("Text27", "Text3", "Text26")},
             {"Command15"}},
            {"Command15", {"Text29", "Text28"}, {tens("Text29", "Text27"), units("Text28", "Text27", "Text29")},
             {"Command16"}},
            {"Command16",
             {"Text30", "Text31"},
             {join("Text32", "Text12", "Text24"), join("Text33", "Text29", "Text28"), diff("Text34", "Text32", "Text33"),
              tens("Text30", "Text34"), units("Text31", "Text34", "Text30")},
             Solved},
        });

        s.quickSolution.rows = firstSixRows();
        s.quickSolution.rows.insert(s.quickSolution.rows.end(), {
            {2, {}, SecondDifferenceWork},
            {1, {"Text11", "Text12"}, SecondDifferenceDigits},
            {1, {"Text24"}, {copy("Text24", "Text23")}},
            {1, {"Text26"},
             {join("Text25", "Text12", "Text24"), quot("Text26", "Text25", "Text3"), prod("Text27", "Text3", "Text26")}},
            {1, {"Text28", "Text29"}, {tens("Text29", "Text27"), units("Text28", "Text27", "Text29")}},
            {1, {"Text30", "Text31"},
             {join("Text32", "Text12", "Text24"), join("Text33", "Text29", "Text28"), diff("Text34", "Text32", "Text33"),
              tens("Text30", "Text34"), units("Text31", "Text34", "Text30")}},
        });
        s.quickSolution.showsAtEnd = Solved;

        s.checkShows = QStringList{"Label5", "Label6"} + range("Label", 7, 12) + QStringList{"Line15"}
            + range("Line", 8, 14);
        s.checkRows = {
            {0, {}, {{"Label7", Op::PlaceValue, "Text4", "Text5", "Text26"}}},
            {1, {}, {copy("Label8", "Text3")}},
            {1, {}, {{"Label9", Op::LenientProd, "Label7", "Label8"}}},
            {1, {}, {copy("Label10", "Label9")}},
            {1, {}, {copy("Label11", "Text31")}},
            {1, {}, {{"Label12", Op::LenientSum, "Label10", "Label11"}}},
        };

        s.newProblem = {
            {Clearing::Hide, range("Text", 4, 12) + names("Text", {24, 28, 29, 30, 31, 26})},
            {Clearing::Hide, names("Command", {2, 3, 4, 5, 6, 7, 13, 14, 15, 16})},
            {Clearing::Empty, {"Text1", "Text2", "Text3"}},
            {Clearing::Empty, range("Label", 7, 12)},
            {Clearing::Empty, {"Text23"}},
            {Clearing::Hide, range("Label", 5, 12) + range("Line", 8, 15) + QStringList{"Command10"}
                                 + range("Label", 1, 4)},
        };
        return s;
    }();
    return s;
}

const Sheet &twoDigitSheet()
{
    static const Sheet s = [] {
        Sheet s;
        s.name = QStringLiteral("Form2");
        s.background = QColor(0x00, 0xFF, 0x00);
        s.clientWidth = 6210;
        s.clientHeight = 5835;

        s.boxes = {
            // entry, in focus order: divisor, tens, units
            {"Text3", K::Entry, 4080, 960, 735, 495},
            {"Text2", K::Entry, 5280, 960, 735, 495},
            {"Text1", K::Entry, 6000, 960, 735, 495},
            // quotient row
            {"Text4", K::Output, 5280, 240, 735, 435},
            {"Text5", K::Output, 6000, 240, 735, 435},
            // first product, difference and the units digit brought down
            {"Text6", K::Output, 5280, 1680, 735, 495, false},
            {"Text7", K::Output, 5280, 2520, 735, 465, false},
            {"Text8", K::Output, 6120, 2520, 735, 495, false},
            // second product and the remainder
            {"Text9", K::Output, 5280, 3180, 735, 555, false},
            {"Text10", K::Output, 6120, 3180, 735, 555, false},
            {"Text11", K::Output, 5280, 4080, 735, 495, false},
            {"Text12", K::Output, 6120, 4080, 735, 495, false},
            // whole numbers between steps
            {"Text13", K::Work}, {"Text14", K::Work}, {"Text15", K::Work}, {"Text16", K::Work},
            // the check's values
            {"Text17", K::Value, 3240, 5760, 855, 495},
            {"Text18", K::Value, 1800, 5760, 735, 495},
            {"Text19", K::Value, 120, 5760, 1095, 495},
            {"Text20", K::Value, 3240, 6720, 855, 495},
            {"Text21", K::Value, 1800, 6720, 735, 495},
            {"Text22", K::Value, 120, 6720, 1095, 525},
        };

        s.lines = FirstTwoRows;
        s.lines.insert(s.lines.end(), {
            {"Line8", 2640, 5880, 3000, 6120, Black, 2, true},
            {"Line9", 3000, 5880, 2640, 6120, Black, 2, true},
            {"Line10", 1560, 5880, 1320, 5880, Black, 2, true},
            {"Line11", 1560, 6000, 1320, 6000, Black, 2, true},
            {"Line12", 3120, 6960, 2880, 6960, Black, 2, true},
            {"Line13", 3000, 6840, 3000, 7080, Black, 2, true},
            {"Line14", 1560, 6840, 1320, 6840, Black, 2, true},
            {"Line15", 1560, 6960, 1320, 6960, Black, 2, true},
        });

        s.labels = {
            {"Label1", QStringLiteral("خارج القسمة"), 3120, 120, 1695, 615, Akhbar, 20.25, Blue, Right},
            {"Label2", QStringLiteral("الباقي"), 7560, 3960, 975, 855, Akhbar, 20.25, Blue, Centre},
            {"Label3", QStringLiteral("المقسوم عليه"), 1800, 960, 1695, 615, Akhbar, 20.25, Blue, Right},
            {"Label4", QStringLiteral("المقسوم"), 7200, 960, 1095, 615, Akhbar, 20.25, Blue, Right},
            // The check captions reach right past their first boxes, so the
            // room beside the values holds them whole at full size in our font.
            {"Label5", ProductCaption, 2880, 5640, 6000, 615, Akhbar, 20.25, Blue, Right, true, 4095},
            {"Label6", SumCaption, 1920, 6600, 8400, 615, Akhbar, 20.25, Blue, Right, true, 4095},
        };

        s.buttons = stepButtons(range("Command", 1, 7),
                                {QColor(0xFFFFC0), QColor(0xFFFF80), QColor(0xFFFF00), QColor(0x00FFFF),
                                 QColor(0xFFFF00), QColor(0xFFFF80), QColor(0xFFFFC0)});
        s.buttons.insert(s.buttons.end(), {
            {"Command8", QStringLiteral("مسألة أخرى"), R::NewProblem, QColor(0xFFC0C0), 2520, 2040, 1215, 495, true},
            {"Command9", QStringLiteral("حل سريع"), R::QuickSolution, QColor(0xFF8080), 2280, 4200, 1695, 495, false},
            {"Command10", QStringLiteral("التحقق من الحل"), R::SolutionCheck, QColor(0xFF0000), 2040, 3480, 1935, 495,
             false},
            {"Command12", QStringLiteral("عن البرنامج"), R::About, QColor(0xFF8080), 2160, 2760, 1695, 495, true},
            {"Command11", QStringLiteral("خروج"), R::Exit, QColor(0xFFC0C0), 2400, 4920, 1455, 495, true},
            {"Command13", QStringLiteral("عودة للخيارات"), R::Return, QColor(0xFF00FF), 600, 600, 1695, 495, true},
        });

        s.divisorBox = QStringLiteral("Text3");
        s.divisorButtons = {"Command1", "Command9"};

        s.steps = firstSevenSteps(false, Solved);

        s.quickSolution.rows = firstSixRows();
        std::vector<Write> last = SecondDifferenceWork;
        last.insert(last.end(), SecondDifferenceDigits.begin(), SecondDifferenceDigits.end());
        s.quickSolution.rows.push_back({2, {"Text11", "Text12"}, last});
        s.quickSolution.showsAtEnd = Solved;

        s.checkShows = QStringList{"Label5", "Label6"} + range("Text", 17, 22) + QStringList{"Line15"}
            + range("Line", 8, 14);
        s.checkRows = {
            {0, {}, {{"Text17", Op::PlaceValue, "Text4", "Text5"}}},
            {1, {}, {copy("Text18", "Text3")}},
            {1, {}, {prod("Text19", "Text17", "Text18")}},
            {1, {}, {copy("Text20", "Text19")}},
            {1, {}, {copy("Text21", "Text12")}},
            {1, {}, {{"Text22", Op::LenientSum, "Text20", "Text21"}}},
        };

        s.newProblem = {
            {Clearing::Hide, range("Text", 4, 12)},
            {Clearing::Hide, range("Command", 2, 7)},
            {Clearing::Empty, QStringList{"Text1", "Text2", "Text3"} + range("Text", 17, 22)},
            {Clearing::Hide, QStringList{"Label5", "Label6"} + range("Text", 17, 22) + QStringList{"Line15"}
                                 + range("Line", 8, 14) + QStringList{"Command10"} + range("Label", 1, 4)},
        };
        return s;
    }();
    return s;
}

} // namespace tolbrin
