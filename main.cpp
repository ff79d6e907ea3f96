#include "launch/platform.h"
#include "ui/dialogs.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    varnix::QtDialogs dialogs;
    varnix::SystemPlatform platform;
    varnix::Form1 form(dialogs, platform);
    dialogs.setParent(&form);
    form.Form_Load();
    form.showCentred();
    return application.exec();
}
