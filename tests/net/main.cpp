#include "testregistry.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    return TestRegistry::runAll(argc, argv);
}
