#include "app/Startup.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget *stage = zorbiks::startApplication(application.arguments());
    zorbiks::endApplication(stage, application.exec());
}
