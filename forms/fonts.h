#pragma once
#include <QFont>
#include <QString>

namespace forms {

// A font named by a window design, mapped to free fonts with Arabic shaping.
QFont designFont(const QString &family, double pointSize, bool bold = false, int weight = 0);

// The families a design font name maps to, most wanted first.
QStringList fontFamiliesFor(const QString &family);

} // namespace forms
