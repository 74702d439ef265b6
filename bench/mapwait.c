/* Starts a program and reports, in milliseconds since the start, when its main window (the first
 * top-level window whose name begins with the given prefix) was mapped and when it was first drawn
 * on. It subscribes to the root window's structure events and to damage reports of every new
 * top-level window, so it learns of both the moment they happen, without polling.
 *
 * usage: mapwait NAME-PREFIX TIMEOUT-SECONDS PROGRAM [ARGS...]
 * prints: "<pid> <map ms> <paint ms>" and leaves the program running.
 */
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

/* Whether the window's name (WM_NAME) begins with the prefix. */
static int name_matches(xcb_connection_t* c, xcb_window_t w, const char* prefix) {
    xcb_get_property_reply_t* r = xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), NULL);
    if (!r)
        return 0;
    const int len = xcb_get_property_value_length(r);
    const size_t want = strlen(prefix);
    const int ok = len >= (int)want && memcmp(xcb_get_property_value(r), prefix, want) == 0;
    free(r);
    return ok;
}

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: %s NAME-PREFIX TIMEOUT-SECONDS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const char* prefix = argv[1];
    const double timeout = atof(argv[2]) * 1000.0;
    xcb_connection_t* c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "mapwait: cannot open the display\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damage || !damage->present) {
        fprintf(stderr, "mapwait: the display has no damage extension\n");
        return 2;
    }
    free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), NULL));
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const double start = now_ms();
    pid_t pid = fork();
    if (pid == 0) {
        int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execv(argv[3], argv + 3);
        _exit(127);
    }

    xcb_window_t main_window = 0;
    double mapped = -1, painted = -1;
    struct pollfd pfd = {xcb_get_file_descriptor(c), POLLIN, 0};
    while (painted < 0) {
        xcb_generic_event_t* e = xcb_poll_for_event(c);
        if (!e) {
            double left = timeout - (now_ms() - start);
            if (left <= 0 || xcb_connection_has_error(c))
                break;
            poll(&pfd, 1, (int)left + 1);
            continue;
        }
        const double t = now_ms() - start;
        const int type = e->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            xcb_create_notify_event_t* ce = (xcb_create_notify_event_t*)e;
            if (ce->parent == screen->root) {
                xcb_damage_damage_t d = xcb_generate_id(c);
                xcb_damage_create(c, d, ce->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(c);
            }
        } else if (type == XCB_MAP_NOTIFY && !main_window) {
            xcb_map_notify_event_t* me = (xcb_map_notify_event_t*)e;
            if (name_matches(c, me->window, prefix)) {
                main_window = me->window;
                mapped = t;
            }
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY && main_window) {
            xcb_damage_notify_event_t* de = (xcb_damage_notify_event_t*)e;
            if (de->drawable == main_window)
                painted = t;
        }
        free(e);
    }
    printf("%d %.1f %.1f\n", (int)pid, mapped, painted);
    xcb_disconnect(c);
    return painted < 0;
}
