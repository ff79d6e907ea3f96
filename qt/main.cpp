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
    // Made after the window and gone before it: no read's end is queued on a
    // window that is gone.
    varnix::Machine machine;
    machine.readFoldersOffThread([&view](std::function<void()> task) { view.post(std::move(task)); });
    varnix::Form1 form(view, machine);
    view.attach(form);
    form.Form_Load();
    view.showCentred();
    return application.exec();
}
