#include "titlebar.h"

#include "frame.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace forms {

namespace {

// From each end of the bar to its outermost part.
constexpr int Edge = 4;
// Between the title's room and its text, on each side.
constexpr int TextEdge = 3;

// The height of the title's line, even, as openbox rounds it.
int lineHeight(const QFont &font)
{
    const int h = QFontMetrics(font).height();
    return h + h % 2;
}

// An icon or a button, with the gap beside it.
int pitch(const QFont &font) { return lineHeight(font) + 4; }

bool isPart(QChar c) { return QStringLiteral("NDSIMC").contains(c); }

// The parts left and right of the title, each letter once.
std::pair<QString, QString> sides(const QString &layout)
{
    QString left, right, seen;
    const qsizetype title = layout.indexOf(QLatin1Char('L'));
    for (qsizetype i = 0; i < layout.size(); ++i) {
        const QChar c = layout.at(i);
        if (!isPart(c) || seen.contains(c))
            continue;
        seen += c;
        (title < 0 || i < title ? left : right) += c;
    }
    return {left, right};
}

// The title is centred on the bar: it keeps as far from both ends as the
// parts on its busier side reach.
int titleMargin(const QString &layout, const QFont &font)
{
    const auto [left, right] = sides(layout);
    return Edge + int(std::max(left.size(), right.size())) * pitch(font) + TextEdge;
}

} // namespace

int TitleBar::height() const { return lineHeight(font) + 4; }

QList<QRect> TitleBar::parts(int width) const
{
    const auto [left, right] = sides(layout);
    const int side = lineHeight(font) - 2;
    const int top = (height() - side) / 2;
    QList<QRect> found;
    for (qsizetype i = 0; i < left.size(); ++i)
        found << QRect(Edge + int(i) * pitch(font), top, side, side);
    for (qsizetype i = 0; i < right.size(); ++i)
        found << QRect(width - Edge - int(right.size() - i) * pitch(font) + pitch(font) - side, top, side, side);
    return found;
}

QRect TitleBar::titleRoom(int width) const
{
    const int margin = titleMargin(layout, font);
    return QRect(margin, 0, std::max(0, width - 2 * margin), height());
}

int TitleBar::widthFor(const QString &title) const
{
    // The title's advance, or its ink where that reaches further.
    const int text = std::max(int(std::ceil(QFontMetricsF(font).horizontalAdvance(title))),
                              QFontMetrics(font).boundingRect(title).width());
    return text + 2 * titleMargin(layout, font);
}

std::optional<TitleBar> openboxTitleBar(const QString &rcFile, double dpi)
{
    QFile file(rcFile);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    TitleBar bar;
    bool hasFont = false;
    QString family = QStringLiteral("sans");
    double points = 8;
    bool bold = false;
    QXmlStreamReader xml(&file);
    // <openbox_config><theme><titleLayout/><font place="ActiveWindow"><name/><size/><weight/></font></theme>
    if (xml.readNextStartElement()) {
        while (xml.readNextStartElement()) {
            if (xml.name() != QLatin1String("theme")) {
                xml.skipCurrentElement();
                continue;
            }
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("titleLayout")) {
                    bar.layout = xml.readElementText().trimmed();
                } else if (xml.name() == QLatin1String("font")
                           && xml.attributes().value(QLatin1String("place")) == QLatin1String("ActiveWindow")) {
                    hasFont = true;
                    while (xml.readNextStartElement()) {
                        const QString name = xml.name().toString();
                        const QString value = xml.readElementText().trimmed();
                        if (name == QLatin1String("name") && !value.isEmpty())
                            family = value;
                        else if (name == QLatin1String("size") && value.toDouble() > 0)
                            points = value.toDouble();
                        else if (name == QLatin1String("weight"))
                            bold = value.compare(QLatin1String("bold"), Qt::CaseInsensitive) == 0;
                    }
                } else {
                    xml.skipCurrentElement();
                }
            }
        }
    }
    if (xml.hasError() || !hasFont)
        return std::nullopt;
    // openbox sizes its fonts in points on the X screen's resolution; Qt in
    // points on its own.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double qtDpi = screen ? screen->logicalDotsPerInchY() : 96;
    QStringList families;
    for (const QString &f : family.split(QLatin1Char(','), Qt::SkipEmptyParts))
        families << f.trimmed();
    bar.font.setFamilies(families);
    bar.font.setPointSizeF(points * dpi / qtDpi);
    bar.font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return bar;
}

namespace {

// The manager's own title bar, where it is openbox and its configuration sets the font.
std::optional<TitleBar> managerTitleBar()
{
    const std::optional<XDesktop> desktop = xDesktop();
    if (!desktop || desktop->manager != QLatin1String("Openbox"))
        return std::nullopt;
    const QString rc = QStandardPaths::locate(QStandardPaths::GenericConfigLocation, QStringLiteral("openbox/rc.xml"));
    return rc.isEmpty() ? std::nullopt : openboxTitleBar(rc, desktop->dpi);
}

struct Found {
    bool looked = false;
    std::optional<TitleBar> bar;
};

Found &found()
{
    static Found f;
    return f;
}

} // namespace

TitleBar titleBar(const QString &title)
{
    Found &f = found();
    if (!f.looked) {
        f.looked = true;
        f.bar = managerTitleBar();
    }
    if (f.bar)
        return *f.bar;
    TitleBar qtBar;
    qtBar.font = QApplication::font("QMdiSubWindowTitleBar");
    TitleBar sansBar;
    sansBar.font.setFamilies({QStringLiteral("sans")});
    sansBar.font.setPointSizeF(QApplication::font().pointSizeF());
    sansBar.font.setWeight(QFont::Bold);
    return qtBar.widthFor(title) > sansBar.widthFor(title) ? qtBar : sansBar;
}

namespace testing {
void setTitleBar(std::optional<TitleBar> bar)
{
    found().looked = bar.has_value();
    found().bar = std::move(bar);
}
} // namespace testing

} // namespace forms
