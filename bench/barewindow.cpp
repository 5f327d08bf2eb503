// The baseline of the start-up benchmark: a bare QMainWindow program,
// built and started the same way as tarnel and reporting its first map
// through the same hook.
#include "app/firstmapreport.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.show();
    FirstMapReport::watch(window);
    return application.exec();
}
