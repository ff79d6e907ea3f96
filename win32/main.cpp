// Varnix for Windows: the window over the same behaviour as on Linux.
#include "core/form1.h"
#include "system/encoding.h"
#include "system/machine.h"
#include "win32/win32_view.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    varnix::useSystemEncoding();
    varnix::Win32View view(instance);
    varnix::Machine machine;
    machine.readFoldersOffThread(view.queue());
    varnix::Form1 form(view, machine);
    view.attach(form);
    form.Form_Load();  // its message, if any, comes before the window
    view.showCentred(showCommand);
    return view.run();
}
