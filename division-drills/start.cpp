#include "halvery.h"

#include "cards.h"

#include <QApplication>
#include <QIcon>

namespace halvery {
void start()
{
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/halvery.png")));
    forms::show<Form1>();
}
} // namespace halvery
