// Times one "From Screen" the way a user sees it: clicks at (X, Y) through
// XTest and waits for a window the size of the screen to be mapped, then
// clicks again on it, ending the capture, and waits for it to go. Prints
// "capture MS ready MS end MS floor MS": milliseconds from the first click
// to the map, to the map of the hint that comes with the photograph, from
// the second click to the unmap, and, as the floor, what one MIT-SHM read of
// the whole screen takes this client.
// usage: capture_driver X Y
#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <time.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Waits for a map (or unmap) of a window w x h (h negative: w wide, not -h high); the
// milliseconds since start, or -1 after 20 s.
static double wait_for(Display* d, int type, double start, int w, int h)
{
    while (now_ms() - start < 20000) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type != type)
                continue;
            Window win = type == MapNotify ? e.xmap.window : e.xunmap.window;
            XWindowAttributes a;
            if (type == UnmapNotify || (XGetWindowAttributes(d, win, &a) && a.width == w && (h > 0 ? a.height == h : a.height != -h)))
                return now_ms() - start;
        }
        struct timespec pause = {0, 200000};
        nanosleep(&pause, NULL);
    }
    return -1;
}

static double shm_floor(Display* d, int w, int h)
{
    XShmSegmentInfo info;
    XImage* image = XShmCreateImage(d, DefaultVisual(d, 0), DefaultDepth(d, 0), ZPixmap, NULL, &info, w, h);
    info.shmid = shmget(IPC_PRIVATE, (size_t)image->bytes_per_line * h, IPC_CREAT | 0600);
    info.shmaddr = image->data = shmat(info.shmid, NULL, 0);
    info.readOnly = False;
    XShmAttach(d, &info);
    const double start = now_ms();
    XShmGetImage(d, DefaultRootWindow(d), image, 0, 0, AllPlanes);
    const double ms = now_ms() - start;
    XShmDetach(d, &info);
    XDestroyImage(image);
    shmdt(info.shmaddr);
    shmctl(info.shmid, IPC_RMID, NULL);
    return ms;
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: capture_driver X Y\n");
        return 2;
    }
    Display* d = XOpenDisplay(NULL);
    if (!d)
        return 1;
    const int x = atoi(argv[1]), y = atoi(argv[2]);
    const int w = DisplayWidth(d, 0), h = DisplayHeight(d, 0);
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);
    XTestFakeMotionEvent(d, -1, x, y, CurrentTime);
    XSync(d, False);
    struct timespec settle = {0, 300000000};
    nanosleep(&settle, NULL);

    double start = now_ms();
    XTestFakeButtonEvent(d, 1, True, CurrentTime);
    XTestFakeButtonEvent(d, 1, False, CurrentTime);
    XFlush(d);
    const double capture = wait_for(d, MapNotify, start, w, h);
    // The hint across the top of the screen comes once the photograph is in
    // place; a capture window that paints it itself has none of its own.
    const double ready = wait_for(d, MapNotify, start, w, -h);
    nanosleep(&settle, NULL);

    XTestFakeMotionEvent(d, -1, x + 5, y + 5, CurrentTime);
    start = now_ms();
    XTestFakeButtonEvent(d, 1, True, CurrentTime);
    XTestFakeButtonEvent(d, 1, False, CurrentTime);
    XFlush(d);
    const double end = wait_for(d, UnmapNotify, start, w, h);
    nanosleep(&settle, NULL);

    printf("capture %.0f ready %.0f end %.0f floor %.0f\n", capture, ready, end, shm_floor(d, w, h));
    XCloseDisplay(d);
    return capture < 0 || end < 0;
}
