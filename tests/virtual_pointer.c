// Gives a headless wlroots seat a pointer: creates one virtual pointer
// (zwlr_virtual_pointer_manager_v1) and keeps it until stdin closes or the
// compositor goes away. The compositor's own "seat - cursor" commands then
// move and click it.
#include <stdio.h>
#include <string.h>
#include <wayland-client.h>

// The protocol's two interfaces, written out (the XML is not packaged).
static const struct wl_interface zwlr_virtual_pointer_v1_interface;
static const struct wl_interface* create_types[] = {&wl_seat_interface, &zwlr_virtual_pointer_v1_interface};
static const struct wl_message manager_requests[] = {
    {"create_virtual_pointer", "?on", create_types},
    {"destroy", "", NULL},
};
static const struct wl_interface zwlr_virtual_pointer_manager_v1_interface = {
    "zwlr_virtual_pointer_manager_v1", 1, 2, manager_requests, 0, NULL};
static const struct wl_message pointer_requests[] = {
    {"motion", "uff", NULL}, {"motion_absolute", "uuuuu", NULL}, {"button", "uuu", NULL},
    {"axis", "uuf", NULL}, {"frame", "", NULL}, {"axis_source", "u", NULL},
    {"axis_stop", "uu", NULL}, {"axis_discrete", "uufi", NULL}, {"destroy", "", NULL},
};
static const struct wl_interface zwlr_virtual_pointer_v1_interface = {
    "zwlr_virtual_pointer_v1", 1, 9, pointer_requests, 0, NULL};

static struct wl_proxy* manager;
static struct wl_seat* seat;

static void global(void* data, struct wl_registry* registry, uint32_t name, const char* interface, uint32_t version)
{
    (void)data;
    (void)version;
    if (strcmp(interface, "zwlr_virtual_pointer_manager_v1") == 0)
        manager = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
    else if (strcmp(interface, "wl_seat") == 0 && !seat)
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
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
        fprintf(stderr, "virtual_pointer: no Wayland display\n");
        return 1;
    }
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, NULL);
    wl_display_roundtrip(display);
    if (!manager) {
        fprintf(stderr, "virtual_pointer: the compositor has no virtual pointers\n");
        return 1;
    }
    struct wl_proxy* pointer = wl_proxy_marshal_constructor(manager, 0, &zwlr_virtual_pointer_v1_interface, seat, NULL);
    wl_display_roundtrip(display);
    printf("ready\n");
    fflush(stdout);
    while (wl_display_dispatch(display) != -1) {
    }
    (void)pointer;
    return 0;
}
