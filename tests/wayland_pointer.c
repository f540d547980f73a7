// Gives a headless compositor a pointer that a test drives: wlroots'
// virtual pointer (sway), or KWin's fake input, which KWin grants to
// programs named in a desktop file with
// X-KDE-Wayland-Interfaces=org_kde_kwin_fake_input. Reads lines from
// standard input until it closes, as gnome_pointer.py does for GNOME:
//     click X Y      moves the pointer to (X, Y) and clicks the left button
//     move X Y       moves the pointer only
// and answers each with "ok" once the compositor has taken it. The first
// line it prints is "ready". usage: wayland_pointer WIDTH HEIGHT (the
// screen's size, over which wlroots spreads absolute positions) The protocols' interfaces are written out
// (their XML is not needed to build).
#include <stdio.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

static const struct wl_message fake_requests[] = {
    {"authenticate", "ss", NULL}, {"pointer_motion", "ff", NULL},    {"button", "uu", NULL},
    {"axis", "uf", NULL},         {"touch_down", "2uff", NULL},      {"touch_motion", "2uff", NULL},
    {"touch_up", "2u", NULL},     {"touch_cancel", "2", NULL},       {"touch_frame", "2", NULL},
    {"pointer_motion_absolute", "3ff", NULL},
};
static const struct wl_interface fake_input_interface = {"org_kde_kwin_fake_input", 3, 10, fake_requests, 0, NULL};
enum { FakeAuthenticate = 0, FakeButton = 2, FakeMotionAbsolute = 9 };

static const struct wl_interface virtual_pointer_interface;
static const struct wl_interface* create_types[] = {&wl_seat_interface, &virtual_pointer_interface};
static const struct wl_message manager_requests[] = {{"create_virtual_pointer", "?on", create_types}, {"destroy", "", NULL}};
static const struct wl_interface manager_interface = {"zwlr_virtual_pointer_manager_v1", 1, 2, manager_requests, 0, NULL};
static const struct wl_message pointer_requests[] = {
    {"motion", "uff", NULL}, {"motion_absolute", "uuuuu", NULL}, {"button", "uuu", NULL},
    {"axis", "uuf", NULL},   {"frame", "", NULL},                {"axis_source", "u", NULL},
    {"axis_stop", "uu", NULL}, {"axis_discrete", "uufi", NULL},  {"destroy", "", NULL},
};
static const struct wl_interface virtual_pointer_interface = {"zwlr_virtual_pointer_v1", 1, 9, pointer_requests, 0, NULL};
enum { VirtualMotionAbsolute = 1, VirtualButton = 2, VirtualFrame = 4 };

static struct wl_proxy *fake, *manager, *virtual_pointer;
static struct wl_seat* seat;
static int width, height; // of the screen, from the command line

static void global(void* data, struct wl_registry* registry, uint32_t name, const char* interface, uint32_t version)
{
    (void)data;
    if (strcmp(interface, "org_kde_kwin_fake_input") == 0 && version >= 3)
        fake = wl_registry_bind(registry, name, &fake_input_interface, 3);
    else if (strcmp(interface, "zwlr_virtual_pointer_manager_v1") == 0)
        manager = wl_registry_bind(registry, name, &manager_interface, 1);
    else if (strcmp(interface, "wl_seat") == 0 && !seat)
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
}
static void global_remove(void* data, struct wl_registry* registry, uint32_t name) { (void)data, (void)registry, (void)name; }
static const struct wl_registry_listener listener = {global, global_remove};

static void move_to(double x, double y)
{
    if (fake)
        wl_proxy_marshal(fake, FakeMotionAbsolute, wl_fixed_from_double(x), wl_fixed_from_double(y));
    else
        wl_proxy_marshal(virtual_pointer, VirtualMotionAbsolute, 0, (uint32_t)x, (uint32_t)y, width, height),
            wl_proxy_marshal(virtual_pointer, VirtualFrame);
}

static void button(int pressed)
{
    if (fake)
        wl_proxy_marshal(fake, FakeButton, 0x110, pressed);
    else
        wl_proxy_marshal(virtual_pointer, VirtualButton, 0, 0x110, pressed), wl_proxy_marshal(virtual_pointer, VirtualFrame);
}

int main(int argc, char** argv)
{
    if (argc != 3 || sscanf(argv[1], "%d", &width) != 1 || sscanf(argv[2], "%d", &height) != 1)
        return fprintf(stderr, "usage: wayland_pointer WIDTH HEIGHT\n"), 2;
    struct wl_display* display = wl_display_connect(NULL);
    if (!display)
        return fprintf(stderr, "wayland_pointer: no Wayland display\n"), 1;
    wl_registry_add_listener(wl_display_get_registry(display), &listener, NULL);
    wl_display_roundtrip(display);
    if (fake)
        wl_proxy_marshal(fake, FakeAuthenticate, "wayland_pointer", "end-to-end test");
    else if (manager && seat)
        virtual_pointer = wl_proxy_marshal_constructor(manager, 0, &virtual_pointer_interface, seat, NULL);
    else
        return fprintf(stderr, "wayland_pointer: the compositor lends no pointer\n"), 1;
    wl_display_roundtrip(display);
    printf("ready\n");
    fflush(stdout);
    char line[128], verb[16];
    double x, y;
    while (fgets(line, sizeof line, stdin)) {
        if (sscanf(line, "%15s %lf %lf", verb, &x, &y) != 3)
            continue;
        move_to(x, y);
        if (strcmp(verb, "click") == 0) {
            wl_display_roundtrip(display);
            const struct timespec pause = {0, 100 * 1000 * 1000};
            nanosleep(&pause, NULL);
            button(1);
            button(0);
        }
        if (wl_display_roundtrip(display) < 0)
            return 1;
        printf("ok\n");
        fflush(stdout);
    }
    return 0;
}
