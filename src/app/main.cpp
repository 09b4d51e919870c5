#include "app/Startup.h"

#include <QApplication>
#include <QWidget>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    std::unique_ptr<QWidget> stage(zorbiks::startApplication(application.arguments()));
    return application.exec();
}
