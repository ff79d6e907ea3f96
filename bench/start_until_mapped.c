// start_until_mapped TITLE PROGRAM [ARGUMENT...]: starts PROGRAM (no shell)
// and prints the milliseconds until a top-level window named TITLE is mapped
// on the display, then stops the program. It waits for the server's
// MapNotify instead of polling, so it takes no time from the program it
// times. Built and used by bench/win32_start.sh.
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdio.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>

extern char** environ;

static double now(void)
{
    struct timespec time;
    clock_gettime(CLOCK_MONOTONIC, &time);
    return time.tv_sec * 1e3 + time.tv_nsec / 1e6;
}

// The window's name, or that of the first of its children that has one
// (a window manager may frame it).
static int named(Display* display, Window window, const char* title)
{
    char* name = NULL;
    int found = XFetchName(display, window, &name) && name && strcmp(name, title) == 0;
    XFree(name);
    if (found)
        return 1;
    XTextProperty property;
    if (XGetTextProperty(display, window, &property, XInternAtom(display, "_NET_WM_NAME", False)) && property.value) {
        found = strcmp((const char*)property.value, title) == 0;
        XFree(property.value);
    }
    return found;
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: %s TITLE PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "start_until_mapped: no display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const double start = now();
    pid_t child;
    if (posix_spawnp(&child, argv[2], NULL, NULL, argv + 2, environ) != 0) {
        perror("start_until_mapped");
        return 2;
    }
    struct Map {
        Window window;
        double time;
    } maps[64];
    int mapCount = 0;
    double mapped = -1;
    int status = 0;
    while (mapped < 0) {
        if (!XPending(display)) {
            // A program that ends before its window shows is a failure, not a wait.
            if (waitpid(child, &status, WNOHANG) == child) {
                fprintf(stderr, "start_until_mapped: %s ended before its window was shown\n", argv[2]);
                return 1;
            }
            struct pollfd connection = {ConnectionNumber(display), POLLIN, 0};
            poll(&connection, 1, 50);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify) {
            // A window may be named after it is mapped: it counts from its map.
            XSelectInput(display, event.xmap.window, PropertyChangeMask);
            if (mapCount < 64)
                maps[mapCount++] = (struct Map){event.xmap.window, now()};
        }
        const Window window = event.type == MapNotify ? event.xmap.window
                              : event.type == PropertyNotify ? event.xproperty.window : None;
        if (window != None && named(display, window, argv[1]))
            for (int i = 0; i < mapCount; ++i)
                if (maps[i].window == window)
                    mapped = maps[i].time;
    }
    printf("%.0f\n", mapped - start);
    kill(child, SIGTERM);
    waitpid(child, NULL, 0);
    XCloseDisplay(display);
    return 0;
}
