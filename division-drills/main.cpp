#include "halvery.h"

#include "forms/app.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    forms::choosePlatform();
    QApplication app(argc, argv);
    forms::initialize(app, QStringLiteral("Halvery"));
    halvery::start();
    return forms::exec();
}
