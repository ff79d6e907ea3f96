/* Pings a window as a window manager does (_NET_WM_PING) for a number of
 * seconds, one ping at a time, and prints the longest time a ping waited
 * for its answer, in milliseconds, and how many were answered. Only the
 * window's own thread answers: a window busy with other work leaves the
 * ping waiting. Needs a display with no window manager.
 *
 *   ping_probe WINDOW-ID SECONDS */
#include <X11/Xlib.h>

#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: %s WINDOW-ID SECONDS\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display)
        return 1;
    const Window window = strtoul(argv[1], NULL, 0);
    const double end = now_ms() + atof(argv[2]) * 1000;
    const Window root = DefaultRootWindow(display);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    /* The answer goes to the root window, as to a window manager. */
    XSelectInput(display, root, SubstructureNotifyMask | SubstructureRedirectMask);

    double longest = 0;
    long answered = 0, stamp = 0;
    while (now_ms() < end) {
        XEvent event = {0};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = protocols;
        event.xclient.format = 32;
        event.xclient.data.l[0] = ping;
        event.xclient.data.l[1] = ++stamp;
        event.xclient.data.l[2] = window;
        XSendEvent(display, window, False, NoEventMask, &event);
        XFlush(display);
        const double sent = now_ms();
        int back = 0;
        while (!back && now_ms() < end + 10000) {
            while (!back && XPending(display)) {
                XNextEvent(display, &event);
                back = event.type == ClientMessage && event.xclient.message_type == protocols &&
                       (Atom)event.xclient.data.l[0] == ping && event.xclient.data.l[1] == stamp;
            }
            if (!back) {
                struct pollfd wait = {ConnectionNumber(display), POLLIN, 0};
                poll(&wait, 1, 5);
            }
        }
        const double waited = now_ms() - sent;
        if (waited > longest)
            longest = waited;
        answered += back;
        struct timespec pause = {0, 20 * 1000000};
        nanosleep(&pause, NULL);
    }
    printf("%.0f %ld %ld\n", longest, answered, stamp);
    XCloseDisplay(display);
    return 0;
}
