#include "fonts.h"

#include <QHash>

namespace forms {

QStringList fontFamiliesFor(const QString &family)
{
    // Stand-ins chosen for width and look; each covers Arabic, Latin and digits and keeps
    // a Western digit and point Western beside Arabic words (KacstOne and Amiri do not).
    static const QString sans = QStringLiteral("AlArabiya");
    static const QString last = QStringLiteral("DejaVu Sans");
    static const QString latin = QStringLiteral("Liberation Sans");
    static const QHash<QString, QStringList> table = {
        // Liberation Sans has Arial's metrics; Arabic letters come from the next family.
        {QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), sans, last}},
        {QStringLiteral("MS Sans Serif"), {latin, sans, last}},
        {QStringLiteral("Arabic Transparent"), {latin, sans, last}},
        {QStringLiteral("Akhbar MT"), {QStringLiteral("Rasheeq"), sans, last}},
        {QStringLiteral("Monotype Koufi"), {QStringLiteral("Salem"), sans, last}},
        {QStringLiteral("SC_OUHOD"), {QStringLiteral("Ouhod"), sans, last}},
    };
    const auto it = table.constFind(family);
    if (it != table.constEnd())
        return *it;
    return {family, QStringLiteral("DejaVu Sans")};
}

QFont designFont(const QString &family, double pointSize, bool bold, int weight)
{
    QFont f;
    f.setFamilies(fontFamiliesFor(family));
    f.setPointSizeF(pointSize);
    if (weight > 0)
        f.setWeight(weight >= 700 ? QFont::Bold : weight >= 600 ? QFont::DemiBold : weight >= 500 ? QFont::Medium
                                                                                                    : QFont::Normal);
    if (bold)
        f.setBold(true);
    return f;
}

} // namespace forms
