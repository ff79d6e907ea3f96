#include "launch/platform.h"
#include "ui/desktop.h"
#include "ui/dialogs.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    varnix::QtDialogs dialogs;
    varnix::SystemPlatform platform;
    varnix::QtDesktop desktop;
    varnix::Form1 form(dialogs, platform, desktop);
    dialogs.setParent(&form);
    form.Form_Load();
    form.showCentred();
    return application.exec();
}
