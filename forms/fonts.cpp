#include "fonts.h"

#include <QHash>

namespace forms {

QStringList fontFamiliesFor(const QString &family)
{
    static const QHash<QString, QStringList> table = {
        // Liberation Sans has Arial's metrics; Arabic text falls back to the next family.
        {QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
        {QStringLiteral("MS Sans Serif"), {QStringLiteral("KacstOne"), QStringLiteral("DejaVu Sans")}},
        {QStringLiteral("Arabic Transparent"), {QStringLiteral("KacstOne"), QStringLiteral("DejaVu Sans")}},
        {QStringLiteral("Akhbar MT"), {QStringLiteral("Amiri"), QStringLiteral("DejaVu Sans")}},
        {QStringLiteral("Monotype Koufi"), {QStringLiteral("KacstTitle"), QStringLiteral("KacstOne")}},
        {QStringLiteral("SC_OUHOD"), {QStringLiteral("KacstDecorative"), QStringLiteral("KacstOne")}},
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
