#include "daskin_form.h"

#include "divisors.h"

#include "forms/controls.h"
#include "forms/fonts.h"
#include "forms/geometry.h"
#include "forms/multiline.h"

namespace daskin {

namespace {
const QString DesignFont = QStringLiteral("MS Sans Serif");
constexpr double DefaultPoints = 8.25;
constexpr Qt::Alignment RightAligned = forms::designAlignment(Qt::AlignRight) | Qt::AlignVCenter;
} // namespace

Form1::Form1()
{
    using namespace forms;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Daskin - قواسم العدد"));
    setBorder(Border::Sizable);
    setPlacement(Placement::WindowSystem);
    setClientSizeTwips(7785, 5565);
    setFont(designFont(DesignFont, DefaultPoints));

    const QFont large = designFont(DesignFont, 24);

    number_ = new TextBox(this, QStringLiteral("Text1"));
    number_->setNumberEntry(NumberEntry::Decimal);
    // Reaches left towards the button, so that a number of fifteen digits shows whole at 24 pt.
    placeTwips(number_, 1440, 360, 4335, 735);
    number_->setFont(large);
    number_->setAlignment(RightAligned);

    auto *numberCaption = new Label(this, QStringLiteral("العدد"), QStringLiteral("العدد"));
    placeTwips(numberCaption, 6000, 360, 1500, 735);
    numberCaption->setFont(large);
    numberCaption->setAutoSize(true);

    auto *search = new CommandButton(this, QStringLiteral("Command1"), QStringLiteral("ابحث"));
    placeTwips(search, 0, 360, 1335, 495);
    search->setFont(large);

    auto *heading = new Label(this, QStringLiteral("Label1"), QStringLiteral("Daskin"));
    placeTwips(heading, 3007, 1800, 1800, 555);
    heading->setFont(large);
    heading->setAlignment(RightAligned);
    heading->setAutoSize(true);

    found_ = new MultiLineTextBox(this, QStringLiteral("Text2"));
    placeTwips(found_, 120, 2400, 7455, 1935);
    found_->setFont(designFont(DesignFont, DefaultPoints));

    auto *howTo = new Label(this, QStringLiteral("Label2"),
                            QStringLiteral("طريقة العمل : اكتب العدد بالاعلى ثم اضغط على ابحث و ستجد القواسم بالاسفل"));
    placeTwips(howTo, 240, 4680, 7215, 375);
    howTo->setFont(designFont(DesignFont, 12, true));
    howTo->setForeColor(QColor(0xFF, 0x00, 0x00));
    howTo->setAlignment(RightAligned);

    auto *credit = new Label(this, QStringLiteral("Label3"), QStringLiteral("برنامج Daskin لتلاميذ المرحلة الابتدائية"));
    placeTwips(credit, 240, 5280, 7215, 285);
    credit->setFont(designFont(DesignFont, DefaultPoints));
    credit->setAlignment(RightAligned);

    setTabOrder(number_, search);
    setTabOrder(search, found_);
    number_->setFocus(Qt::OtherFocusReason);

    connect(search, &QPushButton::clicked, this, &Form1::divisorSearch);
}

// A number outside the searched range appends nothing, as a text without a number does.
void Form1::divisorSearch()
{
    if (const auto n = numberToSearch(number_->text()))
        found_->appendText(divisorRun(*n));
}

} // namespace daskin
