// Drags the pointer through XTest the way a hand does, at a steady rate:
// button 1 pressed at (X0, Y0), then EVENTS moves back and forth along the
// line to (X1, Y1), one every 1/RATE s, then released. Screen coordinates.
// Every move goes one pixel along the line's longer side, so every event
// brings the pointer to a pixel it was not on.
// usage: drag_driver X0 Y0 X1 Y1 EVENTS RATE
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

int main(int argc, char** argv)
{
    if (argc != 7) {
        fprintf(stderr, "usage: drag_driver X0 Y0 X1 Y1 EVENTS RATE\n");
        return 2;
    }
    const int x0 = atoi(argv[1]), y0 = atoi(argv[2]), x1 = atoi(argv[3]), y1 = atoi(argv[4]);
    const long events = atol(argv[5]), period = 1000000000L / atol(argv[6]);
    Display* display = XOpenDisplay(NULL);
    if (!display)
        return 1;
    XTestFakeMotionEvent(display, -1, x0, y0, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XFlush(display);
    struct timespec next;
    clock_gettime(CLOCK_MONOTONIC, &next);
    const long dx = labs(x1 - x0), dy = labs(y1 - y0);
    const long steps = dx > dy ? dx : dy; // one way along the line
    if (steps == 0)
        return 2;
    for (long i = 1; i <= events; ++i) {
        const long k = i % (2 * steps), t = k <= steps ? k : 2 * steps - k;
        XTestFakeMotionEvent(display, -1, (int)(x0 + (x1 - x0) * t / steps), (int)(y0 + (y1 - y0) * t / steps), CurrentTime);
        XFlush(display);
        next.tv_nsec += period;
        if (next.tv_nsec >= 1000000000L)
            next.tv_sec += 1, next.tv_nsec -= 1000000000L;
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, NULL);
    }
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XCloseDisplay(display);
    return 0;
}
