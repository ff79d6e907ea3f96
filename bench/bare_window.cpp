// The bare window as a program of its own: bench/win32_start.sh times its
// start against varnix.exe's. It imports only what such a window needs.
#include "bench/bare_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    showBareWindow(instance, "Bare Varnix bench", showCommand);
    for (MSG message; GetMessageA(&message, nullptr, 0, 0) > 0;)
        DispatchMessageA(&message);
    return 0;
}
