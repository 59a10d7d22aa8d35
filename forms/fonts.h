#pragma once
#include <QFont>
#include <QString>

namespace forms {

// A font named by a window design, mapped to free fonts with Arabic shaping.
QFont designFont(const QString &family, double pointSize, bool bold = false, int weight = 0);

// The families a design font name maps to, most wanted first.
QStringList fontFamiliesFor(const QString &family);

// Has the program see only the folders of the stand-in fonts, with the
// system's rendering settings: fonts are looked up among a few dozen files,
// not every font of the machine. Call before the first text is measured;
// false (and the system's fonts as they are) where a folder is missing.
bool useStandInFontsOnly();

} // namespace forms
