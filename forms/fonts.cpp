#include "fonts.h"

#include <QByteArray>
#include <QFileInfo>
#include <QHash>

#include <fontconfig/fontconfig.h>

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
        {QStringLiteral("Arial"), {latin, sans, last}},
        {QStringLiteral("MS Sans Serif"), {latin, sans, last}},
        {QStringLiteral("Arabic Transparent"), {latin, sans, last}},
        {QStringLiteral("Akhbar MT"), {QStringLiteral("Rasheeq"), sans, last}},
        {QStringLiteral("Monotype Koufi"), {QStringLiteral("Salem"), sans, last}},
        {QStringLiteral("SC_OUHOD"), {QStringLiteral("Ouhod"), sans, last}},
    };
    const auto it = table.constFind(family);
    if (it != table.constEnd())
        return *it;
    return {family, last};
}

bool useStandInFontsOnly()
{
    // Where Debian's packages put the families of the table above.
    static const char *const folders[] = {
        "/usr/share/fonts/truetype/fonts-arabeyes", // AlArabiya, Rasheeq, Salem, Ouhod
        "/usr/share/fonts/truetype/liberation2", // Liberation Sans
        "/usr/share/fonts/truetype/dejavu", // DejaVu Sans
    };
    if (qEnvironmentVariableIsSet("FONTCONFIG_FILE") || qEnvironmentVariableIsSet("FONTCONFIG_PATH"))
        return false; // a font set chosen on purpose
    QByteArray config = "<?xml version=\"1.0\"?>\n<fontconfig>\n";
    for (const char *folder : folders) {
        if (!QFileInfo(QString::fromLatin1(folder)).isDir())
            return false;
        config += "<dir>" + QByteArray(folder) + "</dir>\n";
    }
    config += "<cachedir>/var/cache/fontconfig</cachedir>\n"
              "<cachedir prefix=\"xdg\">fontconfig</cachedir>\n"
              "<include ignore_missing=\"yes\">/etc/fonts/conf.d</include>\n"
              "</fontconfig>\n";
    FcConfig *fc = FcConfigCreate();
    if (!fc)
        return false;
    const bool loaded = FcConfigParseAndLoadFromMemory(fc, reinterpret_cast<const FcChar8 *>(config.constData()), FcFalse)
        && FcConfigBuildFonts(fc) && FcConfigSetCurrent(fc);
    FcConfigDestroy(fc); // the current configuration keeps its own reference
    return loaded;
}

QFont designFont(const QString &family, double pointSize, bool bold, int weight)
{
    QFont f;
    f.setFamilies(fontFamiliesFor(family));
    f.setPointSizeF(pointSize);
    // A bold design asks for 600: a family's own bold face is still the nearest,
    // while a family without one is drawn as it is rather than thickened by
    // the renderer, whose strokes reach a pixel past the glyph's advance.
    if (bold || weight >= 600)
        f.setWeight(QFont::DemiBold);
    else if (weight >= 500)
        f.setWeight(QFont::Medium);
    return f;
}

} // namespace forms
