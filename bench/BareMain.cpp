#include "BareWindow.h"
#include "Marks.h"

int main(int argc, char *argv[])
{
    mark("main");
    return bareWindow(argc, argv);
}
