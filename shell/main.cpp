// Tessarine: a multiple-choice science quiz for learners, in six levels.
#include "shell.h"

#include "access.h"
#include "runtime.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The forms decide when the program ends: once none of them is loaded.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::initApplication();
    ui::installAccessAids();
    shell::defineForms();
    shell::start();
    if (ui::failed())
        return 1;
    return QApplication::exec();
}
