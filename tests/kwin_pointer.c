// Gives a headless KWin a pointer: org_kde_kwin_fake_input, which KWin
// grants to programs named in a desktop file with
// X-KDE-Wayland-Interfaces=org_kde_kwin_fake_input. Reads lines from
// standard input until it closes, as gnome_pointer.py does:
//     click X Y      moves the pointer to (X, Y) and clicks the left button
//     move X Y       moves the pointer only
//     key KEYCODE    presses and releases an evdev key code
// and answers each with "ok" once the compositor has taken it.
#include <stdio.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

// The protocol's interface, written out (its XML is not needed to build).
static const struct wl_message requests[] = {
    {"authenticate", "ss", NULL}, {"pointer_motion", "ff", NULL},    {"button", "uu", NULL},
    {"axis", "uf", NULL},         {"touch_down", "2uff", NULL},      {"touch_motion", "2uff", NULL},
    {"touch_up", "2u", NULL},     {"touch_cancel", "2", NULL},       {"touch_frame", "2", NULL},
    {"pointer_motion_absolute", "3ff", NULL},                        {"keyboard_key", "4uu", NULL},
};
static const struct wl_interface fake_input_interface = {"org_kde_kwin_fake_input", 4, 11, requests, 0, NULL};
enum { Authenticate = 0, Button = 2, MotionAbsolute = 9, KeyboardKey = 10 };

static struct wl_proxy* input;

static void global(void* data, struct wl_registry* registry, uint32_t name, const char* interface, uint32_t version)
{
    (void)data;
    if (strcmp(interface, "org_kde_kwin_fake_input") == 0 && version >= 4)
        input = wl_registry_bind(registry, name, &fake_input_interface, 4);
}

static void global_remove(void* data, struct wl_registry* registry, uint32_t name)
{
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener listener = {global, global_remove};

int main(void)
{
    struct wl_display* display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "kwin_pointer: no Wayland display\n");
        return 1;
    }
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, NULL);
    wl_display_roundtrip(display);
    if (!input) {
        fprintf(stderr, "kwin_pointer: the compositor grants no fake input\n");
        return 1;
    }
    wl_proxy_marshal(input, Authenticate, "kwin_pointer", "end-to-end test");
    wl_display_roundtrip(display);
    printf("ready\n");
    fflush(stdout);
    char line[128];
    while (fgets(line, sizeof line, stdin)) {
        char verb[16];
        double x = 0, y = 0;
        if (sscanf(line, "%15s %lf %lf", verb, &x, &y) < 2)
            continue;
        if (strcmp(verb, "click") == 0 || strcmp(verb, "move") == 0) {
            wl_proxy_marshal(input, MotionAbsolute, wl_fixed_from_double(x), wl_fixed_from_double(y));
            wl_display_roundtrip(display);
            if (strcmp(verb, "click") == 0) {
                const struct timespec pause = {0, 100 * 1000 * 1000};
                nanosleep(&pause, NULL);
                wl_proxy_marshal(input, Button, 0x110, 1);
                wl_proxy_marshal(input, Button, 0x110, 0);
            }
        } else if (strcmp(verb, "key") == 0) {
            wl_proxy_marshal(input, KeyboardKey, (uint32_t)x, 1);
            wl_proxy_marshal(input, KeyboardKey, (uint32_t)x, 0);
        }
        if (wl_display_roundtrip(display) < 0)
            return 1;
        printf("ok\n");
        fflush(stdout);
    }
    return 0;
}
