#pragma once
#include <QFont>
#include <QList>
#include <QRect>
#include <QString>

#include <optional>

namespace forms {

// The title bar a window manager draws over a window, laid out as openbox
// lays it: its parts from left to right in openbox's letters (N the
// window's icon, L the title, any other letter a button), the title's text
// between them with a small edge on each side.
struct TitleBar {
    QFont font;
    QString layout = QStringLiteral("NLIMC");

    int height() const;
    // The icon and the buttons on a bar that wide, in the layout's order.
    QList<QRect> parts(int width) const;
    // The room of the title's text on a bar that wide.
    QRect titleRoom(int width) const;
    // How wide a bar must be for the whole title.
    int widthFor(const QString &title) const;
};

// The title bar of a window with that title: under openbox the title font
// and layout of its configuration, read at the first call; elsewhere, or
// where that gives no font, the font of Qt's title bars or a bold sans of
// the application's size, whichever draws the title wider.
TitleBar titleBar(const QString &title);

// The title bar openbox draws as its configuration file (rc.xml) sets it,
// on a screen of that many dots per inch; none where the file sets no font
// for the active window's title.
std::optional<TitleBar> openboxTitleBar(const QString &rcFile, double dpi);

namespace testing {
// titleBar() answers with this bar from now on; none: as it finds it.
void setTitleBar(std::optional<TitleBar> bar);
} // namespace testing

} // namespace forms
