#include "testregistry.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    return TestRegistry::runAll(argc, argv);
}
