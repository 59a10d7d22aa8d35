#include "tolbrin.h"

#include "forms/app.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    forms::choosePlatform();
    QApplication app(argc, argv);
    forms::initialize(app, QStringLiteral("Tolbrin"));
    tolbrin::start();
    return forms::exec();
}
