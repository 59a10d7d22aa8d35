#include "mirrane.h"

#include "forms/app.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    forms::choosePlatform();
    QApplication app(argc, argv);
    forms::initialize(app, QStringLiteral("Mirrane"));
    mirrane::start();
    return forms::exec();
}
