#include "testregistry.h"

#include <QGuiApplication>

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    return TestRegistry::runAll(argc, argv);
}
