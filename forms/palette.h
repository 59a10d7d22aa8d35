#pragma once
#include <QColor>
#include <QPalette>
#include <QWidget>

namespace forms {

// Gives a widget's colour role one colour in every state: active, inactive
// and disabled.
inline void setRoleColor(QWidget *widget, QPalette::ColorRole role, const QColor &color)
{
    QPalette p = widget->palette();
    p.setColor(role, color);
    widget->setPalette(p);
}

// Fills a widget's background with one colour.
inline void setBackgroundColor(QWidget *widget, const QColor &color)
{
    setRoleColor(widget, QPalette::Window, color);
    widget->setAutoFillBackground(true);
}

} // namespace forms
