#include "core/form1.h"
#include "qt/qt_view.h"
#include "system/encoding.h"
#include "system/machine.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    varnix::useSystemEncoding();
    varnix::QtView view;
    varnix::Machine machine;
    machine.readFoldersOffThread(view.queue());
    varnix::Form1 form(view, machine);
    view.attach(form);
    form.Form_Load();
    view.showCentred();
    return application.exec();
}
