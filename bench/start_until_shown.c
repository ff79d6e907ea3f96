// start_until_shown TITLE PROGRAM [ARGUMENT...]: starts PROGRAM (no shell)
// and prints three figures in milliseconds: until its top-level window named
// TITLE is mapped on the display, until something is first drawn in it, and
// until the last drawing before a quiet quarter second (the whole window
// drawn); then stops the program. It waits
// for the server's events instead of polling, so it takes no time from the
// program it times. Built and used by bench/win32_start.sh.
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdio.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>

extern char** environ;

enum { kMostWindows = 64 };

// A top-level window made after the start, as the display server reports it.
struct Seen {
    Window window;
    double mapped;   // -1 until mapped
    double painted;  // -1 until drawn in after its map
    double drawn;    // the last drawing so far
};

enum { kQuietMilliseconds = 250 };
// A window that has not come by then is not coming: a desktop process left on
// a display that is gone, say. Reported, never waited for.
enum { kMostSeconds = 60 };

static double now(void)
{
    struct timespec time;
    clock_gettime(CLOCK_MONOTONIC, &time);
    return time.tv_sec * 1e3 + time.tv_nsec / 1e6;
}

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

// Windows come and go while they are looked at, and some take no drawing
// (input only): what cannot be watched is left alone.
static int ignoreError(Display* display, XErrorEvent* error)
{
    (void)display;
    (void)error;
    return 0;
}

static struct Seen* seen(struct Seen* windows, int count, Window window)
{
    for (int i = 0; i < count; ++i)
        if (windows[i].window == window)
            return &windows[i];
    return NULL;
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: %s TITLE PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    int damageEvent, damageError;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        fprintf(stderr, "start_until_shown: no display with the DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(ignoreError);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const double start = now();
    pid_t child;
    if (posix_spawnp(&child, argv[2], NULL, NULL, argv + 2, environ) != 0) {
        perror("start_until_shown");
        return 2;
    }
    struct Seen windows[kMostWindows];
    int count = 0;
    struct Seen* target = NULL;
    for (;;) {
        if (target && target->painted >= 0 && now() - target->drawn >= kQuietMilliseconds)
            break;
        if (now() - start > kMostSeconds * 1e3) {
            fprintf(stderr, "start_until_shown: %s: %s \"%s\" within %d s\n", argv[2],
                    target ? "nothing was drawn in its window" : "no window was shown named", argv[1], kMostSeconds);
            kill(child, SIGKILL);
            waitpid(child, NULL, 0);
            return 1;
        }
        if (!XPending(display)) {
            // A program that ends before its window shows is a failure, not a wait.
            if (waitpid(child, NULL, WNOHANG) == child) {
                fprintf(stderr, "start_until_shown: %s ended before its window was shown\n", argv[2]);
                return 1;
            }
            struct pollfd connection = {ConnectionNumber(display), POLLIN, 0};
            poll(&connection, 1, 10);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        const double time = now();
        Window window = None;
        if (event.type == CreateNotify && count < kMostWindows) {
            // Watched from its creation: the first paint may follow the map at once.
            windows[count++] = (struct Seen){event.xcreatewindow.window, -1, -1, -1};
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
            XSelectInput(display, event.xcreatewindow.window, PropertyChangeMask);
        } else if (event.type == MapNotify) {
            window = event.xmap.window;
            struct Seen* made = seen(windows, count, window);
            if (made && made->mapped < 0)
                made->mapped = time;
        } else if (event.type == PropertyNotify) {
            window = event.xproperty.window;  // a window may be named after its map
        } else if (event.type == damageEvent + XDamageNotify) {
            const XDamageNotifyEvent* damage = (const XDamageNotifyEvent*)&event;
            struct Seen* drawn = seen(windows, count, damage->drawable);
            if (drawn && drawn->mapped >= 0) {
                if (drawn->painted < 0)
                    drawn->painted = time;
                drawn->drawn = time;
            }
            XDamageSubtract(display, damage->damage, None, None);
        }
        struct Seen* made = window != None ? seen(windows, count, window) : NULL;
        if (!target && made && made->mapped >= 0 && named(display, window, argv[1]))
            target = made;
    }
    printf("%.0f %.0f %.0f\n", target->mapped - start, target->painted - start, target->drawn - start);
    kill(child, SIGTERM);
    waitpid(child, NULL, 0);
    XCloseDisplay(display);
    return 0;
}
