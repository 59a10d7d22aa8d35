#include "quillet.h"

#include "forms/app.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    forms::choosePlatform();
    QApplication app(argc, argv);
    forms::initialize(app, QStringLiteral("Quillet"));
    quillet::start();
    return forms::exec();
}
